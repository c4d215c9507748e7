// Whole start-ups through the splash window, in a temporary current directory holding a small
// config and executable.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "platform/files.h"
#include "platform/temp_folder.h"
#include "shell/config_reader.h"
#include "shell/config_state.h"
#include "shell/default_config.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/main_keys.h"
#include "shell/run_status.h"
#include "shell/script_slots.h"
#include "shell/shared_keys.h"
#include "shell/shared_tables.h"
#include "shell/splash.h"
#include "shell/version_table.h"
#include "support/test_host.h"

namespace olvex::shell {
namespace {

using platform::test_files::putBytes;
using platform::test_files::WorkingFolder;

constexpr const char* kMatchingSig = "6563005F";
// Bytes 65 63 00 5F at position 5.
const std::string kExecutable = std::string("MZ\x90\x01\x65\x63\x00\x5F", 8) + "rest of the file";
constexpr const char* kLoadError =
    "Error loading patcher. Possible cause: wrong config/executable or program error.";

std::string configText(const std::string& common, const std::string& sig = kMatchingSig) {
  return "; test config\r\n[common]\r\nVersion=0.76\r\nExeName=game.exe\r\n"
         "VersionCheckOffset=5\r\nNumBytesToRead=4\r\nTriggerSlots=2\r\nRaceTimerSlots=2\r\n"
         "DrawingDistanceRange=25000\r\nHardClippingRange=30000\r\nFogBulbRange=33\r\n"
         "PonytailMode=2\r\nExtendExeSize=1\r\nEnableBonusLevel=1\r\n" +
         common +
         "[end common]\r\n[credits]\r\n[end credits]\r\n[flipeffects]\r\n[end flipeffects]\r\n"
         "[racetimer]\r\n[end racetimer]\r\n[version " +
         sig + ";Test build]\r\nLockCameraData=AB\r\n[end version]\r\n";
}

class StartUp : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetConfigState();
    ResetVersionTables();
    ResetSharedTables();
    ResetScriptSlots();
    RegisterSharedKeys();
    RegisterMainKeys();
    ReaderHooks = {};
    OverrideBuiltInConfigText(configText(""));
    form1Hooks() = Form1Hooks{};
    form1Hooks().DracoStartUp = [this] { events.push_back("DracoStartUp"); };
    form1Hooks().ModifyExe = [this] {
      events.push_back("ModifyExe");
      if (modifyFails) throw std::runtime_error("copy failed");
      return true;
    };
    ResetExitStatus();
    host.onYield = [this] {
      if (!events.empty() && events.back() != "yield") events.push_back("yield");
    };
  }
  void TearDown() override {
    host.onYield = nullptr;
    ui::Forms::reset();
    form1Hooks() = Form1Hooks{};
    OverrideBuiltInConfigText(std::nullopt);
  }

  void writeConfig(const std::string& common, const std::string& sig = kMatchingSig) {
    putBytes(dir.file("olvex.cfg"), configText(common, sig));
  }
  // The splash window's first tick runs the whole start-up.
  void startUp() {
    ui::Forms::get<Splash>().show();
    host.tickTimers();
  }
  Form1& main() {
    EXPECT_TRUE(ui::Forms::loaded<Form1>());
    return ui::Forms::get<Form1>();
  }
  bool shown(const std::string& name) const {
    return std::find(host.shown.begin(), host.shown.end(), name) != host.shown.end();
  }

  WorkingFolder dir;
  test::TestHost host;
  std::vector<std::string> events;
  bool modifyFails = false;
};

