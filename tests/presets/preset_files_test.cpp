// The preset file as written (format, sections, DRACO fields, atomic save) and the loader's
// compatibility rules: old versions, missing sections, unknown keys, names with commas, slot
// numbers and the editors left as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "draco/draco_fixture.h"
#include "draco/patch_list.h"
#include "draco/patch_list_window.h"
#include "customizers/cust_credits.h"
#include "furr/feditor.h"
#include "platform/files.h"
#include "furr/rteditor.h"
#include "furr/script_editor.h"
#include "presets/apply_line.h"
#include "presets/main_window_fixture.h"
#include "presets/preset_loader.h"
#include "presets/preset_writer.h"
#include "shell/config_line.h"
#include "shell/config_lines.h"
#include "shell/config_reader.h"
#include "shell/config_state.h"
#include "shell/script_slots.h"
#include "shell/settings_keys.h"
#include "shell/shared_tables.h"

namespace olvex::presets::test {
namespace {

// Empty script sections, which a preset of 0.72 or later must have.
constexpr const char* kNoScripts = "[flipeffects]\r\n[end flipeffects]\r\n[racetimer]\r\n[end racetimer]";
constexpr const char* kLoadError = "Error opening file! Make sure that selected preset isn't corrupted.";

std::vector<std::string> section(const std::vector<std::string>& lines, const std::string& mark, const std::string& end) {
  auto from = std::find(lines.begin(), lines.end(), mark);
  auto to = std::find(from, lines.end(), end);
  if (from == lines.end() || to == lines.end()) return {"missing " + mark};
  return {from + 1, to};
}

class PresetFilesTest : public MainWindowTest {
 protected:
  // Loads a preset made of these lines through the button.
  void load(shell::Form1& f, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    patcher::test::putBytes(dir.file("p.ovp"), text);
    host.fileAnswers.push_back(dir.file("p.ovp"));
    f.Command12.userClick();
  }
  void patches() {
    draco::PatchRecord fix = draco::test::patch("Fix, then jump");
    draco::PatchRecord jump = draco::test::patch("Jump");
    for (int k = 0; k < draco::kParamSlots; ++k) {
      draco::test::param(fix, k, "10", "d", "d", 3);
      draco::test::param(jump, k, "10", "d", "d", 3);
    }
    draco::test::setTable({fix, jump});
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
  draco::test::param(r, 0, "10", "0", "a", 3);
  draco::test::param(r, 1, "10", "0", "", 3);
  draco::test::param(r, 3, "10", "0", "c", 3);
  draco::test::param(r, 4, "10", "0", "off", 3);
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
  const std::vector<std::string> lines = PresetLines();
  EXPECT_EQ(section(lines, "[credits]", "[end credits]"), platform::splitLines(ui::Forms::get<customizers::CustCredits>().Text1.text()));
  EXPECT_EQ(section(lines, "[flipeffects]", "[end flipeffects]"),
            (std::vector<std::string>{"/Effect0", "/Annotation=", "/DoOnlyOnce=1", "KILL_LARA", "/Effect5",
                                      "/Annotation=no code: not written", "/DoOnlyOnce=0", "CALL_FLIP 5", "KILL_LARA"}));
  EXPECT_EQ(section(lines, "[racetimer]", "[end racetimer]"),
            (std::vector<std::string>{"/Event2", "/Annotation=", "/Time=2.5:30", "PLAY_SAMPLE 1"}));
  EXPECT_EQ(section(lines, "[draco]", "[end draco]"),
            (std::vector<std::string>{"", "DracoPreset0=Empty patch entry,", "DracoPreset1=P,a;;;c;"}));
  // The credits alignments by option index: the scripted credits' left before the normal right.
  auto at = [&](const char* l) { return std::find(lines.begin(), lines.end(), l) - lines.begin(); };
  EXPECT_LT(at("ScriptedCreditsAlign=0"), at("NormCreditsAlign=2"));
  EXPECT_LT(at("NormCreditsAlign=2"), static_cast<long>(lines.size()));
  // Keys the pass writes that only a preset can bring back.
  for (const char* key : {"GuideHPFlag=", "DoNotUseScript=", "InDartsLeakage=", "FogUnit27=", "Combo20="})
    EXPECT_NE(std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(key); }), lines.end()) << key;
}

// A key a module registers, and a setting of the built-in config, is saved, unless only config
// files and hand-made presets carry it or the config reader keeps it itself.
TEST_F(PresetFilesTest, EveryRegisteredSettingAndEverySettingOfTheBuiltInConfigIsSaved) {
  start();
  const std::set<std::string_view> readOnly = {"version", "defaultsyntaxfile", "enabletwinponytail",
                                               "exename", "versioncheckoffset", "numbytestoread",
                                               "silentpatch", "developermode", "defaultpatchset",
                                               "racetimerslots", "triggerslots"};
  std::set<std::string> written;
  for (const std::string& line : PresetLines()) {
    std::string key = line.substr(0, line.find('='));
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    written.insert(key);
  }
  const std::vector<std::string_view> registered = shell::RegisteredKeys();
  std::set<std::string> settings(registered.begin(), registered.end());
  shell::ConfigLines config(shell::BuiltInConfigText());
  std::string_view line;
  while (config.next(line) && line != "[common]") {
  }
  while (config.next(line) && line != "[end common]") {
    shell::ParseConfigLine(line);
    if (!shell::CfgKey.empty()) settings.insert(shell::CfgKey);
  }
  for (const std::string& key : settings) {
    if (readOnly.count(key)) continue;
    EXPECT_TRUE(written.count(key))
        << key << " is not saved: register its row and add it to the preset writer's table (and a get to its Setter)";
  }
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
  EXPECT_TRUE(patcher::test::bytesOf(dir.file("old.ovp")).starts_with("[preset]"));
  EXPECT_EQ(patcher::test::bytesOf(dir.file("old.ovp")).find('z' + std::string(10, 'z')), std::string::npos);
  int files = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 5);  // config, command set, executable, "plain" and the preset
}

