// Saving a preset (atomic, failures named) and the loader's compatibility rules: old versions,
// missing sections, slot numbers, names with commas, the editors left as they were, and free text
// that comes back from its line whole.
#include <gtest/gtest.h>

#include "draco/draco_fixture.h"
#include "draco/patch_list.h"
#include "customizers/enemies/dialog.h"
#include "customizers/fonts/dialog.h"
#include "customizers/fonts/window_title.h"
#include "customizers/gfx/dialog.h"
#include "draco/patch_list_window.h"
#include "furr/feditor.h"
#include "furr/rteditor.h"
#include "furr/script_editor.h"
#include "presets/main_window_fixture.h"
#include "presets/preset_writer.h"
#include "shell/script_slots.h"
#include "shell/shared_tables.h"

namespace olvex::presets::test {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* kLoadError = "Error opening file! Make sure that selected preset isn't corrupted.";

class PresetFilesTest : public MainWindowTest {
 protected:
  // Loads a preset made of these lines (and empty script sections) through the button.
  void load(shell::Form1& f, Lines lines, bool scripts = true) {
    if (scripts) lines.insert(lines.end(), {"[flipeffects]", "[end flipeffects]", "[racetimer]", "[end racetimer]"});
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    patcher::test::putBytes(dir.file("p.ovp"), text);
    host.fileAnswers.push_back(dir.file("p.ovp"));
    f.Command12.userClick();
  }
};

TEST_F(PresetFilesTest, SaveIsAtomicCancelSilentFailureNamed) {
  shell::Form1& f = start();
  patcher::test::putBytes(dir.file("plain"), "x");
  patcher::test::putBytes(dir.file("old.ovp"), std::string(100000, 'z'));
  for (auto answer : {std::optional<std::string>(), std::optional(dir.file("plain") + "/p.ovp"), std::optional(dir.file("old.ovp"))}) {
    host.fileAnswers.push_back(answer);
    f.Command16.userClick();
  }
  // A target whose folder is a file cannot be written: the message names it.
  ASSERT_EQ(host.texts().size(), 1u);
  EXPECT_NE(host.texts()[0].find(dir.file("plain") + "/p.ovp"), std::string::npos);
  // An existing file is replaced whole, and no temporary file stays beside it.
  EXPECT_EQ(patcher::test::bytesOf(dir.file("old.ovp")).find(std::string(11, 'z')), std::string::npos);
  EXPECT_EQ(dir.entries(), (Lines{"old.ovp", "olvex.cfg", "plain", "syntax.fln", "tomb4.exe"}));
}

TEST_F(PresetFilesTest, VersionsGateTheSectionsAndErrorsKeepWhatWasApplied) {
  struct Case {
    Lines lines;
    std::string bonus;   // Form1.Text4 afterwards
    std::string slot0;   // flipeffect slot 0 afterwards
    std::string event0;  // race-timer slot 0 afterwards
    bool error;
  };
  const Case cases[] = {
      {{"BonusLevelNumber=9"}, "orig", "old", "oldrace", true},  // no [preset] line
      {{"BonusLevelNumber=8", "[Preset]", "BonusLevelNumber=9", "[flipeffects]", "NEW", "[end flipeffects]"}, "9", "old", "oldrace", false},
      {{"[preset]", "version=0.7", "BonusLevelNumber=9"}, "9", "old", "oldrace", true},  // no [flipeffects]
      {{"[preset]", "version=0.7", "[flipeffects]", "NEW", "[end flipeffects]", "[racetimer]", "/Event1", "NEWRACE"}, "orig", "old\r\nNEW", "oldrace", false},
      {{"[preset]", "version=0.72", "[flipeffects]", "[end flipeffects]", "[racetimer]", "/Event1", "NEWRACE", "[end racetimer]"}, "orig", "old", "NEWRACE", false},
      {{"[preset]", "version=0.76", "[flipeffects]", "[end flipeffects]", "[racetimer]", "/Event0", "[end racetimer]"}, "orig", "old", "oldrace", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines.back());
    ui::Forms::reset();
    shell::Form1& f = start();
    f.Text4.setText("orig");
    shell::FlipCode[0] = "old";
    shell::RaceCode[0] = "oldrace";
    load(f, c.lines, false);
    EXPECT_EQ(host.texts(), c.error ? Lines{kLoadError} : Lines{});
    EXPECT_EQ(f.Text4.text() + "|" + shell::FlipCode[0] + "|" + shell::RaceCode[0], c.bonus + "|" + c.slot0 + "|" + c.event0);
    EXPECT_TRUE(f.Command12.enabled() && f.Command3.enabled() && f.Command1.enabled());
  }
}

// Slot lines name their slot; the editors' boxes are not cleared into the slots they show, and
// show their first slot again.
TEST_F(PresetFilesTest, SlotLinesAndTheEditorsShownSlots) {
  shell::Form1& f = start();
  shell::FlipCode[1] = "SHOWN";  // flipeffect 48, which the editor shows
  furr::SelectEntry(ui::Forms::get<furr::FEditor>().Combo1, "48");
  ui::Forms::get<customizers::CustEnemy>().Text1[25].setText("777");  // the guide's hit points
  load(f, {"[preset]", "version=0.76", "GuideFlag=1", "GuideHP=5", "[flipeffects]", "BEFORE", "/Effect5", "/DoOnlyOnce=1x",
           "/Annotation=five", "A", "B", "/Effect9999", "LAST", "[end flipeffects]", "[racetimer]", "/Event2", "/Time=3",
           "/Event002", "/Annotation=two", "/Time=1.5:2", "R", "[end racetimer]"},
       false);
  EXPECT_EQ(host.texts(), Lines{});
  EXPECT_EQ(shell::FlipCode[0] + "|" + shell::FlipCode[1] + "|" + shell::FlipCode[5], "BEFORE|SHOWN|A\r\nB");
  EXPECT_EQ(shell::FlipAnnotation[5] + std::to_string(shell::FlipDoOnlyOnce[5]), "five1");
  EXPECT_EQ(shell::FlipCode.back(), "LAST");  // "/Effect999" read from three digits: the last slot
  EXPECT_EQ(shell::RaceCode[1] + "|" + shell::RaceAnnotation[1], "R|two");
  EXPECT_EQ(shell::RaceTime[1], (std::array<float, 2>{1.5f, 2.0f}));
  EXPECT_EQ(ui::Forms::get<furr::FEditor>().Text1.text(), "BEFORE");  // it shows flipeffect 47 again
  // Presets of other writers name the guide's flag GuideFlag; it is saved under both names. The
  // guide's hit points are saved from their box, and no preset line sets them.
  EXPECT_EQ(shell::EnemyFlags[12], 1);  // 3 by default
  const Lines saved = PresetLines();
  for (const char* l : {"GuideFlag=1", "GuideHPFlag=1", "GuideHP=777"}) EXPECT_NE(std::find(saved.begin(), saved.end(), l), saved.end()) << l;
  // The one-shot mode is one line whichever of its two buttons is on, and with neither.
  auto& modes = ui::Forms::get<furr::FEditor>().Option1;
  for (auto [on, off, line] : {std::tuple{1, 0, "OneShotMode=1"}, {0, 1, "OneShotMode=0"}, {-1, 0, "OneShotMode=1"}}) {
    if (on >= 0) modes[on].setValue(true);
    else modes[off].setValue(false);
    const Lines lines = PresetLines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("OneShotMode="); }), 1);
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
  }
  // The command set a preset names is read, never written.
  patcher::test::putBytes(dir.file("mine.fln"), "not a command set");
  load(f, {"[preset]", "DefaultSyntaxFile=mine.fln"});
  EXPECT_EQ(patcher::test::bytesOf(dir.file("mine.fln")), "not a command set");
}

