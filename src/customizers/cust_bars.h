#pragma once
// "Bar customizer": colours, sizes, positions, hiding and animation of the health, air, sprint
// and loading bars, the option screen's volume bars, the border colour, the blink interval of
// critical bars and the style of static bars.
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::customizers {

class CustBars : public ui::Form {
 public:
  CustBars();

  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};  // colour components 0..50
  ui::ControlArray<ui::TextBox> Text2{*this, "Text2"};  // sizes, positions, blink interval 0..11
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"},
      Check4{*this, "Check4"};  // hide health, air, sprint, loading
  ui::CheckBox Check5{*this, "Check5"}, Check6{*this, "Check6"},
      Check7{*this, "Check7"};  // animated health, air, sprint
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};  // static bars style
};

}  // namespace olvex::customizers
