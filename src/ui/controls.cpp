#include "ui/controls.h"

#include <algorithm>
#include <stdexcept>

#include "ui/form.h"
#include "ui/host.h"
#include "ui/property.h"

namespace olvex::ui {

namespace {
void checkIndex(int i, int count, const std::string& name) {
  if (i < 0 || i >= count) throw std::out_of_range(name + ": list index " + std::to_string(i) + " out of range");
}
}  // namespace

void Label::setCaption(std::string c) { if (assign(caption_, std::move(c))) changed(); }
void Label::setAlignment(Align a) { if (assign(align_, a)) changed(); }
void Label::setTransparent(bool t) { if (assign(transparent_, t)) changed(); }

void CheckBox::setCaption(std::string c) { if (assign(caption_, std::move(c))) changed(); }

void CheckBox::setValue(int v) {
  if (v < 0 || v > 2) throw std::out_of_range(name() + ": check box value must be 0, 1 or 2");
  if (!assign(value_, v)) return;
  changed();
  raise(onClick);
}

void CheckBox::userClick() {
  if (enabled()) setValue(value_ == 0 ? 1 : 0);
}

void OptionButton::setCaption(std::string c) { if (assign(caption_, std::move(c))) changed(); }

void OptionButton::setValue(bool v) {
  if (v == value_) return;
  if (v) {
    for (Control* c : form().controls()) {
      if (c == this || c->kind() != ControlKind::OptionButton || c->container() != container()) continue;
      auto* o = static_cast<OptionButton*>(c);
      if (o->value_) {
        o->value_ = false;
        o->changed();
      }
    }
  }
  value_ = v;
  changed();
  if (v) raise(onClick);
}

void OptionButton::userClick() {
  if (enabled()) setValue(true);
}

void CommandButton::setCaption(std::string c) { if (assign(caption_, std::move(c))) changed(); }

void CommandButton::setPicture(const Canvas& p) {
  picture_ = p;
  changed();
}

void CommandButton::userClick() { Control::userClick(); }

ComboBox::ComboBox(Form& f, std::string name, int index)
    : Control(f, ControlKind::ComboBox, std::move(name), index) {
  setBackColor(kWindowBack);
}

void ComboBox::setStyle(Style s) { if (assign(style_, s)) changed(); }

const std::string& ComboBox::list(int i) const {
  checkIndex(i, listCount(), name());
  return items_[i];
}

void ComboBox::setList(int i, std::string s) {
  if (i == listCount()) {
    addItem(std::move(s));
    return;
  }
  checkIndex(i, listCount(), name());
  if (!assign(items_[i], std::move(s))) return;
  if (i == listIndex_) text_ = items_[i];
  changed();
}

void ComboBox::addItem(std::string s, int at) {
  if (at < 0) at = listCount();
  if (at > listCount()) throw std::out_of_range(name() + ": cannot insert past the end");
  items_.insert(items_.begin() + at, std::move(s));
  if (listIndex_ >= at) ++listIndex_;
  changed();
}

void ComboBox::removeItem(int i) {
  checkIndex(i, listCount(), name());
  items_.erase(items_.begin() + i);
  if (listIndex_ == i) {
    listIndex_ = -1;
    if (style_ == Style::DropDownList) text_.clear();
  } else if (listIndex_ > i) {
    --listIndex_;
  }
  changed();
}

void ComboBox::clear() {
  items_.clear();
  listIndex_ = -1;
  text_.clear();
  changed();
}

void ComboBox::setListIndex(int i) {
  if (i != -1) checkIndex(i, listCount(), name());
  if (i == listIndex_) return;
  listIndex_ = i;
  text_ = i >= 0 ? items_[i] : std::string();
  changed();
  raise(onClick);
}

void ComboBox::setText(std::string t) {
  auto found = std::find(items_.begin(), items_.end(), t);
  int match = found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
  if (style_ == Style::DropDownList) {
    if (match < 0 && !t.empty()) throw std::invalid_argument(name() + ": '" + t + "' is not in the list");
    setListIndex(match);
    return;
  }
  if (t == text_) return;
  text_ = std::move(t);
  listIndex_ = match;
  changed();
  raise(onChange);
}

bool ComboBox::typeKey(int& key) {
  if (!enabled()) return false;
  if (onKeyPress) onKeyPress(key);
  return key != 0;
}

std::string ComboBox::filterPaste(const std::string& s) {
  std::string kept;
  for (unsigned char c : s) {
    if (c == '\r' || c == '\n') break;
    int key = c;
    if (typeKey(key) && key >= 32 && key <= 255) kept += static_cast<char>(key);
  }
  return kept;
}

ListBox::ListBox(Form& f, std::string name, int index)
    : Control(f, ControlKind::ListBox, std::move(name), index) {
  setBackColor(kWindowBack);
}

void ListBox::setCheckBoxes(bool c) { if (assign(checkBoxes_, c)) changed(); }

const ListBox::Item& ListBox::at(int i) const {
  checkIndex(i, listCount(), name());
  return items_[i];
}

const std::string& ListBox::list(int i) const { return at(i).text; }

void ListBox::setList(int i, std::string s) {
  if (i == listCount()) {
    addItem(std::move(s));
    return;
  }
  checkIndex(i, listCount(), name());
  if (assign(items_[i].text, std::move(s))) changed();
}

void ListBox::addItem(std::string s, int at) {
  if (at < 0) at = listCount();
  if (at > listCount()) throw std::out_of_range(name() + ": cannot insert past the end");
  items_.insert(items_.begin() + at, Item{std::move(s), false});
  if (listIndex_ >= at) ++listIndex_;
  changed();
}

void ListBox::removeItem(int i) {
  checkIndex(i, listCount(), name());
  items_.erase(items_.begin() + i);
  if (listIndex_ == i) listIndex_ = -1;
  else if (listIndex_ > i) --listIndex_;
  changed();
}

void ListBox::clear() {
  items_.clear();
  listIndex_ = -1;
  topIndex_ = 0;
  changed();
}

void ListBox::setListIndex(int i) {
  if (i != -1) checkIndex(i, listCount(), name());
  if (!assign(listIndex_, i)) return;
  changed();
  raise(onClick);
}

bool ListBox::selected(int i) const {
  const Item& item = at(i);
  return checkBoxes_ ? item.selected : i == listIndex_;
}

void ListBox::setSelected(int i, bool s) {
  checkIndex(i, listCount(), name());
  if (!checkBoxes_) {
    if (s) setListIndex(i);
    else if (listIndex_ == i) setListIndex(-1);
    return;
  }
  if (!assign(items_[i].selected, s)) return;
  changed();
  if (onItemCheck) onItemCheck(i);
}

void ListBox::setTopIndex(int i) {
  i = std::clamp(i, 0, std::max(0, listCount() - 1));
  if (assign(topIndex_, i)) changed();
}

PictureBox::PictureBox(Form& f, std::string name, int index, ControlKind kind)
    : Control(f, kind, std::move(name), index) {}

void PictureBox::repaint() { changed(); }

void PictureBox::print(int x, int y, const std::string& text) {
  host().drawText(canvas_, x, y, text, font(), foreColor());
  repaint();
}

void Frame::setCaption(std::string c) { if (assign(caption_, std::move(c))) changed(); }

void Shape::setShape(Kind k) { if (assign(shape_, k)) changed(); }
void Shape::setFilled(bool v) { if (assign(filled_, v)) changed(); }
void Shape::setFillColor(Color c) { if (assign(fill_, c)) changed(); }
void Shape::setBorderColor(Color c) { if (assign(border_, c)) changed(); }

void Line::setPoints(int x1, int y1, int x2, int y2) {
  if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) return;
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  changed();
}

