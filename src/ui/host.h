#pragma once
// The services the program asks of the window system: message boxes, file dialogs, showing
// windows, the event loop's yield, the screen. QtHost renders them; TestHost scripts them.
#include <optional>
#include <string>

#include "ui/canvas.h"

namespace olvex::ui {

class Form;
class Timer;

enum class MsgButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct Message {
  std::string text;
  std::string title;  // empty: the program's own name
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
};

// The answer a message box gives without a user: its first (default) button.
MsgAnswer defaultAnswer(MsgButtons buttons);

struct FileDialog {
  std::string title;
  std::string filter;      // "Patch sets (*.drc)|*.drc|All files (*.*)|*.*"
  std::string initialDir;  // empty: the current directory
  std::string fileName;    // proposed name
};

struct ScreenRect { int left = 0, top = 0, right = 0, bottom = 0; };  // pixels
struct ScreenPoint { int x = 0, y = 0; };                             // pixels

class Host {
 public:
  virtual ~Host() = default;

  virtual MsgAnswer message(const Message& m) = 0;
  // Empty when the user cancels.
  virtual std::optional<std::string> openFile(const FileDialog& d) = 0;
  virtual std::optional<std::string> saveFile(const FileDialog& d) = 0;

  // Show a loaded form. A modal show returns once the form is hidden or unloaded (a host
  // without a user returns at once).
  virtual void show(Form& f, bool modal) = 0;
  virtual void hide(Form& f) = 0;
  // The form is being unloaded: views drop their widgets.
  virtual void unloaded(Form& f) = 0;

  // Repaint pending changes without taking user input.
  virtual void yield() = 0;
  // A timer's Enabled or Interval changed; a timer is going away.
  virtual void timerChanged(Timer& t) = 0;
  virtual void timerRemoved(Timer& t) = 0;

  // False on a platform without a screen (offscreen, minimal): no user can ever answer a window
  // there, so a run must not wait for one.
  virtual bool hasScreen() { return true; }

  // The form whose window the user works in: the one whose input is being handled, else the
  // active one; null when there is none. A window shown now was opened from it.
  virtual Form* activeForm() { return nullptr; }

  virtual ScreenRect workArea() = 0;
  virtual ScreenPoint cursorPos() = 0;
  // The text on the clipboard ("" when it holds none).
  virtual std::string clipboardText() = 0;
  // Draws text (lines split at CR LF) into a canvas, its top left corner at the pixel x, y.
  virtual void drawText(Canvas& canvas, int x, int y, const std::string& text, const Font& font, Color colour) = 0;
  virtual int twipsPerPixelX() { return 15; }
  virtual int twipsPerPixelY() { return 15; }
};

// The host every window and module talks to. Set once by main() or by a test.
Host& host();
Host* hostIfSet();
void setHost(Host* h);

// A message nobody can answer: its title and text on standard error.
void printMessage(const Message& m);

// Shorthands for the message boxes the program shows.
MsgAnswer msgBox(const std::string& text, MsgButtons buttons = MsgButtons::Ok,
                 const std::string& title = {}, MsgIcon icon = MsgIcon::None);

}  // namespace olvex::ui
