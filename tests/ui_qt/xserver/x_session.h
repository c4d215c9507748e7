#pragma once
// Window tests on a real X server. A test derives from XSession and writes its scenario as
// straight-line code passed to run(): the scenario runs on its own thread while the test's main
// thread runs the window system, so a modal window opened by a click does not block the
// scenario. Input goes through the X server (XTest) and checks read the screen's pixels. A
// fixture that sets `windowManager` in its constructor runs its test under openbox, whose title
// bars, close boxes, placement and stacking the scenario can use and check.
//
//   TEST_F(MyWindowTest, OpensPainted) {
//     start<shell::Splash>();                         // the program's start-up
//     run([&] {
//       auto& main = waitForForm<shell::Form1>();
//       click(main.Command3);                          // a real mouse click at its centre
//       Shot box = expectPainted("Confirm file modifying");
//       EXPECT_TRUE(box.shows("Are you sure"));
//       clickButton("Confirm file modifying", "Cancel");
//       waitClosed("Confirm file modifying");
//     });
//   }
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui_qt/xserver/x_display.h"

class QPoint;

namespace olvex::ui::qt {
class QtHost;
}

namespace olvex::test::x {

// What a window showed on the screen.
struct Shot {
  std::string caption;
  std::vector<std::string> texts;  // of its visible labels, buttons, boxes and frames
  Pixels screen;                   // its client area as the screen shows it
  bool shows(const std::string& text) const;  // a text holding `text` is among them
};

class XSession : public ::testing::Test {
 protected:
  XSession();
  ~XSession() override;
  void SetUp() override;  // skips the test where Xvfb is not installed

  // Runs on this thread before run(): shows the form's default instance (the program starts
  // with the splash window).
  template <class F>
  void start() {
    ui::Forms::get<F>().show();
  }

  // Runs the scenario on its own thread while this thread runs the window system; returns when
  // the scenario has ended. Windows it left open are closed.
  void run(const std::function<void()>& scenario);

  // --- The calls below are made from the scenario. A wait that times out fails the test and
  // ends the scenario. ---

  // Runs f on the window thread and waits for it.
  void onGui(const std::function<void()>& f);
  // Waits until `condition`, evaluated on the window thread, holds.
  void waitFor(const std::string& what, const std::function<bool()>& condition);

  // The form's default instance once it is loaded and its window is on the screen.
  template <class F>
  F& waitForForm() {
    F* form = nullptr;
    waitFor("the window of " + std::string(typeid(F).name()), [&] {
      if (!ui::Forms::loaded<F>()) return false;
      form = &ui::Forms::get<F>();
      return onScreen(*form);
    });
    return *form;
  }

  // A left click at the centre of the control (after its window is on the screen).
  void click(const ui::Control& c);
  // Moves the pointer to the first point of `path` (pixels from the control's top-left corner),
  // presses the left button, moves through the other points and releases it at the last.
  void drag(const ui::Control& c, const std::vector<std::pair<int, int>>& path);
  // A left click at the start of a line (counted from 0) of a multi-line text box.
  void clickLine(const ui::TextBox& box, int line);
  // A left click on the button showing `text` (with or without its & marker) in the window
  // titled `caption`: a message box's OK or Cancel, or a form's command button.
  void clickButton(const std::string& caption, const std::string& text);
  // A key press and release ("Escape", "Return", "space", "a"), to the focused window; keys
  // joined by "+" are a chord, pressed in order and released in reverse ("Control_L+End").
  void pressKey(const std::string& keys);
  // A key for each character (letters and digits).
  void typeKeys(const std::string& keys);

  // Waits until the window titled `caption` is shown and the screen shows what it draws: its
  // pixels match the window's own rendering, it is not one flat colour, and every visible
  // label, button and frame with a text is drawn. Fails the test otherwise.
  Shot expectPainted(const std::string& caption);
  // Waits until no visible window has that caption and the screen shows none.
  void waitClosed(const std::string& caption);
  // Waits until the control's widget has the keyboard focus, in Qt and on the X server, so that
  // keys typed next reach it.
  void waitKeyboardOn(const ui::Control& c);

  // Where the screen shows the form's client area and the control.
  Rect placeOf(const ui::Form& f);
  Rect placeOf(const ui::Control& c);

  // --- Under a window manager. ---
  // A click on the close box or the minimise box of the window's title bar.
  void clickCloseBox(const std::string& caption);
  void clickMinimiseBox(const std::string& caption);
  // A click on the window's title bar; a drag of it by dx, dy pixels, until the window moved.
  void clickTitleBar(const std::string& caption);
  void dragTitleBar(const std::string& caption, int dx, int dy);
  // The window titled `upper` is stacked above the one titled `lower`.
  bool stackedAbove(const std::string& upper, const std::string& lower);
  // Waits until the screen shows no window with that caption (closed or minimised).
  void waitUnshown(const std::string& caption);

  std::unique_ptr<ui::qt::QtHost> host;

 protected:
  bool windowManager = false;

 private:
  bool onScreen(const ui::Form& f);
  bool callGui(const std::function<void()>& f);  // false when the window thread did not answer
  [[noreturn]] void abort(const std::string& why);
  XDisplay& display();
  // Waits, asking only the X server, until `found` holds.
  void waitOnServer(const std::string& what, const std::function<bool()>& found);
  // Where the X server shows the client area of the window titled `caption`, once it does.
  Rect placeOf(const std::string& caption);
  // The middle of the window's title bar.
  QPoint titleBarPoint(const std::string& caption);
  // A click on a button of the window's title bar, counted from the right (0: the close box).
  void clickTitleButton(const std::string& caption, std::size_t fromRight);
  // The screen's pixels of a window's area, those of the windows above it hidden.
  Pixels grabArea(const Rect& area, const std::vector<Rect>& above);
};

}  // namespace olvex::test::x
