#pragma once
// "GFX customizer": the lightning effect, blood, gun smoke, blend colours, the waterfall scroll
// speed and the sky direction that the GFX1 stage writes.
#include "customizers/frame/dialog.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class CustGfx : public Dialog {
 public:
  CustGfx();

  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};  // 0..37
  ui::TextBox Text2{*this, "Text2"}, Text3{*this, "Text3"}, Text4{*this, "Text4"},
      Text5{*this, "Text5"}, Text6{*this, "Text6"}, Text7{*this, "Text7"}, Text8{*this, "Text8"},
      Text9{*this, "Text9"}, Text10{*this, "Text10"}, Text11{*this, "Text11"},
      Text12{*this, "Text12"}, Text13{*this, "Text13"}, Text14{*this, "Text14"};
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"},
      Check4{*this, "Check4"}, Check5{*this, "Check5"};
  ui::Shape Shape2{*this, "Shape2"}, Shape4{*this, "Shape4"}, Shape7{*this, "Shape7"},
      Shape9{*this, "Shape9"}, Shape10{*this, "Shape10"}, Shape11{*this, "Shape11"},
      Shape12{*this, "Shape12"}, Shape14{*this, "Shape14"}, Shape15{*this, "Shape15"};
  ui::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"},
      Frame4{*this, "Frame4"}, Frame5{*this, "Frame5"};
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"};
};

// Its settings keys, scope "gfx" (keys.cpp).
void RegisterGfxKeys();
// GFX1 (stage.cpp).
void WriteGfx1(platform::RandomAccessFile& file);
// Keys, the GFX1 stage and the main window's "GFX 1..." button.
void InstallGfxDialog();

}  // namespace olvex::customizers
