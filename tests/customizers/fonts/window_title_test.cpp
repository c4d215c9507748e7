// The window title bytes: the title as stored and written, and the setup title.
#include <gtest/gtest.h>

#include <string>

#include "customizers/fonts/window_title.h"

namespace olvex::customizers {
namespace {

TEST(WindowTitle, StoredAndWrittenCutTo33Characters) {
  const std::string longTitle(40, 'T');
  EXPECT_EQ(StoredTitle(longTitle), std::string(33, 'T'));
  EXPECT_EQ(WindowTitleHex("abc"), "61626300");
  EXPECT_EQ(WindowTitleHex("a\tb"), "61096200");
  std::string t33;
  for (int i = 0; i < 33; ++i) t33 += "54";
  EXPECT_EQ(WindowTitleHex(longTitle), t33 + "00");
}

TEST(WindowTitle, SetupTitleIsWidePaddedAndLeftTrimmed) {
  std::string blanks;
  for (int i = 0; i < 30; ++i) blanks += "2000";
  EXPECT_EQ(SetupTitleHex("abc"), "610062006300" + blanks);
  EXPECT_EQ(SetupTitleHex("  abc"), "610062006300" + blanks);
  EXPECT_EQ(SetupTitleHex(std::string(40, 'T')).size(), 132u);
  EXPECT_EQ(SetupTitleHex("").size(), 132u);
}

}  // namespace
}  // namespace olvex::customizers
