// Where windows open on a real X server, with and without a window manager, after the main
// window was moved (by its title bar, where there is one): a window without a place of its own
// opens centred over the window it was opened from; a popup opens beside the control that opened
// it, at its offset from the main window's real client area. Under the window manager a modal
// window is a dialog of its opener: it stays above it and is minimised with it.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "customizers/conditions/dialog.h"
#include "customizers/credits/dialog.h"
#include "customizers/fog/dialog.h"
#include "customizers/fonts/dialog.h"
#include "customizers/gfx/dialog.h"
#include "customizers/health/dialog.h"
#include "customizers/inventory/dialog.h"
#include "customizers/limits/dialog.h"
#include "customizers/puzzles/dialog.h"
#include "draco/input_box.h"
#include "draco/patch_list_window.h"
#include "draco/statistics_window.h"
#include "furr/feditor.h"
#include "furr/guide.h"
#include "program_fixture.h"
#include "shell/about_box.h"

namespace olvex::test::x {
namespace {

class Placement : public ProgramTest, public ::testing::WithParamInterface<bool> {
 protected:
  Placement() { windowManager = GetParam(); }

  // The main window, moved by its title bar where a window manager draws one.
  shell::Form1& movedMainWindow() {
    auto& main = mainWindow();
    std::string caption;
    onGui([&] { caption = main.caption(); });
    if (windowManager) dragTitleBar(caption, 150, 100);
    return main;
  }

  // Opens a window with a click on `button` and checks that it is centred over `opener`, its
  // centre `dx` pixels to the right.
  template <class F>
  F& openCentred(const ui::Control& button, const std::string& caption, const ui::Form& opener, int dx = 0) {
    click(button);
    auto& f = waitForForm<F>();
    expectPainted(caption);
    Rect o = placeOf(opener), w = placeOf(f);
    EXPECT_NEAR(w.left + w.width / 2, o.left + o.width / 2 + dx, 1) << caption;
    EXPECT_NEAR(w.top + w.height / 2, o.top + o.height / 2, 1) << caption;
    return f;
  }

  void apply(const std::string& caption) {
    clickButton(caption, "apply");
    waitClosed(caption);
  }

  // A dialog opened from the main window and one opened from its button, each centred over its
  // opener.
  template <class Outer, class Inner>
  void openNested(const ui::Control& button, const std::string& outer, ui::CommandButton Outer::*innerButton,
                  const std::string& inner) {
    auto& main = ui::Forms::get<shell::Form1>();
    auto& dialog = openCentred<Outer>(button, outer, main);
    openCentred<Inner>(dialog.*innerButton, inner, dialog);
    apply(inner);
    apply(outer);
  }

  // The popup's client area lies at (dx, dy) pixels from the control's top-left corner.
  void expectBeside(const ui::Form& popup, const ui::Control& c, int dx, int dy) {
    Rect p = placeOf(popup), at = placeOf(c);
    EXPECT_NEAR(p.left, at.left + dx, 1) << popup.name();
    EXPECT_NEAR(p.top, at.top + dy, 1) << popup.name();
  }
};

TEST_P(Placement, WindowsOpenCentredOverTheirOpener) {
  run([&] {
    auto& main = movedMainWindow();
    openCentred<customizers::CustGfx>(main.Command14, "GFX customizer", main);
    apply("GFX customizer");

    using namespace customizers;
    openNested<CustInv, PuzzleConf>(main.Command17, "Inventory customizer", &CustInv::Command3, "Item configurator");
    openNested<CustLaraHP, CustLimits>(main.Command10, "HP \\ Damage customizer", &CustLaraHP::Command5,
                                       "Limit sub-customizer");
    openNested<CustFonts, CustCredits>(main.Command21, "Text customizer", &CustFonts::Command3,
                                       "Credits sub-customizer");

    auto& about = openCentred<shell::Form2>(main.Command8, "About OLVEX", main);
    click(about.Label2);
    waitClosed("About OLVEX");
    auto& info = openCentred<draco::FLAbout>(main.Image2, "OLVEX info", main, 2);  // 25 twips right
    click(info.Label1);
    waitClosed("OLVEX info");
    auto& patches = openCentred<draco::Patches>(main.Command30, "Custom patches", main);
    click(patches.Command3);
    waitClosed("Custom patches");
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
    waitFor("the conditions button", [&] { return main.Command29.enabled(); });
    click(main.Command29);
    expectBeside(waitForForm<customizers::SLevelConditions>(), main.Command29, 23, 27);  // 340, 400 twips
    pressKey("Escape");
    waitClosed("Secret level conditions");

    auto& flip = openCentred<furr::FEditor>(main.Command26, "Flipeffect editor", main);
    click(flip.Check1);
    click(flip.Label33);
    expectBeside(waitForForm<furr::Guide>(), flip.Label33, 105, 25);  // 1570, 380 twips
    pressKey("Escape");
    waitFor("the number popup to close", [] { return !ui::Forms::loaded<furr::Guide>(); });
    click(flip.Command1);
    waitClosed("Flipeffect editor");

    auto& patches = openCentred<draco::Patches>(main.Command30, "Custom patches", main);
    click(patches.Image1);  // the developer layout
    waitFor("the developer layout", [&] { return patches.Command5.enabled(); });
    click(patches.Command5);
    expectBeside(waitForForm<draco::InputKor>(), patches.Command5, 23, 27);
    pressKey("Escape");
    waitClosed("Input");
    click(patches.Command3);
    waitClosed("Custom patches");
  });
}

class ModalWindows : public ProgramTest {
 protected:
  ModalWindows() { windowManager = true; }
};

// A modal window, also one opened from another, stays above the window it was opened from when
// that one is clicked, and minimising it takes that window along: none is left up that takes no
// input.
TEST_F(ModalWindows, StayAboveAndWithTheWindowTheyWereOpenedFrom) {
  constexpr char kHealth[] = "HP \\ Damage customizer", kLimits[] = "Limit sub-customizer";
  run([&] {
    auto& main = mainWindow();
    std::string caption;
    onGui([&] { caption = main.caption(); });
    click(main.Command10);
    auto& health = waitForForm<customizers::CustLaraHP>();
    expectPainted(kHealth);
    click(health.Command5);
    waitForForm<customizers::CustLimits>();
    expectPainted(kLimits);
    // A window manager raises what is clicked; the windows below take no input meanwhile.
    click(health.Command1);
    clickTitleBar(caption);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(stackedAbove(kLimits, kHealth));
    EXPECT_TRUE(stackedAbove(kHealth, caption));
    clickMinimiseBox(kLimits);
    for (const std::string& window : {std::string(kLimits), std::string(kHealth), caption}) waitUnshown(window);
  });
}

INSTANTIATE_TEST_SUITE_P(, Placement, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "UnderWindowManager" : "WithoutWindowManager"; });

}  // namespace
}  // namespace olvex::test::x