TEST_F(StartUp, MatchingExecutableIsFoundAndTheSettingsReachTheWindow) {
  writeConfig("");
  putBytes(dir.file("game.exe"), kExecutable);
  startUp();
  Form1& f = main();
  EXPECT_TRUE(host.messages.empty()) << host.texts().front();
  EXPECT_EQ(VersionSig, kMatchingSig);
  EXPECT_EQ(f.Label6.caption(), "Found: Test build");
  EXPECT_TRUE(f.ExeFound);
  EXPECT_EQ(f.ExePath, platform::currentDirectory() + "/game.exe");
  EXPECT_TRUE(f.canModify());
  EXPECT_TRUE(f.Command3.enabled());
  EXPECT_TRUE(f.visible());
  EXPECT_FALSE(ui::Forms::loaded<Splash>());
  EXPECT_EQ(f.Image1.mouseIcon(), ui::kHandCursor);
  EXPECT_EQ(events, (std::vector<std::string>{"DracoStartUp"}));
  // The [common] keys went through the settings key table, and the interlocks followed them.
  EXPECT_EQ(f.Text1.text(), "30000");
  EXPECT_EQ(f.Text2.text(), "25000");
  EXPECT_TRUE(f.Timer1.enabled());
  EXPECT_EQ(FogBulbRange, 33);
  EXPECT_TRUE(f.Option1[2].value());
  EXPECT_EQ(f.Check9.value(), 1);
  EXPECT_TRUE(f.Check21.enabled());
  EXPECT_TRUE(f.Text4.enabled());
  host.tickTimers();  // the splash timer is stopped: no second main window
  EXPECT_EQ(std::count(host.shown.begin(), host.shown.end(), "Form1"), 1);
}

