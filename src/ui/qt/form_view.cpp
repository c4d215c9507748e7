#include "ui/qt/form_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <utility>

#include "ui/controls.h"
#include "ui/qt/control_widgets.h"
#include "ui/qt/convert.h"
#include "ui/qt/dialogs.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/sync_guard.h"
#include "ui/qt/user_actions.h"
#include "ui/reading_order.h"

namespace olvex::ui::qt {

namespace {

// Fore and back colours over the class's default palette; a system colour keeps the default.
// Disabled text keeps the palette's grey. The palette is the widget's own even where it matches
// the default: a widget without one takes its window's back colour for its own, boxes too.
void applyColors(QWidget* w, Color fore, Color back) {
  QPalette pal = QApplication::palette(w);
  auto fc = toQColor(fore), bc = toQColor(back);
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
      pal.setColor(group, role, fc && group != QPalette::Disabled ? *fc : pal.color(group, role));
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
      pal.setColor(group, role, bc ? *bc : pal.color(group, role));
  }
  if (w->palette() != pal || !w->testAttribute(Qt::WA_SetPalette)) w->setPalette(pal);
}

void applyPointer(QWidget* w, const MousePointer& p) {
  using K = MousePointer::Kind;
  switch (p.kind) {
    case K::Arrow:
      if (w->testAttribute(Qt::WA_SetCursor)) w->unsetCursor();
      break;
    case K::Hand:
      if (w->cursor().shape() != Qt::PointingHandCursor) w->setCursor(Qt::PointingHandCursor);
      break;
    case K::Picture: {
      // The picture becomes a cursor only when the control is given another one.
      constexpr const char* kGiven = "olvexPointer";
      QVariant picture = QVariant::fromValue(reinterpret_cast<quintptr>(p.picture.data()));
      if (w->cursor().shape() == Qt::BitmapCursor && w->property(kGiven) == picture) break;
      w->setCursor(toQCursor(p.picture));
      w->setProperty(kGiven, picture);
      break;
    }
  }
}

int buttonMask(Qt::MouseButtons b) {
  return (b & Qt::LeftButton ? kLeftButton : 0) | (b & Qt::RightButton ? kRightButton : 0) |
         (b & Qt::MiddleButton ? kMiddleButton : 0);
}

int shiftMask(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

// The program's codes of the keys it knows by name; letters and digits are their upper-case
// character, F1.. 112...
constexpr std::pair<int, int> kNamedKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},     {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
    {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},     {Qt::Key_PageUp, 33},  {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},      {Qt::Key_Home, 36},      {Qt::Key_Left, 37},    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},      {Qt::Key_Insert, 45},  {Qt::Key_Delete, 46},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192},  // the key left of 1, with or without shift
};

// The key left of 1 by its place on the keyboard, whatever it types in the user's layout (^ on a
// German one): its X key code (the kernel's KEY_GRAVE, 41, plus 8) under X11 and Wayland alike.
constexpr quint32 kKeyLeftOfOne = 49;

// 0 for other keys: a punctuation character's own code would read as one of the keys above.
int keyCode(const QKeyEvent& k) {
  if (k.nativeScanCode() == kKeyLeftOfOne) return 192;
  int key = k.key();
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return 112 + (key - Qt::Key_F1);
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) return key;
  for (auto [named, code] : kNamedKeys)
    if (key == named) return code;
  return 0;
}

}  // namespace

FormView::FormView(QtHost& host, Form& form) : QWidget(nullptr, Qt::Window), host_(host), form_(&form) {
  setAutoFillBackground(true);
  setMouseTracking(true);
  installEventFilter(this);
  for (Control* c : form.controls()) build(*c);
  // Labels, images, shapes and lines lie beneath the other controls, in creation order.
  const auto& controls = form.controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it)
    if (QWidget* w = widgetOf(**it); w && drawnBeneath(**it)) w->lower();
  for (Control* c : controls) syncControl(*c);
  raiseOnTop();  // once each widget is in its container
  syncForm();
  form.viewHook = [this] { syncForm(); };
}

