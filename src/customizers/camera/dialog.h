#pragma once
// The camera dialog: distances, heights and follow speed of the game camera, an optional field of
// view, the unified battle camera and the free camera's two switches.
#include "customizers/frame/dialog.h"

namespace olvex::platform {
class RandomAccessFile;
}

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

// Its settings keys, scope "camera" (keys.cpp).
void RegisterCameraKeys();
// CAMERA (stage.cpp).
void WriteCamera(platform::RandomAccessFile& file);
// Keys, the CAMERA stage, the main window's "camera..." button and the free camera
// switches the main stage reads.
void InstallCameraDialog();

}  // namespace olvex::customizers
