#pragma once
// A window with every control kind, each of whose events is counted.
#include <map>
#include <string>
#include <vector>

#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::test {

struct SampleForm : ui::Form {
  SampleForm() : Form("SampleForm") {}

  ui::Label label{*this, "Label1"};
  ui::TextBox text{*this, "Text1"};
  ui::TextBox memo{*this, "Text2"};
  ui::CheckBox check{*this, "Check1"};
  ui::Frame frame{*this, "Frame1"};
  ui::ControlArray<ui::OptionButton> option{*this, "Option1"};
  ui::CommandButton button{*this, "Command1"};
  ui::ComboBox combo{*this, "Combo1"};
  ui::ComboBox dropList{*this, "Combo2"};
  ui::ListBox list{*this, "List1"};
  ui::ListBox checks{*this, "List2"};
  ui::PictureBox picture{*this, "Picture1"};
  ui::Image image{*this, "Image1"};
  ui::Shape shape{*this, "Shape1"};
  ui::Line line{*this, "Line1"};
  ui::HScrollBar scroll{*this, "HScroll1"};
  ui::Timer timer{*this, "Timer1"};

  std::map<std::string, int> events;  // "Name_Event" -> count
  std::vector<ui::MouseEvent> mice;    // MouseDown on Picture1 and the form
  std::vector<int> itemChecks;

  void count(const std::string& e) { ++events[e]; }

 protected:
  void load() override {
    setCaption("Sample");
    move(600, 450, 9000, 7500);
    label.move(120, 120, 1500, 300);
    label.setCaption("Name:");
    label.onClick = [this] { count("Label1_Click"); };
    text.move(1800, 120, 2400, 330);
    text.onChange = [this] { count("Text1_Change"); };
    text.onKeyPress = [](int& k) {
      if ((k >= 'a' && k <= 'z') || (k >= 'A' && k <= 'Z')) k = 0;
    };
    text.onGotFocus = [this] { count("Text1_GotFocus"); };
    text.onLostFocus = [this] { count("Text1_LostFocus"); };
    memo.setMultiLine(true);
    memo.move(120, 600, 4000, 1200);
    memo.onChange = [this] { count("Text2_Change"); };
    check.move(4500, 120, 1800, 300);
    check.setCaption("Check");
    check.onClick = [this] { count("Check1_Click"); };
    frame.move(4500, 600, 3000, 1500);
    frame.setCaption("Options");
    for (int i : {0, 1, 2}) {
      auto& o = option.add(i);
      o.setContainer(&frame);
      o.move(150, 300 + 360 * i, 2000, 300);
      o.setCaption("Option " + std::to_string(i));
    }
    option[0].setValue(true);
    option.onClick = [this](int i) { count("Option1_Click(" + std::to_string(i) + ")"); };
    button.move(120, 2000, 1200, 400);
    button.setCaption("&Go");
    button.onClick = [this] { count("Command1_Click"); };
    combo.move(1500, 2000, 2000, 315);
    for (auto s : {"alpha", "beta", "gamma"}) combo.addItem(s);
    combo.onClick = [this] { count("Combo1_Click"); };
    combo.onChange = [this] { count("Combo1_Change"); };
    dropList.setStyle(ui::ComboBox::Style::DropDownList);
    dropList.move(3700, 2000, 2000, 315);
    for (auto s : {"one", "two", "three"}) dropList.addItem(s);
    dropList.setListIndex(0);
    dropList.onClick = [this] { count("Combo2_Click"); };
    list.move(120, 2600, 2000, 1500);
    for (auto s : {"red", "green", "blue"}) list.addItem(s);
    list.onClick = [this] { count("List1_Click"); };
    checks.setCheckBoxes(true);
    checks.move(2300, 2600, 2000, 1500);
    for (auto s : {"north", "south"}) checks.addItem(s);
    checks.onItemCheck = [this](int i) { itemChecks.push_back(i); };
    picture.move(4500, 2600, 1500, 1500);
    picture.canvas().resize(100, 100, ui::rgb(255, 255, 255));
    picture.onMouseDown = [this](const ui::MouseEvent& e) { mice.push_back(e); };
    picture.onClick = [this] { count("Picture1_Click"); };
    image.move(6200, 2600, 600, 600);
    shape.move(6200, 3300, 600, 600);
    shape.setShape(ui::Shape::Kind::Oval);
    line.setPoints(120, 4300, 3000, 4300);
    scroll.move(120, 4500, 3000, 255);
    scroll.setRange(0, 100);
    scroll.setSteps(1, 10);
    scroll.onChange = [this] { count("HScroll1_Change"); };
    scroll.onScroll = [this] { count("HScroll1_Scroll"); };
    timer.onTimer = [this] { count("Timer1_Timer"); };
    onMouseDown = [this](const ui::MouseEvent& e) { mice.push_back(e); };
  }
};

}  // namespace olvex::test
