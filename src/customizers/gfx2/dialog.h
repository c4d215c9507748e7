#pragma once
// "GFX customizer 2": the crossbow explosion, ricochet sparkles, animated textures, water
// distortion, flyby bars, underwater dust, fadeouts, mist, the sprinkler and the volumetric fog
// colour table that the GFX2 stage writes.
#include "customizers/frame/dialog.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class CustGfx2 : public Dialog {
 public:
  CustGfx2();

  // The fog unit shown in Combo1 (0 to 27), and its colour loaded into Text1(15..17).
  int unitShown() const;
  void showUnit();

  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};  // 0..42
  ui::ControlArray<ui::TextBox> Text2{*this, "Text2"};  // 1, 3
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"};
  ui::ComboBox Combo1{*this, "Combo1"};  // fog unit "00" .. "27"
  ui::Shape Shape8{*this, "Shape8"}, Shape10{*this, "Shape10"}, Shape11{*this, "Shape11"},
      Shape13{*this, "Shape13"}, Shape14{*this, "Shape14"};
  ui::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"},
      Frame4{*this, "Frame4"}, Frame5{*this, "Frame5"}, Frame6{*this, "Frame6"},
      Frame7{*this, "Frame7"}, Frame8{*this, "Frame8"}, Frame9{*this, "Frame9"},
      Frame10{*this, "Frame10"};
  ui::ControlArray<ui::Label> Label1{*this, "Label1"};
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"},
      Command4{*this, "Command4"};

 private:
  void writeBackUnit();
};

// Its settings keys, scope "gfx2" (keys.cpp).
void RegisterGfx2Keys();
// GFX2 (stage.cpp).
void WriteGfx2(platform::RandomAccessFile& file);
// Keys, the GFX2 stage and the main window's "GFX 2..." button.
void InstallGfx2Dialog();

}  // namespace olvex::customizers
