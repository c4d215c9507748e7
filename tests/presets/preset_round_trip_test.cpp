// Every setting of the built-in config away from its default, both editors' scripts and a DRACO
// selection: saved as the file's format says, then "defaults", then loaded, the state is the
// same control by control, and the pass writes the same executable.
#include <gtest/gtest.h>

#include <set>

#include "draco/draco_fixture.h"
#include "draco/patch_list.h"
#include "presets/apply_line.h"
#include "presets/main_window_fixture.h"
#include "shell/config_line.h"
#include "shell/config_lines.h"
#include "shell/config_reader.h"
#include "shell/config_state.h"
#include "shell/number_text.h"
#include "shell/script_slots.h"
#include "shell/settings_keys.h"
#include "shell/shared_tables.h"
#include "ui/control_array.h"

namespace olvex::presets::test {
namespace {

// Keys of the built-in config that only config files and hand-made presets carry, or that the
// config reader keeps itself: a preset does not save them.
const std::set<std::string, std::less<>> kNotInPresets = {
    "version", "defaultsyntaxfile", "enabletwinponytail", "exename", "versioncheckoffset", "numbytestoread",
    "silentpatch", "developermode", "defaultpatchset", "racetimerslots", "triggerslots"};

// Every input control of every window, and the tables the windows do not show.
std::vector<std::string> state() {
  std::vector<std::string> r;
  for (ui::Form* form : ui::Forms::all()) {
    for (ui::Control* c : form->controls()) {
      std::string id = form->name() + "." + c->name() + "(" + std::to_string(c->index()) + ")=";
      switch (c->kind()) {
        case ui::ControlKind::TextBox: r.push_back(id + static_cast<ui::TextBox*>(c)->text()); break;
        case ui::ControlKind::CheckBox: r.push_back(id + std::to_string(static_cast<ui::CheckBox*>(c)->value())); break;
        case ui::ControlKind::OptionButton: r.push_back(id + std::to_string(static_cast<ui::OptionButton*>(c)->value())); break;
        case ui::ControlKind::ComboBox: r.push_back(id + static_cast<ui::ComboBox*>(c)->text()); break;
        case ui::ControlKind::HScrollBar: r.push_back(id + std::to_string(static_cast<ui::HScrollBar*>(c)->value())); break;
        default: break;
      }
    }
  }
  for (int i = 0; i < shell::kFogUnitCount; ++i)
    r.push_back("fog " + std::to_string(shell::FogUnitR[i]) + std::to_string(shell::FogUnitG[i]) + std::to_string(shell::FogUnitB[i]));
  for (auto v : shell::PuzzleCombos) r.push_back("combo " + std::to_string(v));
  for (auto v : shell::EnemyFlags) r.push_back("enemy " + std::to_string(v));
  for (double v : {shell::XBowNormFlag, shell::XBowPoisonFlag, shell::GrenNormFlag, shell::GrenSupaFlag,
                   double(shell::XBowExplFlag), double(shell::GrenFlshFlag), double(shell::FogBulbRange)})
    r.push_back("table " + shell::NumberText(v));
  for (std::size_t i = 0; i < shell::FlipCode.size(); ++i)
    r.push_back("flip " + shell::FlipCode[i] + "|" + shell::FlipAnnotation[i] + "|" + std::to_string(shell::FlipDoOnlyOnce[i]));
  for (std::size_t i = 0; i < shell::RaceCode.size(); ++i)
    r.push_back("race " + shell::RaceCode[i] + "|" + shell::RaceAnnotation[i] + "|" +
                shell::NumberText(shell::RaceTime[i][0]) + ":" + shell::NumberText(shell::RaceTime[i][1]));
  for (std::size_t i = 0; i < draco::PatchList.size(); ++i) {
    std::string p = "draco " + draco::PatchList[i].Name + (draco::IsItemSelected(int(i)) ? " on" : " off");
    for (const auto& param : draco::PatchList[i].Params) p += ";" + param.CurrentValue;
    r.push_back(p);
  }
  return r;
}

// Other values for a setting, to try in turn: the numbers next to it, small numbers, a letter.
std::vector<std::string> otherValues(const std::string& value) {
  std::vector<std::string> r;
  if (auto n = shell::StrictNumber(value)) r = {shell::NumberText(*n + 1), shell::NumberText(*n - 1)};
  for (const char* v : {"1", "2", "0"}) r.emplace_back(v);
  r.insert(shell::StrictNumber(value) ? r.end() : r.begin(),
           (value.starts_with('A') ? "B" : "A") + value.substr(value.empty() ? 0 : 1));  // a hex value stays one
  return r;
}

class PresetRoundTripTest : public MainWindowTest {
 protected:
  // Sets every setting of the built-in config's [common] part that a preset carries to another
  // value; returns the keys whose change shows nowhere.
  std::vector<std::string> changeEverySetting() {
    std::vector<std::string> unchanged;
    shell::ConfigLines config(shell::BuiltInConfigText());
    std::string_view line;
    while (config.next(line) && line != "[common]") {
    }
    while (config.next(line) && line != "[end common]") {
      const std::string value = shell::ParseConfigLine(line);
      const std::string key = shell::CfgKey;
      if (key.empty() || kNotInPresets.count(key)) continue;
      const std::vector<std::string> before = state();
      bool changed = false;
      for (const std::string& other : otherValues(value)) {
        try {
          ApplySettingsLine(std::string(line.substr(0, key.size())) + "=" + other);
        } catch (const shell::SettingsKeyError&) {
          continue;
        }
        if ((changed = state() != before)) break;
      }
      if (!changed) unchanged.push_back(key);
    }
    return unchanged;
  }

