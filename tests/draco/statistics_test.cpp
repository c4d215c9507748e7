// The statistics window's figures, the offset listing and the offset map.
#include "draco/statistics.h"

#include <gtest/gtest.h>

#include <climits>

#include "draco/offset_map.h"
#include "draco/statistics_window.h"
#include "draco_fixture.h"
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
    FurrTableRows = [] { return std::array<int, 5>{12, 3, 2, 1, 0}; };
  }
  ~Statistics() override {
    FurrTableRows = nullptr;
    shell::ResetVersionTables();
    shell::ResetConfigState();
  }
};

TEST_F(Statistics, WindowShowsTheFiguresOfConfigCommandSetAndPatches) {
  shell::Offsets.fill(100);
  shell::Offsets[2] = 0;
  shell::Offsets[17] = 0;
  shell::DataKeyCount = 329;
  PatchRecord a = patch("A"), b = patch("B");
  slot(a, 0, "10", "", "");
  slot(a, 99, "20", "", "");
  slot(b, 5, "30", "", "");
  setTable({a, b});
  FLAbout& w = ui::Forms::get<FLAbout>();
  std::vector<std::string> values;
  for (int i = 0; i < 12; ++i) values.push_back(w.Value[i].caption());
  EXPECT_EQ(values, (std::vector<std::string>{"744", "2", "329", "pre-0.67", "11", "2", "1", "0", "0", "2", "3", "747"}));
  w.Label1.userClick();
  EXPECT_FALSE(ui::Forms::loaded<FLAbout>());
}

TEST_F(Statistics, ListingIsWrittenIntoTheWorkingFolderAndNamesTheZeroSlots) {
  const std::vector<std::int32_t> offsets = {0, 730225, 0, -5, INT_MIN, 123456789, INT_MAX};
  EXPECT_EQ(OffsetListingLines(offsets), (std::vector<std::string>{
                                             "0ffset #0000=00000000 [hex FFFFFFFF]",
                                             "0ffset #0001=00730225 [hex 000B2470]",
                                             "0ffset #0002=00000000 [hex FFFFFFFF]",
                                             "0ffset #0003=000000-5 [hex FFFFFFFA]",
                                             "0ffset #0004=-2147483648 [hex 7FFFFFFF]",
                                             "0ffset #0005=123456789 [hex 075BCD14]",
                                             "0ffset #0006=2147483647 [hex 7FFFFFFE]",
                                         }));
  shell::Offsets.fill(7);
  shell::Offsets[2] = 0;
  shell::Offsets[17] = 0;
  FLAbout& w = ui::Forms::get<FLAbout>();
  w.Label2.userClick();
  std::string text = bytesOf(folder.file("offsets.txt"));
  EXPECT_EQ(text.substr(0, 38), "0ffset #0000=00000007 [hex 00000006]\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 745);
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Listing ''offsets.txt'' created.\r\nDirectory: " + shell::WorkDir +
                                                   "\r\n\r\n2 zero offsets: \r\n    Offset # 2\r\n    Offset # 17"
                                                   "\r\n\r\n744 offsets total."});

  host.messages.clear();
  putBytes(folder.file("offsets.txt"), "old");
  shell::WorkDir = folder.file("missing/");
  w.Label2.userClick();
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Error writing listing (" + shell::WorkDir + "offsets.txt)."});
  EXPECT_EQ(bytesOf(folder.file("offsets.txt")), "old");
}

TEST_F(Statistics, MapDrawsEveryKindOfOffsetAndReadsOutThePointer) {
  const std::vector<std::tuple<long long, int, double>> places = {
      {17270, 0, 100}, {790526, 0, 790526 / 172.7}, {790527, 1, 0}, {790527 + 25500, 1, 100}};
  for (const auto& [v, strip, x] : places) {
    ASSERT_TRUE(MapPlace(v)) << v;
    EXPECT_EQ(MapPlace(v)->strip, strip) << v;
    EXPECT_NEAR(MapPlace(v)->x, x, 1e-6) << v;
  }
  EXPECT_FALSE(MapPlace(0) || MapPlace(-3));

  shell::Offsets.fill(0);
  shell::Offsets[0] = 1727 * 15;  // pixel column 10 of the first strip
  shell::Offsets[1] = 790527;     // column 0 of the extended strip
  shell::Offsets[2] = 790526;     // the last column of the first strip
  PatchRecord p = patch("P");
  slot(p, 0, "A8BE", "", "");   // 43198: column 16
  p.Params[4].Offset = "CB20";  // 52000, a disabled parameter: column 20, drawn all the same
  setTable({p});
  Form3& map = ui::Forms::get<Form3>();
  const ui::Canvas& first = map.Picture1.canvas();
  const ui::Canvas& ext = map.Picture2.canvas();
  EXPECT_EQ(first.pixel(10, 0), ui::rgb(255, 0, 0));
  EXPECT_EQ(first.pixel(10, first.height() - 1), ui::rgb(255, 0, 0));
  EXPECT_EQ(first.pixel(first.width() - 1, 5), ui::rgb(255, 0, 0));
  EXPECT_EQ(first.pixel(16, 5), ui::rgb(0, 0, 255));
  EXPECT_EQ(first.pixel(20, 5), ui::rgb(0, 255, 0));
  EXPECT_EQ(first.pixel(11, 5), 0xF0F0F0u);
  EXPECT_EQ(ext.pixel(0, 5), ui::rgb(255, 0, 0));
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
