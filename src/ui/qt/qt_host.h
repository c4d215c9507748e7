#pragma once
// The window system on Qt Widgets: renders every form generically from its control list (see
// FormView), runs timers, modal loops and dialogs, and ends the application's event loop once
// no form is left loaded.
#include <QApplication>
#include <QObject>
#include <QPointer>
#include <map>

#include "ui/host.h"

class QTimer;
class QWidget;

namespace olvex::ui::qt {

class FormView;

class QtHost : public Host {
 public:
  explicit QtHost(QApplication& app);  // becomes the current host
  ~QtHost() override;                  // unloads every form
  QtHost(const QtHost&) = delete;
  QtHost& operator=(const QtHost&) = delete;

  MsgAnswer message(const Message& m) override;
  std::optional<std::string> openFile(const FileDialog& d) override;
  std::optional<std::string> saveFile(const FileDialog& d) override;
  void show(Form& f, bool modal) override;
  void hide(Form& f) override;
  void unloaded(Form& f) override;
  void yield() override;
  void timerChanged(Timer& t) override;
  void timerRemoved(Timer& t) override;
  bool hasScreen() override;
  Form* activeForm() override;
  ScreenRect workArea() override;
  ScreenPoint cursorPos() override;
  std::string clipboardText() override;
  void drawText(Canvas& canvas, int x, int y, const std::string& text, const Font& font, Color colour) override;
  int twipsPerPixelX() override { return twipsPerPixelX_; }
  int twipsPerPixelY() override { return twipsPerPixelY_; }

  // The form's window, built on first show; null when it has none.
  FormView* view(const Form& f) const;

  // Marks a nested event loop (modal form, dialog, menu, yield): unloaded forms are freed only
  // when none is running, since a handler of theirs may still be on the stack below it.
  class Nested {
   public:
    explicit Nested(QtHost& h);
    ~Nested();
    Nested(const Nested&) = delete;
    Nested& operator=(const Nested&) = delete;
   private:
    QtHost& host_;
  };

  // A form's window became the active one: the previously active form is deactivated first.
  void activated(FormView& v);

  // Marks the window whose user input is being handled, for as long as it lives.
  class Acting {
   public:
    explicit Acting(FormView& v);
    ~Acting();
    Acting(const Acting&) = delete;
    Acting& operator=(const Acting&) = delete;
   private:
    QtHost& host_;
    QPointer<FormView> previous_;
  };

 private:
  void scheduleCollect();
  void collect();
  // The process ends with the host still up (exit() from anywhere, the toolkit's own when its
  // display is gone): every view lets go of its form and no timer is touched again.
  static void processEnding();
  // Runs show(parent) as a nested modal loop over the active window (its parent when that is a
  // form's window), and activates that window again once it returns.
  template <class Show>
  auto modally(Show show);

  QApplication& app_;
  QObject anchor_;  // context and parent of the host's own timers
  int twipsPerPixelX_ = 15, twipsPerPixelY_ = 15;
  std::map<const Form*, QPointer<FormView>> views_;
  std::map<Timer*, QTimer*> timers_;
  QPointer<FormView> active_, acting_;
  int nested_ = 0;
  bool collectPending_ = false;
};

}  // namespace olvex::ui::qt
