#include "shell/conversions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <limits>
#include <string>
#include <vector>

#include "support/test_host.h"

namespace olvex::shell {
namespace {

class Conversions : public ::testing::Test {
 protected:
  void SetUp() override { HexErrShown = false; }
  std::vector<std::string> messages() const { return host_.texts(); }
  // Number of messages shown since the last call.
  std::size_t takeMessageCount() {
    std::size_t n = host_.messages.size();
    host_.messages.clear();
    return n;
  }

 private:
  test::TestHost host_;
};

std::string decHexWarning(const std::string& s) {
  return "Warning: possible error during DEC>HEX conversion. You have entered incorrect value (" + s + ").";
}

struct HexCase {
  const char* text;
  int width;
  const char* want;
  bool warns;
};

TEST_F(Conversions, TrueHex2IsSignedPaddedAndCut) {
  const HexCase cases[] = {
      {"255", 2, "FF", false},        {"256", 2, "00", false},        {"-1", 4, "FFFF", false},
      {"5", 4, "0005", false},        {"-10", 4, "FFF6", false},      {"300", 2, "2C", false},
      {"-1", 8, "FFFFFFFF", false},   {"2.5", 2, "02", false},        {"3.5", 2, "04", false},
      {"-2.5", 2, "FE", false},       {" 12 ", 2, "0C", false},       {"1e2", 2, "64", false},
      {"&HFF", 2, "FF", false},       {"-2147483648", 8, "80000000", false},
      {"2147483647", 8, "7FFFFFFF", false},
      {"2147483647.5", 8, "00000000", true},                          // rounds past the range
      {"2147483648", 8, "00000000", true},
      {"-2147483649", 8, "00000000", true},
      {"abc", 4, "0000", true},       {"", 2, "00", true},            {"12abc", 2, "00", true},
      {"1,5", 2, "00", true},
  };
  for (const HexCase& c : cases) {
    EXPECT_EQ(TrueHex2(c.text, c.width), c.want) << '"' << c.text << '"';
    if (c.warns) {
      ASSERT_EQ(messages().size(), 1u) << '"' << c.text << '"';
      EXPECT_EQ(messages()[0], decHexWarning(c.text));
    }
    EXPECT_EQ(takeMessageCount(), c.warns ? 1u : 0u) << '"' << c.text << '"';
  }
}

TEST_F(Conversions, TrueHex2WarnsOnEveryFailingCall) {
  TrueHex2("x", 2);
  TrueHex2("x", 2);
  EXPECT_EQ(takeMessageCount(), 2u);
}

TEST_F(Conversions, TrueHex1IsUnsignedPaddedNeverCut) {
  const HexCase cases[] = {
      {"4294967295", 8, "FFFFFFFF", false}, {"5", 8, "00000005", false},
      {"123456789", 2, "75BCD15", false},   {"2147483648", 8, "80000000", false},
      {"0.5", 2, "00", false},              {"1.5", 2, "02", false},
      {"15", 0, "F", false},
      // Out of the unsigned range: the warning and zeros, never "000000-1".
      {"-1", 8, "00000000", true},          {"-0.2", 8, "00000000", true},
      {"4294967296", 8, "00000000", true},  {"4294967295.5", 8, "00000000", true},
      {"x", 0, "0", true},                  {"", 4, "0000", true},
  };
  for (const HexCase& c : cases) {
    EXPECT_EQ(TrueHex1(c.text, c.width), c.want) << '"' << c.text << '"';
    if (c.warns) {
      ASSERT_EQ(messages().size(), 1u) << '"' << c.text << '"';
      EXPECT_EQ(messages()[0], decHexWarning(c.text));
    }
    EXPECT_EQ(takeMessageCount(), c.warns ? 1u : 0u) << '"' << c.text << '"';
  }
}

TEST_F(Conversions, DecToHex32) {
  struct Case { const char* text; const char* want; };
  const Case cases[] = {{"123", "7B"},          {"0", "0"},          {"4294967295", "FFFFFFFF"},
                        {"2147483648", "80000000"}, {"-1", "-1"},    {"4294967296", "-1"},
                        {"10.5", "A"},          {"11.5", "C"}};
  for (const Case& c : cases) EXPECT_EQ(DecToHex32(c.text), c.want) << '"' << c.text << '"';
  for (const char* bad : {"", "abc", "1x"}) EXPECT_THROW(DecToHex32(bad), ConversionError) << bad;
  EXPECT_EQ(takeMessageCount(), 0u);
}

TEST_F(Conversions, Invrt) {
  struct Case { const char* text; const char* want; };
  const Case cases[] = {{"AABBCC", "CCBBAA"}, {"12345678", "78563412"}, {"", ""}, {"ABC", "BC0A"}, {"F", "0F"}};
  for (const Case& c : cases) EXPECT_EQ(Invrt(c.text), c.want) << c.text;
}

TEST_F(Conversions, WbTurnsPairsIntoBytes) {
  EXPECT_EQ(wb("ABCDE"), std::string("\xAB\xCD", 2));
  EXPECT_EQ(wb("00ff7F"), std::string("\x00\xFF\x7F", 3));
  EXPECT_EQ(takeMessageCount(), 0u);

  EXPECT_EQ(wb("A"), std::string(1, '\0'));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0],
            "Warning: error during byte array conversion. Source hex string length is less than 2 chars.\r\n"
            "Source string: ''A''");
  takeMessageCount();

