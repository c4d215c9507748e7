#pragma once
// The top-level window of one loaded form: a widget per control, built from the control list.
// Model changes reach exactly the affected widget through the viewHooks; the user's input
// reaches the model through its user actions, so every event fires once.
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "ui/form.h"

class QEventLoop;
class QInputMethodEvent;
class QKeyEvent;

namespace olvex::ui::qt {

class QtHost;

class FormView : public QWidget {
 public:
  FormView(QtHost& host, Form& form);
  ~FormView() override;

  Form& form() const { return *form_; }
  QtHost& host() const { return host_; }
  // Still bound to a loaded form and not echoing a model write: user input may reach the model.
  bool acting() const;
  bool live() const { return live_; }

  // A modal window is a fixed-size dialog of its opener's window, kept above it and asking for
  // no minimise or maximise; a modeless one is a window of its own.
  void showWindow(bool modal, FormView* opener);
  void hideWindow();
  // Modal loops showing this window end when it is hidden or its form unloaded.
  void enterLoop(QEventLoop* loop) { loops_.push_back(loop); }
  void leaveLoop(QEventLoop* loop);
  // The form was unloaded: hooks cleared, no more input reaches it. The widget is deleted later.
  void detach();
  // Lets go of the form without a call into Qt, which may be partly gone (the process is
  // ending): hooks cleared, and nothing reaches the form again.
  void forget();

  QWidget* widgetOf(const Control& c) const;
  // The control a widget (or a child widget of one) shows; null for the form itself.
  Control* controlAt(QObject* o) const;
  void syncControl(Control& c);
  // The user's input on `w` and its parts (a list's scroll bars, a combo box's text) reaches the
  // model as input on the control `w` shows.
  void watch(QWidget* w);
  // Runs a user action on c (null: the form) once Qt has finished delivering the input that
  // caused it, if the window still takes input then (shown, no modal window over it) and still
  // shows c.
  void post(Control* c, std::function<void()> action);

 protected:
  bool event(QEvent* e) override;
  void moveEvent(QMoveEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;
  // Tab and Backtab: the next Tab stop in the order of the layout (see tabStops).
  bool focusNextPrevChild(bool next) override;

 private:
  void build(Control& c);
  void syncForm();
  void reconcile();
  // Images set on top go above every other control of their container.
  void raiseOnTop();
  void dropRemoved();
  bool blocked() const;
  // Qt's focus to the control that has the model's focus, if its widget can take it.
  void alignFocus();
  void focusIn(QWidget* w, Qt::FocusReason reason);
  bool isTabStop(const Control& c) const;
  std::vector<QWidget*> tabStops() const;
  std::pair<int, int> tabPlace(const std::vector<QWidget*>& stops) const;
  void syncCommon(Control& c, QWidget* w);
  void quitLoops();
  bool mouse(QWidget* w, QEvent* e);
  bool key(QObject* o, QEvent* e);
  void replayKey(QKeyEvent& k);
  bool composed(QInputMethodEvent& e);
  bool wheel(QWidget* w, QEvent* e);
  // Delivers a held-back input event to `target`, past this view's own filter.
  void replay(QWidget* target, QEvent& e);

  QtHost& host_;
  Form* form_;
  bool live_ = true;
  std::map<Control*, QPointer<QWidget>> widgets_;
  std::map<const QObject*, Control*> owners_;
  std::vector<QEventLoop*> loops_;
  QRect placed_;                 // the client area's place and size, in pixels, as last known
  bool reconcilePending_ = false, alignPending_ = false;
  QPointer<QWidget> mouseTarget_;  // the last mouse event's receiver, to skip its propagation
  int mouseType_ = 0;
  QPointF mouseGlobal_;
  Control* pressed_ = nullptr;     // a clickable control under a left-button press
  QPointer<QWidget> lastStop_;     // the last Tab stop that had Qt's focus
  const QEvent* replaying_ = nullptr;  // a held-back input event on its way to its widget
  bool leftOfOneDown_ = false;         // the key left of 1 was seen going down (not taken by an input method)
};

}  // namespace olvex::ui::qt
