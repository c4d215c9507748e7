// Whole start-ups through the splash window, in a temporary current directory holding a small
// config and executable, and the main window's buttons that reload, patch and quit.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "config_fixture.h"
#include "platform/files.h"
#include "platform/temp_folder.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/main_keys.h"
#include "shell/run_status.h"
#include "shell/splash.h"

namespace olvex::shell::testing {
namespace {

using platform::test_files::putBytes;
using Strings = std::vector<std::string>;

constexpr const char* kMatchingSig = "6563005F";
constexpr const char* kOtherSig = "11223344";
// Bytes 65 63 00 5F at position 5.
const std::string kExecutable = std::string("MZ\x90\x01\x65\x63\x00\x5F", 8) + "rest of the file";
constexpr const char* kLoadError = "Error loading patcher. Possible cause: wrong config/executable or program error.";

// The test's config: the reader's keys, a few settings, `common` and a version section.
std::string config(const std::string& common, const std::string& sig) {
  return crlf({"[common]", "Version=0.76", "ExeName=game.exe", "VersionCheckOffset=5", "NumBytesToRead=4",
               "TriggerSlots=2", "RaceTimerSlots=2", "DrawingDistanceRange=25000", "HardClippingRange=30000",
               "FogBulbRange=33", "PonytailMode=2", "ExtendExeSize=1", "EnableBonusLevel=1", common, "[end common]",
               "[credits]", "[end credits]", "[flipeffects]", "[end flipeffects]", "[racetimer]", "[end racetimer]",
               versionSection(sig, "Test build", {"LockCameraData=AB"})});
}

class StartUp : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetVersionTables();
    ResetSharedTables();
    ResetScriptSlots();
    RegisterSharedKeys();
    RegisterMainKeys();
    ReaderHooks = {};
    form1Hooks() = Form1Hooks{};
    form1Hooks().DracoStartUp = [this] { events.push_back("DracoStartUp"); };
    form1Hooks().ModifyExe = [this] {
      events.push_back("ModifyExe");
      return true;
    };
    host.onYield = [this] {  // a yield that follows an event
      if (!events.empty() && events.back() != "yield") events.push_back("yield");
    };
  }
  void TearDown() override {
    host.onYield = nullptr;
    ui::Forms::reset();
    form1Hooks() = Form1Hooks{};
    ResetExitStatus();
    OverrideBuiltInConfigText(std::nullopt);
  }

  // A fresh run: the config and the executable (none when `exe` is empty) in the current folder,
  // then the splash window's first tick, which runs the whole start-up.
  void startUp(const std::string& common = "", const std::string& sig = kMatchingSig,
               const std::string& exe = kExecutable) {
    ResetConfigState();
    ResetExitStatus();
    putBytes(dir.file("olvex.cfg"), config(common, sig));
    std::filesystem::remove(dir.file("game.exe"));
    if (!exe.empty()) putBytes(dir.file("game.exe"), exe);
    ui::Forms::get<Splash>().show();
    host.tickTimers();
  }
  Form1& main() { return ui::Forms::get<Form1>(); }
  Strings messages() const { return host.texts(); }

  platform::test_files::WorkingFolder dir;
  test::TestHost host;
  Strings events;
};

// The settings reach the window and its interlocks follow them; "defaults" reads the config and
// the version data again, whatever changed them, and gives the buttons back; the image beside the
// distances reloads the main window's keys only.
TEST_F(StartUp, TheConfigReachesTheWindowAndDefaultsReadItAgain) {
  int fe4041Refreshes = 0;
  form1Hooks().FE4041SaveFollowers.push_back([&](bool) { ++fe4041Refreshes; });
  startUp("EnableTwinPonytail=0\r\nDisableHangThread=1");
  Form1& f = main();
  EXPECT_EQ(messages(), Strings{});
  EXPECT_EQ(f.Label6.caption(), "Found: Test build");
  EXPECT_TRUE(f.Command3.enabled() && f.visible());
  EXPECT_FALSE(ui::Forms::loaded<Splash>());
  EXPECT_EQ(f.Image1.mouseIcon(), ui::kHandCursor);
  EXPECT_EQ(events, Strings{"DracoStartUp"});
  EXPECT_TRUE(f.Timer1.enabled() && f.Text4.enabled());
  EXPECT_TRUE(f.Option1[0].value());  // an older config's key: 0 is the first option
  EXPECT_EQ(fe4041Refreshes, 1);
  host.tickTimers();  // the splash timer is stopped: no second main window
  EXPECT_EQ(std::count(host.shown.begin(), host.shown.end(), "Form1"), 1);

  f.Text1.setText("999");
  FogBulbRange = 1;
  form1Hooks().StopWeaponsPreview = [&] {
    events.push_back("StopWeaponsPreview");
    EXPECT_FALSE(f.Command9.enabled() || f.Command3.enabled() || f.Command1.enabled());
  };
  form1Hooks().DracoResetPatches = [&] { events.push_back("DracoResetPatches"); };
  putBytes(dir.file("olvex.cfg"), config("", kOtherSig));
  events.clear();
  f.Command9.userClick();
  EXPECT_EQ(events, (Strings{"StopWeaponsPreview", "DracoResetPatches"}));
  EXPECT_EQ(f.Text1.text() + " " + std::to_string(FogBulbRange), "30000 33");
  EXPECT_TRUE(f.Command9.enabled() && f.Command1.enabled() && f.Command9.hasFocus());
  EXPECT_FALSE(f.Command3.enabled());  // the config forgot the executable's version
  EXPECT_EQ(f.Label6.caption(), "Engine is not compatible with OLVEX!");
  f.Text1.setText("999");
  FogBulbRange = 1;
  f.Image1.userClick();
  EXPECT_EQ(f.Text1.text() + " " + std::to_string(FogBulbRange), "30000 33");
  EXPECT_EQ(LoadScope, "main");
  EXPECT_EQ(messages(), Strings{"Current config file have no support for your game.exe."});
}

