#pragma once
// One QApplication for the whole run (offscreen unless the caller chose a platform) and a
// fixture that installs a fresh QtHost per test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <memory>

#include "ui/qt/qt_host.h"

namespace olvex::test {

inline QApplication& qtApp() {
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "olvex_ui_qt_tests";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);  // lives to the end of the process
  }();
  return *app;
}

// Delivers posted events, deferred deletes included.
inline void settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

class QtHostTest : public ::testing::Test {
 protected:
  QtHostTest() : host(std::make_unique<ui::qt::QtHost>(qtApp())) {}
  ~QtHostTest() override {
    host.reset();
    settle();
  }
  std::unique_ptr<ui::qt::QtHost> host;
};

}  // namespace olvex::test
