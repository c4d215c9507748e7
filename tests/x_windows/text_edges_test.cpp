// The edges of a text box's input on a real X server, with and without a window manager: a drag
// that leaves the program's windows, Backspace and Delete with any modifiers, a key that types a
// control character, and the key that opens and closes the console.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <thread>

#include "customizers/credits/dialog.h"
#include "customizers/fonts/dialog.h"
#include "customizers/fonts/window_title.h"
#include "customizers/lights/dialog.h"
#include "program_fixture.h"

namespace olvex::test::x {
namespace {

using namespace customizers;
using namespace std::chrono_literals;

constexpr char kLights[] = "Light customizer";

class TextEdges : public OnBothScreens {
 protected:
  CustCredits& openCredits(shell::Form1& main) {
    click(main.Command21);
    click(waitForForm<CustFonts>().Command3);
    auto& credits = waitForForm<CustCredits>();
    expectPainted("Credits sub-customizer");
    return credits;
  }

  // The credits counter shows the caret on that line (from 1).
  void waitCounter(const CustCredits& credits, int line) {
    std::string counter = std::to_string(line) + " / 23 [max 71]";
    waitFor(counter, [&] { return credits.Label4.caption() == counter; });
  }

  void pressConsoleKeys(const std::string& key, const std::string& shifted,
                        const std::function<void(shell::Form1&)>& then = {});
};

// Selected text of the credits editor pressed and dragged out of the program's windows, released
// on the bare screen: the text stays, and the clicks and keys that follow work as before. A press
// on the selection and a drag within the box select from the press on.
TEST_P(TextEdges, ADragOutOfAMultiLineBoxEndsAndChangesNothing) {
  run([&] {
    auto& credits = openCredits(mainWindow());
    const ui::TextBox& box = credits.Text1;
    std::string text;
    onGui([&] { text = box.text(); });
    auto selectLines = [&] {  // 1 to 3, from a click on the first
      clickLine(box, 1);
      waitFocus(box);
      for (int i = 0; i < 3; ++i) pressKey("Shift_L+Down");
      waitFor("three lines selected", [&] {
        return box.lineFromChar(box.selStart()) == 1 && box.lineFromChar(box.selStart() + box.selLength()) == 4;
      });
    };
    selectLines();
    Rect r = placeOf(box);
    auto [x, y] = lineStart(box, 2);
    x -= r.left;
    y -= r.top;
    drag(box, {{x, y}, {1260 - r.left, 1010 - r.top}, {1270 - r.left, 1015 - r.top}});  // first move: out
    std::this_thread::sleep_for(300ms);  // the box's auto-scroll timer runs meanwhile
    pressKey("Control_L+Home");
    waitCounter(credits, 1);
    clickLine(box, 5);
    waitCounter(credits, 6);
    pressKey("Down");
    waitCounter(credits, 7);
    onGui([&] { EXPECT_EQ(box.text(), text); });
    selectLines();
    drag(box, {{x, y}, {x + 20, y + 10}, {x + 60, y + 30}});
    waitFor("a selection from the press on", [&] {
      return box.lineFromChar(box.selStart()) == 2 && box.lineFromChar(box.selStart() + box.selLength()) > 2;
    });
    onGui([&] { EXPECT_EQ(box.text(), text); });
  });
}

// Backspace and Delete with any modifiers pass KeyPress: "Binoculars light range:", which swallows
// every key, keeps its range. A key that types a control character (a tab from Ctrl+Alt+I) types
// nothing into the credits editor.
TEST_P(TextEdges, EditKeysWithAnyModifiersPassKeyPress) {
  run([&] {
    auto& main = mainWindow();
    auto& lite = open<CustLite>(main.Command13, kLights);
    auto before = values(lite);
    drag(lite.Combo1, {{6, 10}});  // a click into its text
    waitFocus(lite.Combo1);
    for (const char* key : {"End", "Control_L+Shift_L+BackSpace", "Control_L+Alt_L+BackSpace", "Shift_L+BackSpace",
                            "Alt_L+BackSpace", "Home", "Control_L+Shift_L+Delete", "Alt_L+Delete"})
      pressKey(key);
    pressKey("Tab");  // on to the blend intensity, once the keys before it are done
    waitFocus(lite.HScroll4);
    EXPECT_EQ(values(lite), before);
    clickText(kLights, "apply");
    waitClosed(kLights);

    auto& credits = openCredits(main);
    std::string text;
    onGui([&] { text = credits.Text1.text(); });
    clickLine(credits.Text1, 5);
    waitCounter(credits, 6);
    pressKey("Control_L+Alt_L+i");
    pressKey("Down");
    waitCounter(credits, 7);
    onGui([&] { EXPECT_EQ(credits.Text1.text(), text); });
  });
}

// The console key (`key`, and `shifted` with Shift) opens and closes the console and types
// nothing: from "Hard Clipping range:" with its text selected it opens, closes, opens, closes with
// Shift and opens again; the box keeps its value, the console stays empty, and "ab" typed into it
// then is "ab".
void TextEdges::pressConsoleKeys(const std::string& key, const std::string& shifted,
                                 const std::function<void(shell::Form1&)>& then) {
  run([&] {
    auto& main = mainWindow();
    auto press = [&](const std::string& keys, bool open) {
      pressKey(keys);
      waitFor(open ? "the console open" : "the console closed", [&] {
        return (main.height() != shell::Form1::kConsoleClosedHeight) == open;
      });
      if (open) waitFocus(main.Text5);
    };
    click(main.Text1);
    waitFocus(main.Text1);
    pressKey("Control_L+a");
    press(key, true);
    press(key, false);
    press(key, true);
    press("Shift_L+" + shifted, false);
    onGui([&] { EXPECT_EQ(main.Text5.text(), ""); });
    press(key, true);
    typeKeys("ab");
    waitFor("the console's text", [&] { return main.Text5.text().size() == 2; });
    onGui([&] {
      EXPECT_EQ(main.Text1.text(), "20480");
      EXPECT_EQ(main.Text5.text(), "ab");
    });
    if (then) then(main);
  });
}

TEST_P(TextEdges, TheConsoleKeyTypesNothing) { pressConsoleKeys("grave", "grave"); }

// On a German layout the key left of 1 is a dead key (^, which an input method holds to compose
// with the next character) and ° with Shift: in the main window it is the console key all the
// same, and composes nothing into the next character typed. In any other window it composes as
// the layout says: "â", "ô" and, before a blank, a lone "^" reach the saved window title, and a
// box that takes digits only refuses "â".
TEST_P(TextEdges, TheConsoleKeyIsTheKeyLeftOfOneOnEveryLayout) {
  useLayout("de");
  std::vector<std::string> preset;
  pressConsoleKeys("dead_circumflex", "degree", [&](shell::Form1& main) {
    pressKey("dead_circumflex");  // closes the console
    waitFor("the console closed", [&] { return main.height() == shell::Form1::kConsoleClosedHeight; });
    auto& fonts = open<CustFonts>(main.Command21, "Text customizer");
    const ui::TextBox& title = fonts.Text1[kTitleIndex];
    // Each box's text is selected, as the user sees it, before the composing keys: Qt's input
    // method gives a composed character to the box at once, ahead of keys still in its queue.
    const auto selectAll = [&](const ui::TextBox& box) {
      click(box);
      waitFocus(box);
      pressKey("Control_L+a");
      waitFor("the text selected", [&] { return box.selLength() == static_cast<int>(box.text().size()); });
    };
    selectAll(title);
    for (const char* next : {"a", "o", "space"}) {
      pressKey("dead_circumflex");
      pressKey(next);
    }
    waitFor("the composed title", [&] { return title.text() == "\xE2\xF4^"; });
    // A character composed passes the box's filter as a typed one does, in order with the keys
    // around it: the legend time takes digits only.
    const ui::TextBox& legendTime = fonts.Text1[18];
    selectAll(legendTime);
    pressKey("7");
    pressKey("dead_circumflex");
    pressKey("a");
    pressKey("8");
    waitFor("the digits typed", [&] { return legendTime.text() == "78"; });
    clickText("Text customizer", "apply");
    waitClosed("Text customizer");
    onGui([&] { EXPECT_EQ(main.height(), shell::Form1::kConsoleClosedHeight); });
    preset = savePreset(main);
  });
  EXPECT_NE(std::find(preset.begin(), preset.end(), "WindowTitle=\xE2\xF4^"), preset.end());
}

INSTANTIATE_TEST_SUITE_P(Screens, TextEdges, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WindowManager" : "Bare"; });

}  // namespace
}  // namespace olvex::test::x
