#pragma once
// A host without a user: message boxes answer from a script (else their default button), every
// message is recorded, file dialogs answer from a script (else cancel), modal shows return at
// once, and timers tick only when the test says so.
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/host.h"

namespace olvex::test {

class TestHost : public ui::Host {
 public:
  TestHost();   // becomes the current host
  ~TestHost();  // unloads every form and clears the current host

  ui::MsgAnswer message(const ui::Message& m) override;
  std::optional<std::string> openFile(const ui::FileDialog& d) override;
  std::optional<std::string> saveFile(const ui::FileDialog& d) override;
  void show(ui::Form& f, bool modal) override;
  void hide(ui::Form& f) override;
  void unloaded(ui::Form& f) override;
  void yield() override;
  void timerChanged(ui::Timer& t) override;
  void timerRemoved(ui::Timer& t) override;
  bool hasScreen() override { return screen; }
  ui::Form* activeForm() override { return active; }
  ui::ScreenRect workArea() override { return work; }
  ui::ScreenPoint cursorPos() override { return cursor; }
  std::string clipboardText() override { return clipboard; }
  // Fills a cell of kCharWidth by kLineHeight pixels for every character but a blank.
  void drawText(ui::Canvas& canvas, int x, int y, const std::string& text, const ui::Font& font,
                ui::Color colour) override;
  static constexpr int kCharWidth = 6, kLineHeight = 10;

  // Ticks every enabled timer with a non-zero interval once.
  void tickTimers();
  // Texts of the messages shown so far.
  std::vector<std::string> texts() const;

  std::vector<ui::Message> messages;
  std::deque<ui::MsgAnswer> answers;                   // next message box answers
  std::deque<std::optional<std::string>> fileAnswers;  // next file dialogs answer
  std::vector<ui::FileDialog> dialogs;
  std::vector<std::string> shown;                      // form names, in show order
  std::vector<std::string> unloadedForms;              // form names, in unload order
  int yields = 0;
  std::function<void()> onYield;
  // Runs inside every show, so a test can answer a modal window before its show returns.
  std::function<void(ui::Form&, bool modal)> onShow;
  std::function<void(const ui::Message&)> onMessage;  // runs while a message box is up
  std::set<ui::Timer*> timers;
  ui::Form* active = nullptr;  // the window new windows open over
  ui::ScreenRect work{0, 0, 1024, 768};
  ui::ScreenPoint cursor{0, 0};
  std::string clipboard;
  bool screen = true;
};

}  // namespace olvex::test
