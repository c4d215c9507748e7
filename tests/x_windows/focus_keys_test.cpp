// Focus and keys as a person uses them on a real X server: a box's check on leaving it after
// another box's check, the credits counter following the caret, keys typed ahead of a focus
// move, the Tab order of the windows, and where the focus ends after "defaults".
#include <gtest/gtest.h>

#include <thread>

#include "customizers/credits/dialog.h"
#include "customizers/fonts/dialog.h"
#include "customizers/gfx/dialog.h"
#include "customizers/lights/dialog.h"
#include "program_fixture.h"
#include "shell/form1.h"
#include "ui/qt/user_actions.h"

namespace olvex::test::x {
namespace {

using namespace std::chrono_literals;
using customizers::CustCredits;
using customizers::CustFonts;
using customizers::CustGfx;
using customizers::CustLite;

constexpr char kMainCaption[] = "OLVEX 0.76 rev. 4";

// Each test runs without a window manager and under one.
class FocusOnScreen : public ProgramTest, public ::testing::WithParamInterface<bool> {
 protected:
  FocusOnScreen() { windowManager = GetParam(); }
  shell::Form1& mainWindow() {
    expectPainted("OLVEX");
    clickButton("OLVEX", "OK");  // the start-up's notice of the missing patch set
    auto& main = waitForForm<shell::Form1>();
    expectPainted(kMainCaption);
    return main;
  }
  // The model's focus and the keyboard's are on `c`.
  void waitFocus(const ui::Control& c) {
    waitFor("the model's focus on " + c.name() + (c.index() < 0 ? "" : "(" + std::to_string(c.index()) + ")"),
            [&] { return c.form().activeControl() == &c; });
    waitKeyboardOn(c);
  }
  // The message box's text, answered with Enter.
  void expectMessage(const char* text) {
    EXPECT_TRUE(expectPainted("OLVEX").shows(text)) << text;
    pressKey("Return");
    waitClosed("OLVEX");
  }
};

std::string bytesAt(const std::string& file, std::string_view offsetKey, std::size_t n) {
  return file.substr(reflayout::findOffsetKey(offsetKey)->position - 1, n);
}

TEST_P(FocusOnScreen, ABoxIsCheckedOnLeavingRightAfterAnotherBoxsCheck) {
  run([&] {
    auto& main = mainWindow();
    click(main.Text1);
    waitFocus(main.Text1);
    pressKey("Control_L+a");
    typeKeys("200000");
    pressKey("Tab");
    expectMessage("Maximum value for this field is 131071!");
    waitFocus(main.Text1);
    EXPECT_EQ(main.Text1.text(), "131071");
    for (int tabs = 0; tabs < 4 && main.activeControl() != &main.Text2; ++tabs) {
      const ui::Control* from = main.activeControl();
      pressKey("Tab");
      waitFor("Tab to move the focus on", [&] { return main.activeControl() != from; });
    }
    waitFocus(main.Text2);
    pressKey("Control_L+a");
    typeKeys("0");
    pressKey("Tab");
    expectMessage("Minimum value for this field is 1!");
    waitFocus(main.Text2);
    EXPECT_EQ(main.Text2.text(), "1");
    click(main.Command3);
    clickButton("Confirm file modifying", "OK");
    waitClosed("Confirm file modifying");
    waitFor("the pass to end", [&] { return main.Command3.enabled(); });
  });
  std::string exe = exeBytes();
  EXPECT_EQ(bytesAt(exe, "DDOffset", 4), std::string("\x00\x00\x80\x3F", 4));  // 1.0f, never 0
  EXPECT_EQ(bytesAt(exe, "ClipDistOffset1", 4), std::string("\xFF\xFF\x01\x00", 4));
}

// Keys typed while earlier input still waits go where the focus is when they are replayed.
TEST_P(FocusOnScreen, KeysTypedAheadFollowTheFocus) {
  run([&] {
    auto& main = mainWindow();
    click(main.Text2);
    waitFocus(main.Text2);
    // A long action holds the queue while Tab and 5 are typed.
    std::unique_ptr<ui::qt::UserActions::Hold> hold;
    onGui([&] { hold = std::make_unique<ui::qt::UserActions::Hold>(); });
    pressKey("Tab");
    typeKeys("5");
    std::this_thread::sleep_for(300ms);
    onGui([&] { hold.reset(); });
    waitFor("the typed key", [&] { return main.Text2.text() != "20480" || main.activeControl() != &main.Text2; });
    std::this_thread::sleep_for(200ms);
    onGui([&] {
      EXPECT_EQ(main.Text2.text(), "20480");
      EXPECT_NE(main.activeControl(), &main.Text2);
    });
  });
}

TEST_P(FocusOnScreen, CreditsCounterFollowsClicksAndCaretKeys) {
  run([&] {
    click(mainWindow().Command21);
    click(waitForForm<CustFonts>().Command3);
    auto& credits = waitForForm<CustCredits>();
    EXPECT_TRUE(expectPainted("Credits sub-customizer").shows("1 / 23 [max 71]"));
    clickLine(credits.Text1, 5);
    waitFor("line 6 in the counter", [&] { return credits.Label4.caption() == "6 / 23 [max 71]"; });
    pressKey("Down");
    waitFor("line 7 in the counter", [&] { return credits.Label4.caption() == "7 / 23 [max 71]"; });
    pressKey("Control_L+End");
    waitFor("the last line in the counter", [&] { return credits.Label4.caption() == "23 / 23 [max 71]"; });
    EXPECT_TRUE(expectPainted("Credits sub-customizer").shows("23 / 23 [max 71]"));
  });
}

TEST_P(FocusOnScreen, TabFollowsTheLayout) {
  run([&] {
    auto& main = mainWindow();
    click(main.Command14);
    auto& gfx = waitForForm<CustGfx>();
    expectPainted("GFX customizer");
    waitFocus(gfx.Text1[0]);  // the top left box, "colour/rate:" 1
    pressKey("Tab");
    waitFocus(gfx.Text1[1]);
    click(gfx.Text1[11]);  // "Gunflash blend colour:" red, green, blue
    waitFocus(gfx.Text1[11]);
    pressKey("Tab");
    waitFocus(gfx.Text1[10]);
    pressKey("Tab");
    waitFocus(gfx.Text1[9]);
    pressKey("Tab");
    waitFocus(gfx.Text1[14]);  // the next row of the group
    pressKey("Shift_L+Tab");
    waitFocus(gfx.Text1[9]);
    click(gfx.Command1);
    waitClosed("GFX customizer");

    click(main.Command13);
    auto& lite = waitForForm<CustLite>();
    expectPainted("Light customizer");
    waitFocus(lite.Text1[0]);  // "Pistol / UZI flash:", not the read-out
    click(lite.Command1);
    waitClosed("Light customizer");
  });
}

TEST_P(FocusOnScreen, DefaultsLeaveTheFocusOnTheButtonAndTheConsole) {
  run([&] {
    auto& main = mainWindow();
    click(main.Command9);
    waitFor("the reload to end", [&] { return main.Command9.enabled(); });
    std::this_thread::sleep_for(300ms);
    waitFocus(main.Command9);
    pressKey("grave");
    waitFocus(main.Text5);
    typeKeys("defaults");
    pressKey("Return");
    waitFor("the console to be cleared", [&] { return main.Text5.text().empty() && main.Command9.enabled(); });
    std::this_thread::sleep_for(300ms);
    waitFocus(main.Text5);
    typeKeys("fov");
    waitFor("the next line typed into the console", [&] { return main.Text5.text() == "fov"; });
  });
}

INSTANTIATE_TEST_SUITE_P(Screens, FocusOnScreen, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WindowManager" : "Bare"; });

}  // namespace
}  // namespace olvex::test::x
