#pragma once
// Every window of the program and the clicks that open it, from the main window on.
#include <ostream>
#include <vector>

#include "program_fixture.h"

namespace olvex::test::x {

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

inline const Window kWindows[] = {
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

inline void PrintTo(const Window& w, std::ostream* os) { *os << w.caption; }

}  // namespace olvex::test::x
