#pragma once
// The first window of a run, centred on the screen: "LOADING" while its timer's first tick builds
// the main window.
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::shell {

class Splash : public ui::Form {
 public:
  Splash();

  ui::Label Label1{*this, "Label1"};
  ui::Timer Timer1{*this, "Timer1"};

 private:
  void firstTick();
};

}  // namespace olvex::shell
