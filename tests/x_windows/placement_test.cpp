// Where windows open on a real X server, with and without a window manager, after the main
// window was moved (by its title bar, where there is one): a window without a place of its own
// opens centred over the window it was opened from; a popup opens beside the control that opened
// it, at its offset from the main window's real client area, every time. Under the window manager
// a modal window is a dialog of its opener: it stays above it and is minimised with it.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "customizers/conditions/dialog.h"
#include "customizers/fog/dialog.h"
#include "customizers/health/dialog.h"
#include "customizers/limits/dialog.h"
#include "draco/input_box.h"
#include "draco/patch_list_window.h"
#include "draco/statistics_window.h"
#include "draco/offset_map.h"
#include "furr/command_list.h"
#include "furr/feditor.h"
#include "furr/guide.h"
#include "program_fixture.h"

namespace olvex::test::x {
namespace {

class Placement : public OnBothScreens {
 protected:
  shell::Form1& movedMainWindow() {
    auto& main = mainWindow();
    if (windowManager) dragTitleBar(kMain, 150, 100);
    return main;
  }

  // The window's centre lies `dx` pixels right of its opener's.
  void expectCentred(const Rect& w, const Rect& opener, const std::string& caption, int dx = 0) {
    EXPECT_NEAR(w.left + w.width / 2, opener.left + opener.width / 2 + dx, 1) << caption;
    EXPECT_NEAR(w.top + w.height / 2, opener.top + opener.height / 2, 1) << caption;
  }

