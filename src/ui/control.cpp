#include "ui/control.h"

#include "ui/form.h"
#include "ui/property.h"

namespace olvex::ui {

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {
  form_.add(this);
}

Control::~Control() { form_.remove(this); }

void Control::changed() {
  if (viewHook) viewHook();
}

void Control::setContainer(Control* c) {
  if (assign(container_, c)) changed();
}

void Control::move(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  changed();
}

void Control::setEnabled(bool v) {
  if (!assign(enabled_, v)) return;
  changed();
  enabledChanged();
}

void Control::setVisible(bool v) {
  if (assign(visible_, v)) changed();
}

void Control::setForeColor(Color c) {
  if (assign(fore_, c)) changed();
}

void Control::setBackColor(Color c) {
  if (assign(back_, c)) changed();
}

void Control::setFont(const Font& f) {
  if (assign(font_, f)) changed();
}

void Control::setMouseIcon(MousePointer p) {
  if (assign(mouseIcon_, p)) changed();
}

void Control::setToolTip(std::string t) {
  if (assign(toolTip_, std::move(t))) changed();
}

bool Control::hasFocus() const { return form_.activeControl() == this; }

void Control::setFocus() {
  if (canTakeFocus() && enabled_ && visible_) form_.focus(this);
}

void Control::userClick() {
  if (enabled_) raise(onClick);
}

void Control::userDblClick() {
  if (enabled_) raise(onDblClick);
}

void Control::userMouseDown(const MouseEvent& e) {
  if (enabled_ && onMouseDown) onMouseDown(e);
}

void Control::userMouseMove(const MouseEvent& e) {
  if (enabled_ && onMouseMove) onMouseMove(e);
}

void Control::userMouseUp(const MouseEvent& e) {
  if (enabled_ && onMouseUp) onMouseUp(e);
}

}  // namespace olvex::ui