  // Scripts in slots with and without code, and patches with parameters here and there.
  void scriptsAndPatches() {
    shell::FlipCode[0] = "KILL_LARA";
    shell::FlipAnnotation[0] = "kill once";
    shell::FlipDoOnlyOnce[0] = 1;
    shell::FlipCode[2] = "CALL_FLIP 5\r\nKILL_LARA";
    shell::FlipAnnotation[5] = "no code: not written";
    shell::RaceCode[1] = "PLAY_SAMPLE 105";
    shell::RaceTime[1] = {2.5f, 10};
    draco::PatchRecord wide = draco::test::patch("Wide, angle"), first = draco::test::patch("First");
    draco::test::slot(wide, 0, "1000", "", "CAFEBABE");
    for (int k : {0, 1, 2, 9}) draco::test::param(wide, k, "1001", "1", k == 1 ? "" : std::to_string(k + 7), 3);
    wide.Params[1].Enabled = 0;
    draco::test::param(first, 0, "1001", "1", "w", 3);
    draco::test::setTable({wide, first});
    draco::SetItemSelected(1, true);
  }

  std::string passBytes() {
    patcher::test::putBytes(exe(), reflayout::referenceExecutable());
    EXPECT_TRUE(shell::form1Hooks().ModifyExe());
    EXPECT_EQ(host.texts(), std::vector<std::string>{});
    host.messages.clear();
    return exeBytes();
  }
};

TEST_F(PresetRoundTripTest, SaveDefaultsLoadGivesBackEveryControlAndTheSamePass) {
  shell::Form1& f = start();
  f.Command9.userClick();  // every window with a setting is loaded
  const std::vector<std::string> defaults = state();
  // The hidden "Change start-up pistol ammo" follows "Enable limited pistol ammo".
  EXPECT_EQ(changeEverySetting(), std::vector<std::string>{"removepistolammo"});
  scriptsAndPatches();
  // The editors show their first slot, as a load leaves them.
  shell::ReaderHooks.flipSectionEnd();
  shell::ReaderHooks.raceSectionEnd();
  const std::vector<std::string> before = state();
  const std::string written = passBytes();
  const std::string path = dir.file("all.ovp");
  host.fileAnswers.push_back(path);
  f.Command16.userClick();
  EXPECT_EQ(host.dialogs.back().title, "Save OLVEX preset");
  const std::string file = patcher::test::bytesOf(path);
  EXPECT_TRUE(file.starts_with("[preset]\r\n\r\nversion=0.76\r\n\r\nDrawingDistanceRange="));
  EXPECT_TRUE(file.ends_with(
      "[flipeffects]\r\n/Effect0\r\n/Annotation=kill once\r\n/DoOnlyOnce=1\r\nKILL_LARA\r\n/Effect2\r\n"
      "/Annotation=\r\n/DoOnlyOnce=0\r\nCALL_FLIP 5\r\nKILL_LARA\r\n[end flipeffects]\r\n[racetimer]\r\n/Event2\r\n"
      "/Annotation=\r\n/Time=2.5:10\r\nPLAY_SAMPLE 105\r\n[end racetimer]\r\n[draco]\r\n\r\n"
      "DracoPreset0=Empty patch entry,\r\nDracoPreset1=Wide, angle,7;;9;;;;;;;16;\r\nDracoPreset0=First,w;\r\n"
      "[end draco]\r\n"))
      << file.substr(file.find("[flipeffects]"));
  // "defaults" brings every setting back (the scripts stay), so the load has each one to restore.
  f.Command9.userClick();
  const auto settings = [](std::vector<std::string> s) {
    s.erase(std::find_if(s.begin(), s.end(), [](const std::string& e) { return e.starts_with("flip "); }), s.end());
    return s;
  };
  EXPECT_EQ(settings(state()), settings(defaults));
  host.fileAnswers.push_back(path);
  f.Command12.userClick();
  EXPECT_EQ(host.dialogs.back().title, "Load OLVEX preset");
  EXPECT_TRUE(host.texts().empty());
  const std::vector<std::string> after = state();
  ASSERT_EQ(before.size(), after.size());
  for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]);
  EXPECT_EQ(patcher::test::differences(passBytes(), written), "");
}

}  // namespace
}  // namespace olvex::presets::test