FormView::~FormView() {
  detach();
  // The children go while this is still a FormView: their teardown sends events through filters
  // that ask this view whether it takes input.
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

bool FormView::acting() const { return live_ && !syncing(); }

void FormView::build(Control& c) {
  QWidget* w = createWidget(c, *this);
  if (!w) return;
  widgets_[&c] = w;
  owners_[w] = &c;
  watch(w);
  c.viewHook = [this, &c] { syncControl(c); };
}

void FormView::watch(QWidget* w) {
  w->installEventFilter(this);
  w->setMouseTracking(true);
  // The wheel gives no focus: it turns only the control that has it already.
  if (w->focusPolicy() == Qt::WheelFocus) w->setFocusPolicy(Qt::StrongFocus);
  for (QObject* o : w->children())
    if (auto* part = qobject_cast<QWidget*>(o); part && !part->isWindow()) watch(part);  // not its open list
}

QWidget* FormView::widgetOf(const Control& c) const {
  auto it = widgets_.find(const_cast<Control*>(&c));
  return it == widgets_.end() ? nullptr : it->second.data();
}

Control* FormView::controlAt(QObject* o) const {
  for (; o && o != this; o = o->parent()) {
    auto it = owners_.find(o);
    if (it != owners_.end()) return it->second;
  }
  return nullptr;
}

void FormView::syncControl(Control& c) {
  if (!live_) return;
  QWidget* w = widgetOf(c);
  if (!w) return;
  SyncGuard guard;
  syncCommon(c, w);
  syncWidget(c, w, *this);
}

void FormView::syncCommon(Control& c, QWidget* w) {
  QWidget* parent = this;
  if (Control* box = c.container())
    if (QWidget* bw = widgetOf(*box)) parent = bw;
  if (w->parentWidget() != parent) w->setParent(parent);
  int tx = host_.twipsPerPixelX(), ty = host_.twipsPerPixelY();
  if (c.kind() != ControlKind::Line) {
    QRect r(toPixels(c.left(), tx), toPixels(c.top(), ty), toPixels(c.width(), tx), toPixels(c.height(), ty));
    if (w->geometry() != r) w->setGeometry(r);
  }
  if (w->isHidden() == c.visible()) w->setVisible(c.visible());
  if (w->testAttribute(Qt::WA_Disabled) == c.enabled()) w->setEnabled(c.enabled());
  applyColors(w, c.foreColor(), c.backColor());
  QFont font = toQFont(c.font());
  if (w->font() != font) w->setFont(font);
  applyPointer(w, c.mouseIcon());
  QString tip = toQString(c.toolTip());
  if (w->toolTip() != tip) w->setToolTip(tip);
}

void FormView::syncForm() {
  if (!live_) return;
  dropRemoved();
  bool missing = std::any_of(form_->controls().begin(), form_->controls().end(), [this](Control* c) {
    return c->kind() != ControlKind::Timer && !widgets_.count(c);
  });
  // A control announces itself from its base constructor: build its widget once it is complete.
  if (missing && !reconcilePending_) {
    reconcilePending_ = true;
    QMetaObject::invokeMethod(this, [this] { reconcile(); }, Qt::QueuedConnection);
  }
  SyncGuard guard;
  QString title = toQString(form_->caption());
  if (windowTitle() != title) setWindowTitle(title);
  if (windowFlags().testFlag(Qt::FramelessWindowHint) != form_->borderless()) {
    bool shown = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, form_->borderless());
    if (shown) show();
  }
  int tx = host_.twipsPerPixelX(), ty = host_.twipsPerPixelY();
  QRect place(toPixels(form_->left(), tx), toPixels(form_->top(), ty), toPixels(form_->width(), tx),
              toPixels(form_->height(), ty));
  // The form's place is its client area's, so a window manager's frame goes around it. The
  // size is the form's alone: its controls lie at fixed places, so the window manager may not
  // resize or maximise it.
  if (place != placed_) {
    placed_ = place;
    setFixedSize(place.size());
    setGeometry(place);
  }
  applyColors(this, kWindowText, form_->backColor());
  Control* active = form_->activeControl();
  if (active && controlAt(focusWidget()) != active && !alignPending_) {
    alignPending_ = true;
    QMetaObject::invokeMethod(this, [this] { alignFocus(); }, Qt::QueuedConnection);
  }
}

