// The splash window on a real X server: on the screen, painted, through the start-up (here held
// up by the start-up's message about the missing patch set), and gone once the main window is up.
#include <gtest/gtest.h>

#include <algorithm>

#include "program_fixture.h"
#include "shell/form1.h"

namespace olvex::test::x {
namespace {

constexpr char kSplash[] = "OLVEX Splash Screen";

using SplashOnScreen = ProgramTest;

TEST_F(SplashOnScreen, ShowsLoadingOnItsGreyDuringStartUp) {
  run([&] {
    Shot splash = expectPainted(kSplash);
    EXPECT_TRUE(splash.shows("LOADING"));
    // The start-up's message may cover part of it.
    const auto& rgb = splash.screen.rgb;
    auto grey = std::count(rgb.begin(), rgb.end(), 0xE0E0E0u);
    auto visible = rgb.size() - std::count(rgb.begin(), rgb.end(), Pixels::kHidden);
    EXPECT_GT(grey, static_cast<long>(visible / 2)) << "the back colour is not &HE0E0E0";
    clickButton("OLVEX", "OK");
    waitForForm<shell::Form1>();
    waitClosed(kSplash);
  });
}

}  // namespace
}  // namespace olvex::test::x
