#pragma once
// The traps and objects dialog: timings, speeds, sizes and switches of spikes, the raising block,
// the two- and one-block platforms, the falling block, squishy block 2, darts, the boulder, the
// slicer-dicer and the conductor.
#include "customizers/frame/dialog.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class CustObj : public Dialog {
 public:
  CustObj();

  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};  // 0..23, decimal numbers
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};
  // 1, 4 two-block inversions, 5 its visibility fix; 2 "more", 3 "no any" of squishy block 2;
  // 6 the linked fake height; 10 the one-block platform, 9 and 8 its inversions, 7 its fix.
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"}, Check4{*this, "Check4"},
      Check5{*this, "Check5"}, Check6{*this, "Check6"}, Check7{*this, "Check7"}, Check8{*this, "Check8"},
      Check9{*this, "Check9"}, Check10{*this, "Check10"};
  ui::Shape Shape7{*this, "Shape7"};  // the darts' colour
  ui::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"}, Frame4{*this, "Frame4"},
      Frame5{*this, "Frame5"}, Frame6{*this, "Frame6"}, Frame7{*this, "Frame7"}, Frame8{*this, "Frame8"};
  ui::CommandButton Command2{*this, "Command2"}, Command3{*this, "Command3"}, Command4{*this, "Command4"};

  // The main window's "Extend tomb4.exe size" changed: the one-block platform lives in the
  // extended area.
  void extendedChanged(bool extended);
  // Without "more" the squishy block's timer is one byte: a larger value becomes the largest.
  void holdSquishyTimer();

 private:
  void followOneBlock();
  void limitSquishyTimer();

  bool extended_ = false;
};

// The squishy block's timer is one byte unless "more" makes it a word.
inline constexpr int kSquishyByteTimer = 127;

// Its settings keys, scope "obj" (keys.cpp).
void RegisterObjectKeys();
// TRAP (stage.cpp).
void WriteTraps(platform::RandomAccessFile& file);
// Keys, the TRAP stage, the main window's "objects..." button and the extended-executable option.
void InstallObjectsDialog();

}  // namespace olvex::customizers