void FormView::dropRemoved() {
  const auto& controls = form_->controls();
  for (auto it = widgets_.begin(); it != widgets_.end();) {
    if (std::find(controls.begin(), controls.end(), it->first) != controls.end()) {
      ++it;
      continue;
    }
    if (pressed_ == it->first) pressed_ = nullptr;
    if (QWidget* w = it->second) {
      owners_.erase(w);
      w->hide();
      w->deleteLater();
    }
    it = widgets_.erase(it);
  }
}

void FormView::reconcile() {
  reconcilePending_ = false;
  if (!live_) return;
  std::vector<Control*> added;
  for (Control* c : form_->controls())
    if (c->kind() != ControlKind::Timer && !widgets_.count(c)) {
      build(*c);
      added.push_back(c);
    }
  for (Control* c : added) {
    syncControl(*c);
    if (QWidget* w = widgetOf(*c); w && drawnBeneath(*c)) w->lower();
  }
  if (!added.empty()) raiseOnTop();
}

void FormView::raiseOnTop() {
  for (Control* c : form_->controls())
    if (QWidget* w = widgetOf(*c); w && drawnOnTop(*c)) w->raise();
}

void FormView::alignFocus() {
  alignPending_ = false;
  if (!live_) return;
  Control* active = form_->activeControl();
  QWidget* w = active ? widgetOf(*active) : nullptr;
  if (!w || controlAt(focusWidget()) == active || w->focusPolicy() == Qt::NoFocus) return;
  SyncGuard guard;  // the model's own move, not the user's
  w->setFocus(Qt::OtherFocusReason);
}

