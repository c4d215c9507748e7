// The statistics window's figures, the offset listing and the offset map.
#include "draco/statistics.h"

#include <gtest/gtest.h>

#include "draco/offset_map.h"
#include "draco/statistics_window.h"
#include "draco_fixture.h"
#include "platform/files.h"
#include "shell/config_state.h"
#include "shell/version_table.h"

namespace olvex::draco::test {
namespace {

class Statistics : public DracoTest {
 protected:
  Statistics() {
    shell::ResetVersionTables();
    shell::ResetConfigState();
    shell::SetWorkDir(folder.path());
    shell::Offsets.fill(0);
  }
  ~Statistics() override {
    FurrTableRows = nullptr;
    shell::ResetVersionTables();
    shell::ResetConfigState();
  }
};

TEST_F(Statistics, FiguresAndTheListingWithItsZeroSlots) {
  const std::vector<std::int32_t> values = {730225, -5, INT32_MIN, 123456789, INT32_MAX};
  std::copy(values.begin(), values.end(), shell::Offsets.begin() + 1);
  std::fill(shell::Offsets.begin() + 6, shell::Offsets.end(), 7);
  shell::Offsets[17] = 0;
  FurrTableRows = [] { return std::array<int, 5>{12, 3, 2, 1, 0}; };
  PatchRecord a = patch("A"), b = patch("B");
  slot(a, 0, "10", "", "");
  slot(a, 99, "20", "", "");
  slot(b, 5, "30", "", "");
  setTable({a, b});
  FLAbout& w = ui::Forms::get<FLAbout>();
  std::string shown;
  for (int i = 0; i < 12; ++i) shown += w.Value[i].caption() + " ";
  EXPECT_EQ(shown, "744 2 0 pre-0.67 11 2 1 0 0 2 3 747 ");

  w.Label2.userClick();
  Names lines = platform::splitLines(bytesOf(folder.file("offsets.txt")));
  ASSERT_EQ(lines.size(), 745u);
  EXPECT_EQ(Names(lines.begin(), lines.begin() + 7), (Names{"0ffset #0000=00000000 [hex FFFFFFFF]",
                                                            "0ffset #0001=00730225 [hex 000B2470]",
                                                            "0ffset #0002=000000-5 [hex FFFFFFFA]",
                                                            "0ffset #0003=-2147483648 [hex 7FFFFFFF]",
                                                            "0ffset #0004=123456789 [hex 075BCD14]",
                                                            "0ffset #0005=2147483647 [hex 7FFFFFFE]",
                                                            "0ffset #0006=00000007 [hex 00000006]"}));
  EXPECT_EQ(host.texts(), Names{"Listing ''offsets.txt'' created.\r\nDirectory: " + shell::WorkDir +
                                "\r\n\r\n2 zero offsets: \r\n    Offset # 0\r\n    Offset # 17\r\n\r\n744 offsets total."});
  host.messages.clear();
  putBytes(folder.file("offsets.txt"), "old");
  shell::WorkDir = folder.file("missing/");
  w.Label2.userClick();
  EXPECT_EQ(host.texts(), Names{"Error writing listing (" + shell::WorkDir + "offsets.txt)."});
  EXPECT_EQ(bytesOf(folder.file("offsets.txt")), "old");
  w.Label1.userClick();
  EXPECT_FALSE(ui::Forms::loaded<FLAbout>());
}

TEST_F(Statistics, MapDrawsEveryKindOfOffsetAndReadsOutThePointer) {
  shell::Offsets[0] = 1727 * 15;  // pixel column 10 of the first strip
  shell::Offsets[1] = 790527;     // column 0 of the extended strip
  shell::Offsets[2] = 790526;     // the last column of the first strip
  shell::Offsets[3] = -3;         // nothing
  PatchRecord p = patch("P");
  slot(p, 0, "A8BE", "", "");   // 43198: column 16
  p.Params[4].Offset = "CB20";  // 52000, a disabled parameter: column 20, drawn all the same
  setTable({p});
  Form3& map = ui::Forms::get<Form3>();
  const ui::Canvas &first = map.Picture1.canvas(), &ext = map.Picture2.canvas();
  const ui::Color red = ui::rgb(255, 0, 0);
  EXPECT_EQ(first.pixel(10, 0), red);
  EXPECT_EQ(first.pixel(10, first.height() - 1), red);
  EXPECT_EQ(first.pixel(first.width() - 1, 5), red);
  EXPECT_EQ(first.pixel(16, 5), ui::rgb(0, 0, 255));
  EXPECT_EQ(first.pixel(20, 5), ui::rgb(0, 255, 0));
  EXPECT_EQ(first.pixel(0, 5), 0xF0F0F0u);
  EXPECT_EQ(ext.pixel(0, 5), red);
  EXPECT_EQ(ext.pixel(1, 5), ui::rgb(0xE0, 0xE0, 0xFF));

  map.Picture1.userMouseMove({0, 0, 100, 10});
  EXPECT_EQ(map.Label4.caption(), "004376");
  map.Picture2.userMouseMove({0, 0, 100, 10});
  EXPECT_EQ(map.Label4.caption(), "EXT:0C739B");
  map.Label5.userClick();
  EXPECT_FALSE(ui::Forms::loaded<Form3>());
}

}  // namespace
}  // namespace olvex::draco::test
