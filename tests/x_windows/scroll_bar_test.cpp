// Scroll bars as a person uses them on a real X server, with and without a window manager: reached
// with Tab, showing the focus, moved by keys and by their own arrows towards the end each points
// to, every move shown in the bar's read-out.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "customizers/lights/dialog.h"
#include "customizers/sound/dialog.h"
#include "program_fixture.h"

namespace olvex::test::x {
namespace {

constexpr std::string_view kLeftArrow = "left arrow", kRightArrow = "right arrow";  // clicked

struct Move {
  std::string_view input;  // a key, or one of the bar's arrows
  int value;
  const char* shown;  // by the read-out
};

// The control shows the same pixels in both shots.
bool drawnAlike(const Shot& a, const Shot& b, const ui::Control& c) {
  for (int y = 0; y < c.height() / 15; ++y)
    for (int x = 0; x < c.width() / 15; ++x)
      if (colourIn(a, c, x, y) != colourIn(b, c, x, y)) return false;
  return true;
}

class ScrollBarOnScreen : public OnBothScreens {
 protected:
  // Gives `bar` the focus with `key` pressed `times` from `from`, then makes each move in turn.
  void walk(const ui::Control& from, const char* key, int times, const ui::HScrollBar& bar,
            const ui::TextBox& readout, const std::vector<Move>& moves) {
    click(from);
    waitFocus(from);
    Shot unfocused = expectPainted(bar.form().caption());
    for (int i = 0; i < times; ++i) pressKey(key);
    waitFocus(bar);
    EXPECT_FALSE(drawnAlike(unfocused, expectPainted(bar.form().caption()), bar)) << "the focus does not show";
    for (const Move& m : moves) {
      std::string before;
      onGui([&] { before = readout.text(); });
      if (m.input == kLeftArrow || m.input == kRightArrow) {
        Rect r = placeOf(bar);
        int inset = 4;  // well inside the arrow, whatever the style's arrow width
        drag(bar, {{m.input == kLeftArrow ? inset : r.width - inset, r.height / 2}});
      } else {
        pressKey(std::string(m.input));
      }
      waitFor(std::string(m.input) + " to move the bar", [&] { return readout.text() != before; });
      onGui([&] {
        EXPECT_EQ(bar.value(), m.value) << m.input;
        EXPECT_EQ(readout.text(), m.shown) << m.input;
      });
    }
  }
};

TEST_P(ScrollBarOnScreen, BlendIntensityFollowsKeysAndArrows) {
  run([&] {
    auto& lite = open<customizers::CustLite>(mainWindow().Command13, "Light customizer");
    walk(lite.Text1[0], "Tab", 8, lite.HScroll4, lite.Text4,
         {{"Right", 4, "0.0049..."}, {"Right", 5, "0.0059..."}, {"Left", 4, "0.0049..."},
          {"Down", 5, "0.0059..."}, {"Up", 4, "0.0049..."}, {"Page_Down", 5, "0.0059..."},
          {"Page_Up", 4, "0.0049..."}, {"End", 10, "0.0109..."}, {"Home", -1, "0"},
          {kRightArrow, 0, "0.0009..."}, {kLeftArrow, -1, "0"}});
  });
}

TEST_P(ScrollBarOnScreen, SampleRateFollowsKeysAndArrows) {
  run([&] {
    auto& main = mainWindow();
    click(main.Check9);  // the sample rate needs the extended executable
    auto& snd = open<customizers::CustSnd>(main.Command24, "Sound \\ music customizer");
    walk(snd.Text1[1], "Shift_L+Tab", 1, snd.HScroll3, snd.Text1[1],
         {{"Right", 2, "44100 Hz"}, {"Left", 1, "22050 Hz"}, {"Down", 2, "44100 Hz"},
          {"Up", 1, "22050 Hz"}, {"Page_Down", 2, "44100 Hz"}, {"Page_Up", 1, "22050 Hz"},
          {"End", 3, "48000 Hz"}, {"Home", 0, "11025 Hz"}, {kRightArrow, 1, "22050 Hz"},
          {kLeftArrow, 0, "11025 Hz"}});
  });
}

INSTANTIATE_TEST_SUITE_P(Screens, ScrollBarOnScreen, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WindowManager" : "Bare"; });

}  // namespace
}  // namespace olvex::test::x
