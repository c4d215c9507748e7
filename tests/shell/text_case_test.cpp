#include "shell/text_case.h"

#include <gtest/gtest.h>

namespace olvex::shell {
namespace {

TEST(TextCase, OnlyAsciiLettersChangeCase) {
  EXPECT_EQ(LowerCase("[END Version] \xC4\xE4"), "[end version] \xC4\xE4");
  EXPECT_EQ(UpperCase("mov_byte \xE4z"), "MOV_BYTE \xE4Z");
  EXPECT_TRUE(EqualNoCase("[End Common]", "[end common]"));
  EXPECT_FALSE(EqualNoCase("\xC4", "\xE4"));  // code-page letters are compared as they stand
  EXPECT_FALSE(EqualNoCase("[end common] ", "[end common]"));
  EXPECT_TRUE(StartsWithNoCase("/bgn 3", "/BGN"));
  EXPECT_FALSE(StartsWithNoCase("/BG", "/BGN"));
  for (char c : std::string("09afAF")) EXPECT_TRUE(IsHexDigit(c)) << c;
  for (char c : std::string("gG/: ")) EXPECT_FALSE(IsHexDigit(c)) << c;
}

}  // namespace
}  // namespace olvex::shell
