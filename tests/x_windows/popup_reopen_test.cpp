// A popup that hides itself shows again at every click on its button, with and without a window
// manager: hidden by Esc (after which, without one, no window is active) or by a click on the main
// window.
#include <gtest/gtest.h>

#include "customizers/conditions/dialog.h"
#include "program_fixture.h"

namespace olvex::test::x {
namespace {

constexpr char kConditions[] = "Secret level conditions";

using PopupOnScreen = OnBothScreens;

TEST_P(PopupOnScreen, TheConditionsShowAtEveryClick) {
  run([&] {
    auto& main = mainWindow();
    for (const char* option : {"Extend tomb4.exe size", "Enable bonus level workaround"}) clickText(kMain, option);
    waitFor("\"conditions...\" to be enabled", [&] { return main.Command29.enabled(); });
    for (int round = 0; round < 3; ++round) {
      quickClick(main.Command29);
      auto& conditions = waitForForm<customizers::SLevelConditions>();
      expectPainted(kConditions);
      waitFocus(conditions.Text6[0]);
      pressKey("Escape");
      waitClosed(kConditions);
    }
    open<customizers::SLevelConditions>(main.Command29, kConditions);
    clickText(kMain, "Hard Clipping range:");
    waitClosed(kConditions);
    open<customizers::SLevelConditions>(main.Command29, kConditions);
  });
}

INSTANTIATE_TEST_SUITE_P(Screens, PopupOnScreen, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WindowManager" : "Bare"; });

}  // namespace
}  // namespace olvex::test::x
