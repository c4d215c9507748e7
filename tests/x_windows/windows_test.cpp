// Every window as a person opens it on a real X server: clicks on the buttons that lead to it,
// then on the screen, painted, showing its texts, and closed by its own button.
#include <gtest/gtest.h>

#include <algorithm>

#include "program_fixture.h"

namespace olvex::test::x {
namespace {

struct Click {
  const char* window;
  const char* text;
};

struct Window {
  const char* caption;
  std::vector<Click> opening;  // clicked in turn, from the main window on
  std::vector<const char*> texts;
  const char* close;   // clicked in the window, or in the main window for a popup
  bool popup = false;  // modeless: it hides once the main window is active again
};

const Window kWindows[] = {
    {"GFX customizer", {{kMain, "GFX 1..."}}, {"lightning", "Raw sky scroll direction:", "defaults"}, "apply"},
    {"GFX customizer 2", {{kMain, "GFX 2..."}}, {"Fog unit # :", "Unify for various surfaces"}, "apply"},
    {"Light customizer", {{kMain, "lights..."}}, {"Combine with alarm light", "0.0039..."}, "apply"},
    {"Inventory customizer", {{kMain, "inventory..."}}, {"Amount of Big Medkits:", "FlyCheat magic word:"}, "apply"},
    {"Item configurator", {{kMain, "inventory..."}, {"Inventory customizer", "items..."}},
     {"puzzle combo editor"}, "apply"},
    {"Weapon customizer", {{kMain, "weapons..."}}, {"Crossbow bolt fly speed:", "twin weapon overrides"}, "apply"},
    {"Enemy HP customizer", {{kMain, "enemies..."}}, {"Small Scorpion:", "Enable SS HP change"}, "apply"},
    {"Bar customizer", {{kMain, "bars..."}}, {"music volume bar", "gradient (TR5-like)"}, "apply"},
    {"Text customizer", {{kMain, "font \\ text..."}}, {"Main Menu -> New Game", "Window title:"}, "apply"},
    {"Credits sub-customizer", {{kMain, "font \\ text..."}, {"Text customizer", "credits..."}},
     {"Fix credits flyby bug", "1 / 23 [max 71]"}, "apply"},
    {"HP \\ Damage customizer", {{kMain, "damage \\ HP..."}}, {"SAS grenades bugfix", "In prong spikes:"}, "apply"},
    {"Limit sub-customizer", {{kMain, "damage \\ HP..."}, {"HP \\ Damage customizer", "customize limits..."}},
     {"Bike nitro drain rate:", "66666667"}, "apply"},
    {"Physics customizer", {{kMain, "physics..."}}, {"rope / pole turn", "Disable ledge climb delay"}, "apply"},
    {"Camera customizer", {{kMain, "camera..."}}, {"Unify normal / battle camera", "1536"}, "apply"},
    {"Sound \\ music customizer", {{kMain, "sound..."}}, {"Extend audiotracks from 111 to 127", "22050 Hz"}, "apply"},
    {"Object (trap) customizer", {{kMain, "objects..."}}, {"squishy block 2", "ocb 0 mode only:"}, "apply"},
    {"Flipeffect editor", {{kMain, "flipeffects..."}}, {"Enable flipeffect editor", "spellcheck OK"}, "proceed"},
    {"Race timer editor", {{kMain, "timer..."}}, {"Invert race timer", "If race timer value ="}, "proceed"},
    {"Custom patches", {{kMain, "custom patches..."}}, {"load set", "search:"}, "proceed"},
    {"About OLVEX", {{kMain, "about..."}}, {"close"}, "close"},
    {"Fog Tuner", {{kMain, "edit..."}}, {}, "Hard Clipping range:", true},
    {"Secret level conditions",
     {{kMain, "Extend tomb4.exe size"}, {kMain, "Enable bonus level workaround"}, {kMain, "conditions..."}},
     {"Distance travelled (m):", "100000"}, "Hard Clipping range:", true},
};

void PrintTo(const Window& w, std::ostream* os) { *os << w.caption; }

class WindowsOnScreen : public ProgramTest, public ::testing::WithParamInterface<Window> {};

TEST_P(WindowsOnScreen, OpenPaintedAndClose) {
  const Window& w = GetParam();
  run([&] {
    mainWindow();
    for (const Click& c : w.opening) clickText(c.window, c.text);
    Shot shot = expectPainted(w.caption);
    for (const char* text : w.texts) EXPECT_TRUE(shot.shows(text)) << text;
    clickText(w.popup ? kMain : w.caption, w.close);
    waitClosed(w.caption);
  });
}

INSTANTIATE_TEST_SUITE_P(, WindowsOnScreen, ::testing::ValuesIn(kWindows), [](const auto& info) {
  std::string name = info.param.caption;
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
});

// The splash shows "LOADING" on its grey through the start-up (held up here by the start-up's
// message) and goes once the main window is up.
TEST_F(ProgramTest, SplashShowsLoadingOnItsGreyDuringStartUp) {
  run([&] {
    Shot splash = expectPainted("OLVEX Splash Screen");
    EXPECT_TRUE(splash.shows("LOADING"));
    const auto& rgb = splash.screen.rgb;  // the start-up's message may cover part of it
    auto visible = rgb.size() - std::count(rgb.begin(), rgb.end(), Pixels::kHidden);
    EXPECT_GT(std::count(rgb.begin(), rgb.end(), 0xE0E0E0u), static_cast<long>(visible / 2));
    mainWindow();
    waitClosed("OLVEX Splash Screen");
  });
}

}  // namespace
}  // namespace olvex::test::x
