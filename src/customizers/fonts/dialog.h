#pragma once
// "Text customizer": the colours of four fonts, the main menu's text effects and alignment, the
// legend's display time with its preview, and the game window's title. "credits..." opens the
// credits editor.
#include <string>

#include "customizers/frame/dialog.h"
#include "ui/control_array.h"
#include "ui/controls.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class CustFonts : public Dialog {
 public:
  CustFonts();

  // The texts of the alignment list's entries 0, 1, 2, by which the pass turns the list's text
  // into the alignment.
  const std::string AlignLeft = "left", AlignCenter = "center", AlignRight = "right";

  // One tick of the legend preview.
  void legendTick();

  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};    // 0..28 numbers, 29 the window title
  ui::ControlArray<ui::ComboBox> Combo1{*this, "Combo1"};  // (0): main menu alignment
  ui::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"},
      Frame4{*this, "Frame4"}, Frame5{*this, "Frame5"};  // four fonts, text effects
  ui::Shape Shape2{*this, "Shape2"}, Shape4{*this, "Shape4"}, Shape5{*this, "Shape5"},
      Shape6{*this, "Shape6"}, Shape8{*this, "Shape8"}, Shape9{*this, "Shape9"},
      Shape12{*this, "Shape12"}, Shape13{*this, "Shape13"};  // colour swatches
  ui::Label Label19{*this, "Label19"};  // the legend preview's test string
  ui::Timer Timer2{*this, "Timer2"};    // drives the legend preview
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"},
      Command3{*this, "Command3"}, Command18{*this, "Command18"};  // apply, defaults, credits, test
  ui::ControlArray<ui::Label> Caption{*this, "Caption"};  // the captions beside the fields

 private:
  int legendTicks_ = 0;  // wide enough for any legend time a config holds
};

// Its settings keys, scope "fonts" (keys.cpp).
void RegisterFontsKeys();
// FONTS (stage.cpp).
void WriteFonts(platform::RandomAccessFile& file);
// Keys, the FONTS stage and the main window's "font \ text..." button.
void InstallFontsDialog();

}  // namespace olvex::customizers
