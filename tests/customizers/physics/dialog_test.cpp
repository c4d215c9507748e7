// The physics dialog's knobs, selectors and shortcuts, driven without a screen.
#include <gtest/gtest.h>

#include "customizers/physics/dialog.h"
#include "support/test_host.h"

namespace olvex::customizers {
namespace {

using ui::Forms;

TEST(KnobTurns, ValueBecomesALeftAndRightRate) {
  struct Case { int value; const char* left; const char* right; } cases[] = {
      {0, "F061", "0F9F"},    {3950, "FFCF", "0031"}, {3999, "0000", "0000"}, {4000, "FFFF", "0001"},
      {4500, "FE0B", "01F5"}, {9000, "EC77", "1389"},
  };
  for (const Case& c : cases) {
    TurnPair p = KnobTurnPair(c.value);
    EXPECT_EQ(p.left, c.left) << c.value;
    EXPECT_EQ(p.right, c.right) << c.value;
  }
}

class PhysicsDialog : public ::testing::Test {
 protected:
  CustPhys& d() { return Forms::get<CustPhys>(); }
  // The knob reports a new value, as a drag step does.
  void turn(ui::vbkRoundSlider& knob, int value) {
    ASSERT_TRUE(knob.onChange);
    knob.onChange(value);
  }
  test::TestHost host;
};

TEST_F(PhysicsDialog, EachKnobWritesItsPairAndTheSelectorChoosesIt) {
  struct Case {
    ui::vbkRoundSlider CustPhys::*knob;
    ui::PictureBox CustPhys::*selector;  // null: none
    int left, right, otherLeft, otherRight;
  } cases[] = {
      {&CustPhys::vbkRoundSlider1, nullptr, 7, 8, -1, -1},
      {&CustPhys::vbkRoundSlider2, nullptr, 0, 3, -1, -1},
      {&CustPhys::vbkRoundSlider3, &CustPhys::Picture3, 1, 2, 6, 5},
      {&CustPhys::vbkRoundSlider4, nullptr, 4, 9, -1, -1},
      {&CustPhys::vbkRoundSlider5, &CustPhys::Picture4, 13, 12, 11, 14},
      {&CustPhys::vbkRoundSlider7, &CustPhys::Picture7, 16, 27, 15, 28},
      {&CustPhys::vbkRoundSlider8, &CustPhys::Picture6, 18, 29, 30, 17},
      {&CustPhys::vbkRoundSlider9, &CustPhys::Picture5, 23, 20, 24, 19},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.left);
    turn(d().*c.knob, 9000);
    EXPECT_EQ(d().Text2[c.left].text(), "EC77");
    EXPECT_EQ(d().Text2[c.right].text(), "1389");
    if (!c.selector) continue;
    std::string kept = d().Text2[c.left].text() + d().Text2[c.right].text();
    (d().*c.selector).userClick();
    turn(d().*c.knob, 0);
    EXPECT_EQ(d().Text2[c.otherLeft].text(), "F061");
    EXPECT_EQ(d().Text2[c.otherRight].text(), "0F9F");
    EXPECT_EQ(d().Text2[c.left].text() + d().Text2[c.right].text(), kept);
    (d().*c.selector).userClick();  // back to the first pair
    turn(d().*c.knob, 4000);
    EXPECT_EQ(d().Text2[c.left].text(), "FFFF");
    EXPECT_EQ(d().Text2[c.otherLeft].text(), "F061");
  }
}

TEST_F(PhysicsDialog, SelectorsShowTheirStateAndShortcutsMoveTheFocus) {
  ui::Canvas& c = d().Picture3.canvas();
  ASSERT_GT(c.width(), 0);
  ui::Color upperOff = c.pixel(c.width() / 2, 2), lowerOff = c.pixel(c.width() / 2, c.height() - 3);
  EXPECT_NE(upperOff, lowerOff);
  d().Picture3.userClick();
  EXPECT_TRUE(d().selectorOn(0));
  EXPECT_EQ(c.pixel(c.width() / 2, 2), lowerOff);
  EXPECT_EQ(d().Picture3.mouseIcon(), ui::kHandCursor);
  d().Image2.userClick();
  EXPECT_EQ(d().activeControl(), &d().Text1[2]);
  d().Picture2.userClick();
  EXPECT_EQ(d().activeControl(), &d().Text2[10]);
}

}  // namespace
}  // namespace olvex::customizers
