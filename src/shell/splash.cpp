#include "shell/splash.h"

#include <exception>

#include "shell/form1.h"
#include "shell/run_status.h"
#include "shell/unload_all.h"
#include "ui/host.h"

namespace olvex::shell {

Splash::Splash() : Form("Splash") {
  setCaption("OLVEX Splash Screen");
  setBackColor(0xE0E0E0);
  resize(4200, 1500);
  Label1.setCaption("LOADING");
  Label1.setAlignment(ui::Align::Center);
  Label1.setTransparent(true);
  Label1.setFont(ui::Font{"MS Sans Serif", 18, true});
  Label1.move(120, 360, 3840, 480);
  Timer1.setInterval(10);
  Timer1.onTimer = [this] { firstTick(); };
}

// Builds and shows the main window once; its Load is the whole start-up. The timer stops first,
// so nothing the start-up yields to can tick it again. A start-up that fails ends the run.
void Splash::firstTick() {
  Timer1.setEnabled(false);
  try {
    ui::Forms::get<Form1>().show();
  } catch (const std::exception&) {
    ui::msgBox("Error loading patcher. Possible cause: wrong config/executable or program error.");
    NoteExitStatus(ExitStatus::StartUpFailed);
    UnloadAll();
  }
}

}  // namespace olvex::shell
