#pragma once
// The health and damage dialog: the damage each enemy kind deals, a few enemy attack values, the
// health drain in hazards and the SAS grenade fix with its damage, threshold and two options. Its
// "customize limits..." opens the limits dialog.
#include "customizers/frame/dialog.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class CustLaraHP : public Dialog {
 public:
  CustLaraHP();

  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};  // 0..27: signed bytes unless noted
  ui::ControlArray<ui::TextBox> Text2{*this, "Text2"};  // 5..8: 5 a hex word, the others signed words
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"}, Check4{*this, "Check4"};
  ui::Label Label3{*this, "Label3"};  // "Damage / threshold:"
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};
  ui::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"};
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"}, Command5{*this, "Command5"};

  // The main window's "Extend tomb4.exe size" changed: "blow-up fatality" needs it and the fix.
  void extendedChanged(bool extended);

 private:
  void followSasFix();
};

// Its settings keys, scope "larahp" (keys.cpp).
void RegisterHealthKeys();
// DAMAGE (stage.cpp).
void WriteDamage(platform::RandomAccessFile& file);
// Keys, the DAMAGE stage, the main window's "damage \ HP..." button and the
// extended-executable option.
void InstallHealthDialog();

}  // namespace olvex::customizers