  // A bad pair is byte 0; the hex error box shows once.
  EXPECT_EQ(wb("ZZ01G1"), std::string("\x00\x01\x00", 3));
  EXPECT_EQ(takeMessageCount(), 1u);
}

TEST_F(Conversions, ConvertRVAPatchesDisplacements) {
  struct Case { const char* text; std::int32_t base; const char* want; };
  const Case cases[] = {
      {"E8//00002110", 0, "E80B000000"},
      {"E8//00002110E8//00002110", 0, "E80B000000E806000000"},
      {"//00813000", 0x813000, "FCDEFFFF"},  // backwards: -0x2104
      {"9090", 0x813000, "9090"},
      {"E8/90", 0, "E8/90"},                 // "/" off the pair grid is plain text
  };
  for (const Case& c : cases) EXPECT_EQ(ConvertRVA(c.text, c.base), c.want) << c.text;
  EXPECT_EQ(takeMessageCount(), 0u);

  EXPECT_EQ(ConvertRVA("A", 0), "00");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0],
            "Warning: error during hex string scan. Source hex string length is less than 2 chars. (ConvertRVA)\r\n"
            "Source string: ''A''");
}

TEST_F(Conversions, ConvertRVARejectsOverflowAndBadTargets) {
  struct Case { const char* text; std::int32_t base; };
  const Case cases[] = {
      {"//00000000", INT32_MAX},             // base + 0x2104 overflows
      {"//7FFFFFFF", INT32_MIN + 1},          // target - origin overflows
      {"E8//0000", 0},                       // target cut short
      {"E8//0000XYZ1", 0},                   // target not hex
  };
  for (const Case& c : cases) EXPECT_THROW(ConvertRVA(c.text, c.base), ConversionError) << c.text;
}

TEST_F(Conversions, HexToLong) {
  struct Case { const char* text; std::int32_t want; };
  const Case cases[] = {{"", 0},         {"FF", 255},           {"ff", 255},        {"FFFF", 65535},
                        {"FFFFFFFF", -1}, {"80000000", INT32_MIN}, {"000000001", 1},  {"7fffffff", INT32_MAX}};
  for (const Case& c : cases) EXPECT_EQ(HexToLong(c.text), c.want) << c.text;
  EXPECT_EQ(takeMessageCount(), 0u);
  EXPECT_FALSE(HexErrShown);

  EXPECT_EQ(HexToLong("G1"), 0);
  EXPECT_EQ(HexToLong("123456789"), 0);
  EXPECT_EQ(HexToLong(" 1"), 0);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0],
            "There was an error when converting some hexadecimal value to a decimal.\r\n"
            "Make sure that you haven't entered wrong data.\r\nSource string: ''G1''");
  EXPECT_TRUE(HexErrShown);
  takeMessageCount();

  HexErrShown = false;  // as the preset loader does
  HexToLong("X");
  EXPECT_EQ(takeMessageCount(), 1u);
}

TEST_F(Conversions, TextToHexGivesTwoDigitsPerCharacter) {
  EXPECT_EQ(TextToHex("abc"), "616263");
  EXPECT_EQ(TextToHex("\t\x01Z"), "09015A");
  EXPECT_EQ(TextToHex("\xFF"), "FF");
  EXPECT_EQ(TextToHex(""), "");
  EXPECT_EQ(TextToHex(std::string(254, 'A')).size(), 508u);
  EXPECT_THROW(TextToHex(std::string(255, 'A')), ConversionError);
}

