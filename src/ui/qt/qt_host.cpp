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
#include <cstdlib>

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

QtHost* hostUp = nullptr;  // the host whose windows the process's end finds up
}  // namespace

// Neither the application object nor the views are torn down when the process ends from within
// the event loop, but Qt's own globals are, and then the forms: a form's destruction would sync
// its view into a half-destroyed Qt. So the views let go of their forms first, with no call
// into Qt. exit() runs its routines and the destructors of statics in the reverse order of their
// registration, and this one is registered once a form has a view, after the forms' registry.
void QtHost::processEnding() {
  if (!hostUp) return;
  for (auto& [form, view] : hostUp->views_)
    if (view) view->forget();
  hostUp->views_.clear();
  hostUp->timers_.clear();
  hostUp = nullptr;
}

QtHost::Nested::Nested(QtHost& h) : host_(h) { ++host_.nested_; }

QtHost::Nested::~Nested() {
  // A collection that came up inside the nested loop runs once the outermost one is left.
  if (--host_.nested_ == 0 && host_.collectPending_) {
    host_.collectPending_ = false;
    host_.scheduleCollect();
  }
}

QtHost::Acting::Acting(FormView& v) : host_(v.host()), previous_(host_.acting_) { host_.acting_ = &v; }

QtHost::Acting::~Acting() { host_.acting_ = previous_; }

QtHost::QtHost(QApplication& app) : app_(app) {
  // Hidden forms stay loaded and their timers run: the loop ends when the last form unloads.
  app_.setQuitOnLastWindowClosed(false);
  if (QScreen* screen = QGuiApplication::primaryScreen(); screen && !screenless()) {
    twipsPerPixelX_ = twipsPerPixel(screen->logicalDotsPerInchX());
    twipsPerPixelY_ = twipsPerPixel(screen->logicalDotsPerInchY());
  }
  setHost(this);
  hostUp = this;
}

QtHost::~QtHost() {
  Forms::reset();
  for (auto& [form, view] : views_) delete view.data();
  if (hostIfSet() == this) setHost(nullptr);
  if (hostUp == this) hostUp = nullptr;
}

FormView* QtHost::view(const Form& f) const {
  auto it = views_.find(&f);
  return it == views_.end() ? nullptr : it->second.data();
}

// Once a modal window closes, the window that was active before it is again (a window manager
// may do so too; without one nothing would, and typing would reach no window).
template <class Show>
auto QtHost::modally(Show show) {
  QPointer<QWidget> owner = QApplication::activeWindow();
  Nested nested(*this);
  auto result = show(dynamic_cast<FormView*>(owner.data()) ? owner.data() : nullptr);
  QWidget* modal = QApplication::activeModalWidget();
  if (owner && owner->isVisible() && (!modal || modal == owner)) owner->activateWindow();
  return result;
}

MsgAnswer QtHost::message(const Message& m) {
  return modally([&](QWidget* parent) { return showMessage(m, parent); });
}

std::optional<std::string> QtHost::openFile(const FileDialog& d) {
  return modally([&](QWidget* parent) { return askFileName(d, false, parent); });
}

std::optional<std::string> QtHost::saveFile(const FileDialog& d) {
  return modally([&](QWidget* parent) { return askFileName(d, true, parent); });
}

void QtHost::show(Form& f, bool modal) {
  QPointer<FormView>& slot = views_[&f];
  if (!slot) {
    [[maybe_unused]] static const int registered = std::atexit(processEnding);
    slot = new FormView(*this, f);
  }
  QPointer<FormView> v = slot;
  // A modal window is a dialog of the window it was opened from.
  Form* opener = modal ? activeForm() : nullptr;
  FormView* openerView = opener && opener != &f ? view(*opener) : nullptr;
  if (!modal) {
    v->showWindow(false, nullptr);
    return;
  }
  modally([&](QWidget*) {
    v->showWindow(true, openerView);
    if (!v->live() || v->isHidden()) return 0;
    QEventLoop loop;
    v->enterLoop(&loop);
    loop.exec(QEventLoop::DialogExec);
    if (v) v->leaveLoop(&loop);
    return 0;
  });
  if (!v) return;
  if (v->live() && v->isHidden()) v->setWindowModality(Qt::NonModal);
}

// A hidden window is active no more: another window's activation does not deactivate it. Without a
// window manager no window is active once it hides, and a click on another window may show it
// again before that window's activation by the press arrives; the popup would then hide at once.
void QtHost::hide(Form& f) {
  FormView* v = view(f);
  if (!v) return;
  if (active_ == v) active_ = nullptr;
  v->hideWindow();
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

Form* QtHost::activeForm() {
  for (FormView* v : {acting_.data(), dynamic_cast<FormView*>(QApplication::activeWindow())})
    if (v && v->live() && v->isVisible()) return &v->form();
  return nullptr;
}

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
