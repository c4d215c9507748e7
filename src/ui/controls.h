#pragma once
// Every control kind the windows use. A write from code raises the same events as the user's
// edit, and nothing when the value does not change.
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/control.h"

namespace olvex::ui {

enum class Align { Left = 0, Right = 1, Center = 2 };

class Label : public Control {
 public:
  Label(Form& f, std::string name, int index = -1) : Control(f, ControlKind::Label, std::move(name), index) {}
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
  Align alignment() const { return align_; }
  void setAlignment(Align a);
  bool transparent() const { return transparent_; }
  void setTransparent(bool t);
 private:
  std::string caption_;
  Align align_ = Align::Left;
  bool transparent_ = false;
};

// Single or multi-line text. Typed and pasted characters pass the KeyPress filter; a multi-line
// box holds CR LF line ends.
class TextBox : public Control {
 public:
  TextBox(Form& f, std::string name, int index = -1);
  const std::string& text() const { return text_; }
  void setText(std::string t);  // Change when the text differs
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool m);
  int maxLength() const { return maxLength_; }  // 0: no limit
  void setMaxLength(int n);
  bool locked() const { return locked_; }
  void setLocked(bool l);
  int selStart() const { return selStart_; }
  int selLength() const { return selLength_; }
  void setSelection(int start, int length);
  bool canTakeFocus() const override { return true; }

  // The user types one key (8 is Backspace) or pastes text at the selection. Each character
  // passes KeyPress first; a key code of 0 afterwards swallows it.
  void typeKey(int key);
  void typeText(const std::string& s);
  void paste(const std::string& s);
  // The user makes an edit that types no character (Delete, cut, undo): KeyPress sees it as
  // Backspace first. True when the view may make it; false when KeyPress swallowed it, or made
  // another key of it, which is typed instead.
  bool userEdit();
  // A key was released in the box (key code as for Form::userKeyDown).
  void userKeyUp(int keyCode);

  // Line queries of a multi-line box; lines are separated by CR LF, numbered from 0, and
  // character positions are 0-based. The lines themselves: BoxLines (box_lines.h).
  int lineCount() const;
  int lineFromChar(int charPos) const;  // -1: the caret's position

  std::function<void()> onChange;
  std::function<void(int&)> onKeyPress;
  std::function<void(int)> onKeyUp;

 private:
  bool filter(int& key);
  void typeFiltered(int key);  // a key that passed KeyPress
  void insertAtSelection(const std::string& s);
  std::string text_;
  bool multiLine_ = false;
  int maxLength_ = 0;
  bool locked_ = false;
  int selStart_ = 0, selLength_ = 0;
};

// 0 unchecked, 1 checked, 2 grey. Click runs on every change of the value.
class CheckBox : public Control {
 public:
  CheckBox(Form& f, std::string name, int index = -1) : Control(f, ControlKind::CheckBox, std::move(name), index) {}
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
  int value() const { return value_; }
  void setValue(int v);
  void userClick() override;  // 0 -> 1, otherwise -> 0
  bool canTakeFocus() const override { return true; }
 private:
  std::string caption_;
  int value_ = 0;
};

// Option buttons with the same container form one group: selecting one clears the others.
class OptionButton : public Control {
 public:
  OptionButton(Form& f, std::string name, int index = -1) : Control(f, ControlKind::OptionButton, std::move(name), index) {}
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
  bool value() const { return value_; }
  void setValue(bool v);  // true: clears the group, then Click
  void userClick() override;
  bool canTakeFocus() const override { return true; }
 private:
  std::string caption_;
  bool value_ = false;
};

class CommandButton : public Control {
 public:
  CommandButton(Form& f, std::string name, int index = -1) : Control(f, ControlKind::CommandButton, std::move(name), index) {}
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
  // The picture the button shows beside its caption; an empty canvas shows none.
  const Canvas& picture() const { return picture_; }
  void setPicture(const Canvas& p);
  void userClick() override;  // Click when enabled
  bool canTakeFocus() const override { return true; }
 private:
  std::string caption_;
  Canvas picture_;
};

class ComboBox : public Control {
 public:
  enum class Style { DropDownCombo = 0, Simple = 1, DropDownList = 2 };
  ComboBox(Form& f, std::string name, int index = -1);
  Style style() const { return style_; }
  void setStyle(Style s);
  int listCount() const { return static_cast<int>(items_.size()); }
  const std::string& list(int i) const;
  void setList(int i, std::string s);  // i == listCount appends
  void addItem(std::string s, int at = -1);
  void removeItem(int i);
  void clear();
  int listIndex() const { return listIndex_; }
  void setListIndex(int i);  // Click when it changes; the text follows
  const std::string& text() const { return text_; }
  // Change when the text differs. The list index follows an exactly matching item (a
  // drop-down list only takes a text that is in its list, and raises Click instead).
  void setText(std::string t);
  bool canTakeFocus() const override { return true; }

