// The program's start-up as main() runs it, ending the process as soon as the main window is
// shown and painted: the whole process's time is the start-up's. Offscreen counts as a screen
// here, so the main window is shown as on a display.
#include <cstdlib>

#include "app/modules.h"
#include "app/toolkit_loader.h"
#include "shell/form1.h"
#include "shell/silent_request.h"
#include "shell/splash.h"
#include "ui/form.h"
#include "ui/lazy_host.h"

namespace {

class ProbeHost : public olvex::ui::LazyHost {
 public:
  using LazyHost::LazyHost;
  bool hasScreen() override { return true; }
  void show(olvex::ui::Form& f, bool modal) override {
    LazyHost::show(f, modal);
    if (dynamic_cast<olvex::shell::Form1*>(&f)) {
      yield();  // its first paint
      std::_Exit(0);
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  ProbeHost host(olvex::app::QtToolkitLoader(OLVEX_QT_MODULE, argc, argv));
  olvex::app::InstallModules();
  if (!olvex::shell::SilentRunRequested()) host.realize();
  olvex::ui::Forms::get<olvex::shell::Splash>().show();
  host.exec();
  return 1;  // the main window was never shown
}
