#include "ui/qt/qt_host.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QEventLoop>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/qt/convert.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/form_view.h"
#include "ui/qt/user_actions.h"

namespace olvex::ui::qt {

namespace {
// Twips per pixel of the screen: 1440 per inch over the logical dots per inch.
int twipsPerPixel(double dpi) { return dpi > 0 ? std::max(1, static_cast<int>(std::lround(1440.0 / dpi))) : 15; }
}  // namespace

QtHost::Nested::Nested(QtHost& h) : host_(h) { ++host_.nested_; }

QtHost::Nested::~Nested() {
  // A collection that came up inside the nested loop runs once the outermost one is left.
  if (--host_.nested_ == 0 && host_.collectPending_) {
    host_.collectPending_ = false;
    host_.scheduleCollect();
  }
}

QtHost::QtHost(QApplication& app) : app_(app) {
  // Hidden forms stay loaded and their timers run: the loop ends when the last form unloads.
  app_.setQuitOnLastWindowClosed(false);
  if (QScreen* screen = QGuiApplication::primaryScreen(); screen && !screenless()) {
    twipsPerPixelX_ = twipsPerPixel(screen->logicalDotsPerInchX());
    twipsPerPixelY_ = twipsPerPixel(screen->logicalDotsPerInchY());
  }
  QObject::connect(&app_, &QApplication::focusChanged, &anchor_, [](QWidget*, QWidget* now) {
    if (auto* v = now ? dynamic_cast<FormView*>(now->window()) : nullptr) v->focusEntered(now);
  });
  setHost(this);
}

QtHost::~QtHost() {
  Forms::reset();
  for (auto& [form, view] : views_) delete view.data();
  if (hostIfSet() == this) setHost(nullptr);
}

FormView* QtHost::view(const Form& f) const {
  auto it = views_.find(&f);
  return it == views_.end() ? nullptr : it->second.data();
}

QWidget* QtHost::dialogParent() const {
  QWidget* w = QApplication::activeWindow();
  return dynamic_cast<FormView*>(w) ? w : nullptr;
}

MsgAnswer QtHost::message(const Message& m) {
  Nested nested(*this);
  return showMessage(m, dialogParent());
}

std::optional<std::string> QtHost::openFile(const FileDialog& d) {
  Nested nested(*this);
  return askFileName(d, false, dialogParent());
}

std::optional<std::string> QtHost::saveFile(const FileDialog& d) {
  Nested nested(*this);
  return askFileName(d, true, dialogParent());
}

void QtHost::show(Form& f, bool modal) {
  QPointer<FormView>& slot = views_[&f];
  if (!slot) slot = new FormView(*this, f);
  QPointer<FormView> v = slot;
  v->showWindow(modal);
  if (!modal || !v->live() || v->isHidden()) return;
  QEventLoop loop;
  v->enterLoop(&loop);
  {
    Nested nested(*this);
    loop.exec(QEventLoop::DialogExec);
  }
  if (!v) return;
  v->leaveLoop(&loop);
  if (v->live() && v->isHidden()) v->setWindowModality(Qt::NonModal);
}

void QtHost::hide(Form& f) {
  if (FormView* v = view(f)) v->hideWindow();
}

void QtHost::unloaded(Form& f) {
  if (FormView* v = view(f)) {
    v->detach();
    v->deleteLater();
  }
  views_.erase(&f);
  for (auto it = timers_.begin(); it != timers_.end();) {
    if (&it->first->form() != &f) {
      ++it;
      continue;
    }
    it->second->stop();
    it->second->deleteLater();
    it = timers_.erase(it);
  }
  scheduleCollect();
}

void QtHost::scheduleCollect() {
  if (collectPending_) return;
  collectPending_ = true;
  QTimer::singleShot(0, &anchor_, [this] { collect(); });
}

void QtHost::collect() {
  if (nested_ > 0) return;  // still pending: ~Nested schedules it again
  collectPending_ = false;
  Forms::collect();
  if (Forms::all().empty()) QCoreApplication::quit();
}

void QtHost::activated(FormView& v) {
  if (active_ == &v) return;
  QPointer<FormView> previous = active_, self = &v;
  active_ = &v;
  if (previous && previous->live()) previous->form().userDeactivate();
  if (self && self->live()) self->form().userActivate();
}

void QtHost::yield() {
  Nested nested(*this);
  UserActions::Hold hold;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtHost::timerChanged(Timer& t) {
  QTimer*& q = timers_[&t];
  if (!q) {
    q = new QTimer(&anchor_);
    QObject::connect(q, &QTimer::timeout, &anchor_, [this, tp = &t] {
      if (timers_.count(tp)) tp->tick();
    });
  }
  q->setInterval(t.interval());
  bool run = t.enabled() && t.interval() > 0;
  if (run && !q->isActive()) q->start();
  if (!run) q->stop();
}

void QtHost::timerRemoved(Timer& t) {
  auto it = timers_.find(&t);
  if (it == timers_.end()) return;
  it->second->stop();
  it->second->deleteLater();
  timers_.erase(it);
}

bool QtHost::hasScreen() { return !screenless(); }

ScreenRect QtHost::workArea() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  QRect r = screen->availableGeometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

std::string QtHost::clipboardText() { return toBytes(QGuiApplication::clipboard()->text()); }

void QtHost::drawText(Canvas& canvas, int x, int y, const std::string& text, const Font& font, Color colour) {
  QImage image = toQImage(canvas);
  {
    QPainter p(&image);
    p.setFont(toQFont(font));
    p.setPen(toQColor(colour).value_or(QGuiApplication::palette().color(QPalette::WindowText)));
    p.drawText(QRect(x, y, image.width() - x, image.height() - y), Qt::AlignLeft | Qt::AlignTop, toViewText(text));
  }
  toCanvas(image, canvas);
}

ScreenPoint QtHost::cursorPos() {
  QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

}  // namespace olvex::ui::qt
