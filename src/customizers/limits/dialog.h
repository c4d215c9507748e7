#pragma once
// The limits dialog: the maxima of the health, air and sprint bars with the multipliers and
// shifts the game scales them by, the medkit limit, the critical thresholds, the air restoration
// and the bike nitro drain. A group's recalculate button derives its multiplier and shift from
// its maximum; a key pressed in a maximum turns that button light red until it is used.
#include "customizers/frame/dialog.h"
#include "customizers/limits/bar_range.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class CustLimits : public Dialog {
 public:
  CustLimits();

  ui::ControlArray<ui::TextBox> Text2{*this, "Text2"};  // 0..13
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"}, Command3{*this, "Command3"},
      Command4{*this, "Command4"}, Command5{*this, "Command5"};
  ui::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"};
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};

  // A recalculate button: the maximum corrected with its message, then the shift and the
  // multiplier; the button turns white again.
  void recalculate(Bar bar);
  // "defaults" also whitens the health button (the others keep their colour).
  void defaults() override;

 private:
  ui::CommandButton& buttonOf(Bar bar);
};

// Its settings keys, scope "limits" (keys.cpp).
void RegisterLimitsKeys();
// LIMITS (stage.cpp).
void WriteLimits(platform::RandomAccessFile& file);
// Keys and the LIMITS stage (the health dialog opens the dialog).
void InstallLimitsDialog();

}  // namespace olvex::customizers
