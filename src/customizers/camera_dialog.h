#pragma once
// The camera dialog: distances, heights and follow speed of the game camera, an optional field of
// view, the unified battle camera and the free camera's two switches.
#include "customizers/dialog.h"

namespace olvex::customizers {

class CustCamera : public Dialog {
 public:
  CustCamera();

  // 0 look and battle distance, 1 follow speed, 2 distance, 3 field of view, 4 top, 5 battle top
  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check9{*this, "Check9"}, Check10{*this, "Check10"};
  ui::Frame Frame1{*this, "Frame1"};
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"};
};

void RegisterCameraKeys();

}  // namespace olvex::customizers
