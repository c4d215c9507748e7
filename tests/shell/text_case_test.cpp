#include "shell/text_case.h"

#include <gtest/gtest.h>

#include <string>

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

// Eight characters are compared at a time: every pair of byte values, at the start and the end of
// texts that end inside, at and just past a word, against LowerChar one character at a time.
TEST(TextCase, EqualNoCaseAgreesWithLowerCharForEveryByte) {
  for (std::size_t length : {1u, 7u, 8u, 9u, 17u}) {
    for (std::size_t at : {std::size_t{0}, length - 1}) {
      std::string a(length, 'k'), b = a;
      for (int x = 0; x < 256; ++x) {
        for (int y = 0; y < 256; ++y) {
          a[at] = static_cast<char>(x);
          b[at] = static_cast<char>(y);
          bool same = LowerChar(a[at]) == LowerChar(b[at]);
          ASSERT_EQ(EqualNoCase(a, b), same) << length << " " << at << " " << x << " " << y;
          if (same) {
            ASSERT_EQ(NoCaseHash(a), NoCaseHash(b)) << length << " " << at << " " << x;
          }
        }
      }
    }
  }
}

TEST(TextCase, EqualNoCaseTexts) {
  struct Case {
    std::string_view a, b;
    bool equal;
  };
  const Case cases[] = {
      {"", "", true},
      {"FlareColourData3Mod", "flarecolourdata3MOD", true},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz", true},
      {"@[`{", "`{@[", false},
      {"a", "", false},
      {"PartBuffer1Offset4", "PartBuffer1Offset42", false},
      {"PartBuffer1Offset42", "PartBuffer1Offset43", false},
      {std::string_view("ab\0c", 4), std::string_view("AB\0C", 4), true},
      {std::string_view("ab\0c", 4), std::string_view("ab\0d", 4), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EqualNoCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
    if (c.equal) {
      EXPECT_EQ(NoCaseHash(c.a), NoCaseHash(c.b)) << c.a;
    }
  }
}

}  // namespace
}  // namespace olvex::shell
