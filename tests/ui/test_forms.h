#pragma once
// Small forms the window-layer tests drive.
#include <string>
#include <vector>

#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::test {

struct EventLog {
  std::vector<std::string> events;
  void add(std::string e) { events.push_back(std::move(e)); }
};

inline EventLog& log() {
  static EventLog l;
  return l;
}

class SampleForm : public ui::Form {
 public:
  SampleForm() : Form("SampleForm") {
    setCaption("Sample");
    Text1.setText("designer");
    Check1.onClick = [] { log().add("Check1_Click"); };
    Text1.onChange = [] { log().add("Text1_Change"); };
    Text1.onLostFocus = [this] {
      log().add("Text1_LostFocus");
      if (Text1.text().empty()) Text1.setFocus();  // a required field
    };
    Text2.onGotFocus = [] { log().add("Text2_GotFocus"); };
    Text2.onLostFocus = [] { log().add("Text2_LostFocus"); };
    Option1.onClick = [] { log().add("Option1_Click"); };
    Option2.onClick = [] { log().add("Option2_Click"); };
    Combo1.onClick = [] { log().add("Combo1_Click"); };
    Combo1.onChange = [] { log().add("Combo1_Change"); };
    List1.onItemCheck = [](int i) { log().add("List1_ItemCheck " + std::to_string(i)); };
    Scroll1.onChange = [] { log().add("Scroll1_Change"); };
    Boxes.add(0);
    Boxes.add(2);  // index 1 is a hole
    Boxes.onChange = [](int i) { log().add("Boxes_Change " + std::to_string(i)); };
    Timer1.onTimer = [] { log().add("Timer1_Timer"); };
    onUnload = [] { log().add("SampleForm_Unload"); };
  }
  void load() override { log().add("SampleForm_Load"); }

  ui::TextBox Text1{*this, "Text1"};
  ui::TextBox Text2{*this, "Text2"};
  ui::CheckBox Check1{*this, "Check1"};
  ui::OptionButton Option1{*this, "Option1"};
  ui::OptionButton Option2{*this, "Option2"};
  ui::Frame Frame1{*this, "Frame1"};
  ui::ComboBox Combo1{*this, "Combo1"};
  ui::ListBox List1{*this, "List1"};
  ui::HScrollBar Scroll1{*this, "Scroll1"};
  ui::Timer Timer1{*this, "Timer1"};
  ui::ControlArray<ui::TextBox> Boxes{*this, "Boxes"};
};

}  // namespace olvex::test
