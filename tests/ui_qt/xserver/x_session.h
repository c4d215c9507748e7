#pragma once
// Window tests on a real X server. A test derives from XSession and writes its scenario as
// straight-line code passed to run(): the scenario runs on its own thread while the test's main
// thread runs the window system, so a modal window opened by a click does not block it. Input
// goes through the X server (XTest) and checks read the screen's pixels. A fixture that sets
// `windowManager` in its constructor runs its test under openbox (title bars, close boxes,
// placement, stacking). A wait that times out fails the test, ends the scenario and names the
// windows shown; windows the scenario left open are closed.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui_qt/xserver/x_display.h"
#include "ui_qt/xserver/x_selection.h"

class QWidget;

namespace olvex::ui::qt {
class QtHost;
}

namespace olvex::test::x {

// What a window showed on the screen.
struct Shot {
  std::vector<std::string> texts;  // of its visible labels, buttons, boxes and frames
  Pixels screen;                   // its client area as the screen shows it
  bool shows(const std::string& text) const;  // a text holding `text` is among them
};

// "Text1(3)", or the name alone outside a control array.
std::string nameOf(const ui::Control& c);
// XSession::windowsShown and XSession::values, read on the window thread by their caller.
std::set<std::string> shownWindowTitles();
std::map<std::string, std::string> controlValues(const ui::Form& f);

class XSession : public ::testing::Test {
 protected:
  XSession();
  ~XSession() override;
  void SetUp() override;  // skips the test where Xvfb or openbox is not installed

  // Runs the scenario on its own thread while this thread runs the window system.
  void run(const std::function<void()>& scenario);

  // --- From the scenario. ---
  // Runs f on the window thread and waits for it; waits until `condition` holds there.
  void onGui(const std::function<void()>& f);
  void waitFor(const std::string& what, const std::function<bool()>& condition);

  // The form's default instance once it is loaded and its window is on the screen.
  template <class F>
  F& waitForForm() {
    F* form = nullptr;
    waitFor(std::string("the window of ") + typeid(F).name(), [&] {
      form = ui::Forms::loaded<F>() ? &ui::Forms::get<F>() : nullptr;
      return form && onScreen(*form);
    });
    return *form;
  }

  // A click at the centre of the control: with the left button, or with `button` (2 the middle
  // one, which pastes the X selection).
  void click(const ui::Control& c, int button = 1);
  // A left click whose release follows the press at once, as a quick hand's or a tool's: the
  // window has it before the activation the press asked for.
  void quickClick(const ui::Control& c);
  // A left click on the visible, enabled button, label or frame showing `text` (without its & marker) in
  // the window titled `caption`: a message box's OK, a form's command button.
  void clickText(const std::string& caption, const std::string& text);
  // A left click at the start of a line (from 0) of a multi-line text box.
  void clickLine(const ui::TextBox& box, int line);
  // A click with `button` (3 the right one) in the middle of a list's entry (from 0), or on its
  // check box, with the key `held` ("Control_L") held down, if one is named.
  void clickItem(const ui::ListBox& list, int row, int button = 1, const std::string& held = "",
                 bool onCheckBox = false);
  // Where the screen shows the start of that line, just inside its first character.
  std::pair<int, int> lineStart(const ui::TextBox& box, int line);
  // Presses the left button at the first point of `path` (pixels from the control's top-left),
  // moves through the others and releases it at the last.
  void drag(const ui::Control& c, const std::vector<std::pair<int, int>>& path);
  // Turns the mouse wheel over the control's centre without a click, one notch at a time: away
  // from the user (up, X button 4) for notches > 0, towards the user (down, button 5) for < 0.
  void turnWheel(const ui::Control& c, int notches);
  // A key press and release ("Escape", "Return", "a") to the focused window; keys joined by "+"
  // are a chord, pressed in order and released in reverse ("Control_L+End").
  void pressKey(const std::string& keys);
  void typeKeys(const std::string& keys);  // a key for each letter, digit, "-", ".", ";" and blank
  // The X server's keyboard takes another layout ("de"), as a user's setting gives it.
  void useLayout(const std::string& layout);
  // Another program takes the X selection ("PRIMARY", the text selected there, or "CLIPBOARD",
  // the text copied) with `text`.
  void selectElsewhere(const std::string& text, const std::string& selection = "PRIMARY");

  // Waits until the window titled `caption` is on the screen and painted: first, asking only
  // the X server, until it shows more than one colour (a call into the window thread would
  // wake a starved event loop), then until its pixels match the window's own rendering and
  // every visible text of it is drawn (parts other windows cover left out).
  Shot expectPainted(const std::string& caption);
  // Waits until no visible window has that caption and the screen shows none.
  void waitClosed(const std::string& caption);
  // Waits until the control has the keyboard focus, in Qt and on the X server.
  void waitKeyboardOn(const ui::Control& c);
  // Waits until a pop-up (a combo box's open list) is shown, or until none is.
  void waitPopup(bool shown);
  // The captions of the top-level windows shown (message boxes and file dialogs included).
  std::set<std::string> windowsShown();
  // What the user can change in each control of the form, by "name(index)" (read on the window
  // thread): a box's text, a check box's, option button's or scroll bar's value, a combo box's
  // text and entry, a list's entry and check marks, a knob's value.
  std::map<std::string, std::string> values(const ui::Form& f);
  // Where the screen shows the form's client area, the control, and the window titled `caption`
  // (or its visible, enabled widget showing `text`).
  Rect placeOf(const ui::Form& f);
  Rect placeOf(const ui::Control& c);
  Rect placeOf(const std::string& caption, const std::string& text = "");
  // Where the screen shows a list's entry (from 0).
  Rect placeOf(const ui::ListBox& list, int row);
  // The entries the screen shows highlighted, read from a grab of the list's window once painted:
  // those of its rows in view whose right end is not in the list's background colour.
  std::vector<int> highlighted(const ui::ListBox& list);

  // --- Under a window manager. ---
  void clickCloseBox(const std::string& caption);
  void clickMinimiseBox(const std::string& caption);
  void clickTitleBar(const std::string& caption);
  // Drags the title bar by dx, dy pixels and waits until the window has moved.
  void dragTitleBar(const std::string& caption, int dx, int dy);
  bool stackedAbove(const std::string& upper, const std::string& lower);
  // Whether the view of a one-line text box holds a selection; the colour a selection is drawn in.
  bool viewSelects(const ui::TextBox& box);
  std::uint32_t selectionColour();
  // Waits until the form's window is viewable and tells whether a frame was put around it.
  bool framed(const ui::Form& f);
  // Waits until the screen shows no window with that caption (closed or minimised).
  void waitUnshown(const std::string& caption);

  std::unique_ptr<ui::qt::QtHost> host;
  bool windowManager = false;

 private:
  bool onScreen(const ui::Form& f);
  bool callGui(const std::function<void()>& f);  // false when the window thread did not answer
  [[noreturn]] void abort(const std::string& why);
  XDisplay& display();
  // Waits, asking only the X server, until `found` holds.
  void waitOnServer(const std::string& what, const std::function<bool()>& found);
  // Where the screen shows the widget `find` gives (on the window thread) once it is shown.
  Rect placeOfWidget(const std::string& what, const std::function<QWidget*()>& find);
  void clickAt(int x, int y, int button = 1);
  // The centre of a window manager's button in the title bar, counted from the right (0: close).
  std::pair<int, int> titleButton(const std::string& caption, std::size_t fromRight);

  std::unique_ptr<SelectionOwner> otherProgram_;  // the selection's owner, once one is made
};

}  // namespace olvex::test::x
