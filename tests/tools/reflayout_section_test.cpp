#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "reflayout/layout.h"

namespace rl = olvex::reflayout;

namespace {

// Lines of a CR LF text; a bare LF fails the test.
std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t lf = text.find('\n', at);
    EXPECT_NE(lf, std::string::npos) << "unterminated last line";
    if (lf == std::string::npos) break;
    EXPECT_TRUE(lf > at && text[lf - 1] == '\r') << "bare LF at " << lf;
    out.push_back(text.substr(at, lf - at - 1));
    at = lf + 1;
  }
  return out;
}

}  // namespace

TEST(ReflayoutSection, FramedByHeaderAndEndLine) {
  const auto all = lines(rl::versionSectionText());
  ASSERT_GE(all.size(), 2u);
  EXPECT_EQ(all.front(), "[version 65636B005F494E495400000057696E50;OLVEX reference layout]");
  EXPECT_EQ(all.back(), "[end version]");
}

// Every key of the tables appears exactly once as "Key=value", and nothing else does.
TEST(ReflayoutSection, EveryKeyOnceWithItsValue) {
  const auto all = lines(rl::versionSectionText());
  std::map<std::string, std::string> values;
  for (std::size_t i = 1; i + 1 < all.size(); ++i) {
    const auto eq = all[i].find('=');
    ASSERT_NE(eq, std::string::npos) << all[i];
    EXPECT_TRUE(values.emplace(all[i].substr(0, eq), all[i].substr(eq + 1)).second) << all[i];
  }
  for (const auto& k : rl::offsetKeys())
    EXPECT_EQ(values[std::string(k.name)], std::to_string(k.position)) << k.name;
  for (const auto& k : rl::numericKeys())
    EXPECT_EQ(values[std::string(k.name)], std::to_string(k.value)) << k.name;
  for (const auto& k : rl::dataKeys()) EXPECT_EQ(values[std::string(k.name)], k.hex) << k.name;
  EXPECT_EQ(values.size(), 744u + 4u + 371u);
  EXPECT_FALSE(values.count("VersionCheckOffset"));
  EXPECT_EQ(values["EOFOffset"], "790529");
  EXPECT_EQ(values["ExtendedSizeNum"], "524287");
}