// Qt moved its focus into this window. The user's own moves, a click or Tab, reach the model where
// they are made (mouse, replayKey). Any other move (the window activated, a dialog closed) is Qt's:
// the model's focus stands, and only a model without one yet takes Qt's choice.
void FormView::focusIn(QWidget* w, Qt::FocusReason reason) {
  if (Control* c = controlAt(w); live_ && c && isTabStop(*c)) lastStop_ = widgetOf(*c);
  if (!acting() || reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
    return;
  if (!form_->activeControl()) {
    if (Control* c = controlAt(w)) post(c, [this, c] {
        if (!form_->activeControl()) c->setFocus();
      });
  } else if (!alignPending_) {
    alignPending_ = true;
    QMetaObject::invokeMethod(this, [this] { alignFocus(); }, Qt::QueuedConnection);
  }
}

// Input made before the window was hidden or a modal window opened over it is dropped.
bool FormView::blocked() const {
  QWidget* modal = QApplication::activeModalWidget();
  return !isVisible() || (modal && modal != this);
}

void FormView::post(Control* c, std::function<void()> action) {
  QPointer<FormView> self(this);
  QPointer<QWidget> w = c ? widgetOf(*c) : this;
  if (!w) return;
  auto guarded = [self, c, w, action = std::move(action)] {
    if (!self || !self->acting() || !w || self->blocked()) return;
    auto it = self->widgets_.find(c);  // c may be gone: compared, never touched
    if (c && (it == self->widgets_.end() || it->second != w)) return;
    QtHost::Acting acting(*self);
    action();
  };
  // A replayed key is delivered from a user action already: what it causes follows at once.
  if (replaying_) guarded();
  else UserActions::post(std::move(guarded));
}

// A control outside the window's visible area (a focus sink) is no Tab stop; code may still
// focus it.
bool FormView::isTabStop(const Control& c) const {
  QWidget* w = widgetOf(c);
  return w && w->isVisibleTo(this) && w->isEnabledTo(this) && (w->focusPolicy() & Qt::TabFocus) &&
         QRect(w->mapTo(this, QPoint()), w->size()).intersects(rect());
}

std::vector<QWidget*> FormView::tabStops() const {
  std::vector<QWidget*> stops;
  for (Control* c : ReadingOrder(*form_, [this](const Control& c) { return isTabStop(c); }))
    stops.push_back(widgetOf(*c));
  return stops;
}

// Where Tab goes on from, as the first and last index in `stops`: the focused stop; from a focus
// sink (a control outside the visible area that an option group hands the focus to), the stop
// that had the focus last, with its whole option group. {0, -1} when there is none.
std::pair<int, int> FormView::tabPlace(const std::vector<QWidget*>& stops) const {
  Control* current = controlAt(focusWidget());
  QWidget* from = current ? widgetOf(*current) : nullptr;
  bool sink = std::find(stops.begin(), stops.end(), from) == stops.end();
  if (sink) from = lastStop_;
  auto at = std::find(stops.begin(), stops.end(), from);
  if (!from || at == stops.end()) return {0, -1};
  int first = static_cast<int>(at - stops.begin()), last = first;
  const Control* c = controlAt(from);
  if (!sink || c->kind() != ControlKind::OptionButton) return {first, last};
  for (int i = 0; i < static_cast<int>(stops.size()); ++i) {
    const Control* o = controlAt(stops[i]);
    if (o->kind() == ControlKind::OptionButton && o->container() == c->container()) {
      first = std::min(first, i);
      last = std::max(last, i);
    }
  }
  return {first, last};
}

bool FormView::focusNextPrevChild(bool next) {
  if (!live_) return QWidget::focusNextPrevChild(next);
  std::vector<QWidget*> stops = tabStops();
  if (stops.empty()) return false;
  auto [first, last] = tabPlace(stops);
  int n = static_cast<int>(stops.size());
  QWidget* to = next ? stops[(last + 1) % n] : stops[(first + n - 1) % n];
  to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void FormView::showWindow(bool modal, FormView* opener) {
  Qt::WindowModality modality = modal ? Qt::ApplicationModal : Qt::NonModal;
  Qt::WindowType type = modal ? Qt::Dialog : Qt::Window;
  if (windowModality() != modality || windowType() != type) {
    if (isVisible()) QWidget::hide();
    setWindowModality(modality);
    Qt::WindowFlags flags = type;
    // A borderless window stays so, modal or not: title-bar hints would bring a frame back.
    if (form_->borderless()) flags |= Qt::FramelessWindowHint;
    else if (modal) flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setGeometry(placed_);  // new flags make a new native window, placed by its frame
  }
  // A window whose model has no focus yet starts at its first Tab stop.
  if (!form_->activeControl()) {
    std::vector<QWidget*> stops = tabStops();
    SyncGuard guard;
    if (!stops.empty() && controlAt(focusWidget()) == nullptr) stops.front()->setFocus(Qt::OtherFocusReason);
  }
  winId();  // the native window, to be transient for the opener's before it is shown
  windowHandle()->setTransientParent(opener ? opener->windowHandle() : nullptr);
  show();
  if (!screenless()) raise();
  activateWindow();
}

void FormView::hideWindow() {
  QWidget::hide();
  quitLoops();
}

void FormView::leaveLoop(QEventLoop* loop) { loops_.erase(std::remove(loops_.begin(), loops_.end(), loop), loops_.end()); }

void FormView::quitLoops() {
  for (QEventLoop* loop : loops_) loop->quit();
}

void FormView::detach() {
  if (!live_) return;
  forget();
  quitLoops();
  QWidget::hide();
}

void FormView::forget() {
  if (!live_) return;
  live_ = false;
  form_->viewHook = nullptr;
  for (auto& [c, w] : widgets_) c->viewHook = nullptr;
  form_ = nullptr;
  pressed_ = nullptr;
}

bool FormView::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && live_) post(nullptr, [this] { host_.activated(*this); });
  return QWidget::event(e);
}

// Where the window system really put the window (the user dragged its title bar, a window
// manager placed it or kept it on the screen): the form's place follows.
void FormView::moveEvent(QMoveEvent* e) {
  QWidget::moveEvent(e);
  QPoint at = geometry().topLeft();
  if (!live_ || !isVisible() || at == placed_.topLeft()) return;
  placed_.moveTopLeft(at);
  form_->movedTo(at.x() * host_.twipsPerPixelX(), at.y() * host_.twipsPerPixelY());
}

