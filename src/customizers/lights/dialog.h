#pragma once
// "Light customizer": effective areas of flashes and flames, the binoculars light, the blend
// intensity of dynamic lights, the flare, the motorbike headlight, the amber light and the
// blinking light that the LIGHT stage writes.
#include "customizers/frame/dialog.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class CustLite : public Dialog {
 public:
  CustLite();

  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};  // 0..13, 24..26
  ui::TextBox Text4{*this, "Text4"};                    // blend intensity read-out
  ui::HScrollBar HScroll4{*this, "HScroll4"};
  ui::ComboBox Combo1{*this, "Combo1"};                 // binoculars light range
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};  // flare colour 0..4
  ui::ControlArray<ui::OptionButton> Option2{*this, "Option2"};  // amber light colour 0..6
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check4{*this, "Check4"},
      Check8{*this, "Check8"};
  ui::Shape Shape11{*this, "Shape11"};
  ui::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"},
      Frame4{*this, "Frame4"}, Frame5{*this, "Frame5"}, Frame6{*this, "Frame6"}, Frame7{*this, "Frame7"};
  ui::Label Label7{*this, "Label7"};  // "amber light"
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"},
      Command3{*this, "Command3"};  // off screen: takes the focus from the option buttons

 protected:
  void load() override;

 private:
  int amberClicks_ = 0;
};

// Its settings keys, scope "lite" (keys.cpp).
void RegisterLightsKeys();
// LIGHT (stage.cpp).
void WriteLight(platform::RandomAccessFile& file);
// Keys, the LIGHT stage, the main window's "lights..." button and the extended-executable option
// that enables "Combine with alarm light".
void InstallLightsDialog();

}  // namespace olvex::customizers
