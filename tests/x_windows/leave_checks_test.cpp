// Every way out of a field runs its check on leaving, with real keys and clicks under a window
// manager: the close box and Alt+F4 of a dialog, a popup hiding as it loses activation or on Esc,
// a modal window opened over the field.
// A check that refuses keeps the window open with its message; the popups store and hide.
#include <gtest/gtest.h>

#include <functional>

#include "customizers/conditions/dialog.h"
#include "customizers/fog/dialog.h"
#include "customizers/gfx/dialog.h"
#include "customizers/inventory/dialog.h"
#include "draco/patch_list.h"
#include "draco/patch_list_window.h"
#include "draco/patch_set_writer.h"
#include "draco/statistics_window.h"
#include "program_fixture.h"

namespace olvex::test::x {
namespace {

using namespace customizers;

constexpr char kGfx[] = "GFX customizer";
constexpr char kInventory[] = "Inventory customizer";
constexpr char kConditions[] = "Secret level conditions";
constexpr char kFog[] = "Fog Tuner";
constexpr char kPatches[] = "Custom patches";

class LeaveChecks : public ProgramTest {
 protected:
  LeaveChecks() { windowManager = true; }

  // The box clicked, its text selected and replaced by typing; `shown` is what it then holds.
  void retype(const ui::TextBox& box, const std::string& typed, const std::string& shown) {
    click(box);
    waitFocus(box);
    pressKey("Control_L+a");
    typeKeys(typed);
    waitFor(box.name() + " to hold " + shown, [&] { return box.text() == shown; });
  }
};

// A one-digit hex field is not left by Alt+F4 or the close box: the message, the focus back, every
// time. With two digits the dialog closes; opened again, the box has the focus and is checked
// again when left.
TEST_F(LeaveChecks, AOneDigitHexFieldKeepsItsDialogOpen) {
  run([&] {
    auto& main = mainWindow();
    auto& gfx = open<CustGfx>(main.Command14, kGfx);
    const ui::TextBox& box = gfx.Text1[0];  // "colour/rate:" 1
    retype(box, "5", "5");
    const std::function<void()> closes[] = {[&] { pressKey("Alt_L+F4"); }, [&] { clickCloseBox(kGfx); }};
    for (const auto& close : closes) {
      close();
      expectMessage("You must fill this field with two hexadecimal symbols!");
      waitFocus(box);
      onGui([&] { EXPECT_TRUE(gfx.visible() && box.text() == "5"); });
    }
    retype(box, "5a", "5A");
    clickCloseBox(kGfx);
    waitClosed(kGfx);
    open<CustGfx>(main.Command14, kGfx);
    waitFocus(box);
    pressKey("BackSpace");
    pressKey("Tab");
    expectMessage("You must fill this field with two hexadecimal symbols!");
    waitFocus(box);
    onGui([&] { EXPECT_EQ(box.text(), "5"); });
  });
}

TEST_F(LeaveChecks, AShortMagicWordKeepsItsDialogOpen) {
  run([&] {
    auto& inventory = open<CustInv>(mainWindow().Command17, kInventory);
    retype(inventory.Text3, "ab", "AB");
    pressKey("Alt_L+F4");
    expectMessage("Magic word should be 4 characters long!");
    waitFocus(inventory.Text3);
    onGui([&] { EXPECT_TRUE(inventory.visible()); });
    retype(inventory.Text3, "quab", "QUAB");
    pressKey("Alt_L+F4");
    waitClosed(kInventory);
  });
}

// The statistics open from a picture, which takes no focus: the main window's field is left
// first, and a check that refuses keeps them closed until the field holds a value it takes.
TEST_F(LeaveChecks, ARefusingCheckKeepsAModalWindowClosed) {
  run([&] {
    auto& main = mainWindow();
    retype(main.Text1, "200000", "200000");  // hard clipping range
    click(main.Image2);
    expectMessage("Maximum value for this field is 131071!");
    waitFocus(main.Text1);
    onGui([&] {
      EXPECT_EQ(main.Text1.text(), "131071");
      EXPECT_FALSE(ui::Forms::loaded<draco::FLAbout>() && ui::Forms::get<draco::FLAbout>().visible());
    });
    retype(main.Text1, "100000", "100000");
    auto& about = open<draco::FLAbout>(main.Image2, "OLVEX info");
    click(about.Label1);
    waitClosed("OLVEX info");
    waitFocus(main.Text1);
    onGui([&] { EXPECT_EQ(main.Text1.text(), "100000"); });
  });
}

// The popup hides when the main window is clicked, and on Esc: the box left either way is checked.
TEST_F(LeaveChecks, ConditionsAreCheckedWhenThePopupHides) {
  run([&] {
    auto& main = mainWindow();
    for (const char* option : {"Extend tomb4.exe size", "Enable bonus level workaround"}) clickText(kMain, option);
    waitFor("\"conditions...\" to be enabled", [&] { return main.Command29.enabled(); });
    auto& conditions = open<SLevelConditions>(main.Command29, kConditions);
    retype(conditions.Text3, "300", "300");  // medkits used
    clickText(kMain, "Hard Clipping range:");
    waitClosed(kConditions);
    onGui([&] { EXPECT_EQ(conditions.Text3.text(), "255"); });
    open<SLevelConditions>(main.Command29, kConditions);
    retype(conditions.Text6[1], "75", "75");  // seconds
    pressKey("Escape");
    waitClosed(kConditions);
    onGui([&] { EXPECT_EQ(conditions.Text6[1].text(), "59"); });
  });
}

// Alt+F4 is the fog tuner's lost activation: the range is stored and the window only hidden.
TEST_F(LeaveChecks, TheFogTunerStoresAndHidesOnAltF4) {
  run([&] {
    auto& fog = open<FogTuner>(mainWindow().Command23, kFog);
    drag(fog.Picture1, {{58, 7}});
    waitFor("the marker at 56", [&] { return fog.Label1.caption() == "56"; });
    pressKey("Alt_L+F4");
    waitClosed(kFog);
    onGui([&] {
      EXPECT_EQ(shell::FogBulbRange, 56);
      ASSERT_TRUE(ui::Forms::loaded<FogTuner>());
      EXPECT_FALSE(ui::Forms::get<FogTuner>().visible());
    });
  });
}

// A patch set beside the executable whose one patch has a signed byte parameter.
class ParameterLeaveChecks : public LeaveChecks {
 protected:
  void SetUp() override {
    draco::ClearPatchList();
    draco::PatchList.resize(1);
    draco::PatchRecord& tilt = draco::PatchList[0];
    tilt.Name = "Tilt";
    tilt.Params[0] = {1, "1010", "10", "", "Angle", 5};
    ASSERT_TRUE(draco::SavePatchSet(dir.file("patches.drc")));
    draco::ClearPatchList();
    LeaveChecks::SetUp();
  }
};

TEST_F(ParameterLeaveChecks, AByteParameterIsHeldToItsRangeOnAltF4) {
  run([&] {
    auto& main = waitForForm<shell::Form1>();  // the patch set is there: no notice
    expectPainted(kMain);
    auto& patches = open<draco::Patches>(main.Command30, kPatches);
    onGui([&] { patches.Listbox1.setListIndex(patches.Listbox1.listCount() - 1); });
    waitFor("the parameter row", [&] { return patches.Label3.caption() == "Angle:"; });
    retype(patches.Text1, "300", "300");
    pressKey("Alt_L+F4");
    waitClosed(kPatches);
    onGui([&] {
      EXPECT_EQ(patches.Text1.text(), "127");
      int tilt = draco::FindPatchByName("Tilt");
      ASSERT_EQ(draco::PatchList[tilt].Name, "Tilt");
      EXPECT_EQ(draco::PatchList[tilt].Params[0].CurrentValue, "127");
    });
  });
}

}  // namespace
}  // namespace olvex::test::x
