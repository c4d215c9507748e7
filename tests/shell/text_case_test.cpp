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
        }
      }
    }
  }
}

// Lower-casing runs eight characters at a time with an overlapping last word: every length up to
// past two words, each byte value at each place.
TEST(TextCase, LowerCaseOfEveryLengthAndByte) {
  for (std::size_t length = 0; length <= 17; ++length) {
    for (int x = 0; x < 256; ++x) {
      std::string text(length, 'Q'), want(length, 'q');
      for (std::size_t at = 0; at < length; ++at) {
        text[at] = static_cast<char>(x);
        want[at] = LowerChar(static_cast<char>(x));
        ASSERT_EQ(LowerCase(text), want) << length << " " << at << " " << x;
        text[at] = 'Q';
        want[at] = 'q';
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
  for (const auto& c : cases) EXPECT_EQ(EqualNoCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}

TEST(TextCase, LowerWordsAreZeroPadded) {
  EXPECT_EQ(LowerWordAt("AbC", 0), 0x636261u);
  EXPECT_EQ(LowerWordAt("ABCDEFGHIJ", 0), 0x6867666564636261u);
  EXPECT_EQ(LowerWordAt("ABCDEFGHIJ", 8), 0x6A69u);
  EXPECT_EQ(LowerWordAt("ABCDEFGHIJ", 9), 0x6Au);
  EXPECT_EQ(LowerWordAt("\xC4Z", 0), 0x7AC4u);
}

}  // namespace
}  // namespace olvex::shell
