#include "ui/round_slider.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_host.h"
#include "ui/form.h"

namespace olvex::test {
namespace {

using ui::vbkRoundSlider;

class KnobForm : public ui::Form {
 public:
  KnobForm() : Form("KnobForm") {
    knob.setMax(9000);
    knob.onChange = [this](int& v) { changes.push_back(v); };
  }
  vbkRoundSlider knob{*this, "vbkRoundSlider1"};
  std::vector<int> changes;
};

ui::MouseEvent at(double x, double y, int button = ui::kLeftButton) {
  ui::MouseEvent e;
  e.x = x;
  e.y = y;
  e.button = button;
  return e;
}

class Knob : public ::testing::Test {
 protected:
  // Releases the button, hovers over the marker (which captures the mouse), then drags to x, y.
  int dragTo(double x, double y) {
    grab();
    knob().userMouseMove(at(x, y));
    return knob().value();
  }
  void grab() {
    knob().userMouseUp(at(0, 0));
    knob().userMouseMove(at(knob().markerLeft() + 5, knob().markerTop() + 5, 0));
    ASSERT_TRUE(knob().captured());
  }
  vbkRoundSlider& knob() { return form().knob; }
  KnobForm& form() { return ui::Forms::get<KnobForm>(); }
  TestHost host;
};

TEST_F(Knob, NewInstanceHoldsItsDefaultsAndFixedSize) {
  KnobForm f;
  vbkRoundSlider fresh{f, "fresh"};
  EXPECT_EQ(fresh.min(), 0);
  EXPECT_EQ(fresh.max(), 10);
  EXPECT_EQ(fresh.value(), 0);
  EXPECT_EQ(fresh.markerLeft(), 100);
  EXPECT_EQ(fresh.markerTop(), 720);
  EXPECT_EQ(fresh.mirrorLeft(), 1280);
  fresh.move(10, 20, 300, 300);
  fresh.setWidth(5000);
  EXPECT_EQ(fresh.left(), 10);
  EXPECT_EQ(fresh.width(), vbkRoundSlider::kWidth);
  EXPECT_EQ(fresh.height(), vbkRoundSlider::kHeight);
}

TEST_F(Knob, AngleBecomesValue) {
  struct Case { double x, y; int value; };
  const Case cases[] = {
      {0, 899.9, 0},        // far left, on the centre line
      {1475, 899.9, 9000},  // far right
      {790, 300, 4500},     // straight above the centre
      {780, 300, 4700},     // just left of the top: the angle scale gives more than 90
      {795, 300, 4300},     // just right of it: less than 90
      {190, 300, 2350},     // 45 degrees on the left: 47 on the dial
      {1390, 300, 6650},    // 45 degrees on the right: 133
      {790, -5000, 4500},   // far outside the control, still captured
  };
  for (const Case& c : cases) {
    EXPECT_EQ(dragTo(c.x, c.y), c.value) << c.x << "," << c.y;
    EXPECT_EQ(form().changes.back(), c.value);
  }
}

TEST_F(Knob, EveryDragValueIsAMultipleOf50WithinRange) {
  grab();
  for (int x = -500; x <= 2000; x += 7)
    for (int y = -300; y < 900; y += 61) {
      knob().userMouseMove(at(x, y));
      ASSERT_EQ(knob().value() % 50, 0) << x << "," << y;
      ASSERT_GE(knob().value(), 0);
      ASSERT_LE(knob().value(), 9000);
    }
}

TEST_F(Knob, MarkersFollowTheCircleAndMirrorEachOther) {
  dragTo(790, 100);  // straight up: marker centre at (790, 300)
  EXPECT_EQ(knob().markerLeft(), 790 - 97);
  EXPECT_FLOAT_EQ(knob().markerTop(), 300 - 97);
  EXPECT_EQ(knob().mirrorLeft(), 1400 - 693);
  EXPECT_FLOAT_EQ(knob().mirrorTop(), knob().markerTop());
  dragTo(100, 900 - 1e-9);  // far left: marker on the centre line, radius 600 away
  EXPECT_EQ(knob().markerLeft(), 190 - 97);
  EXPECT_NEAR(knob().markerTop(), 900 - 97, 1e-3);
  EXPECT_EQ(knob().mirrorLeft(), 1400 - 93);
}

TEST_F(Knob, MovesOnOrBelowTheCentreLineChangeNothing) {
  dragTo(790, 300);
  form().changes.clear();
  for (int button : {int{ui::kLeftButton}, 0, int{ui::kRightButton}}) {
    knob().userMouseMove(at(100, 900, button));
    knob().userMouseMove(at(1400, 950, button));
  }
  EXPECT_TRUE(form().changes.empty());
  EXPECT_EQ(knob().value(), 4500);
  EXPECT_EQ(knob().markerLeft(), 693);
  EXPECT_TRUE(knob().captured());
}

TEST_F(Knob, CaptureStartsOverAMarkerAndEndsWithoutTheLeftButton) {
  // Moves away from the markers, even with the button held, do nothing until one is touched.
  knob().userMouseMove(at(790, 300));
  EXPECT_FALSE(knob().captured());
  EXPECT_TRUE(form().changes.empty());
  grab();
  knob().userMouseMove(at(790, 300, ui::kLeftButton | ui::kRightButton));
  EXPECT_FALSE(knob().captured());
  EXPECT_TRUE(form().changes.empty());
  // The mirror marker captures as well; releasing the button ends the capture.
  knob().userMouseMove(at(knob().mirrorLeft() + 1, knob().mirrorTop() + 1, 0));
  EXPECT_TRUE(knob().captured());
  knob().userMouseUp(at(0, 0));
  EXPECT_FALSE(knob().captured());
}

TEST_F(Knob, SettingValueFromCodeNeitherMovesNorRaises) {
  knob().setValue(1234);
  EXPECT_EQ(knob().value(), 1234);
  EXPECT_EQ(knob().markerLeft(), 100);
  EXPECT_TRUE(form().changes.empty());
}

TEST_F(Knob, OtherRangesScaleTheAngle) {
  knob().setMin(100);
  knob().setMax(0);
  EXPECT_EQ(dragTo(790, 300), 50);
  knob().setMin(-10);
  knob().setMax(10);
  EXPECT_EQ(dragTo(1475, 899.9), 10);
  EXPECT_EQ(dragTo(780, 300), 0);  // 94 * 20 / 180 = 10.44 rounds to 10, less 10
}

TEST_F(Knob, DisabledKnobIgnoresTheMouse) {
  knob().setEnabled(false);
  knob().userMouseMove(at(knob().markerLeft() + 5, knob().markerTop() + 5, 0));
  EXPECT_FALSE(knob().captured());
}

}  // namespace
}  // namespace olvex::test