void FormView::closeEvent(QCloseEvent* e) {
  e->ignore();  // the model unloads the form, and the host drops this window
  if (live_) post(nullptr, [this] { form_->userClose(); });
}

bool FormView::eventFilter(QObject* o, QEvent* e) {
  switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: return mouse(static_cast<QWidget*>(o), e);
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return key(o, e);
    case QEvent::InputMethod: return composed(*static_cast<QInputMethodEvent*>(e));
    case QEvent::Wheel: return wheel(static_cast<QWidget*>(o), e);
    case QEvent::FocusIn:
      focusIn(static_cast<QWidget*>(o), static_cast<QFocusEvent*>(e)->reason());
      return false;
    default: return false;
  }
}

bool FormView::mouse(QWidget* w, QEvent* e) {
  auto* me = static_cast<QMouseEvent*>(e);
  // An event a child left unaccepted travels on to its parents: the child already reported it.
  if (mouseTarget_ && e->type() == mouseType_ && me->globalPosition() == mouseGlobal_ &&
      w->isAncestorOf(mouseTarget_))
    return false;
  mouseTarget_ = w;
  mouseType_ = e->type();
  mouseGlobal_ = me->globalPosition();
  if (!acting()) return false;

  Control* c = controlAt(w);
  // A list's or box's own scroll bar takes the focus for it and is no part of its surface.
  if (c && w != widgetOf(*c) && qobject_cast<QScrollBar*>(w)) {
    if (e->type() == QEvent::MouseButtonPress && controlAt(focusWidget()) == c) post(c, [c] { c->setFocus(); });
    return false;
  }
  QWidget* surface = c ? widgetOf(*c) : this;
  QPointF p = w == surface ? me->position() : QPointF(w->mapTo(surface, me->position().toPoint()));
  MouseEvent ev;
  ev.shift = shiftMask(me->modifiers());
  ev.x = p.x() * host_.twipsPerPixelX();
  ev.y = p.y() * host_.twipsPerPixelY();
  // A press that gave the control Qt's focus (before this filter ran) moves the model's there; so
  // does the second press of a double click, which may follow a move of the focus elsewhere.
  bool press = e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick;
  if (press && c && controlAt(focusWidget()) == c) post(c, [c] { c->setFocus(); });
  switch (e->type()) {
    case QEvent::MouseButtonPress:
      ev.button = buttonMask(me->button());
      if (c && clickedByMouse(c->kind()) && me->button() == Qt::LeftButton) pressed_ = c;
      post(c, [this, c, ev] { c ? c->userMouseDown(ev) : form_->userMouseDown(ev); });
      break;
    case QEvent::MouseMove:
      ev.button = buttonMask(me->buttons());
      post(c, [this, c, ev] { c ? c->userMouseMove(ev) : form_->userMouseMove(ev); });
      break;
    case QEvent::MouseButtonRelease: {
      ev.button = buttonMask(me->button());
      post(c, [this, c, ev] { c ? c->userMouseUp(ev) : form_->userMouseUp(ev); });
      // A click counts when press and release were both on this control.
      bool click = c && c == pressed_ && me->button() == Qt::LeftButton && surface->rect().contains(p.toPoint());
      if (me->button() == Qt::LeftButton) pressed_ = nullptr;
      if (click) post(c, [c] { c->userClick(); });
      break;
    }
    case QEvent::MouseButtonDblClick:
      if (c) post(c, [c] { c->userDblClick(); });
      break;
    default: break;
  }
  return false;
}

