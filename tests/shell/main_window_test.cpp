// The main window: its own rules, whole start-ups through the splash window in a temporary current
// directory holding a small config and executable, the buttons that reload, patch and quit, and the
// shutdown of all windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "config_fixture.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/main_keys.h"
#include "shell/run_status.h"
#include "shell/shared_tables.h"
#include "shell/splash.h"
#include "shell/unload_all.h"

namespace olvex::shell::testing {
namespace {

using platform::test_files::putBytes;
using Strings = std::vector<std::string>;

constexpr const char* kMatchingSig = "6563005F";
// Bytes 65 63 00 5F at position 5.
const std::string kExecutable = std::string("MZ\x90\x01\x65\x63\x00\x5F", 8) + "rest of the file";
constexpr const char* kLoadError = "Error loading patcher. Possible cause: wrong config/executable or program error.";

// The test's config: the reader's keys, a few settings, `common` and a version section.
std::string config(const std::string& common, const std::string& sig) {
  return crlf({"[common]", "Version=0.76", "ExeName=game.exe", "VersionCheckOffset=5", "NumBytesToRead=4",
               "TriggerSlots=2", "RaceTimerSlots=2", "HardClippingRange=30000", "DrawingDistanceRange=25000",
               "PonytailMode=2", "ExtendExeSize=1", "EnableBonusLevel=1", common, "[end common]", "[credits]",
               "[end credits]", "[flipeffects]", "[end flipeffects]", "[racetimer]", "[end racetimer]",
               versionSection(sig, "Test build", {"LockCameraData=AB"})});
}

class StartUp : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetVersionTables();
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
  void startUp(const std::string& common = "", const std::string& exe = kExecutable) {
    ResetConfigState();
    ResetExitStatus();
    putBytes(dir.file("olvex.cfg"), config(common, kMatchingSig));
    std::filesystem::remove(dir.file("game.exe"));
    if (!exe.empty()) putBytes(dir.file("game.exe"), exe);
    ui::Forms::get<Splash>().show();
    host.tickTimers();
  }
  Form1& main() { return ui::Forms::get<Form1>(); }

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
  EXPECT_EQ(host.texts(), Strings{});
  EXPECT_EQ(f.Label6.caption(), "Found: Test build");
  EXPECT_TRUE(f.Command3.enabled() && f.visible() && !ui::Forms::loaded<Splash>());
  EXPECT_EQ(events, Strings{"DracoStartUp"});
  EXPECT_TRUE(f.Timer1.enabled() && f.Text4.enabled() && f.Option1[0].value());  // 0: the first option
  EXPECT_EQ(fe4041Refreshes, 1);
  host.tickTimers();  // the splash timer is stopped: no second main window
  EXPECT_EQ(std::count(host.shown.begin(), host.shown.end(), "Form1"), 1);

