// A preset saved with every setting away from its default, both editors' scripts and a DRACO
// selection with parameters in slots 0, 2 and 9 gives back, after "defaults" and a load, the
// same state control by control, and the pass then writes the same executable.
#include <gtest/gtest.h>

#include <variant>

#include "customizers/objects_dialog.h"
#include "draco/draco_fixture.h"
#include "draco/patch_list.h"
#include "presets/apply_line.h"
#include "presets/console.h"
#include "presets/main_window_fixture.h"
#include "presets/preset_writer.h"
#include "shell/config_reader.h"
#include "shell/config_state.h"
#include "shell/number_text.h"
#include "shell/script_slots.h"
#include "shell/settings_keys.h"
#include "shell/shared_tables.h"
#include "ui/control_array.h"

namespace olvex::presets::test {
namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

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

// Another valid value for a key line: the other state, another option, the next number.
std::vector<std::string> otherValues(const std::string& key, const std::string& value) {
  if (key.starts_with("FogUnit")) return {"1,2,3"};
  if (key.starts_with("Combo")) return {"5,1"};
  auto numberText = [](const std::string& v, int delta) {
    if (auto n = shell::StrictNumber(v)) return shell::NumberText(*n + delta);
    return std::string();
  };
  const shell::KeyRow* row = shell::FindKeyRow(lower(key));
  if (!row) return {};
  if (std::holds_alternative<shell::CheckBoxOf>(row->target)) return {value == "1" ? "0" : "1"};
  if (auto* o = std::get_if<shell::OptionOf>(&row->target)) {
    std::vector<std::string> r;
    for (int i : o->get().indexes())
      if (std::to_string(i) != value) r.push_back(std::to_string(i));
    return r;
  }
  if (std::size_t colon = value.find(':'); colon != std::string::npos)
    return {numberText(value.substr(0, colon), 1) + value.substr(colon)};
  if (shell::StrictNumber(value)) return {numberText(value, 1), numberText(value, -1)};
  if (!value.empty() && value.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos)
    return {(value[0] == 'A' ? "B" : "A") + value.substr(1)};  // a hex value stays one
  return {value.empty() ? "Q" : (value[0] == 'Q' ? "R" : "Q") + value.substr(1)};
}

class PresetRoundTripTest : public MainWindowTest {
 protected:
  // Sets every key line of the preset to another value; returns the keys that kept theirs.
  std::vector<std::string> changeEverySetting() {
    std::vector<std::string> unchanged;
    const std::vector<std::string> lines = PresetLines();
    for (std::size_t i = 4; i < lines.size() && lines[i] != "[credits]"; ++i) {
      const std::string key = lines[i].substr(0, lines[i].find('='));
      if (key == "GuideFlag") continue;  // the guide's flag again, changed through GuideHPFlag
      const std::string value = lines[i].substr(key.size() + 1);
      bool changed = false;
      for (const std::string& other : otherValues(key, value)) {
        try {
          ApplySettingsLine(key + "=" + other);
          changed = true;
          break;
        } catch (const shell::SettingsKeyError&) {
        }
      }
      if (!changed) unchanged.push_back(key);
    }
    return unchanged;
  }

  void scriptsAndPatches() {
    shell::FlipCode[0] = "KILL_LARA";
    shell::FlipAnnotation[0] = "kill once";
    shell::FlipDoOnlyOnce[0] = 1;
    shell::FlipCode[2] = "CALL_FLIP 5\r\nKILL_LARA";
    shell::RaceCode[0] = "PLAY_SAMPLE 105";
    shell::RaceAnnotation[0] = "ping";
    shell::RaceTime[0] = {2.5f, 10};
    draco::PatchRecord r = draco::test::patch("Wide, angle");
    draco::test::slot(r, 0, "1000", "", "CAFEBABE");
    draco::test::param(r, 0, "1001", "1", "7", 3);
    draco::test::param(r, 1, "1002", "2", "", 3);
    r.Params[1].Enabled = 0;
    draco::test::param(r, 2, "1002", "3", "9", 3);
    draco::test::param(r, 9, "1003", "4", "11", 3);
    draco::PatchList.push_back(r);
    draco::PatchList.push_back(draco::test::patch("Narrow"));
    draco::RefreshPatchList();
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
  const std::vector<std::string> defaults = state();
  EXPECT_EQ(changeEverySetting(), std::vector<std::string>{});
  scriptsAndPatches();
  // The editors show their first slot, as a load leaves them.
  shell::ReaderHooks.flipSectionEnd();
  shell::ReaderHooks.raceSectionEnd();
  const std::vector<std::string> before = state();
  const std::string written = passBytes();

  const std::string path = dir.file("all.ovp");
  host.fileAnswers.push_back(path);
  f.Command16.userClick();
  ASSERT_EQ(host.dialogs.back().title, "Save OLVEX preset");

  f.Command9.userClick();
  const std::vector<std::string> reset = state();
  host.fileAnswers.push_back(path);
  f.Command12.userClick();
  EXPECT_EQ(host.dialogs.back().title, "Load OLVEX preset");
  EXPECT_TRUE(host.texts().empty());

  const std::vector<std::string> after = state();
  ASSERT_EQ(before.size(), after.size());
  int changedByDefaults = 0;
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(after[i], before[i]);
    changedByDefaults += reset[i] != before[i];
  }
  // "defaults" really brought back the config's values, so the load had something to restore.
  EXPECT_GT(changedByDefaults, 100);
  EXPECT_NE(defaults, before);
  EXPECT_EQ(patcher::test::differences(passBytes(), written), "");
}

// The boulder's gravity from the config, the console, a preset and the objects dialog's
// "defaults", and the byte the pass writes for it.
TEST_F(PresetRoundTripTest, BoulderGravityFromEverySourceReachesThePass) {
  std::string config(shell::BuiltInConfigText());
  config.replace(config.find("BoulderGravity=6"), 16, "BoulderGravity=12");
  patcher::test::putBytes(dir.file("olvex.cfg"), config);
  shell::Form1& f = start();
  ui::TextBox& gravity = ui::Forms::get<customizers::CustObj>().Text1[10];
  EXPECT_EQ(gravity.text(), "12");

  int key = kConsoleToggleKey;
  f.userKeyDown(key, 0);
  consoleLine(f, "BoulderGravity=9");
  EXPECT_EQ(gravity.text(), "9");

  const std::string path = dir.file("gravity.ovp");
  host.fileAnswers.push_back(path);
  f.Command16.userClick();
  ui::Forms::get<customizers::CustObj>().Command2.userClick();
  EXPECT_EQ(gravity.text(), "12");
  host.fileAnswers.push_back(path);
  f.Command12.userClick();
  EXPECT_EQ(gravity.text(), "9");

  const std::string expected =
      patcher::test::withBytes(reflayout::referenceExecutable(), {{"BoulderGravityOffset", 0, "09"}});
  EXPECT_EQ(patcher::test::differences(passBytes(), expected), "");
}

}  // namespace
}  // namespace olvex::presets::test
