#pragma once
// The physics dialog: the character's turn rates and speeds as four-digit hex words, three
// gravity and damage numbers and three switches. Eight knobs each set a pair of turn rates at
// once; five selector pictures choose which of two pairs their knob writes.
#include <array>
#include <string>

#include "customizers/frame/dialog.h"
#include "ui/round_slider.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

// The pair of turn rates a knob value writes: left (negative) and right (positive), four hex
// digits each. The smallest rate is at 4000; turning either way from there raises it.
struct TurnPair {
  std::string left, right;
};
TurnPair KnobTurnPair(int value);

class CustPhys : public Dialog {
 public:
  CustPhys();

  ui::ControlArray<ui::TextBox> Text2{*this, "Text2"};  // turn rates and swim speed, hex words
  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};  // 1 shell gravity, 2 jump gravity, 3 falling damage
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"};
  ui::vbkRoundSlider vbkRoundSlider1{*this, "vbkRoundSlider1"}, vbkRoundSlider2{*this, "vbkRoundSlider2"},
      vbkRoundSlider3{*this, "vbkRoundSlider3"}, vbkRoundSlider4{*this, "vbkRoundSlider4"},
      vbkRoundSlider5{*this, "vbkRoundSlider5"}, vbkRoundSlider7{*this, "vbkRoundSlider7"},
      vbkRoundSlider8{*this, "vbkRoundSlider8"}, vbkRoundSlider9{*this, "vbkRoundSlider9"};
  // Picture2 and Image2 move the focus to the swim speed and the jump gravity; Picture3 to
  // Picture7 are the selectors.
  ui::PictureBox Picture2{*this, "Picture2"}, Picture3{*this, "Picture3"}, Picture4{*this, "Picture4"},
      Picture5{*this, "Picture5"}, Picture6{*this, "Picture6"}, Picture7{*this, "Picture7"};
  ui::Image Image2{*this, "Image2"};
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};
  ui::CommandButton Command2{*this, "Command2"}, Command3{*this, "Command3"};

  // Whether selector Picture3 .. Picture7 (index 0 .. 4) is on.
  bool selectorOn(int selector) const { return selectors_[static_cast<std::size_t>(selector)]; }

 protected:
  void load() override;

 private:
  void knobChanged(int knob, int value);
  void flipSelector(int selector);
  void showSelector(int selector);

  std::array<bool, 5> selectors_{};
};

// Its settings keys, scope "physics" (keys.cpp).
void RegisterPhysicsKeys();
// PHYSICS (stage.cpp).
void WritePhysics(platform::RandomAccessFile& file);
// Keys, the PHYSICS stage and the main window's "physics..." button.
void InstallPhysicsDialog();

}  // namespace olvex::customizers
