#include "ui/form.h"

#include <algorithm>

#include "ui/host.h"
#include "ui/property.h"

namespace olvex::ui {

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() = default;

void Form::changed() {
  if (viewHook) viewHook();
}

void Form::setCaption(std::string c) {
  if (assign(caption_, std::move(c))) changed();
}

void Form::move(int left, int top, int width, int height) {
  placed_ = placed_ || left != left_ || top != top_;
  reshape(left, top, width, height);
}

void Form::reshape(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  changed();
}

void Form::centreOnOpener() {
  Host& h = host();
  int tx = h.twipsPerPixelX(), ty = h.twipsPerPixelY();
  ScreenRect work = h.workArea();
  const Form* opener = h.activeForm();
  bool over = opener && opener != this && opener->visible();
  int centreX = over ? opener->left_ + opener->width_ / 2 : (work.left + work.right) / 2 * tx;
  int centreY = over ? opener->top_ + opener->height_ / 2 : (work.top + work.bottom) / 2 * ty;
  int left = std::clamp(centreX - width_ / 2, work.left * tx, std::max(work.left * tx, work.right * tx - width_));
  int top = std::clamp(centreY - height_ / 2, work.top * ty, std::max(work.top * ty, work.bottom * ty - height_));
  reshape(left, top, width_, height_);
}

void Form::movedTo(int left, int top) {
  left_ = left;
  top_ = top;
}

void Form::setBorderless(bool b) {
  if (assign(borderless_, b)) changed();
}

void Form::setBackColor(Color c) {
  if (assign(back_, c)) changed();
}

void Form::show(bool modal) {
  if (unloading_) return;
  if (visible_ && !modal) return;
  Form* opener = modal ? host().activeForm() : nullptr;
  if (opener == this || (opener && !opener->visible_)) opener = nullptr;
  bool openerLeft = opener && opener->focusNotified_ != nullptr;
  if (opener && !opener->leaveField()) return;
  bool opening = !visible_;
  if (opening && !placed_) centreOnOpener();
  visible_ = true;
  modal_ = modal;
  changed();
  if (opening && active_) active_->setFocus();  // the control the window was left with, again
  host().show(*this, modal);
  modal_ = false;
  // Forms are freed only where no handler runs, so the opener is still there to be asked.
  if (openerLeft && Forms::isLoaded(*opener) && opener->visible_) opener->regainField();
}

void Form::hide() {
  if (!visible_) return;
  visible_ = false;
  changed();
  host().hide(*this);
}

void Form::unload() {
  if (unloading_ || !Forms::isLoaded(*this)) return;
  unloading_ = true;
  if (onUnload) onUnload();
  visible_ = false;
  active_ = focusNotified_ = nullptr;
  if (Host* h = hostIfSet()) h->unloaded(*this);
  Forms::release(*this);
}

void Form::add(Control* c) {
  controls_.push_back(c);
  changed();
}

void Form::remove(Control* c) {
  // Controls mostly go in the reverse order of their creation: the search starts at the end.
  auto it = std::find(controls_.rbegin(), controls_.rend(), c);
  if (it != controls_.rend()) controls_.erase(std::next(it).base());
  if (active_ == c) active_ = nullptr;
  if (focusNotified_ == c) focusNotified_ = nullptr;
  changed();
}

void Form::focus(Control* c) {
  if (c == active_ && c == focusNotified_) return;
  Control* previous = active_;
  if (c != active_) {
    active_ = c;
    changed();
  }
  // A control whose GotFocus never ran (a LostFocus handler took the focus back at once) gets
  // no LostFocus either.
  if (previous && previous != c && previous == focusNotified_) {
    focusNotified_ = nullptr;
    if (previous->onLostFocus) previous->onLostFocus();
  }
  // Also the window's own focus given again after the window was left.
  if (c && active_ == c && focusNotified_ != c) {
    focusNotified_ = c;
    if (c->onGotFocus) c->onGotFocus();
  }
}

bool Form::leaveField() {
  Control* left = focusNotified_;
  if (!left) return true;
  focusNotified_ = nullptr;
  if (left->onLostFocus) left->onLostFocus();
  return focusNotified_ == nullptr;
}

bool Form::checkField() {
  bool left = focusNotified_ != nullptr;
  if (!leaveField()) return false;
  if (left) regainField();
  return true;
}

void Form::regainField() {
  if (active_ && !focusNotified_) active_->setFocus();
}

void Form::userMouseMove(const MouseEvent& e) { if (onMouseMove) onMouseMove(e); }
void Form::userMouseDown(const MouseEvent& e) { if (onMouseDown) onMouseDown(e); }
void Form::userMouseUp(const MouseEvent& e) { if (onMouseUp) onMouseUp(e); }
void Form::userKeyDown(int& keyCode, int shift) { if (onKeyDown) onKeyDown(keyCode, shift); }
void Form::userActivate() { if (onActivate) onActivate(); }
void Form::userDeactivate() { if (onDeactivate) onDeactivate(); }
void Form::userClose() {
  if (!leaveField()) return;
  if (onCloseBox) onCloseBox();
  else unload();
}

std::vector<std::unique_ptr<Form>>& Forms::live() {
  static std::vector<std::unique_ptr<Form>> forms;
  return forms;
}

std::vector<std::unique_ptr<Form>>& Forms::unloaded() {
  static std::vector<std::unique_ptr<Form>> dead;
  return dead;
}

void Forms::adopt(std::unique_ptr<Form> f, Form*& slot) {
  slot = f.get();
  f->registered_ = &slot;
  live().push_back(std::move(f));
}

std::vector<Form*> Forms::all() {
  std::vector<Form*> forms;
  forms.reserve(live().size());
  for (auto& f : live()) forms.push_back(f.get());
  return forms;
}

bool Forms::isLoaded(const Form& f) {
  return std::any_of(live().begin(), live().end(), [&](const auto& p) { return p.get() == &f; });
}

void Forms::release(Form& f) {
  auto& forms = live();
  auto it = std::find_if(forms.begin(), forms.end(), [&](const auto& p) { return p.get() == &f; });
  if (it == forms.end()) return;
  if (f.registered_) *f.registered_ = nullptr;
  f.registered_ = nullptr;
  unloaded().push_back(std::move(*it));
  forms.erase(it);
}

void Forms::collect() {
  auto dead = std::move(unloaded());
  unloaded().clear();
  dead.clear();
}

void Forms::reset() {
  // Unload handlers may touch (and so create) other forms: repeat until none is left.
  for (int round = 0; round < 8 && !live().empty(); ++round) {
    auto forms = all();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
      if (isLoaded(**it)) (*it)->unload();
  }
  collect();
}

}  // namespace olvex::ui
