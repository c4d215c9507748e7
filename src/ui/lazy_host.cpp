#include "ui/lazy_host.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::ui {

namespace {
bool isSet(const char* name) {
  const char* v = std::getenv(name);
  return v && *v;
}
}  // namespace

bool displayAvailable() {
  std::string_view platform = isSet("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
  if (platform.starts_with("offscreen") || platform.starts_with("minimal")) return false;
  return !platform.empty() || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

LazyHost::LazyHost(ToolkitLoader loader) : loader_(std::move(loader)) { setHost(this); }

LazyHost::~LazyHost() {
  if (shown_) setHost(shown_);  // the toolkit's host unloads the forms and drops their windows
  toolkit_.reset();
  Forms::reset();
  if (hostIfSet() == this) setHost(nullptr);
}

void LazyHost::realize() {
  if (toolkit_) return;
  toolkit_ = loader_();
  shown_ = &toolkit_->host();
  setHost(this);
  for (Form* f : Forms::all())
    if (f->visible()) shown_->show(*f, false);
  for (auto& [t, due] : due_) shown_->timerChanged(*t);
  due_.clear();
}

bool LazyHost::realizeForUser() {
  if (!shown_ && !displayAvailable()) return false;
  realize();
  return true;
}

int LazyHost::exec() {
  while (!shown_) {
    if (Forms::all().empty()) return 0;  // the unloaded forms go with the host
    Forms::collect();
    auto next = std::min_element(due_.begin(), due_.end(), [](auto& a, auto& b) { return a.second < b.second; });
    if (next == due_.end()) {
      realize();  // forms stay loaded with nothing left to run: the run goes on with windows up
      break;
    }
    Timer* t = next->first;
    now_ = next->second;
    next->second = now_ + Clock(t->interval());
    t->tick();
  }
  return toolkit_->exec();
}

MsgAnswer LazyHost::message(const Message& m) {
  if (realizeForUser()) return shown_->message(m);
  printMessage(m);
  return defaultAnswer(m.buttons);
}

std::optional<std::string> LazyHost::openFile(const FileDialog& d) {
  return realizeForUser() ? shown_->openFile(d) : std::nullopt;
}

std::optional<std::string> LazyHost::saveFile(const FileDialog& d) {
  return realizeForUser() ? shown_->saveFile(d) : std::nullopt;
}

// A modeless window is only marked shown until the toolkit is up; a modal one waits for a user.
void LazyHost::show(Form& f, bool modal) {
  if (shown_ || (modal && realizeForUser())) shown_->show(f, modal);
}

void LazyHost::hide(Form& f) {
  if (shown_) shown_->hide(f);
}

void LazyHost::unloaded(Form& f) {
  if (shown_) return shown_->unloaded(f);
  std::erase_if(due_, [&f](auto& entry) { return &entry.first->form() == &f; });
}

void LazyHost::yield() {
  if (shown_) shown_->yield();
}

void LazyHost::timerChanged(Timer& t) {
  if (shown_) return shown_->timerChanged(t);
  if (!t.enabled() || t.interval() <= 0) due_.erase(&t);
  else if (!due_.count(&t)) due_[&t] = now_ + Clock(t.interval());
}

void LazyHost::timerRemoved(Timer& t) {
  if (shown_) return shown_->timerRemoved(t);
  due_.erase(&t);
}

bool LazyHost::hasScreen() { return shown_ ? shown_->hasScreen() : displayAvailable(); }

Form* LazyHost::activeForm() { return shown_ ? shown_->activeForm() : nullptr; }

ScreenRect LazyHost::workArea() { return shown_ ? shown_->workArea() : ScreenRect{0, 0, 1024, 768}; }

ScreenPoint LazyHost::cursorPos() { return shown_ ? shown_->cursorPos() : ScreenPoint{}; }

std::string LazyHost::clipboardText() { return shown_ ? shown_->clipboardText() : std::string(); }

// Without the toolkit nothing is on a screen, so no text needs drawing.
void LazyHost::drawText(Canvas& canvas, int x, int y, const std::string& text, const Font& font, Color colour) {
  if (shown_) shown_->drawText(canvas, x, y, text, font, colour);
}

int LazyHost::twipsPerPixelX() { return shown_ ? shown_->twipsPerPixelX() : Host::twipsPerPixelX(); }

int LazyHost::twipsPerPixelY() { return shown_ ? shown_->twipsPerPixelY() : Host::twipsPerPixelY(); }

}  // namespace olvex::ui