TEST_F(PresetFilesTest, DracoLinesMatchNamesWithCommasAndKeepEmptyFields) {
  shell::Form1& f = start();
  draco::PatchRecord fix = draco::test::patch("Fix, then jump"), jump = draco::test::patch("Jump");
  for (int k = 0; k < 4; ++k) {
    draco::test::param(fix, k, "10", "d", "d", 3);
    draco::test::param(jump, k, "10", "d", "d", 3);
  }
  draco::test::setTable({fix, jump});
  auto& window = ui::Forms::get<draco::Patches>();  // open: it shows the first patch again
  window.Listbox1.setListIndex(2);
  load(f, {"[preset]", "version=0.74", "[draco]", "", "DracoPreset1=Fix, then jump,a;;c", "DracoPreset1=jump,1;2;",
           "DracoPreset1=Nobody,9;", "DracoPreset0=JUMP,;;;x;", "[end draco]"});
  EXPECT_EQ(host.texts(), Lines{});
  std::string values;
  for (int i : {1, 2})
    for (int k = 0; k < 4; ++k) values += draco::PatchList[i].Params[k].CurrentValue;
  EXPECT_EQ(values, "adcd12dx");
  EXPECT_TRUE(draco::IsItemSelected(1));
  EXPECT_FALSE(draco::IsItemSelected(2));
  EXPECT_EQ(window.Listbox1.listIndex(), 0);
  load(f, {"[preset]", "version=0.73", "[draco]", "DracoPreset0=Fix, then jump,", "[end draco]"});
  EXPECT_TRUE(draco::IsItemSelected(1));  // below 0.74 the section is not read
}

