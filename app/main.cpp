// The program: a host that loads the window toolkit only when something must be shown, every
// module installed, and the splash window, whose first timer tick runs the start-up.
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/modules.h"
#include "app/toolkit_loader.h"
#include "shell/run_status.h"
#include "shell/silent_request.h"
#include "shell/splash.h"
#include "ui/form.h"
#include "ui/lazy_host.h"

int main(int argc, char** argv) {
  try {
    olvex::ui::LazyHost host(olvex::app::QtToolkitLoader(olvex::app::QtModuleBesideProgram(), argc, argv));
    olvex::app::InstallModules();
    // A windowed run shows its splash at once; a silent one only if it comes to show something.
    if (!olvex::shell::SilentRunRequested()) host.realize();
    olvex::ui::Forms::get<olvex::shell::Splash>().show();
    int loop = host.exec();
    const int status = loop != 0 ? loop : static_cast<int>(olvex::shell::RunExitStatus());
    // A run that ended without windows has unloaded every form and closed its files: it leaves
    // at once rather than tearing down what it built in memory.
    if (!host.realized()) {
      std::fflush(nullptr);
      std::_Exit(status);
    }
    return status;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "OLVEX: %s\n", e.what());
    return static_cast<int>(olvex::shell::ExitStatus::StartUpFailed);
  }
}