// The window stays up with "modify" off, also after "defaults", and the patch list still starts.
TEST_F(StartUp, ExecutableThatCannotBeUsedLeavesModifyDisabled) {
  const std::string noSupport = "Current config file have no support for your game.exe.";
  const std::string notCompatible = "Engine is not compatible with OLVEX!";
  struct Row {
    std::string common, sig, exe, message, status;
  } rows[] = {
      {"", kMatchingSig, "", "Error loading patcher. game.exe not found.\r\n(exe dir: " + dir.path() + "/)",
       "game.exe not found!"},
      {"", kOtherSig, kExecutable, noSupport, notCompatible},
      {"", kMatchingSig, kExecutable.substr(0, 7), noSupport, notCompatible},
      {"VersionCheckOffset=-5", kMatchingSig, kExecutable, kLoadError, "Error loading patcher!"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.message);
    host.messages.clear();
    startUp(r.common, r.sig, r.exe);
    EXPECT_EQ(messages(), Strings{r.message});
    EXPECT_EQ(main().Label6.caption(), r.status);
    EXPECT_TRUE(main().visible());
    main().Command9.userClick();
    EXPECT_EQ(main().Label6.caption(), r.status);
    EXPECT_FALSE(main().Command3.enabled());
    ui::Forms::reset();
  }
  EXPECT_EQ(std::count(events.begin(), events.end(), "DracoStartUp"), 4);
}

// A silent run patches once, after the window could have painted, without showing a window, and
// ends; so does a run without a pass. A start-up that fails outright says so and ends the run.
TEST_F(StartUp, SilentRunsAndFailedStartUpsEnd) {
  startUp("SilentPatch=1");
  EXPECT_EQ(events, (Strings{"DracoStartUp", "yield", "ModifyExe"}));
  EXPECT_EQ(host.shown, Strings{"Splash"});
  EXPECT_EQ(host.unloadedForms, (Strings{"Splash", "Form1"}));
  form1Hooks().ModifyExe = nullptr;
  startUp("SilentPatch=1");
  EXPECT_TRUE(ui::Forms::all().empty());
  EXPECT_EQ(RunExitStatus(), ExitStatus::Done);
  std::filesystem::remove(dir.file("olvex.cfg"));
  OverrideBuiltInConfigText("no sections at all");
  ui::Forms::get<Splash>().show();
  host.tickTimers();
  EXPECT_EQ(host.messages.back().text, kLoadError);
  EXPECT_TRUE(ui::Forms::all().empty());
  EXPECT_EQ(RunExitStatus(), ExitStatus::StartUpFailed);
}

TEST_F(StartUp, ModifyAsksFirstAndAlwaysGivesTheButtonsBack) {
  startUp();
  Form1& f = main();
  int passes = 0;
  form1Hooks().ModifyExe = [&] {
    EXPECT_FALSE(f.Command3.enabled() || f.Command1.enabled());
    if (++passes == 2) throw std::runtime_error("copy failed");
    return true;
  };
  host.answers = {ui::MsgAnswer::Cancel, ui::MsgAnswer::Ok, ui::MsgAnswer::Ok};
  for (int click = 0; click < 3; ++click) {
    f.Command3.userClick();
    EXPECT_TRUE(f.Command3.enabled() && f.Command1.enabled());
    EXPECT_TRUE(f.Command3.hasFocus());
  }
  EXPECT_EQ(passes, 2);
  Strings shown;
  for (const auto& m : host.messages) shown.push_back(m.title + ": " + m.text);
  const std::string confirm = "Confirm file modifying: Are you sure you want to update game.exe file?";
  EXPECT_EQ(shown, (Strings{confirm, confirm, confirm,
                            "Cannot modify file: Cannot initiate executable modifying. Make sure executable is not "
                            "write-protected and config file is not corrupted."}));
  EXPECT_EQ(host.messages.front().buttons, ui::MsgButtons::OkCancel);
  f.Command1.userClick();  // "quit"
  EXPECT_TRUE(ui::Forms::all().empty());
}

}  // namespace
}  // namespace olvex::shell::testing
