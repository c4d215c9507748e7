// The preset file as written (format, sections, DRACO fields, atomic save) and the loader's
// compatibility rules: old versions, missing sections, names with commas, slot numbers and the
// editors left as they were.
#include <gtest/gtest.h>

#include "customizers/cust_credits.h"
#include "draco/draco_fixture.h"
#include "draco/patch_list.h"
#include "draco/patch_list_window.h"
#include "furr/feditor.h"
#include "furr/rteditor.h"
#include "furr/script_editor.h"
#include "platform/files.h"
#include "presets/apply_line.h"
#include "presets/main_window_fixture.h"
#include "presets/preset_writer.h"
#include "shell/config_state.h"
#include "shell/script_slots.h"
#include "shell/shared_tables.h"

namespace olvex::presets::test {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* kLoadError = "Error opening file! Make sure that selected preset isn't corrupted.";

Lines section(const Lines& lines, const std::string& mark, const std::string& end) {
  auto from = std::find(lines.begin(), lines.end(), mark);
  auto to = std::find(from, lines.end(), end);
  if (from == lines.end() || to == lines.end()) return {"missing " + mark};
  return {from + 1, to};
}

class PresetFilesTest : public MainWindowTest {
 protected:
  // Loads a preset made of these lines through the button.
  void load(shell::Form1& f, const Lines& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    patcher::test::putBytes(dir.file("p.ovp"), text);
    host.fileAnswers.push_back(dir.file("p.ovp"));
    f.Command12.userClick();
  }
};

TEST_F(PresetFilesTest, WrittenFileHoldsHeaderKeysAndSections) {
  shell::Form1& f = start();
  shell::FlipCode[0] = "KILL_LARA";
  shell::FlipDoOnlyOnce[0] = 1;
  shell::FlipAnnotation[5] = "no code: not written";
  shell::FlipCode[5] = "CALL_FLIP 5\r\nKILL_LARA";
  shell::RaceCode[1] = "PLAY_SAMPLE 1";
  shell::RaceTime[1] = {2.5f, 30};
  draco::PatchRecord r = draco::test::patch("P");
  for (int k : {0, 1, 3, 4}) draco::test::param(r, k, "10", "0", k == 1 ? "" : "v" + std::to_string(k), 3);
  r.Params[4].Enabled = 0;
  draco::test::setTable({r});
  draco::SetItemSelected(1, true);
  ApplySettingsLine("NormCreditsAlign=2");
  ApplySettingsLine("ScriptedCreditsAlign=0");
  host.fileAnswers.push_back(dir.file("out.ovp"));
  f.Command16.userClick();
  const std::string bytes = patcher::test::bytesOf(dir.file("out.ovp"));
  ASSERT_TRUE(bytes.starts_with("[preset]\r\n\r\nversion=0.76\r\n\r\nDrawingDistanceRange="));
  EXPECT_TRUE(bytes.ends_with("[end draco]\r\n"));
  const Lines lines = PresetLines();
  EXPECT_EQ(section(lines, "[credits]", "[end credits]"),
            platform::splitLines(ui::Forms::get<customizers::CustCredits>().Text1.text()));
  EXPECT_EQ(section(lines, "[flipeffects]", "[end flipeffects]"),
            (Lines{"/Effect0", "/Annotation=", "/DoOnlyOnce=1", "KILL_LARA", "/Effect5",
                   "/Annotation=no code: not written", "/DoOnlyOnce=0", "CALL_FLIP 5", "KILL_LARA"}));
  EXPECT_EQ(section(lines, "[racetimer]", "[end racetimer]"),
            (Lines{"/Event2", "/Annotation=", "/Time=2.5:30", "PLAY_SAMPLE 1"}));
  EXPECT_EQ(section(lines, "[draco]", "[end draco]"),
            (Lines{"", "DracoPreset0=Empty patch entry,", "DracoPreset1=P,v0;;;v3;"}));
  // The credits alignments by option index: the scripted credits' left before the normal right.
  auto at = [&](const char* l) { return std::find(lines.begin(), lines.end(), l) - lines.begin(); };
  EXPECT_LT(at("ScriptedCreditsAlign=0"), at("NormCreditsAlign=2"));
  EXPECT_LT(at("NormCreditsAlign=2"), static_cast<long>(lines.size()));
}

TEST_F(PresetFilesTest, SaveIsAtomicCancelSilentFailureNamed) {
  shell::Form1& f = start();
  host.fileAnswers.push_back(std::nullopt);
  f.Command16.userClick();
  EXPECT_TRUE(host.texts().empty());
  // A target whose folder is a file cannot be written: the message names it.
  patcher::test::putBytes(dir.file("plain"), "x");
  const std::string bad = dir.file("plain") + "/p.ovp";
  host.fileAnswers.push_back(bad);
  f.Command16.userClick();
  ASSERT_EQ(host.texts().size(), 1u);
  EXPECT_NE(host.texts()[0].find(bad), std::string::npos);
  // An existing file is replaced whole, and no temporary file stays beside it.
  patcher::test::putBytes(dir.file("old.ovp"), std::string(100000, 'z'));
  host.fileAnswers.push_back(dir.file("old.ovp"));
  f.Command16.userClick();
  EXPECT_EQ(patcher::test::bytesOf(dir.file("old.ovp")).find(std::string(11, 'z')), std::string::npos);
  EXPECT_EQ(dir.entries(), (Lines{"old.ovp", "olvex.cfg", "plain", "syntax.fln", "tomb4.exe"}));
}

TEST_F(PresetFilesTest, VersionsGateTheSectionsAndErrorsKeepWhatWasApplied) {
  struct Case {
    const char* name;
    Lines lines;
    std::string bonus;   // Form1.Text4 afterwards
    std::string slot0;   // flipeffect slot 0 afterwards
    std::string event0;  // race-timer slot 0 afterwards
    bool error;
  };
  const std::vector<Case> cases = {
      {"no [preset] line", {"BonusLevelNumber=9"}, "orig", "old", "oldrace", true},
      {"lines before [preset] ignored", {"BonusLevelNumber=8", "[Preset]", "BonusLevelNumber=9"}, "9", "old", "oldrace", false},
      {"no version: keys only", {"[preset]", "[flipeffects]", "/Effect0", "NEW", "[end flipeffects]"}, "orig", "old", "oldrace", false},
      {"0.7 without [flipeffects]", {"[preset]", "version=0.7", "BonusLevelNumber=9"}, "9", "old", "oldrace", true},
      {"0.7 reads flipeffects, not events",
       {"[preset]", "version=0.7", "[flipeffects]", "NEW", "[end flipeffects]", "[racetimer]", "/Event1", "NEWRACE",
        "[end racetimer]"},
       "orig", "old\r\nNEW", "oldrace", false},
      {"0.72 reads both",
       {"[preset]", "version=0.72", "[flipeffects]", "[end flipeffects]", "[racetimer]", "/Event1", "/Time=2:30",
        "NEWRACE", "[end racetimer]"},
       "orig", "old", "NEWRACE", false},
      {"bad event number",
       {"[preset]", "version=0.76", "[flipeffects]", "[end flipeffects]", "[racetimer]", "/Event0", "X", "[end racetimer]"},
       "orig", "old", "oldrace", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::Forms::reset();
    shell::Form1& f = start();
    f.Text4.setText("orig");
    shell::FlipCode[0] = "old";
    shell::RaceCode[0] = "oldrace";
    load(f, c.lines);
    EXPECT_EQ(host.texts(), c.error ? Lines{kLoadError} : Lines{});
    EXPECT_EQ(f.Text4.text(), c.bonus);
    EXPECT_EQ(shell::FlipCode[0], c.slot0);
    EXPECT_EQ(shell::RaceCode[0], c.event0);
    for (auto* b : {&f.Command12, &f.Command3, &f.Command1}) EXPECT_TRUE(b->enabled());
  }
}

TEST_F(PresetFilesTest, SlotLinesAndTheEditorsShownSlots) {
  shell::Form1& f = start();
  shell::FlipCode[1] = "SHOWN";  // flipeffect 48, which the editor shows
  shell::RaceCode[2] = "SHOWN3";  // the race event shown
  furr::SelectEntry(ui::Forms::get<furr::FEditor>().Combo1, "48");
  furr::SelectEntry(ui::Forms::get<furr::RTEditor>().Combo2, "3");
  load(f, {"[preset]", "version=0.76", "GuideFlag=3", "[flipeffects]", "BEFORE", "/Effect5", "/DoOnlyOnce=1x",
           "/Annotation=five", "A", "B", "/Effect9999", "LAST", "[end flipeffects]", "[racetimer]", "/Event2", "/Time=3",
           "/Event002", "/Time=1.5:2", "R", "[end racetimer]"});
  EXPECT_EQ(host.texts(), Lines{});
  EXPECT_EQ(shell::FlipCode[0], "BEFORE");
  EXPECT_EQ(shell::FlipCode[1], "SHOWN");  // clearing the editor stored nothing into 48
  EXPECT_EQ(shell::FlipCode[5], "A\r\nB");
  EXPECT_EQ(shell::FlipAnnotation[5], "five");
  EXPECT_EQ(shell::FlipDoOnlyOnce[5], 1);
  EXPECT_EQ(shell::FlipCode.back(), "LAST");  // "/Effect999" read from three digits: the last slot
  EXPECT_EQ(shell::RaceCode[1], "R");
  EXPECT_EQ(shell::RaceCode[2], "SHOWN3");
  EXPECT_EQ(ui::Forms::get<furr::FEditor>().Text1.text(), "BEFORE");  // it shows flipeffect 47 again
  EXPECT_EQ(shell::RaceTime[1], (std::array<float, 2>{1.5f, 2.0f}));
  // Presets of other writers name the guide's flag GuideFlag; it is saved under both names.
  EXPECT_EQ(shell::EnemyFlags[12], 3);
  const Lines saved = PresetLines();
  for (const char* l : {"GuideFlag=3", "GuideHPFlag=3"}) EXPECT_NE(std::find(saved.begin(), saved.end(), l), saved.end()) << l;
  // The command set a preset names is read, never written.
  patcher::test::putBytes(dir.file("mine.fln"), "not a command set");
  load(f, {"[preset]", "DefaultSyntaxFile=mine.fln"});
  EXPECT_EQ(patcher::test::bytesOf(dir.file("mine.fln")), "not a command set");
}

TEST_F(PresetFilesTest, DracoLinesMatchNamesWithCommasAndKeepEmptyFields) {
  shell::Form1& f = start();
  draco::PatchRecord fix = draco::test::patch("Fix, then jump");
  draco::PatchRecord jump = draco::test::patch("Jump");
  for (int k = 0; k < draco::kParamSlots; ++k) {
    draco::test::param(fix, k, "10", "d", "d", 3);
    draco::test::param(jump, k, "10", "d", "d", 3);
  }
  draco::test::setTable({fix, jump});
  auto& window = ui::Forms::get<draco::Patches>();  // open: it shows the first patch again
  window.Listbox1.setListIndex(2);
  load(f, {"[preset]", "version=0.74", "[draco]", "", "DracoPreset1=Fix, then jump,a;;c", "DracoPreset1=jump,1;2;",
           "DracoPreset1=Nobody,9;", "DracoPreset0=JUMP,;;;x;", "[end draco]", "[flipeffects]", "[end flipeffects]",
           "[racetimer]", "[end racetimer]"});
  EXPECT_EQ(host.texts(), Lines{});
  const auto& fixed = draco::PatchList[1].Params;
  const auto& jumped = draco::PatchList[2].Params;
  EXPECT_TRUE(draco::IsItemSelected(1));
  EXPECT_FALSE(draco::IsItemSelected(2));
  EXPECT_EQ(fixed[0].CurrentValue + fixed[1].CurrentValue + fixed[2].CurrentValue, "adc");
  EXPECT_EQ(jumped[0].CurrentValue + jumped[1].CurrentValue + jumped[2].CurrentValue + jumped[3].CurrentValue, "12dx");
  EXPECT_EQ(window.Listbox1.listIndex(), 0);
  // Below 0.74 the section is not read.
  load(f, {"[preset]", "version=0.73", "[draco]", "DracoPreset0=Fix, then jump,", "[end draco]", "[flipeffects]",
           "[end flipeffects]", "[racetimer]", "[end racetimer]"});
  EXPECT_TRUE(draco::IsItemSelected(1));
}

}  // namespace
}  // namespace olvex::presets::test