  // The popup's client area lies at (dx, dy) pixels from the control's top-left corner.
  void expectBeside(const ui::Form& popup, const ui::Control& c, int dx, int dy) {
    Rect p = placeOf(popup), at = placeOf(c);
    EXPECT_NEAR(p.left, at.left + dx, 1) << popup.name();
    EXPECT_NEAR(p.top, at.top + dy, 1) << popup.name();
  }
};

// Each window opened by the button of the one before (the first by the main window's), and
// closed by its own button.
struct Opened {
  const char* button;
  const char* caption;
  const char* close;
};

const std::vector<Opened> kChains[] = {
    {{"GFX 1...", "GFX customizer", "apply"}},
    {{"inventory...", "Inventory customizer", "apply"}, {"items...", "Item configurator", "apply"}},
    {{"damage \\ HP...", "HP \\ Damage customizer", "apply"}, {"customize limits...", "Limit sub-customizer", "apply"}},
    {{"font \\ text...", "Text customizer", "apply"}, {"credits...", "Credits sub-customizer", "apply"}},
    {{"about...", "About OLVEX", "close"}},
    {{"custom patches...", "Custom patches", "proceed"}},
};

TEST_P(Placement, WindowsOpenCentredOverTheirOpener) {
  run([&] {
    auto& main = movedMainWindow();
    for (const auto& chain : kChains) {
      std::string opener = kMain;
      for (const Opened& o : chain) {
        clickText(opener, o.button);
        expectPainted(o.caption);
        expectCentred(placeOf(o.caption), placeOf(opener), o.caption);
        opener = o.caption;
      }
      for (auto o = chain.rbegin(); o != chain.rend(); ++o) {
        clickText(o->caption, o->close);
        waitClosed(o->caption);
      }
    }
    click(main.Image2);
    expectCentred(placeOf(waitForForm<draco::FLAbout>()), placeOf(main), "OLVEX info", 2);  // 25 twips right
    clickText("OLVEX info", "close");
    waitClosed("OLVEX info");
  });
}

TEST_P(Placement, PopupsOpenBesideTheControlThatOpenedThem) {
  run([&] {
    auto& main = movedMainWindow();
    click(main.Command23);
    expectBeside(waitForForm<customizers::FogTuner>(), main.Command23, -210, 20);
    click(main.Label6);  // it hides once the main window is active again
    waitClosed("Fog Tuner");

    click(main.Check9);
    click(main.Check19);
    clickText(kMain, "conditions...");
    expectBeside(waitForForm<customizers::SLevelConditions>(), main.Command29, 23, 27);  // 340, 400 twips
    pressKey("Escape");
    waitClosed("Secret level conditions");
    // Shown again by a click whose release comes before the main window's activation (no window
    // is active after Esc without a window manager).
    quickClick(main.Command29);
    auto& conditions = waitForForm<customizers::SLevelConditions>();
    waitFocus(conditions.Text6[0]);  // it stays, as the active window
    expectBeside(conditions, main.Command29, 23, 27);
    pressKey("Escape");
    waitClosed("Secret level conditions");

    auto& flip = open<furr::FEditor>(main.Command26, "Flipeffect editor");
    click(flip.Check1);
    click(flip.Label33);
    expectBeside(waitForForm<furr::Guide>(), flip.Label33, 105, 25);  // 1570, 380 twips
    pressKey("Escape");
    waitFor("the number popup to close", [] { return !ui::Forms::loaded<furr::Guide>(); });
    clickText("Flipeffect editor", "proceed");
    waitClosed("Flipeffect editor");

    auto& patches = open<draco::Patches>(main.Command30, "Custom patches");
    click(patches.Image1);  // the developer layout
    clickText("Custom patches", "new");
    expectBeside(waitForForm<draco::InputKor>(), patches.Command5, 23, 27);
    pressKey("Escape");
    waitClosed("Input");
  });
}

// The small borderless windows, modal or not, get no frame from a window manager, so none covers
// the control that opened it with a title bar.
TEST_P(Placement, BorderlessWindowsStayBorderless) {
  run([&] {
    auto& main = mainWindow();
    auto& flip = open<furr::FEditor>(main.Command26, "Flipeffect editor");
    click(flip.Check1);
    click(flip.Label33);
    EXPECT_FALSE(framed(waitForForm<furr::Guide>())) << "the number popup";
    pressKey("Escape");
    waitFor("the number popup to close", [] { return !ui::Forms::loaded<furr::Guide>(); });
    click(flip.Command3);
    EXPECT_FALSE(framed(waitForForm<furr::FLListCmd>())) << "the command list";
    pressKey("Escape");
    waitFor("the command list to close", [] { return !ui::Forms::loaded<furr::FLListCmd>(); });
    clickText("Flipeffect editor", "proceed");
    waitClosed("Flipeffect editor");
    click(main.Image2);
    auto& about = waitForForm<draco::FLAbout>();
    EXPECT_FALSE(framed(about)) << "the statistics";
    click(about.Label28);
    auto& map = waitForForm<draco::Form3>();
    EXPECT_FALSE(framed(map)) << "the offset map";
    click(map.Label5);
    waitClosed("Offset map");
    click(about.Label1);
    waitClosed("OLVEX info");
    auto& patches = open<draco::Patches>(main.Command30, "Custom patches");
    click(patches.Image1);  // the developer layout
    clickText("Custom patches", "new");
    EXPECT_FALSE(framed(waitForForm<draco::InputKor>())) << "the input box";
    pressKey("Escape");
    waitClosed("Input");
  });
}

// A modal window, also one opened from another, stays above the window it was opened from when
// that one is clicked, and minimising it takes that window along: none is left up that takes no
// input.
class ModalWindows : public ProgramTest {
 protected:
  ModalWindows() { windowManager = true; }
};

TEST_F(ModalWindows, StayAboveAndWithTheWindowTheyWereOpenedFrom) {
  constexpr char kHealth[] = "HP \\ Damage customizer", kLimits[] = "Limit sub-customizer";
  run([&] {
    auto& main = mainWindow();
    auto& health = open<customizers::CustLaraHP>(main.Command10, kHealth);
    open<customizers::CustLimits>(health.Command5, kLimits);
    // A window manager raises what is clicked; the windows below take no input meanwhile.
    click(health.Command1);
    clickTitleBar(kMain);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // a raise would come now
    EXPECT_TRUE(stackedAbove(kLimits, kHealth));
    EXPECT_TRUE(stackedAbove(kHealth, kMain));
    clickMinimiseBox(kLimits);
    for (const char* window : {kLimits, kHealth, kMain}) waitUnshown(window);
  });
}

INSTANTIATE_TEST_SUITE_P(, Placement, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "UnderWindowManager" : "WithoutWindowManager"; });

}  // namespace
}  // namespace olvex::test::x