// A DRACO line's name is the shortest text before a comma that some patch has, ignoring case.
// The first item showing exactly the name as written is checked, so of patches whose names differ
// only in case each line checks its own and a name in another case checks none; every patch of
// the name ignoring case takes the values.
TEST_F(PresetFilesTest, DracoLinesFindEveryPatchOfTheirNameAndCheckTheItemOfExactlyThatName) {
  struct Case {
    std::string line;
    std::string checked;  // an x for each checked item of the patches below
    std::string values;   // parameter slot 0 of each
  };
  const Case cases[] = {
      {"DracoPreset1=fog,v;", "x......", "v|v|v|.|.|.|."},
      {"DracoPreset1=Fog,v;", ".x.....", "v|v|v|.|.|.|."},
      {"DracoPreset1=FOG,v;", ".......", "v|v|v|.|.|.|."},
      {"DracoPreset1=,v;", "...x...", ".|.|.|v|.|.|."},
      {"DracoPreset1=A, then jump,v;", "....x..", ".|.|.|.| then jump,v|.|."},
      {"DracoPreset1=a, then jump,v;", ".......", ".|.|.|.| then jump,v|.|."},
      {"DracoPreset1=fix, THEN jump and land,v;", ".......", ".|.|.|.|.|v|."},
      {"DracoPreset1=Fix, then jump and land, again,v;", ".....x.", ".|.|.|.|.| again,v|."},
      {"DracoPreset1=Nobody, fog,v;", ".......", ".|.|.|.|.|.|."},
      {"DracoPreset1=Jump", ".......", ".|.|.|.|.|.|."},
  };
  shell::Form1& f = start();
  for (const Case& c : cases) {
    std::vector<draco::PatchRecord> records;
    for (const char* name : {"fog", "Fog", "fog", "", "A", "Fix, then jump and land", "Jump"}) {
      records.push_back(draco::test::patch(name));
      draco::test::param(records.back(), 0, "10", ".", ".", 3);
    }
    draco::test::setTable(records);
    load(f, {"[preset]", "version=0.74", "[draco]", c.line, "[end draco]"});
    EXPECT_EQ(host.texts(), Lines{});
    std::string checked, values;
    for (int k = 1; k <= 7; ++k) {
      checked += draco::IsItemSelected(k) ? 'x' : '.';
      values += (k > 1 ? "|" : "") + draco::PatchList[k].Params[0].CurrentValue;
    }
    EXPECT_EQ(checked, c.checked) << c.line;
    EXPECT_EQ(values, c.values) << c.line;
  }
  // The table's first record is found as any other.
  load(f, {"[preset]", "version=0.74", "[draco]", "DracoPreset1=Empty patch entry,v;", "[end draco]"});
  EXPECT_TRUE(draco::IsItemSelected(0));
}

// Of two patches whose names differ only in case, each line of a preset selects its own, and the
// pass applies the one the user chose.
TEST_F(PresetFilesTest, TwinNamesDifferingInCaseSelectTheirOwnPatch) {
  shell::Form1& f = start();
  draco::PatchRecord lower = draco::test::patch("Alpha"), upper = draco::test::patch("ALPHA");
  draco::test::slot(lower, 0, "1000", "", "AA");
  draco::test::slot(upper, 0, "1001", "", "BB");
  draco::test::setTable({lower, upper});
  load(f, {"[preset]", "version=0.76", "[draco]", "DracoPreset0=Alpha,", "DracoPreset1=ALPHA,", "DracoPreset1=alpha,",
           "[end draco]"});
  EXPECT_FALSE(draco::IsItemSelected(1));
  EXPECT_TRUE(draco::IsItemSelected(2));
  const std::string reference = reflayout::referenceExecutable();
  EXPECT_TRUE(shell::form1Hooks().ModifyExe());
  const std::string written = exeBytes();
  EXPECT_EQ(written.substr(0x1000, 2), reference.substr(0x1000, 1) + "\xBB");
}

// Free text saved as a key line takes no ";" (which starts a comment) and no blanks at either end
// (which the line's reading drops): save, load and save again give the same line.
TEST_F(PresetFilesTest, FreeTextComesBackFromItsLine) {
  shell::Form1& f = start();
  auto& fonts = ui::Forms::get<customizers::CustFonts>();
  auto& gfx = ui::Forms::get<customizers::CustGfx>();
  ui::TextBox *title = &fonts.Text1[customizers::kTitleIndex], *corona = &gfx.Text10;
  for (auto [box, next, typed, line] : {std::tuple{title, &fonts.Text1[0], "  Tom;Jerry ", "\r\nWindowTitle=TomJerry\r\n"},
                                        {corona, &gfx.Text2, " ;2", "\r\nLightingSize=2\r\n"}}) {
    SCOPED_TRACE(typed);
    box->setFocus();
    box->setText("");
    box->typeText(typed);
    next->setFocus();
    for (const char* name : {"a.ovp", "b.ovp"}) {
      host.fileAnswers.insert(host.fileAnswers.end(), 2, dir.file(name));
      f.Command16.userClick();
      f.Command12.userClick();
      EXPECT_NE(patcher::test::bytesOf(dir.file(name)).find(line), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace olvex::presets::test