void Line::setBorderColor(Color c) { if (assign(border_, c)) changed(); }

void HScrollBar::setRange(int min, int max) {
  if (min == min_ && max == max_) return;
  min_ = min;
  max_ = max;
  changed();
  setValue(value_);  // pulls the value into the new range
}

void HScrollBar::setValue(int v) {
  v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
  if (!assign(value_, v)) return;
  changed();
  raise(onChange);
}

void HScrollBar::setSteps(int small, int large) {
  if (small == small_ && large == large_) return;
  small_ = small;
  large_ = large;
  changed();
}

void HScrollBar::userScroll(int v) {
  if (!enabled()) return;
  int before = value_;
  v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
  if (v == before) return;
  value_ = v;
  changed();
  raise(onScroll);
  raise(onChange);
}

Timer::Timer(Form& f, std::string name, int index) : Control(f, ControlKind::Timer, std::move(name), index) {
  setVisible(false);
}

Timer::~Timer() {
  if (Host* h = hostIfSet()) h->timerRemoved(*this);
}

void Timer::setInterval(int ms) {
  if (!assign(interval_, ms)) return;
  if (Host* h = hostIfSet()) h->timerChanged(*this);
}

void Timer::enabledChanged() {
  if (Host* h = hostIfSet()) h->timerChanged(*this);
}

void Timer::tick() {
  // A timer of an unloaded window never runs, even when its instance is not freed yet.
  if (enabled() && interval_ > 0 && !form().unloading()) raise(onTimer);
}

}  // namespace olvex::ui
