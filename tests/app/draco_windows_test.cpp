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

// A preset greys "Remap scene memory" and "Extend tomb4.exe size" or sets the savegame box greyed,
// and "modify" runs: a patch's requirement is met by what the executable the pass writes has, so
// over the standard scene memory or without the extended area or the savegame hooks a selected
// patch gets its default bytes back and the list marks the requirement; over a file the first
// pass remapped, or gave the savegame hooks, it is applied.
TEST_F(DracoWindows, RequirementsAreJudgedByTheExecutableThePassWrites) {
  draco::PatchRecord remapped = draco::test::patch("Remapped"), extended = draco::test::patch("Extended"),
                     saving = draco::test::patch("Saving");
  remapped.RequiresRemap = 1;
  extended.RequiresYiff = 1;
  saving.RequiresSave = 1;
  draco::test::slot(remapped, 0, "1000", "11", "22", "33");
  draco::test::slot(extended, 0, "1001", "44", "55");
  draco::test::slot(saving, 0, "1002", "66", "77");
  draco::PatchList = {remapped, extended, saving};
  ASSERT_TRUE(draco::SavePatchSet(dir.file("patches.drc")));
  const std::vector<std::string> selectAll = {"[draco]", "DracoPreset1=Remapped,", "DracoPreset1=Extended,",
                                              "DracoPreset1=Saving,", "[end draco]"};
  struct Case {
    const char* name;
    std::vector<ui::CheckBox shell::Form1::*> firstPass;  // checked in a pass before the preset
    std::vector<std::string> preset;
    std::string bytes;    // at 0x1000 to 0x1002 after "modify"
    std::string markers;  // of the list's patches that show a requirement marker
  };
  const std::vector<Case> cases = {
      {"greyed remap and extension over the standard executable", {},
       {"RemapSceneMemory=2", "ExtendExeSize=2", "ExtendSaveGame=1"}, "\x11\x44\x66", "Image6 Image5 Image7 "},
      {"greyed remap over the remapped executable", {&shell::Form1::Check5},
       {"RemapSceneMemory=2", "ExtendExeSize=1", "ExtendSaveGame=2"}, "\x33\x55\x66", "Image7 "},
      {"greyed savegame over the savegame hooks", {&shell::Form1::Check9, &shell::Form1::Check21},
       {"RemapSceneMemory=0", "ExtendExeSize=1", "ExtendSaveGame=2"}, "\x11\x55\x77", "Image6 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    patcher::test::putBytes(exe(), reflayout::referenceExecutable());
    draco::ClearPatchList();
    shell::Form1& main = start();
    for (auto box : c.firstPass) (main.*box).setValue(1);
    if (!c.firstPass.empty()) pass();
    std::vector<std::string> lines = {"[preset]", "version=0.76"};
    lines.insert(lines.end(), c.preset.begin(), c.preset.end());
    lines.insert(lines.end(), selectAll.begin(), selectAll.end());
    lines.insert(lines.end(), {"[flipeffects]", "[end flipeffects]", "[racetimer]", "[end racetimer]"});
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    patcher::test::putBytes(dir.file("p.ovp"), text);
    host.fileAnswers.push_back(dir.file("p.ovp"));
    main.Command12.userClick();
    main.Command3.userClick();
    EXPECT_EQ(exeBytes().substr(0x1000, 3), c.bytes);

    main.Command30.userClick();
    draco::Patches& w = ui::Forms::get<draco::Patches>();
    std::string markers;
    for (int k = 0; k < 3; ++k) {
      w.Listbox1.setListIndex(k);
      for (ui::Image* m : {&w.Image6, &w.Image5, &w.Image7})
        if (m->visible()) markers += m->name() + " ";
    }
    EXPECT_EQ(markers, c.markers);
    w.Command3.userClick();
    ui::Forms::reset();
  }
  draco::ClearPatchList();
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
