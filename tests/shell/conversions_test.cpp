#include "shell/conversions.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "support/test_host.h"

namespace olvex::shell {
namespace {

using Strings = std::vector<std::string>;

class Conversions : public ::testing::Test {
 protected:
  void SetUp() override { HexErrShown = false; }
  // The messages shown since the last call.
  Strings takeMessages() {
    Strings texts = host_.texts();
    host_.messages.clear();
    return texts;
  }

 private:
  test::TestHost host_;
};

TEST_F(Conversions, DecimalToHexWarnsAndGivesZerosOutOfRange) {
  struct Case {
    std::string (*convert)(std::string_view, int);
    const char* text;
    int width;
    const char* want;
    bool warns;
  } cases[] = {
      {TrueHex2, "300", 2, "2C", false},  // signed, cut to the width
      {TrueHex2, "-10", 4, "FFF6", false},
      {TrueHex2, " 2.5 ", 3, "002", false},
      {TrueHex2, "-2147483648", 8, "80000000", false},
      {TrueHex2, "2147483647.5", 8, "00000000", true},
      {TrueHex2, "5", -1, "", false},
      {TrueHex1, "123456789", 2, "75BCD15", false},  // unsigned, never cut
      {TrueHex1, "4294967295.5", 8, "00000000", true},
      {TrueHex1, "-0.2", 8, "00000000", true},  // never "000000-1"
      {TrueHex1, "x", 0, "0", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.convert(c.text, c.width), c.want);
    EXPECT_EQ(takeMessages(), c.warns ? Strings{"Warning: possible error during DEC>HEX conversion. You have entered "
                                                "incorrect value (" + std::string(c.text) + ")."}
                                      : Strings{});
  }
  EXPECT_THROW(DecToHex32("1x"), ConversionError);
}

TEST_F(Conversions, HexTextAndBytes) {
  EXPECT_EQ(HexToLong("000000001"), 1);
  EXPECT_EQ(HexToLong("80000000"), INT32_MIN);
  EXPECT_FALSE(HexErrShown);
  for (const char* bad : {"G1", "123456789"}) EXPECT_EQ(HexToLong(bad), 0) << bad;
  EXPECT_EQ(takeMessages(), Strings{"There was an error when converting some hexadecimal value to a decimal.\r\n"
                                    "Make sure that you haven't entered wrong data.\r\nSource string: ''G1''"});
  HexErrShown = false;  // as the preset loader does
  HexToLong("X");
  EXPECT_EQ(takeMessages().size(), 1u);
  EXPECT_EQ(Invrt("ABC"), "BC0A");
  EXPECT_EQ(wb("09afAF7"), std::string("\x09\xAF\xAF", 3));
  EXPECT_EQ(takeMessages(), Strings{});
  EXPECT_EQ(wb("A"), std::string(1, '\0'));
  EXPECT_EQ(takeMessages(), Strings{"Warning: error during byte array conversion. Source hex string length is less "
                                    "than 2 chars.\r\nSource string: ''A''"});
  HexErrShown = false;
  EXPECT_EQ(wb("ZZ01G1"), std::string("\x00\x01\x00", 3));  // a bad pair is 0, with one message
  EXPECT_EQ(takeMessages().size(), 1u);
  EXPECT_EQ(TextToHex("\t\x01Z\xFF"), "09015AFF");
  EXPECT_THROW(TextToHex(std::string(255, 'A')), ConversionError);
}

// Each "//" and its target become the displacement from the byte after it, 0x2104 past the base.
TEST_F(Conversions, ConvertRVAPatchesDisplacements) {
  EXPECT_EQ(ConvertRVA("E8//00002110E8//00002110", 0), "E80B000000E806000000");
  EXPECT_EQ(ConvertRVA("E8/9//00813000", 0x813000), "E8/9FADEFFFF");  // "/" off the pair grid is text
  EXPECT_THROW(ConvertRVA("//00000000", INT32_MAX), ConversionError);     // the origin overflows
  EXPECT_THROW(ConvertRVA("//7FFFFFFF", INT32_MIN + 1), ConversionError);  // the displacement overflows
  EXPECT_THROW(ConvertRVA("E8//0000XYZ1", 0), ConversionError);
  EXPECT_EQ(ConvertRVA("A", 0), "00");
  EXPECT_EQ(takeMessages().size(), 1u);
}

// The smaller helpers, each result against its expected text.
TEST_F(Conversions, TextHelpers) {
  const std::pair<std::string, std::string> rows[] = {
      {DecodeLineBreaks("x//y///"), "x\r\ny\r\n/"},
      {EncodeLineBreaks("a\nb\rc\r\n\r\n"), "a//b//c////"},
      {PadLeftZeros("1234", 2), "1234"},
      {std::to_string(CountNonSlash("E8//")), "3"},  // the last character counts whatever it is
      {LetterToScanCode("]") + LetterToScanCode("a") + LetterToScanCode("Z") + LetterToScanCode("1"), "111428"},
      {ParamToHex("1A2B", 0), "1A2B"},
      {ParamToHex("300", 4), "2C01"},
      {ParamToHex("-1", 5), "FF"},
      {ParamToHex("4294967295", 7), "FFFFFFFF"},
      {ParamToHex("-2", 7), "FEFFFFFF"},
      {ParamToHex("1", 8), "00"},
      {std::to_string(SingleToBits(0.1)), std::to_string(0x3DCCCCCD)},
      {std::to_string(SingleToBits(-0.0)) + std::to_string(SingleToBits(1e39)), "00"},  // refused, with a message each
  };
  for (const auto& [got, want] : rows) EXPECT_EQ(got, want);
  EXPECT_EQ(takeMessages(),
            Strings(2, "Error during DEC>IEEE-754 float conversion. Check if you have set correct value."));
}

}  // namespace
}  // namespace olvex::shell