TEST_F(PresetFilesTest, VersionsGateTheSectionsAndErrorsKeepWhatWasApplied) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::string bonus;   // Form1.Text4 afterwards
    std::string slot0;   // flipeffect slot 0 afterwards
    std::string event0;  // race-timer slot 0 afterwards
    bool error;
  };
  const std::vector<Case> cases = {
      {"no [preset] line", {"BonusLevelNumber=9"}, "orig", "old", "oldrace", true},
      {"lines before [preset] ignored", {"BonusLevelNumber=8", "[Preset]", "BonusLevelNumber=9", "NoSuchKey=1"}, "9", "old", "oldrace", false},
      {"no version: keys only",
       {"[preset]", "BonusLevelNumber=9", "[flipeffects]", "/Effect0", "NEW", "[end flipeffects]"}, "9", "old", "oldrace", false},
      {"0.7 without [flipeffects]", {"[preset]", "version=0.7", "BonusLevelNumber=9"}, "9", "old", "oldrace", true},
      {"0.7 reads flipeffects, not events",
       {"[preset]", "version=0.7", "[flipeffects]", "/Effect0", "NEW", "[end flipeffects]", "[racetimer]", "/Event1",
        "NEWRACE", "[end racetimer]"}, "orig", "NEW", "oldrace", false},
      {"0.76 reads both",
       {"[preset]", "version=0.76", "[flipeffects]", "NEW", "[end flipeffects]", "[racetimer]", "/Event1", "/Time=2:30",
        "NEWRACE", "[end racetimer]"}, "orig", "old\r\nNEW", "NEWRACE", false},
      {"end of file inside a section",
       {"[preset]", "version=0.76", "BonusLevelNumber=9", "[flipeffects]", "/Effect0", "NEW"}, "9", "NEW", "oldrace", true},
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
    EXPECT_EQ(host.texts(), c.error ? std::vector<std::string>{kLoadError} : std::vector<std::string>{});
    EXPECT_EQ(f.Text4.text(), c.bonus);
    EXPECT_EQ(shell::FlipCode[0], c.slot0);
    EXPECT_EQ(shell::RaceCode[0], c.event0);
    for (auto* b : {&f.Command12, &f.Command1}) EXPECT_TRUE(b->enabled());
  }
}

