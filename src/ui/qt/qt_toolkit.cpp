#include "ui/qt/qt_toolkit.h"

#include "ui/lazy_host.h"

namespace olvex::ui::qt {

QtToolkit::QtToolkit(int& argc, char** argv) {
  if (!displayAvailable() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!QCoreApplication::instance()) app_ = std::make_unique<QApplication>(argc, argv);
  host_ = std::make_unique<QtHost>(*qApp);
}

int QtToolkit::exec() { return QApplication::exec(); }

}  // namespace olvex::ui::qt

olvex::ui::Toolkit* olvex_create_qt_toolkit(int* argc, char** argv) {
  return new olvex::ui::qt::QtToolkit(*argc, argv);
}
