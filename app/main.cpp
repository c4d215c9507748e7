// The program: the Qt host, the settings keys of every window, and the splash window, whose
// first timer tick runs the start-up.
#include <QApplication>

#include "draco/draco_hooks.h"
#include "shell/main_keys.h"
#include "shell/shared_keys.h"
#include "shell/splash.h"
#include "ui/form.h"
#include "ui/qt/qt_host.h"

namespace {

void registerSettingsKeys() {
  olvex::shell::RegisterSharedKeys();
  olvex::shell::RegisterMainKeys();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  olvex::ui::qt::QtHost host(app);
  registerSettingsKeys();
  olvex::draco::InstallDracoHooks();
  olvex::ui::Forms::get<olvex::shell::Splash>().show();
  return app.exec();
}
