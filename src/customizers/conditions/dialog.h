#pragma once
// The secret-level conditions: a small borderless pop-up beside the main window's
// "conditions..." button holding what the player must reach for the bonus level (time, distance,
// ammo and medkits used, secrets). It hides when another window is activated, when it is closed
// (Alt+F4) or on Esc, each time after its box's check on leaving; its keys are the main window's.
#include "customizers/frame/dialog.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class SLevelConditions : public Dialog {
 public:
  SLevelConditions();

  ui::ControlArray<ui::TextBox> Text6{*this, "Text6"};  // 0 minutes, 1 seconds
  ui::TextBox Text1{*this, "Text1"};  // distance travelled, metres
  ui::TextBox Text2{*this, "Text2"};  // ammo used
  ui::TextBox Text3{*this, "Text3"};  // medkits used
  ui::TextBox Text5{*this, "Text5"};  // secrets
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};
  ui::Shape Shape1{*this, "Shape1"};

  // Shows the window beside the main window's "conditions..." button.
  void openBeside(const ui::Control& button, const ui::Form& owner);
};

// Its settings keys, the main scope (keys.cpp).
void RegisterConditionsKeys();
// SIZE, after the length change: the bonus-level routine (stage.cpp).
void WriteBonusLevel(platform::RandomAccessFile& file);
// Keys, the bonus-level routine and the main window's "conditions..." button.
void InstallConditionsDialog();

}  // namespace olvex::customizers
