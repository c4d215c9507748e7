#include "shell/unload_all.h"

#include <string_view>

#include "ui/form.h"

namespace olvex::shell {

namespace {

// The shutdown order, by window name: every window of the program, the main window near the end.
// Names of windows that are not loaded are skipped.
constexpr std::string_view kShutdownOrder[] = {
    "ParamList", "FEditor",     "SLevelConditions", "FLAbout",
    "RTEditor",  "FLListCmd",   "PuzzleConf",       "Splash",
    "Guide",     "patches",     "patchesConf",      "CustCredits",
    "CustPhys",  "CustObj",     "CustLaraHP",       "CustLimits",
    "CustBars",  "CustSnd",     "CustCamera",       "CustFonts",
    "CustGfx",   "CustGfx2",    "CustLite",         "CustInv",
    "CustEnemy", "CustWeapons", "fogtuner",         "Form2",
    "Form1",     "Form3",
};

bool running = false;

}  // namespace

void UnloadAll() {
  if (running) return;
  running = true;
  struct Done {
    ~Done() { running = false; }
  } done;
  for (std::string_view name : kShutdownOrder) {
    for (ui::Form* f : ui::Forms::all()) {
      if (f->name() != name) continue;
      f->unload();
      break;
    }
  }
}

}  // namespace olvex::shell