TEST_F(PresetFilesTest, SlotLinesAndTheEditorsShownSlots) {
  shell::Form1& f = start();
  const std::size_t last = shell::FlipCode.size() - 1;
  shell::FlipCode[0] = "";
  shell::FlipCode[1] = "SHOWN";  // flipeffect 48, which the editor shows
  shell::FlipCode[5] = "FIVE";
  shell::RaceCode[1] = "EVENT2";
  shell::RaceTime[1] = {1, 1};
  shell::RaceCode[2] = "SHOWN3";  // the race event shown
  furr::SelectEntry(ui::Forms::get<furr::FEditor>().Combo1, "48");
  furr::SelectEntry(ui::Forms::get<furr::RTEditor>().Combo2, "3");
  load(f, {"[preset]", "version=0.76", "[flipeffects]", "BEFORE", "/Effect5", "/DoOnlyOnce=1", "/Annotation=five",
           "A", "B", "/Effect9999", "LAST", "[end flipeffects]", "[racetimer]", "/Event2", "/Time=3", "/Event002",
           "/Time=1.5:2", "R", "[end racetimer]"});
  EXPECT_TRUE(host.texts().empty());
  EXPECT_EQ(shell::FlipCode[0], "BEFORE");
  EXPECT_EQ(shell::FlipCode[1], "SHOWN");  // clearing the editor stored nothing into 48
  EXPECT_EQ(shell::FlipCode[5], "A\r\nB");
  EXPECT_EQ(shell::FlipAnnotation[5], "five");
  EXPECT_EQ(shell::FlipDoOnlyOnce[5], 1);
  EXPECT_EQ(shell::FlipCode[last], "LAST");  // "/Effect999" read from three digits: the last slot
  EXPECT_EQ(shell::RaceCode[1], "R");
  EXPECT_EQ(shell::RaceCode[2], "SHOWN3");
  EXPECT_EQ(ui::Forms::get<furr::FEditor>().Text1.text(), "BEFORE");  // it shows flipeffect 47 again
  EXPECT_EQ(shell::RaceTime[1][0], 1.5f);
  EXPECT_EQ(shell::RaceTime[1][1], 2.0f);
}

TEST_F(PresetFilesTest, DracoLinesMatchNamesWithCommasAndKeepEmptyFields) {
  shell::Form1& f = start();
  patches();
  auto& window = ui::Forms::get<draco::Patches>();  // open: it shows the first patch again
  window.Listbox1.setListIndex(2);
  std::string values;  // 31 values: the 31st has no slot
  for (int k = 0; k <= draco::kParamSlots; ++k) values += std::to_string(k) + ";";
  load(f, {"[preset]", "version=0.76", "[draco]", "", "DracoPreset1=Fix, then jump,a;;c", "DracoPreset1=jump,1;2;",
           "DracoPreset1=Nobody,9;", "DracoPreset0=JUMP,;;;x;", "[end draco]", kNoScripts});
  EXPECT_EQ(host.texts(), std::vector<std::string>{});
  const auto& fix = draco::PatchList[1].Params;
  const auto& jump = draco::PatchList[2].Params;
  EXPECT_TRUE(draco::IsItemSelected(1));
  EXPECT_FALSE(draco::IsItemSelected(2));
  EXPECT_EQ(fix[0].CurrentValue + fix[1].CurrentValue + fix[2].CurrentValue, "adc");
  EXPECT_EQ(jump[0].CurrentValue + jump[1].CurrentValue + jump[2].CurrentValue + jump[3].CurrentValue, "12dx");
  EXPECT_EQ(window.Listbox1.listIndex(), 0);

  load(f, {"[preset]", "version=0.76", "[draco]", "dracopreset0=Fix, then jump," + values, "[end draco]", kNoScripts});
  EXPECT_FALSE(draco::IsItemSelected(1));
  EXPECT_EQ(fix[9].CurrentValue, "9");
  EXPECT_EQ(fix[29].CurrentValue, "29");

  // Below 0.74 the section is not read.
  load(f, {"[preset]", "version=0.72", "[draco]", "DracoPreset1=Jump,", "[end draco]",
           "[flipeffects]", "[end flipeffects]", "[racetimer]", "[end racetimer]"});
  EXPECT_FALSE(draco::IsItemSelected(2));
}

TEST_F(PresetFilesTest, GuideFlagOldNamesAndTheSyntaxFileKept) {
  shell::Form1& f = start();
  patcher::test::putBytes(dir.file("mine.fln"), "not a command set");
  load(f, {"[preset]", "version=0.76", "GuideFlag=3", "DefaultSyntaxFile=mine.fln", "[flipeffects]",
           "[end flipeffects]", "[racetimer]", "[end racetimer]"});
  EXPECT_EQ(shell::EnemyFlags[12], 3);
  // Saved under both names, for loaders that know only one of them.
  const std::vector<std::string> saved = PresetLines();
  for (const char* l : {"GuideFlag=3", "GuideHPFlag=3"})
    EXPECT_NE(std::find(saved.begin(), saved.end(), l), saved.end()) << l;
  EXPECT_EQ(patcher::test::bytesOf(dir.file("mine.fln")), "not a command set");
  load(f, {"[preset]", "version=0.76", "GuideHPFlag=2", "[flipeffects]", "[end flipeffects]", "[racetimer]", "[end racetimer]"});
  EXPECT_EQ(shell::EnemyFlags[12], 2);
  // Without a version line the values are of the oldest format: a range is a slider position.
  load(f, {"[preset]", "DrawingDistanceRange=2"});
  EXPECT_EQ(f.Text2.text(), "20480");
  EXPECT_EQ(shell::CfgVersion, "");
}

}  // namespace
}  // namespace olvex::presets::test
