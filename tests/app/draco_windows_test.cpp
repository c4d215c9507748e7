// The DRACO windows opened from the main window after the real start-up, with a patch set beside
// the executable: a patch chosen and tuned in them is written by the next pass, a patch whose
// requirement is not met leaves its bytes alone, and the statistics show the reference config.
#include <gtest/gtest.h>

#include "draco/param_list_popup.h"
#include "draco/patch_list.h"
#include "draco/patch_list_window.h"
#include "draco/patch_set_writer.h"
#include "draco/statistics_window.h"
#include "draco/draco_fixture.h"
#include "patcher/pass_fixture.h"

namespace olvex::app {
namespace {

using patcher::test::PassTest;

class DracoWindows : public PassTest {};

// Types a value into the shown parameter's box as a user does, then leaves the box.
void typeValue(draco::Patches& w, const std::string& value) {
  w.Text1.setFocus();
  w.Text1.setSelection(0, static_cast<int>(w.Text1.text().size()));
  for (char c : value) {
    w.Text1.typeKey(static_cast<unsigned char>(c));
    w.Text1.userKeyUp(c);
  }
  w.Text5.setFocus();
}

TEST_F(DracoWindows, PatchChosenAndTunedInTheWindowsIsWrittenWithTheTunedBytes) {
  draco::ClearPatchList();
  draco::PatchRecord tunable = draco::test::patch("Tunable");
  draco::test::slot(tunable, 0, "1000", "", "CAFEBABE");
  draco::test::param(tunable, 0, "1010", "300", "", 4, "Speed");
  draco::test::param(tunable, 7, "1012", "-1", "", 5, "Tilt");
  draco::PatchRecord untouched = draco::test::patch("Untouched", 0);
  draco::test::slot(untouched, 0, "1020", "", "DEADBEEF");
  draco::PatchRecord extended = draco::test::patch("Extended");  // chosen, but needs the extension
  extended.RequiresYiff = 1;
  draco::test::slot(extended, 0, "1030", "", "DEADBEEF");
  draco::PatchList = {extended, tunable, untouched};
  ASSERT_TRUE(draco::SavePatchSet(dir.file("patches.drc")));
  draco::ClearPatchList();

  shell::Form1& main = start();
  draco::SetPatchSelected("Extended", 1);
  main.Command30.userClick();
  ASSERT_EQ(host.shown.back(), "patches");
  draco::Patches& w = ui::Forms::get<draco::Patches>();
  ASSERT_EQ(w.Listbox1.list(1), "Tunable");
  EXPECT_TRUE(w.Listbox1.list(0) == "Extended" && w.Listbox1.selected(0));
  w.Listbox1.setSelected(1, true);
  w.Listbox1.setListIndex(1);
  typeValue(w, "4660");  // 0x1234
  w.Label3.userClick();  // two parameters: the popup
  ui::Forms::get<draco::ParamList>().Label1[7].userClick();
  EXPECT_EQ(w.Label3.caption(), "Tilt:");
  typeValue(w, "-300");  // corrected to -128 on leaving
  EXPECT_EQ(w.Text1.text(), "-128");
  w.Command3.userClick();
  EXPECT_FALSE(w.visible());

  pass();
  std::string expected = reflayout::referenceExecutable();
  expected.replace(0x1000, 4, "\xCA\xFE\xBA\xBE");
  expected.replace(0x1010, 3, "\x34\x12\x80");
  EXPECT_EQ(patcher::test::differences(exeBytes(), expected), "");
  EXPECT_TRUE(host.texts().empty());
}

TEST_F(DracoWindows, StatisticsOfTheReferenceConfig) {
  shell::Form1& main = start();
  main.Image2.userClick();
  ASSERT_EQ(host.shown.back(), "FLAbout");
  draco::FLAbout& w = ui::Forms::get<draco::FLAbout>();
  std::vector<std::string> values;
  for (int i = 0; i < 12; ++i) values.push_back(w.Value[i].caption());
  // The highest offset slot, slots at 0, data entries, the version; the highest row of the built-in
  // command set's commands and byte, word, dword and hex constants; patches, their offsets, the total.
  EXPECT_EQ(values, (std::vector<std::string>{"744", "0", "254", "0.76", "104", "15", "25", "33", "0", "0", "0", "744"}));
}

}  // namespace
}  // namespace olvex::app