  // The user types a key (8 is Backspace, 13 Enter): KeyPress sees it first. False when it is
  // swallowed (or the box is disabled); otherwise `key` is what the view types at the caret, or
  // what a drop-down list looks for among its entries. Choosing from the list is not typing.
  bool typeKey(int& key);
  // The characters of pasted text that pass KeyPress, as they are typed: the first line only.
  std::string filterPaste(const std::string& s);

  std::function<void()> onChange;
  std::function<void(int&)> onKeyPress;
 private:
  Style style_ = Style::DropDownCombo;
  std::vector<std::string> items_;
  int listIndex_ = -1;
  std::string text_;
};

class ListBox : public Control {
 public:
  ListBox(Form& f, std::string name, int index = -1);
  bool checkBoxes() const { return checkBoxes_; }
  void setCheckBoxes(bool c);
  int listCount() const { return static_cast<int>(items_.size()); }
  const std::string& list(int i) const;
  void setList(int i, std::string s);
  void addItem(std::string s, int at = -1);
  void removeItem(int i);
  void clear();
  int listIndex() const { return listIndex_; }
  void setListIndex(int i);  // Click when it changes
  // The check mark (or selection) of item i; setting it raises ItemCheck when it changes.
  bool selected(int i) const;
  void setSelected(int i, bool s);
  int topIndex() const { return topIndex_; }
  void setTopIndex(int i);
  bool canTakeFocus() const override { return true; }
  std::function<void(int)> onItemCheck;
 private:
  struct Item { std::string text; bool selected = false; };
  const Item& at(int i) const;
  bool checkBoxes_ = false;
  std::vector<Item> items_;
  int listIndex_ = -1;
  int topIndex_ = 0;
};

// A drawing surface: a picture box can also hold other controls.
class PictureBox : public Control {
 public:
  PictureBox(Form& f, std::string name, int index = -1, ControlKind kind = ControlKind::PictureBox);
  Canvas& canvas() { return canvas_; }
  const Canvas& canvas() const { return canvas_; }
  void repaint();  // the canvas was drawn on: views show it again
  // Writes text (lines split at CR LF) in the control's font and fore colour with its top left
  // corner at the pixel x, y of the canvas.
  void print(int x, int y, const std::string& text);
 private:
  Canvas canvas_;
};

class Image : public PictureBox {
 public:
  Image(Form& f, std::string name, int index = -1) : PictureBox(f, std::move(name), index, ControlKind::Image) {}
  // Images lie beneath the other controls; one set on top (a picture shown over a box) lies above
  // them. Read when the window's view is built.
  bool onTop() const { return onTop_; }
  void setOnTop() { onTop_ = true; }
 private:
  bool onTop_ = false;
};

class Frame : public Control {
 public:
  Frame(Form& f, std::string name, int index = -1) : Control(f, ControlKind::Frame, std::move(name), index) {}
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
 private:
  std::string caption_;
};

class Shape : public Control {
 public:
  enum class Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };
  Shape(Form& f, std::string name, int index = -1) : Control(f, ControlKind::Shape, std::move(name), index) {}
  Kind shape() const { return shape_; }
  void setShape(Kind k);
  bool filled() const { return filled_; }  // solid fill (otherwise transparent)
  void setFilled(bool v);
  Color fillColor() const { return fill_; }
  void setFillColor(Color c);
  Color borderColor() const { return border_; }
  void setBorderColor(Color c);
 private:
  Kind shape_ = Kind::Rectangle;
  bool filled_ = false;
  Color fill_ = 0;
  Color border_ = 0;
};

class Line : public Control {
 public:
  Line(Form& f, std::string name, int index = -1) : Control(f, ControlKind::Line, std::move(name), index) {}
  int x1() const { return x1_; }
  int y1() const { return y1_; }
  int x2() const { return x2_; }
  int y2() const { return y2_; }
  void setPoints(int x1, int y1, int x2, int y2);
  Color borderColor() const { return border_; }
  void setBorderColor(Color c);
 private:
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  Color border_ = 0;
};

class HScrollBar : public Control {
 public:
  HScrollBar(Form& f, std::string name, int index = -1) : Control(f, ControlKind::HScrollBar, std::move(name), index) {}
  int min() const { return min_; }
  int max() const { return max_; }
  void setRange(int min, int max);
  int value() const { return value_; }
  void setValue(int v);  // clamped to the range; Change when it moves
  int smallChange() const { return small_; }
  int largeChange() const { return large_; }
  void setSteps(int small, int large);
  void userScroll(int v);  // dragging the thumb: Scroll, then the value and Change
  bool canTakeFocus() const override { return true; }
  std::function<void()> onChange, onScroll;
 private:
  int min_ = 0, max_ = 32767, value_ = 0, small_ = 1, large_ = 1;
};

// Interval in milliseconds; the host calls tick() while enabled with a non-zero interval.
class Timer : public Control {
 public:
  Timer(Form& f, std::string name, int index = -1);
  ~Timer() override;
  int interval() const { return interval_; }
  void setInterval(int ms);
  void tick();  // runs Timer when enabled and its window is not unloaded
  std::function<void()> onTimer;
 protected:
  void enabledChanged() override;
 private:
  int interval_ = 0;
};

}  // namespace olvex::ui
