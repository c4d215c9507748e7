#include "ui/qt/qt_toolkit.h"

#include <clocale>

#include "ui/lazy_host.h"

namespace olvex::ui::qt {

QtToolkit::QtToolkit(int& argc, char** argv) {
  if (!displayAvailable() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!QCoreApplication::instance()) app_ = std::make_unique<QApplication>(argc, argv);
  // The application object set the C library's locale from the user's environment. Qt formats
  // its numbers with QLocale, not the C library, so the numbers go back to "C": anything in the
  // process that prints or reads one through the C library does so as in a silent run, which
  // never starts Qt. The character set (LC_CTYPE) stays the user's, for the libraries beneath
  // the toolkit that decode text with it; the program's own case rules never use it.
  std::setlocale(LC_NUMERIC, "C");
  host_ = std::make_unique<QtHost>(*qApp);
}

int QtToolkit::exec() { return QApplication::exec(); }

}  // namespace olvex::ui::qt

olvex::ui::Toolkit* olvex_create_qt_toolkit(int* argc, char** argv) {
  return new olvex::ui::qt::QtToolkit(*argc, argv);
}
