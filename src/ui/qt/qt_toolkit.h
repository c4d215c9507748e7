#pragma once
// The Qt toolkit: a QApplication (unless one exists already) and the QtHost on it. Where no
// display is configured it runs on the screen-less offscreen platform. The program loads it
// from its module through olvex_create_qt_toolkit.
#include <QApplication>
#include <memory>

#include "ui/qt/qt_host.h"
#include "ui/toolkit.h"

namespace olvex::ui::qt {

class QtToolkit : public Toolkit {
 public:
  QtToolkit(int& argc, char** argv);
  Host& host() override { return *host_; }
  int exec() override;

 private:
  std::unique_ptr<QApplication> app_;
  std::unique_ptr<QtHost> host_;
};

}  // namespace olvex::ui::qt

extern "C" olvex::ui::Toolkit* olvex_create_qt_toolkit(int* argc, char** argv);
