#pragma once
// "Bar customizer": colours, sizes, positions, hiding and animation of the health, air, sprint
// and loading bars, the option screen's volume bars, the border colour, the blink interval of
// critical bars and the style of static bars, with a blinking preview of the poisoned health bar.
#include "customizers/frame/dialog.h"
#include "ui/control_array.h"
#include "ui/controls.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class CustBars : public Dialog {
 public:
  CustBars();

  // One tick of the poisoned health bar preview.
  void poisonTick();

  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};  // colour components 0..50
  ui::ControlArray<ui::TextBox> Text2{*this, "Text2"};  // sizes, positions, blink interval 0..11
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"},
      Check4{*this, "Check4"};  // hide health, air, sprint, loading
  ui::CheckBox Check5{*this, "Check5"}, Check6{*this, "Check6"},
      Check7{*this, "Check7"};  // animated health, air, sprint
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};  // static bars style
  ui::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"},
      Frame4{*this, "Frame4"}, Frame5{*this, "Frame5"}, Frame6{*this, "Frame6"},
      Frame7{*this, "Frame7"}, Frame8{*this, "Frame8"};
  // Colour swatches; Shape13 is the poisoned preview, Shape25 the border's outline.
  ui::Shape Shape4{*this, "Shape4"}, Shape5{*this, "Shape5"}, Shape6{*this, "Shape6"},
      Shape7{*this, "Shape7"}, Shape8{*this, "Shape8"}, Shape9{*this, "Shape9"},
      Shape10{*this, "Shape10"}, Shape11{*this, "Shape11"}, Shape13{*this, "Shape13"},
      Shape15{*this, "Shape15"}, Shape16{*this, "Shape16"}, Shape17{*this, "Shape17"},
      Shape19{*this, "Shape19"}, Shape20{*this, "Shape20"}, Shape21{*this, "Shape21"},
      Shape22{*this, "Shape22"}, Shape24{*this, "Shape24"}, Shape25{*this, "Shape25"};
  // The style samples: Image2 normal, Image1 gradient (TR5-like), Image3 gradient (flat), all
  // hidden; Image4 shows the chosen one.
  ui::Image Image1{*this, "Image1"}, Image2{*this, "Image2"}, Image3{*this, "Image3"},
      Image4{*this, "Image4"};
  ui::Timer Timer1{*this, "Timer1"};  // the poisoned preview
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"},
      Command4{*this, "Command4"};  // apply, defaults, ?
  ui::ControlArray<ui::Label> Caption{*this, "Caption"};  // the captions beside the fields

 private:
  void drawSamples();
  bool poisonPhase_ = false;  // the next tick shows the poisoned colour
};

// Its settings keys, scope "bars" (keys.cpp).
void RegisterBarsKeys();
// BARS (stage.cpp).
void WriteBars(platform::RandomAccessFile& file);
// Keys, the BARS stage and the main window's "bars..." button.
void InstallBarsDialog();

}  // namespace olvex::customizers
