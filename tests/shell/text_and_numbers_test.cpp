// Reading numbers and keys from text: Val and StrictNumber, half-even rounding, letter case, the
// key filters of the text boxes and the "key=value" lines of the config.
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <vector>

#include "shell/config_line.h"
#include "shell/config_lines.h"
#include "shell/config_state.h"
#include "shell/key_filters.h"
#include "shell/number_text.h"
#include "shell/text_case.h"

namespace olvex::shell {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumberText, ValReadsTheLeadingNumberAndStrictNumberTheWholeText) {
  struct Case {
    const char* text;
    double val;
    std::optional<double> strict;
  } cases[] = {
      {" -12 ", -12, -12},
      {"\t- 1 2", -12, std::nullopt},
      {"+.5E+2", 50, 50},
      {"1.2.3", 1.2, std::nullopt},
      {"25 e-1x", 2.5, std::nullopt},
      {"1e+x", 1, std::nullopt},
      {"&HfF", 255, 255},
      {"&H 1 0x", 16, std::nullopt},
      {"&o17", 15, 15},
      {"-&H10", 0, std::nullopt},
      {"1e999", kInf, std::nullopt},
      {"12345678901234567891", 12345678901234567891.0, 12345678901234567891.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Val(c.text), c.val) << '"' << c.text << '"';
    EXPECT_EQ(StrictNumber(c.text), c.strict) << '"' << c.text << '"';
  }
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
}

// Eight characters are handled at a time, the last word overlapping the one before: every byte
// value at every place of texts up to past two words, against LowerChar one character at a time.
TEST(TextCase, OnlyAsciiLettersChangeCase) {
  for (std::size_t length = 1; length <= 17; ++length) {
    for (int x = 0; x < 256; ++x) {
      std::string text(length, 'Q'), lower(length, 'q');
      text[x % length] = static_cast<char>(x);
      lower[x % length] = LowerChar(static_cast<char>(x));
      ASSERT_EQ(LowerCase(text), lower) << length << " " << x;
      ASSERT_EQ(EqualNoCase(text, UpperCase(lower)), true) << length << " " << x;
      lower[x % length] ^= 1;
      ASSERT_FALSE(EqualNoCase(text, lower)) << length << " " << x;
    }
  }
  EXPECT_FALSE(EqualNoCase("a", ""));
  EXPECT_FALSE(StartsWithNoCase("/BG", "/BGN"));
  for (char c : std::string("09afAF")) EXPECT_TRUE(IsHexDigit(c)) << c;
  for (char c : std::string("gG/:@`")) EXPECT_FALSE(IsHexDigit(c)) << c;
}

// The text box filters: Backspace passes, letters are typed in upper case, other keys vanish.
TEST(KeyFilters, PassUpperCaseOrSwallow) {
  EXPECT_EQ((std::array{FilterHexKey('a'), FilterLetterKey('z'), FilterSignedKey('-'), FilterDecimalKey('.')}),
            (std::array{int('A'), int('Z'), int('-'), int('.')}));
  EXPECT_EQ((std::array{FilterDigitKey(8), FilterDigitKey('9'), FilterDigitKey('.'), FilterHexKey('g')}),
            (std::array{8, int('9'), 0, 0}));
  EXPECT_EQ(FilterLetterKey(0x100 + 'A'), 0);
}

TEST(ConfigLine, SplitsKeyAndValue) {
  const std::string k255(255, 'k');
  struct Case {
    std::string line;
    std::string key, value;
    int dataKeys;
  } cases[] = {
      {"    ", "", "", 0},
      {"; x=1", "", "", 0},
      {"[Key=1", "", "", 0},
      {"  ;Key =  QuAb ", "  ;key ", "QuAb ", 0},
      {"Name=x=y b  ; comment", "name", "x=y b", 0},
      {"Data", "data", "", 1},
      {"FlareColourData1Def=00", "flarecolourdata1def", "00", 0},
      // Without "=" among the first 255 characters the value begins at character 257.
      {k255 + "x  v w ; c", k255, "v w", 0},
      {k255 + "=v", k255, "v", 0},
      {std::string(256, ' ') + ";", std::string(255, ' '), "", 0},  // an empty value is not trimmed below its start
  };
  for (const Case& c : cases) {
    DataKeyCount = 0;
    EXPECT_EQ(ParseConfigLine(c.line), c.value) << c.line;
    EXPECT_EQ(CfgKey, c.key) << c.line;
    EXPECT_EQ(DataKeyCount, c.dataKeys) << c.line;
    std::string value = "a stale value longer than the short-string buffer";
    ParseConfigLine(c.line, value);
    EXPECT_EQ(value, c.value) << c.line;
  }
  // CR LF, LF or a lone CR end a line; NULs at a line's end are dropped.
  const std::string text("a\n\rb\0\0\r\r\nc\r", 11);
  ConfigLines lines(text);
  std::vector<std::string> got;
  for (std::string_view line; lines.next(line);) got.emplace_back(line);
  EXPECT_EQ(got, (std::vector<std::string>{"a", "", "b", "", "c"}));
}

}  // namespace
}  // namespace olvex::shell
