// Values from the main window's boxes as they reach the file, and the value paths themselves.
#include <functional>
#include <vector>

#include "pass_fixture.h"
#include "patcher/value_paths.h"
#include "patcher/write_rows.h"

namespace olvex::patcher::test {
namespace {

using shell::Form1;

struct ValueCase {
  const char* name;
  std::function<void(Form1&)> set;
  std::string_view key;
  int plus;
  std::string hex;
  std::size_t warnings;
};

const std::vector<ValueCase> kValueCases = {
    {"drawing distance", [](Form1& f) { f.Text2.setText("16384"); }, "DDOffset", 0, "00008046", 0},
    {"distant fog", [](Form1& f) { f.Text3.setText("4096.5"); }, "DDOffset", -4, "00048045", 0},
    // A zero pattern is still four bytes, so the fog range beside it stays intact.
    {"zero distance is four bytes", [](Form1& f) { f.Text2.setText("0"); }, "DDOffset", -4, "0000404600000000", 0},
    {"negative distance warns, writes zero", [](Form1& f) { f.Text3.setText("-5"); }, "DDOffset", -4, "00000000", 1},
    {"hard clipping", [](Form1& f) { f.Text1.setText("-1"); }, "ClipDistOffset1", 0, "FFFFFFFF", 0},
    {"hard clipping twice, one warning", [](Form1& f) { f.Text1.setText("far"); }, "ClipDistOffset2", 0, "00000000", 1},
    {"fog bulb range 0", [](Form1&) { shell::FogBulbRange = 0; }, "FogBulbDistOffset", 0, "00000000", 0},
    {"fog bulb range 208", [](Form1&) { shell::FogBulbRange = 208; }, "FogBulbDistOffset", 0, "00002951", 0},
};

TEST_F(PassTest, BoxValuesReachTheFileAsLittleEndianBytes) {
  for (const ValueCase& c : kValueCases) {
    SCOPED_TRACE(c.name);
    putBytes(exe(), reflayout::referenceExecutable());
    Form1& f = start();
    c.set(f);
    pass();
    std::string file = exeBytes();
    EXPECT_EQ(hexAt(file, c.key, c.plus, c.hex.size() / 2), c.hex);
    EXPECT_EQ(host.messages.size(), c.warnings);
    EXPECT_EQ(file.size(), reflayout::kStandardLength);
    ui::Forms::reset();
  }
}

TEST_F(PassTest, FogBulbRangeThatOverflowsRollsBack) {
  start();
  shell::FogBulbRange = 3000000;  // times 1024 leaves 32 bits
  pass();
  EXPECT_EQ(exeBytes(), reflayout::referenceExecutable());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Cannot modify file");
}

TEST(ValuePaths, NumbersBecomeFixedWidthLittleEndianHex) {
  olvex::test::TestHost host;
  struct Row {
    std::string text;
    int width;
    std::string intHex, negatedHex;
  } rows[] = {
      {"5", 2, "05", "FB"},
      {"300", 2, "2C", "D4"},  // wraps to the last digits
      {"300", 4, "2C01", "D4FE"},
      {"-2", 8, "FEFFFFFF", "02000000"},
      {"305419896", 8, "78563412", "88A9CBED"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(IntHex(r.text, r.width), r.intHex) << r.text << " " << r.width;
    EXPECT_EQ(NegatedHex(r.text, r.width), r.negatedHex) << r.text << " " << r.width;
  }
  EXPECT_EQ(NegatedHex("12 apples", 4), "F4FF");  // the leading number
  EXPECT_EQ(FloatHex(1.0), "0000803F");
  EXPECT_EQ(FloatHex(0.0), "00000000");
  EXPECT_TRUE(host.messages.empty());
}

TEST(ValuePaths, StrictNumbersAndFixedWidthHex) {
  EXPECT_EQ(StrictNegatedHex("5", 2), "FB");
  EXPECT_EQ(StrictNegatedHex(" -1 ", 2), "01");
  EXPECT_EQ(StrictNegatedHex("200", 4), "38FF");
  EXPECT_EQ(StrictValue("&H10"), 16);
  for (const char* bad : {"", "12 apples", "abc", "1e999"}) EXPECT_THROW(StrictValue(bad), PassError) << bad;
  struct Row { const char* hex; std::size_t digits; const char* fixed; } rows[] = {
      {"FA50", 4, "FA50"}, {"FF", 4, "00FF"}, {"", 2, "00"}, {"7", 2, "07"}, {"123456789", 8, "23456789"},
  };
  for (const Row& r : rows) EXPECT_EQ(FixedHex(r.hex, r.digits), r.fixed) << r.hex;
}

TEST(ValuePaths, MissingVersionDataIsAnError) {
  shell::ResetVersionTables();
  EXPECT_THROW(Field("VolFXDefData"), PassError);
  EXPECT_THROW(PositionOf("LTOffset"), PassError);
  EXPECT_THROW(PositionOf("NoSuchOffset"), PassError);
  shell::VersionDataFields[shell::DataFieldIndex("LevelBuffer2ModData")] = "00C0AB";
  EXPECT_EQ(ReversedField("LevelBuffer2ModData"), "ABC000");
  // The slot is checked, not the slot plus its displacement.
  shell::Offsets[shell::OffsetSlot("DDOffset")] = 1;
  EXPECT_EQ(PositionOf("DDOffset", 4), 5);
  shell::ResetVersionTables();
}

}  // namespace
}  // namespace olvex::patcher::test
