#pragma once
// The sound dialog: audio track numbers of special situations, the looped-track range, the track
// limit extension, two replaceable sound IDs, the sample memory, the ricochet sound and the
// overall sample rate.
#include "customizers/frame/dialog.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class CustSnd : public Dialog {
 public:
  CustSnd();

  // 0 looped-track marker, 1 the sample rate read-out, 2 inside jeep, 3 outside jeep, 4 secret
  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};
  ui::ControlArray<ui::TextBox> Text5{*this, "Text5"};  // 0 no ammo, 18 being hit: sound IDs
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"}, Check4{*this, "Check4"},
      Check5{*this, "Check5"}, Check6{*this, "Check6"}, Check7{*this, "Check7"}, Check8{*this, "Check8"},
      Check9{*this, "Check9"};
  ui::HScrollBar HScroll3{*this, "HScroll3"};
  ui::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"};
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"};

  // The main window's "Extend tomb4.exe size" changed: the ricochet sound and the sample rate
  // need it.
  void extendedChanged(bool extended);

 private:
  void leaveTrack(ui::TextBox& box);
};

// Its settings keys, scope "sound" (keys.cpp).
void RegisterSoundKeys();
// SOUND (stage.cpp).
void WriteSound(platform::RandomAccessFile& file);
// Keys, the SOUND stage, the main window's "sound..." button and the extended-executable option.
void InstallSoundDialog();

}  // namespace olvex::customizers