// A key press goes to the window first (it may swallow it), then on to the widget; a key release
// reaches the text box it happened in, then the widget. Every key event is held back and
// replayed once the actions before it ran, so keys keep their order with the clicks and typing
// around them, and go where the focus is by then.
bool FormView::key(QObject*, QEvent* e) {
  if (e == replaying_ || !acting()) return false;  // a replay, or its propagation to a parent
  auto* ke = static_cast<QKeyEvent*>(e);
  if (ke->nativeScanCode() == kKeyLeftOfOne && keyCode(*ke) == form_->ownKey() && !ke->isAutoRepeat()) {
    // In a window that takes that key for itself, where it is a dead key (^ on a German layout),
    // the input method takes its press into a composition and only its release arrives here: the
    // release stands for the press, and the composition is dropped, so the key types nothing into
    // the next character. Other windows leave the composition to the input method.
    if (ke->type() == QEvent::KeyPress) {
      leftOfOneDown_ = true;
    } else if (!std::exchange(leftOfOneDown_, false)) {
      QGuiApplication::inputMethod()->reset();
      auto press = std::make_shared<QKeyEvent>(QEvent::KeyPress, ke->key(), ke->modifiers(), ke->nativeScanCode(),
                                               ke->nativeVirtualKey(), ke->nativeModifiers());
      post(nullptr, [this, press] { replayKey(*press); });
    }
  }
  std::shared_ptr<QKeyEvent> k(ke->clone());
  post(nullptr, [this, k] { replayKey(*k); });
  return true;
}

void FormView::replayKey(QKeyEvent& k) {
  // The key belongs to the control with the model's focus; a model without one yet takes Qt's.
  if (!form_->activeControl())
    if (Control* first = controlAt(focusWidget())) first->setFocus();
  if (!acting()) return;
  alignFocus();
  QPointer<QWidget> target = focusWidget() ? focusWidget() : this;
  Control* c = controlAt(target);
  int code = keyCode(k);
  if (code != 0 && k.type() == QEvent::KeyPress) {
    form_->userKeyDown(code, shiftMask(k.modifiers()));
    if (code == 0 || !acting()) return;
  }
  if (c && c->kind() == ControlKind::TextBox && k.type() == QEvent::KeyRelease && !k.isAutoRepeat()) {
    static_cast<TextBox*>(c)->userKeyUp(code);
    if (!acting()) return;
  }
  if (!target) return;
  QWidget* before = focusWidget();
  replay(target, k);
  // Tab moved Qt's focus: the model's follows (the left control's LostFocus may take it back).
  if (!acting() || focusWidget() == before) return;
  if (Control* moved = controlAt(focusWidget())) moved->setFocus();
}

// Text an input method composed (a dead key's "â") is typed as a key that types it, held back and
// replayed in order with the keys around it, so it passes the box's KeyPress as any typed
// character does. Text still being composed is not shown.
bool FormView::composed(QInputMethodEvent& e) {
  if (!acting()) return false;
  if (!e.commitString().isEmpty()) {
    auto typed = std::make_shared<QKeyEvent>(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, e.commitString());
    post(nullptr, [this, typed] { replayKey(*typed); });
  }
  e.accept();
  return true;
}

// The wheel turns a list, combo box or scroll bar only while it has the model's focus, in order
// with the input around it; without the focus it changes nothing. Other controls take it as Qt
// does (a multi-line box scrolls). A combo box turns wherever the pointer is on it: a replayed
// turn goes to no parent, and its text would take it and do nothing.
bool FormView::wheel(QWidget* w, QEvent* e) {
  // A replay, or its way on to a parent: Qt hands each parent a copy of a wheel event.
  if (replaying_ || !acting()) return false;
  Control* c = controlAt(w);
  if (!c || !turnedByWheel(c->kind())) return false;
  std::shared_ptr<QWheelEvent> turn(static_cast<QWheelEvent*>(e)->clone());
  QPointer<QWidget> target(c->kind() == ControlKind::ComboBox ? widgetOf(*c) : w);
  post(c, [this, c, target, turn] {
    if (target && c->hasFocus()) replay(target, *turn);
  });
  e->accept();
  return true;
}

void FormView::replay(QWidget* target, QEvent& e) {
  const QEvent* outer = replaying_;
  replaying_ = &e;
  QCoreApplication::sendEvent(target, &e);
  replaying_ = outer;
}

}  // namespace olvex::ui::qt
