// The program: the Qt host, every module installed, and the splash window, whose first timer
// tick runs the start-up.
#include <QApplication>

#include "app/modules.h"
#include "shell/run_status.h"
#include "shell/splash.h"
#include "ui/form.h"
#include "ui/qt/qt_host.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  olvex::ui::qt::QtHost host(app);
  olvex::app::InstallModules();
  olvex::ui::Forms::get<olvex::shell::Splash>().show();
  int loop = app.exec();
  return loop != 0 ? loop : static_cast<int>(olvex::shell::RunExitStatus());
}
