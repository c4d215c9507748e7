#include "ui/qt/lazy_host.h"

#include <algorithm>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/qt/dialogs.h"

namespace olvex::ui::qt {

LazyHost::LazyHost(int& argc, char** argv) : argc_(argc), argv_(argv) { setHost(this); }

LazyHost::~LazyHost() {
  if (qt_) {
    setHost(qt_.get());  // the toolkit's host unloads the forms and drops their windows
    qt_.reset();
  }
  Forms::reset();
  if (hostIfSet() == this) setHost(nullptr);
}

void LazyHost::realize() {
  if (qt_) return;
  // Without a display the toolkit runs on its screen-less platform, as the program always did.
  if (!displayAvailable() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!QCoreApplication::instance()) app_ = std::make_unique<QApplication>(argc_, argv_);
  qt_ = std::make_unique<QtHost>(*qApp);
  setHost(this);
  for (Form* f : Forms::all())
    if (f->visible()) qt_->show(*f, false);
  for (auto& [t, due] : due_) qt_->timerChanged(*t);
  due_.clear();
}

bool LazyHost::realizeForUser() {
  if (!qt_ && !displayAvailable()) return false;
  realize();
  return true;
}

int LazyHost::exec() {
  while (!qt_) {
    Forms::collect();
    if (Forms::all().empty()) return 0;
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
  return QApplication::exec();
}

MsgAnswer LazyHost::message(const Message& m) {
  if (realizeForUser()) return qt_->message(m);
  printMessage(m);
  return defaultAnswer(m.buttons);
}

std::optional<std::string> LazyHost::openFile(const FileDialog& d) {
  return realizeForUser() ? qt_->openFile(d) : std::nullopt;
}

std::optional<std::string> LazyHost::saveFile(const FileDialog& d) {
  return realizeForUser() ? qt_->saveFile(d) : std::nullopt;
}

// A modeless window is only marked shown until the toolkit is up; a modal one waits for a user.
void LazyHost::show(Form& f, bool modal) {
  if (qt_ || (modal && realizeForUser())) qt_->show(f, modal);
}

void LazyHost::hide(Form& f) {
  if (qt_) qt_->hide(f);
}

void LazyHost::unloaded(Form& f) {
  if (qt_) return qt_->unloaded(f);
  std::erase_if(due_, [&f](auto& entry) { return &entry.first->form() == &f; });
}

void LazyHost::yield() {
  if (qt_) qt_->yield();
}

void LazyHost::timerChanged(Timer& t) {
  if (qt_) return qt_->timerChanged(t);
  if (!t.enabled() || t.interval() <= 0) due_.erase(&t);
  else if (!due_.count(&t)) due_[&t] = now_ + Clock(t.interval());
}

void LazyHost::timerRemoved(Timer& t) {
  if (qt_) return qt_->timerRemoved(t);
  due_.erase(&t);
}

bool LazyHost::hasScreen() { return qt_ ? qt_->hasScreen() : displayAvailable(); }

ScreenRect LazyHost::workArea() { return qt_ ? qt_->workArea() : ScreenRect{0, 0, 1024, 768}; }

ScreenPoint LazyHost::cursorPos() { return qt_ ? qt_->cursorPos() : ScreenPoint{}; }

std::string LazyHost::clipboardText() { return qt_ ? qt_->clipboardText() : std::string(); }

int LazyHost::twipsPerPixelX() { return qt_ ? qt_->twipsPerPixelX() : Host::twipsPerPixelX(); }

int LazyHost::twipsPerPixelY() { return qt_ ? qt_->twipsPerPixelY() : Host::twipsPerPixelY(); }

}  // namespace olvex::ui::qt
