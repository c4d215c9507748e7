// The edges of a text box's input on a real X server, with and without a window manager: the key
// that opens and closes the console.
#include <gtest/gtest.h>

#include "program_fixture.h"

namespace olvex::test::x {
namespace {

using TextEdges = OnBothScreens;

// The key left of 1, with or without Shift, opens and closes the console and types nothing:
// "Hard Clipping range:" keeps its value through three presses, and the console is empty.
TEST_P(TextEdges, TheConsoleKeyTypesNothing) {
  run([&] {
    auto& main = mainWindow();
    auto console = [&](bool open) {
      waitFor(open ? "the console open" : "the console closed", [&] {
        return (main.height() != shell::Form1::kConsoleClosedHeight) == open;
      });
    };
    click(main.Text1);
    waitFocus(main.Text1);
    pressKey("Control_L+a");
    pressKey("grave");
    console(true);
    waitFocus(main.Text5);
    pressKey("grave");
    console(false);
    pressKey("grave");
    console(true);
    waitFocus(main.Text5);
    pressKey("Shift_L+grave");
    console(false);
    onGui([&] {
      EXPECT_EQ(main.Text1.text(), "20480");
      EXPECT_EQ(main.Text5.text(), "");
    });
  });
}

INSTANTIATE_TEST_SUITE_P(Screens, TextEdges, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WindowManager" : "Bare"; });

}  // namespace
}  // namespace olvex::test::x
