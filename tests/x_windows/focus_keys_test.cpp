// Focus and keys as a person uses them on a real X server, with and without a window manager: a
// box's check on leaving it right after another box's check, keys typed ahead of a focus move, a
// quick second click giving the focus back, the credits counter following the caret, the Tab
// order of the windows, where the focus ends after "defaults", a list chosen from only, and the
// wheel turning only the list with the focus, wherever the pointer is on it.
#include <gtest/gtest.h>

#include <thread>

#include "customizers/credits/dialog.h"
#include "customizers/fonts/dialog.h"
#include "customizers/gfx/dialog.h"
#include "customizers/gfx2/dialog.h"
#include "customizers/lights/dialog.h"
#include "program_fixture.h"
#include "shell/shared_tables.h"
#include "ui/qt/user_actions.h"

namespace olvex::test::x {
namespace {

using namespace std::chrono_literals;
using FocusOnScreen = OnBothScreens;

TEST_P(FocusOnScreen, ABoxIsCheckedOnLeavingRightAfterAnotherBoxsCheck) {
  std::string exe;
  run([&] {
    auto& main = mainWindow();
    const struct {
      const ui::TextBox& box;
      const char *typed, *message, *kept;
    } boxes[] = {
        {main.Text1, "200000", "Maximum value for this field is 131071!", "131071"},
        {main.Text2, "0", "Minimum value for this field is 1!", "1"},
    };
    click(main.Text1);
    waitFocus(main.Text1);
    for (const auto& b : boxes) {
      for (int tabs = 0; tabs < 4 && main.activeControl() != &b.box; ++tabs) {
        const ui::Control* from = main.activeControl();
        pressKey("Tab");
        waitFor("Tab to move the focus on", [&] { return main.activeControl() != from; });
      }
      waitFocus(b.box);
      pressKey("Control_L+a");
      typeKeys(b.typed);
      pressKey("Tab");
      expectMessage(b.message);
      waitFocus(b.box);
      EXPECT_EQ(b.box.text(), b.kept);
    }
    exe = modify(main);
  });
  EXPECT_EQ(bytesAt(exe, "DDOffset", 4), std::string("\x00\x00\x80\x3F", 4));  // 1.0f, never 0
  EXPECT_EQ(bytesAt(exe, "ClipDistOffset1", 4), std::string("\xFF\xFF\x01\x00", 4));
}

// Keys typed while earlier input still waits go where the focus is when they are replayed.
TEST_P(FocusOnScreen, KeysTypedAheadFollowTheFocus) {
  run([&] {
    auto& main = mainWindow();
    click(main.Text2);
    waitFocus(main.Text2);
    std::unique_ptr<ui::qt::UserActions::Hold> hold;  // a long action holds the queue
    onGui([&] { hold = std::make_unique<ui::qt::UserActions::Hold>(); });
    pressKey("Tab");
    typeKeys("5");
    std::this_thread::sleep_for(300ms);  // nothing to wait for: the keys must not arrive yet
    onGui([&] { hold.reset(); });
    waitFor("the keys in the next box", [&] { return main.Text3.text() != "12288"; });
    onGui([&] {
      EXPECT_EQ(main.activeControl(), &main.Text3);
      EXPECT_EQ(main.Text2.text(), "20480");
      EXPECT_EQ(main.Text3.text(), "5");
    });
  });
}

TEST_P(FocusOnScreen, CreditsCounterFollowsClicksAndCaretKeys) {
  run([&] {
    click(mainWindow().Command21);
    click(waitForForm<customizers::CustFonts>().Command3);
    auto& credits = waitForForm<customizers::CustCredits>();
    const struct {
      std::function<void()> input;
      const char* counter;
    } steps[] = {
        {[&] { clickLine(credits.Text1, 5); }, "6 / 23 [max 71]"},
        {[&] { pressKey("Down"); }, "7 / 23 [max 71]"},
        {[&] { pressKey("Control_L+End"); }, "23 / 23 [max 71]"},
    };
    EXPECT_TRUE(expectPainted("Credits sub-customizer").shows("1 / 23 [max 71]"));
    for (const auto& s : steps) {
      s.input();
      waitFor(s.counter, [&] { return credits.Label4.caption() == s.counter; });
    }
    EXPECT_TRUE(expectPainted("Credits sub-customizer").shows("23 / 23 [max 71]"));
  });
}

TEST_P(FocusOnScreen, TabFollowsTheLayout) {
  run([&] {
    auto& main = mainWindow();
    auto& gfx = open<customizers::CustGfx>(main.Command14, "GFX customizer");
    waitFocus(gfx.Text1[0]);  // the top left box, "colour/rate:" 1
    const struct {
      const char* key;
      int box;
    } steps[] = {
        {"Tab", 1}, {nullptr, 11},  // a click on "Gunflash blend colour:" red
        {"Tab", 10}, {"Tab", 9},    // green, blue
        {"Tab", 14},                // the next row of the group
        {"Shift_L+Tab", 9},
    };
    for (const auto& s : steps) {
      if (s.key)
        pressKey(s.key);
      else
        click(gfx.Text1[s.box]);
      waitFocus(gfx.Text1[s.box]);
    }
    clickText("GFX customizer", "apply");
    waitClosed("GFX customizer");
    auto& lite = open<customizers::CustLite>(main.Command13, "Light customizer");
    waitFocus(lite.Text1[0]);  // "Pistol / UZI flash:", not the read-out
  });
}

TEST_P(FocusOnScreen, DefaultsLeaveTheFocusOnTheButtonAndTheConsole) {
  run([&] {
    auto& main = mainWindow();
    click(main.Command9);
    waitFor("the reload to end", [&] { return main.Command9.enabled(); });
    std::this_thread::sleep_for(300ms);  // a focus change queued behind the reload would come now
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

// Tab selected "Distant Fog range" just before the box left behind showed its message; once the
// focus is elsewhere the box draws no selection (nor a caret).
TEST_P(FocusOnScreen, ABoxLeftForAMessageDrawsNoSelectionOnceTheFocusMovesOn) {
  run([&] {
    auto& main = mainWindow();
    click(main.Text2);
    waitFocus(main.Text2);
    pressKey("Control_L+a");
    typeKeys("0");
    pressKey("Tab");
    expectMessage("Minimum value for this field is 1!");
    waitFocus(main.Text2);
    click(main.Command9);
    waitFor("the reload to end", [&] { return main.Command9.enabled(); });
    waitFocus(main.Command9);
    EXPECT_FALSE(viewSelects(main.Text3));
    std::uint32_t highlight = selectionColour();
    Shot shot = expectPainted(kMain);
    Rect box = placeOf(main.Text3), window = placeOf(main);
    int highlighted = 0;
    for (int y = 0; y < box.height; ++y)
      for (int x = 0; x < box.width; ++x)
        highlighted += shot.screen.at(box.left - window.left + x, box.top - window.top + y) == highlight;
    EXPECT_EQ(highlighted, 0);
  });
}

// "Binoculars light range:" is chosen from its list only. A click into its text, or Tab, gives it
// the focus; the keys typed then change nothing, in it or in the box that had the focus before,
// and Down chooses the next entry.
TEST_P(FocusOnScreen, TheBinocularsRangeTakesTheFocusButNoTypedKey) {
  run([&] {
    auto& lite = open<customizers::CustLite>(mainWindow().Command13, "Light customizer");
    auto before = values(lite);
    auto typeAndLeave = [&](const std::string& keys) {
      typeKeys(keys);
      pressKey("BackSpace");
      pressKey("Delete");
      pressKey("Tab");  // on to the blend intensity, once the keys before it are done
      waitFocus(lite.HScroll4);
    };
    click(lite.Text1[1]);  // "Flame emitter 1:"
    waitFocus(lite.Text1[1]);
    drag(lite.Combo1, {{6, 10}});  // a click into its text
    waitFocus(lite.Combo1);
    typeAndLeave("9abc");
    EXPECT_EQ(values(lite), before);
    pressKey("Shift_L+Tab");
    waitFocus(lite.Combo1);
    typeAndLeave("r5");
    EXPECT_EQ(values(lite), before);
    pressKey("Shift_L+Tab");
    waitFocus(lite.Combo1);
    pressKey("Down");
    waitFor("Down to choose the next range", [&] { return lite.Combo1.text() == "25"; });
    before["Combo1"] = "4 \"25\"";
    EXPECT_EQ(values(lite), before);
  });
}

// In GFX 2, the wheel turned over the fog unit list without the focus changes nothing: the red
// box keeps the 200 typed into it. Given the focus (by Shift+Tab, which stores the red box in the
// unit), the list turns with the wheel as with the arrow keys, and unit 00 shows its 200 again.
TEST_P(FocusOnScreen, TheWheelTurnsOnlyTheListWithTheFocus) {
  run([&] {
    auto& gfx2 = open<customizers::CustGfx2>(mainWindow().Command18, "GFX customizer 2");
    const ui::TextBox& red = gfx2.Text1[15];
    click(red);
    waitFocus(red);
    pressKey("Control_L+a");
    typeKeys("200");
    turnWheel(gfx2.Combo1, -1);
    turnWheel(gfx2.Combo1, 1);
    pressKey("Shift_L+Tab");  // to the "?" beside the list: the wheel's turns are done by then
    waitFocus(gfx2.Command4);
    onGui([&] {
      EXPECT_EQ(gfx2.Combo1.listIndex(), 0);
      EXPECT_EQ(red.text(), "200");
      EXPECT_EQ(shell::FogUnitR[0], 200);
    });
    pressKey("Shift_L+Tab");
    waitFocus(gfx2.Combo1);
    turnWheel(gfx2.Combo1, -1);
    waitFor("unit 01", [&] { return gfx2.Combo1.listIndex() == 1 && red.text() != "200"; });
    turnWheel(gfx2.Combo1, 1);
    waitFor("unit 00 with its 200", [&] { return gfx2.Combo1.listIndex() == 0 && red.text() == "200"; });
  });
}

// A press soon after another at the same place is the second of a double click to Qt, which
// gives the box its focus all the same: so does the model, and the keys typed then go there.
TEST_P(FocusOnScreen, AQuickSecondClickGivesTheBoxTheFocusBack) {
  run([&] {
    auto& main = mainWindow();
    click(main.Text2);
    waitFocus(main.Text2);
    pressKey("Tab");
    waitFor("Tab to move the focus on", [&] { return main.activeControl() != &main.Text2; });
    click(main.Text2);  // within the double-click time of the first click
    waitFocus(main.Text2);
    pressKey("Control_L+a");
    typeKeys("7");
    waitFor("the key in the box", [&] { return main.Text2.text() == "7"; });
  });
}

// Focused by a click into its text, the binoculars range turns with the wheel over that text as
// with Down and Up, as it does over its arrow.
TEST_P(FocusOnScreen, TheWheelTurnsAFocusedComboBoxOverItsText) {
  run([&] {
    auto& lite = open<customizers::CustLite>(mainWindow().Command13, "Light customizer");
    drag(lite.Combo1, {{6, 10}});  // a click into its text
    waitFocus(lite.Combo1);
    turnWheel(lite.Combo1, -1);  // the middle of its text
    waitFor("the next range", [&] { return lite.Combo1.text() == "25"; });
    turnWheel(lite.Combo1, 1);
    waitFor("the range before", [&] { return lite.Combo1.text() == "20"; });
  });
}

INSTANTIATE_TEST_SUITE_P(Screens, FocusOnScreen, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WindowManager" : "Bare"; });

}  // namespace
}  // namespace olvex::test::x
