#pragma once
// The program's host: the window toolkit starts only when something must really be shown. A run
// starts window-less; forms, timers and messages are handled without a toolkit until a message
// box, a file dialog or a modal window needs a user on a display, or the run goes on with windows
// up (no timer is left to run while forms are loaded). Then the toolkit is loaded, the forms
// shown so far get their windows, and every call goes to its host. A silent patch run that shows
// nothing never loads the toolkit, and runs on a host without any display.
#include <chrono>
#include <map>
#include <memory>

#include "ui/host.h"
#include "ui/toolkit.h"

namespace olvex::ui {

class LazyHost : public Host {
 public:
  explicit LazyHost(ToolkitLoader loader);  // becomes the current host
  ~LazyHost() override;
  LazyHost(const LazyHost&) = delete;
  LazyHost& operator=(const LazyHost&) = delete;

  // Starts the toolkit now (a windowed run shows its splash window at once).
  void realize();
  bool realized() const { return toolkit_ != nullptr; }
  // Runs timers until no form is left loaded, then ends with 0; once the toolkit is up, its
  // event loop runs instead and exec returns its result.
  int exec();

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
  int twipsPerPixelX() override;
  int twipsPerPixelY() override;

 private:
  using Clock = std::chrono::milliseconds;
  // Brings the toolkit up where a user on a display can answer; false where nobody can.
  bool realizeForUser();

  ToolkitLoader loader_;
  std::unique_ptr<Toolkit> toolkit_;
  Host* shown_ = nullptr;  // the toolkit's host once it is up
  // Until the toolkit is up nothing is on the screen, so time is the timers' own: the loop moves
  // straight to the next one due.
  Clock now_{0};
  std::map<Timer*, Clock> due_;
};

// A display to show windows on is configured: an X or Wayland display, or a window platform
// other than the screen-less offscreen and minimal ones.
bool displayAvailable();

}  // namespace olvex::ui