TEST_F(Conversions, SingleToBits) {
  struct Case { double d; std::int32_t want; bool warns; };
  const Case cases[] = {
      {1.0, 0x3F800000, false},   {20480, 0x46A00000, false},   {0.0, 0, false},
      {0.1, 0x3DCCCCCD, false},   {FLT_MAX, 0x7F7FFFFF, false}, {1e-45, 1, false},
      {-1.0, 0, true},            {-0.0, 0, true},              {1e39, 0, true},
      {std::numeric_limits<double>::infinity(), 0, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SingleToBits(c.d), c.want) << c.d;
    if (c.warns) {
      ASSERT_EQ(messages().size(), 1u) << c.d;
      EXPECT_EQ(messages()[0], "Error during DEC>IEEE-754 float conversion. Check if you have set correct value.");
    }
    EXPECT_EQ(takeMessageCount(), c.warns ? 1u : 0u) << c.d;
  }
}

TEST_F(Conversions, LineBreaks) {
  struct Case { const char* text; const char* want; };
  const Case decode[] = {{"a//b", "a\r\nb"}, {"a/b", "a/b"},          {"///", "\r\n/"},
                         {"////", "\r\n\r\n"}, {"x//y//", "x\r\ny\r\n"}, {"/", "/"}, {"", ""}};
  for (const Case& c : decode) EXPECT_EQ(DecodeLineBreaks(c.text), c.want) << c.text;

  const Case encode[] = {{"a\r\nb", "a//b"}, {"a\nb", "a//b"},     {"a\rb", "a//b"},
                         {"a\n\nb", "a////b"}, {"a\r\r", "a////"}, {"a\r\n\r\nb", "a////b"}, {"a/b", "a/b"}};
  for (const Case& c : encode) EXPECT_EQ(EncodeLineBreaks(c.text), c.want) << c.text;

  for (const char* text : {"x//y//", "a/b", "///", "//", "a////b", "/a/", "plain", "", "a/////b"})
    EXPECT_EQ(EncodeLineBreaks(DecodeLineBreaks(text)), text) << text;
}

TEST_F(Conversions, PadAndSkip) {
  EXPECT_EQ(PadLeftZeros("5", 3), "005");
  EXPECT_EQ(PadLeftZeros("1234", 2), "1234");
  EXPECT_EQ(PadLeftZeros("", 2), "00");

  EXPECT_EQ(SkipChars("FFF6", 4), "FFF6");
  EXPECT_EQ(SkipChars("123456", 4), "56");
  EXPECT_EQ(SkipChars("", 2), "");
  EXPECT_EQ(SkipChars(std::string(300, 'x'), 10), std::string(255, 'x'));
}

TEST_F(Conversions, ParamToHexByType) {
  struct Case { const char* value; int type; const char* want; };
  const Case cases[] = {{"1A2B", 0, "1A2B"}, {"FF", 1, "FF"},     {"12345678", 2, "12345678"},
                        {"255", 3, "FF"},    {"300", 4, "2C01"},  {"-1", 5, "FF"},
                        {"-2", 6, "FEFF"},   {"305419896", 7, "78563412"}, {"4294967295", 7, "FFFFFFFF"}, {"-2", 7, "FEFFFFFF"},
                        {"1", 8, "00"},      {"1", -1, "00"}};
  for (const Case& c : cases) EXPECT_EQ(ParamToHex(c.value, c.type), c.want) << c.value << " type " << c.type;
}

TEST_F(Conversions, CountNonSlash) {
  struct Case { const char* text; int want; };
  const Case cases[] = {{"", 0}, {"A", 1}, {"/", 1}, {"//", 1}, {"E8//", 3}, {"E8//0000", 6}};
  for (const Case& c : cases) EXPECT_EQ(CountNonSlash(c.text), c.want) << c.text;
}

TEST_F(Conversions, LetterToScanCode) {
  struct Case { const char* text; const char* want; };
  const Case cases[] = {{"q", "0"},  {"Q", "0"},  {"]", "11"}, {"a", "14"}, {";", "23"}, {"Z", "28"},
                        {"m", "34"}, {"Quit", "0"}, {"1", ""}, {"", ""},    {"'", ""}};
  for (const Case& c : cases) EXPECT_EQ(LetterToScanCode(c.text), c.want) << c.text;
}

}  // namespace
}  // namespace olvex::shell