TEST_F(StartUp, ExecutableThatCannotBeUsedLeavesModifyDisabled) {
  const std::string dirText = platform::currentDirectory() + "/";
  struct Row {
    const char* name;
    std::string common;
    std::string sig;
    std::string exe;  // empty: no executable
    std::string message;
    std::string status;
  } rows[] = {
      {"missing", "", kMatchingSig, "",
       "Error loading patcher. game.exe not found.\r\n(exe dir: " + dirText + ")", "game.exe not found!"},
      {"other build", "", "11223344", kExecutable,
       "Current config file have no support for your game.exe.", "Engine is not compatible with OLVEX!"},
      {"too short", "", kMatchingSig, kExecutable.substr(0, 7),
       "Current config file have no support for your game.exe.", "Engine is not compatible with OLVEX!"},
      {"position below 1", "VersionCheckOffset=-5\r\n", kMatchingSig, kExecutable, kLoadError,
       "Error loading patcher!"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    writeConfig(r.common, r.sig);
    std::filesystem::remove(dir.file("game.exe"));
    if (!r.exe.empty()) putBytes(dir.file("game.exe"), r.exe);
    host.messages.clear();
    events.clear();
    startUp();
    Form1& f = main();
    EXPECT_EQ(host.texts(), std::vector<std::string>{r.message});
    EXPECT_EQ(f.Label6.caption(), r.status);
    EXPECT_FALSE(f.Command3.enabled());
    EXPECT_FALSE(f.canModify());
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(events, (std::vector<std::string>{"DracoStartUp"}));  // the patch list still starts
    ui::Forms::reset();
  }
}

TEST_F(StartUp, SilentModePatchesOnceWithoutShowingAWindowAndEnds) {
  writeConfig("SilentPatch=1\r\n");
  putBytes(dir.file("game.exe"), kExecutable);
  form1Hooks().ModifyExe = [this] {
    events.push_back("ModifyExe");
    EXPECT_FALSE(ui::Forms::get<Form1>().visible());
    return true;
  };
  startUp();
  EXPECT_EQ(events, (std::vector<std::string>{"DracoStartUp", "yield", "ModifyExe"}));
  EXPECT_FALSE(shown("Form1"));
  EXPECT_TRUE(ui::Forms::all().empty());
  EXPECT_EQ(host.unloadedForms, (std::vector<std::string>{"Splash", "Form1"}));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(StartUp, SilentModeWithoutAPatchPassStillEnds) {
  writeConfig("SilentPatch=1\r\n");
  putBytes(dir.file("game.exe"), kExecutable);
  form1Hooks().ModifyExe = nullptr;
  startUp();
  EXPECT_TRUE(ui::Forms::all().empty());
  EXPECT_FALSE(shown("Form1"));
}

TEST_F(StartUp, SilentModeKeepsTheWindowWhenThereIsNothingToPatch) {
  struct Row {
    const char* name;
    std::string sig;
    bool exe;
  } rows[] = {{"missing", kMatchingSig, false}, {"other build", "11223344", true}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    writeConfig("SilentPatch=1\r\n", r.sig);
    std::filesystem::remove(dir.file("game.exe"));
    if (r.exe) putBytes(dir.file("game.exe"), kExecutable);
    events.clear();
    host.messages.clear();
    startUp();
    EXPECT_EQ(events, (std::vector<std::string>{"DracoStartUp"}));
    EXPECT_TRUE(main().visible());
    EXPECT_EQ(host.messages.size(), 1u);
    ui::Forms::reset();
  }
}

TEST_F(StartUp, AFailedStartUpSaysSoAndEndsTheRun) {
  OverrideBuiltInConfigText("no sections at all");  // nothing to recover with
  startUp();
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().text, kLoadError);
  EXPECT_TRUE(ui::Forms::all().empty());
}

// What a calling script learns from the exit status, and that no run waits for a user who
// cannot exist.
TEST_F(StartUp, ExitStatusSaysWhetherTheRunDidWhatWasAsked) {
  struct Row {
    const char* name;
    std::string common;
    bool exe;
    bool passCommits;
    bool screen;
    ExitStatus status;
    bool windowUp;
  } rows[] = {
      {"silent, committed", "SilentPatch=1\r\n", true, true, true, ExitStatus::Done, false},
      {"silent, rolled back", "SilentPatch=1\r\n", true, false, true, ExitStatus::PassFailed, false},
      {"silent, no executable", "SilentPatch=1\r\n", false, true, true, ExitStatus::StartUpFailed, true},
      {"silent, no executable, no screen", "SilentPatch=1\r\n", false, true, false,
       ExitStatus::StartUpFailed, false},
      {"silent, committed, no screen", "SilentPatch=1\r\n", true, true, false, ExitStatus::Done, false},
      {"windowed", "", true, true, true, ExitStatus::Done, true},
      {"windowed, no screen", "", true, true, false, ExitStatus::NoScreen, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ResetExitStatus();
    ResetConfigState();
    writeConfig(r.common);
    std::filesystem::remove(dir.file("game.exe"));
    if (r.exe) putBytes(dir.file("game.exe"), kExecutable);
    form1Hooks().ModifyExe = [&] { return r.passCommits; };
    host.screen = r.screen;
    host.messages.clear();
    startUp();
    EXPECT_EQ(RunExitStatus(), r.status);
    EXPECT_EQ(ui::Forms::loaded<Form1>(), r.windowUp);
    if (!r.screen && r.status != ExitStatus::Done) {
      EXPECT_FALSE(host.messages.empty());  // printed by a host without a screen
    }
    ui::Forms::reset();
  }
  ResetExitStatus();
  std::filesystem::remove(dir.file("olvex.cfg"));
  OverrideBuiltInConfigText("no sections at all");  // a start-up that fails outright
  startUp();
  EXPECT_EQ(RunExitStatus(), ExitStatus::StartUpFailed);
}

TEST_F(StartUp, DefaultsRestoreTheConfigValuesAndReenableTheButtons) {
  writeConfig("");
  putBytes(dir.file("game.exe"), kExecutable);
  startUp();
  Form1& f = main();
  f.Text1.setText("999");
  f.Check9.setValue(0);
  FogBulbRange = 1;
  form1Hooks().StopWeaponsPreview = [&] {
    events.push_back("StopWeaponsPreview");
    EXPECT_FALSE(f.Command9.enabled());
    EXPECT_FALSE(f.Command3.enabled());
    EXPECT_FALSE(f.Command1.enabled());
  };
  form1Hooks().DracoResetPatches = [&] { events.push_back("DracoResetPatches"); };
  events.clear();
  f.Command9.userClick();
  EXPECT_EQ(events, (std::vector<std::string>{"StopWeaponsPreview", "DracoResetPatches"}));
  EXPECT_EQ(f.Text1.text(), "30000");
  EXPECT_EQ(f.Check9.value(), 1);
  EXPECT_TRUE(f.Text4.enabled());
  EXPECT_EQ(FogBulbRange, 33);
  for (ui::CommandButton* b : {&f.Command9, &f.Command3, &f.Command1}) EXPECT_TRUE(b->enabled()) << b->name();
  EXPECT_TRUE(f.Command9.hasFocus());
  EXPECT_EQ(f.Label6.caption(), "Found: Test build");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(StartUp, DefaultsEnableModifyOnceTheConfigKnowsTheExecutable) {
  writeConfig("", "11223344");
  putBytes(dir.file("game.exe"), kExecutable);
  startUp();
  Form1& f = main();
  ASSERT_FALSE(f.Command3.enabled());
  writeConfig("");
  f.Command9.userClick();
  EXPECT_TRUE(f.Command3.enabled());
  EXPECT_EQ(f.Label6.caption(), "Found: Test build");
  writeConfig("", "11223344");  // and back
  f.Command9.userClick();
  EXPECT_FALSE(f.Command3.enabled());
  EXPECT_EQ(f.Label6.caption(), "Engine is not compatible with OLVEX!");
}

TEST_F(StartUp, DefaultsWithoutTheExecutableLoadNoVersionData) {
  writeConfig("");
  startUp();
  Form1& f = main();
  host.messages.clear();
  f.Text1.setText("999");
  f.Command9.userClick();
  EXPECT_EQ(f.Text1.text(), "30000");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(f.Command3.enabled());
  EXPECT_EQ(f.Label6.caption(), "game.exe not found!");
}

TEST_F(StartUp, MainDefaultsImageReloadsOnlyTheMainKeys) {
  writeConfig("");
  putBytes(dir.file("game.exe"), kExecutable);
  startUp();
  Form1& f = main();
  f.Text1.setText("999");
  f.Option1[0].setValue(true);
  f.Image1.userClick();
  EXPECT_EQ(f.Text1.text(), "30000");
  EXPECT_TRUE(f.Option1[2].value());
  EXPECT_EQ(LoadScope, "main");
}

TEST_F(StartUp, ModifyAsksFirstAndAlwaysGivesTheButtonsBack) {
  writeConfig("");
  putBytes(dir.file("game.exe"), kExecutable);
  startUp();
  Form1& f = main();
  form1Hooks().ModifyExe = [&] {
    events.push_back("ModifyExe");
    EXPECT_FALSE(f.Command3.enabled());
    EXPECT_FALSE(f.Command1.enabled());
    if (modifyFails) throw std::runtime_error("copy failed");
    return true;
  };
  struct Row {
    ui::MsgAnswer answer;
    bool fails;
    int passes;
    std::vector<std::string> titles;
  } rows[] = {
      {ui::MsgAnswer::Cancel, false, 0, {"Confirm file modifying"}},
      {ui::MsgAnswer::Ok, false, 1, {"Confirm file modifying"}},
      {ui::MsgAnswer::Ok, true, 1, {"Confirm file modifying", "Cannot modify file"}},
  };
  for (const Row& r : rows) {
    events.clear();
    host.messages.clear();
    host.answers = {r.answer};
    modifyFails = r.fails;
    f.Command3.userClick();
    EXPECT_EQ(std::count(events.begin(), events.end(), "ModifyExe"), r.passes);
    std::vector<std::string> titles;
    for (const auto& m : host.messages) titles.push_back(m.title);
    EXPECT_EQ(titles, r.titles);
    EXPECT_EQ(host.messages.front().text, "Are you sure you want to update game.exe file?");
    EXPECT_EQ(host.messages.front().buttons, ui::MsgButtons::OkCancel);
    EXPECT_TRUE(f.Command3.enabled());
    EXPECT_TRUE(f.Command1.enabled());
    EXPECT_TRUE(f.Command3.hasFocus());
  }
  EXPECT_EQ(host.messages.back().text,
            "Cannot initiate executable modifying. Make sure executable is not write-protected and "
            "config file is not corrupted.");
}

TEST_F(StartUp, QuitUnloadsEveryWindow) {
  writeConfig("");
  putBytes(dir.file("game.exe"), kExecutable);
  startUp();
  main().Command1.userClick();
  EXPECT_TRUE(ui::Forms::all().empty());
  EXPECT_EQ(host.unloadedForms, (std::vector<std::string>{"Splash", "Form1"}));
}

}  // namespace
}  // namespace olvex::shell