  form1Hooks().StopWeaponsPreview = [&] {
    events.push_back("StopWeaponsPreview");
    EXPECT_FALSE(f.Command9.enabled() || f.Command3.enabled() || f.Command1.enabled());
  };
  form1Hooks().DracoResetPatches = [&] { events.push_back("DracoResetPatches"); };
  putBytes(dir.file("olvex.cfg"), config("", "11223344"));
  for (ui::Control* reload : std::vector<ui::Control*>{&f.Command9, &f.Image1}) {
    f.Text1.setText("999");
    events.clear();
    reload->userClick();
    EXPECT_EQ(f.Text1.text(), "30000");
    EXPECT_EQ(events, (reload == &f.Image1 ? Strings{} : Strings{"StopWeaponsPreview", "DracoResetPatches"}));
  }
  EXPECT_EQ(LoadScope, "main");
  EXPECT_TRUE(f.Command9.enabled() && f.Command1.enabled() && f.Command9.hasFocus());
  EXPECT_FALSE(f.Command3.enabled());  // the config forgot the executable's version
  EXPECT_EQ(f.Label6.caption(), "Engine is not compatible with OLVEX!");
  EXPECT_EQ(host.texts(), Strings{"Current config file have no support for your game.exe."});
}

// The window stays up with "modify" off, also after "defaults", and the patch list still starts.
TEST_F(StartUp, ExecutableThatCannotBeUsedLeavesModifyDisabled) {
  const struct {
    std::string common, exe, status;
  } rows[] = {
      {"", "", "game.exe not found!"},
      {"", kExecutable.substr(0, 7), "Engine is not compatible with OLVEX!"},
      {"VersionCheckOffset=-5", kExecutable, "Error loading patcher!"},
  };
  for (const auto& [common, exe, status] : rows) {
    startUp(common, exe);
    main().Command9.userClick();
    EXPECT_EQ(main().Label6.caption(), status);
    EXPECT_FALSE(main().Command3.enabled());
    EXPECT_TRUE(main().visible());
    ui::Forms::reset();
  }
  EXPECT_EQ(host.texts(), (Strings{"Error loading patcher. game.exe not found.\r\n(exe dir: " + dir.path() + "/)",
                                   "Current config file have no support for your game.exe.", kLoadError}));
  EXPECT_EQ(std::count(events.begin(), events.end(), "DracoStartUp"), 3);
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
  EXPECT_EQ(host.texts().back(), kLoadError);
  EXPECT_TRUE(ui::Forms::all().empty());
  EXPECT_EQ(RunExitStatus(), ExitStatus::StartUpFailed);
}

// "modify" asks first; a pass that cannot start says so; the buttons always come back.
TEST_F(StartUp, ModifyAsksFirstAndAlwaysGivesTheButtonsBack) {
  startUp();
  Form1& f = main();
  form1Hooks().ModifyExe = [&]() -> bool {
    EXPECT_FALSE(f.Command3.enabled() || f.Command1.enabled());
    throw std::runtime_error("copy failed");
  };
  host.answers = {ui::MsgAnswer::Cancel, ui::MsgAnswer::Ok};
  for (int click = 0; click < 2; ++click) f.Command3.userClick();
  EXPECT_TRUE(f.Command3.enabled() && f.Command1.enabled() && f.Command3.hasFocus());
  EXPECT_EQ(host.texts(), (Strings{"Are you sure you want to update game.exe file?", "Are you sure you want to update game.exe file?",
                                   "Cannot initiate executable modifying. Make sure executable is not write-protected and "
                                   "config file is not corrupted."}));
  EXPECT_EQ(host.messages[1].title + "|" + host.messages[2].title, "Confirm file modifying|Cannot modify file");
  f.Command1.userClick();  // "quit"
  EXPECT_TRUE(ui::Forms::all().empty());
}

// The main window's own rules, on a window built without the start-up.
class Form1Rules : public ::testing::Test {
 protected:
  void SetUp() override { form1Hooks() = Form1Hooks{}; }
  void TearDown() override { form1Hooks() = Form1Hooks{}; }
  test::TestHost host;
  Form1 f;
};

// Each step sets an option and checks a group of controls it enables or disables; disabling
// never changes a value, and the other windows' controls follow through the hooks.
TEST_F(Form1Rules, OptionsEnableTheControlsThatNeedThem) {
  std::vector<bool> followers;
  for (auto* list : {&form1Hooks().ExtendExeFollowers, &form1Hooks().AdvancedSaveFollowers, &form1Hooks().FE4041SaveFollowers})
    list->push_back([&](bool on) { followers.push_back(on); });
  using Group = std::vector<ui::Control*>;
  const Group extended{&f.Check21, &f.Command26, &f.Check19, &f.Check20};
  const Group bonus{&f.Text4, &f.Text7, &f.Command29, &f.Label12, &f.Label16};
  const Group remap{&f.Check7, &f.Check18, &f.Check10};
  const Group fogBulb{&f.Command23};
  struct Step {
    ui::CheckBox Form1::*box;
    int value;
    const Group& controls;
    bool enabled;
  } steps[] = {
      {&Form1::Check9, 1, extended, true},
      {&Form1::Check20, 1, bonus, false},  // the bonus level option is still clear
      {&Form1::Check19, 1, bonus, true},
      {&Form1::Check9, 0, extended, false},
      {&Form1::Check9, 0, bonus, false},  // although the bonus option stays checked
      {&Form1::Check9, 1, bonus, true},
      {&Form1::Check19, 2, bonus, true},  // grey changes nothing
      {&Form1::Check19, 0, bonus, false},
      {&Form1::Check5, 1, remap, true},
      {&Form1::Check5, 2, remap, false},
      {&Form1::Check11, 1, fogBulb, false},
  };
  for (const Step& s : steps) {
    (f.*s.box).setValue(s.value);
    for (ui::Control* c : s.controls)
      EXPECT_EQ(c->enabled(), s.enabled) << (f.*s.box).name() << "=" << s.value << " " << c->name();
  }
  EXPECT_EQ(f.Check20.value(), 1);
  for (int value : {1, 2}) f.Check21.setValue(value);
  f.Check13.setValue(1);
  EXPECT_EQ(followers, (std::vector<bool>{true, false, true, true, false, true}));
}

// Without "Remap scene memory" a drawing distance above 22000 makes the option blink; the fog
// box turns light red while the fog reaches beyond the drawing distance.
TEST_F(Form1Rules, DistanceBoxesBlinkAndColour) {
  struct Row {
    const char *drawing, *fog;
    int remap;
    bool blinking;
    ui::Color back;
  } rows[] = {
      {"22000", "22000", 0, false, 0xFFFFFF},
      {"22001abc", "22002", 0, true, 0xC0C0FF},
      {"25000", "1", 2, false, 0xFFFFFF},
  };
  for (const Row& r : rows) {
    f.Check5.setValue(r.remap);
    f.Text3.setText(r.fog);
    f.Text2.setText(r.drawing);
    EXPECT_EQ(f.Timer1.enabled(), r.blinking) << r.drawing;
    EXPECT_EQ(f.Text3.backColor(), r.back) << r.drawing;
  }
  f.Check5.setValue(0);
  for (ui::Color colour : {0xC0C0C0, 0, 0xC0C0C0}) {
    host.tickTimers();
    EXPECT_EQ(f.Check5.foreColor(), colour);
  }
  f.Check5.setValue(1);
  EXPECT_FALSE(f.Timer1.enabled());
  EXPECT_EQ(f.Check5.foreColor(), 0u);
}

// The distance and level boxes take digits only, and the level numbers get their maximum silently
// on leaving; the clipping box takes any text.
TEST_F(Form1Rules, NumberBoxesTakeDigitsAndAreCheckedOnLeaving) {
  f.Text4.setEnabled(true);
  f.Text7.setEnabled(true);
  for (ui::TextBox* box : {&f.Text1, &f.Text3, &f.Text4, &f.Text7, &f.Text2}) {
    box->setFocus();
    box->setText("");
    box->typeText(box == &f.Text2 ? "0" : "2a00");
    f.Command28.setFocus();
  }
  EXPECT_EQ(f.Text1.text() + " " + f.Text3.text() + " " + f.Text4.text() + " " + f.Text7.text(), "2a00 200 127 127");
  EXPECT_EQ(f.Text2.text(), "1");
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Minimum value for this field is 1!"});
}

TEST_F(Form1Rules, DistancePresetsAndForeignButtons) {
  // Each sets the clipping, drawing and fog ranges, the fog bulb range and "Remap scene memory".
  const std::pair<ui::CommandButton Form1::*, const char*> rows[] = {
      {&Form1::Command7, "81920 204800 194560 208 1"},
      {&Form1::Command4, "5024 5024 2048 5 0"},
      {&Form1::Command6, "50176 50176 46080 50 1"},
      {&Form1::Command5, "28160 28160 24064 28 1"},
      {&Form1::Command2, "20480 20480 12288 20 0"},
  };
  for (const auto& [button, want] : rows) {
    f.Text1.setFocus();
    (f.*button).userClick();
    EXPECT_EQ(f.Text1.text() + " " + f.Text2.text() + " " + f.Text3.text() + " " + std::to_string(FogBulbRange) + " " +
                  std::to_string(f.Check5.value()),
              want);
    EXPECT_TRUE(f.Command28.hasFocus());
  }
  std::vector<std::string> ran;
  for (const char* name : {"Command10", "Command23", "Image2"})
    form1Hooks().ButtonActions[name] = [&ran, name] { ran.push_back(name); };
  for (ui::Control* c : std::vector<ui::Control*>{&f.Command10, &f.Command23, &f.Image2, &f.Command18}) c->userClick();
  EXPECT_EQ(ran, (std::vector<std::string>{"Command10", "Command23", "Image2"}));
}

int unloadAllCalls = 0;

// Windows by name: the main window, whose Unload calls UnloadAll as the real one does, windows of
// the shutdown list, and one that is not listed.
template <int N>
struct Named : ui::Form {
  static constexpr const char* kNames[] = {"Form1", "Form3", "CustGfx", "ParamList", "InputKor"};
  Named() : Form(kNames[N]) {
    if (N != 0) return;
    onUnload = [] {
      ++unloadAllCalls;
      UnloadAll();
    };
  }
};

TEST(UnloadAll, ClosingTheMainWindowUnloadsTheOthersInShutdownOrderFirst) {
  test::TestHost host;
  ui::Forms::get<Named<1>>();
  ui::Forms::get<Named<0>>();
  ui::Forms::get<Named<2>>();
  ui::Forms::get<Named<4>>();
  ui::Forms::get<Named<3>>();
  ui::Forms::get<Named<0>>().userClose();
  EXPECT_EQ(host.unloadedForms, (std::vector<std::string>{"ParamList", "CustGfx", "Form3", "Form1"}));
  EXPECT_EQ(ui::Forms::all().size(), 1u);  // the one not in the list
  EXPECT_EQ(unloadAllCalls, 1);             // the nested call returned at once
}

}  // namespace
}  // namespace olvex::shell::testing
