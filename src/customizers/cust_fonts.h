#pragma once
// "Text customizer": the colours of four fonts, the main menu's text effects and alignment, the
// legend's display time with its preview, and the game window's title.
#include <string>

#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::customizers {

class CustFonts : public ui::Form {
 public:
  CustFonts();

  // The texts of the alignment list's entries 0, 1, 2, by which the pass turns the list's text
  // into the alignment.
  const std::string AlignLeft = "left", AlignCenter = "center", AlignRight = "right";

  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};    // 0..28 numbers, 29 the window title
  ui::ControlArray<ui::ComboBox> Combo1{*this, "Combo1"};  // (0): main menu alignment
};

}  // namespace olvex::customizers
