// The fog tuner: opened from "edit...", the marker's bar, and the value stored on deactivation.
#include <gtest/gtest.h>

#include "customizers/fog/dialog.h"
#include "patcher/pass_fixture.h"

namespace olvex::customizers {
namespace {

class FogTunerTest : public patcher::test::PassTest {
 protected:
  FogTuner& openTuner() {
    start().Command23.userClick();
    FogTuner& t = ui::Forms::get<FogTuner>();
    t.userActivate();
    return t;
  }
};

TEST_F(FogTunerTest, EditOpensItModelessBesideTheButton) {
  shell::Form1& main = start();
  bool modal = true;
  host.onShow = [&](ui::Form&, bool m) { modal = m; };
  main.Command23.userClick();
  ASSERT_EQ(host.shown.back(), "fogtuner");
  EXPECT_FALSE(modal);
  FogTuner& t = ui::Forms::get<FogTuner>();
  EXPECT_TRUE(t.borderless());
  t.userActivate();
  EXPECT_EQ(t.left(), main.Command23.left() / 15 * 15 - 210 * 15 + main.left());
  EXPECT_EQ(t.top(), main.Command23.top() / 15 * 15 + 20 * 15 + main.top());
  EXPECT_EQ(t.Label1.caption(), "20");  // the built-in FogBulbRange
  EXPECT_EQ(t.markerLeft(), 20);
}

TEST_F(FogTunerTest, MarkerFollowsTheLeftButtonWithinTheBar) {
  FogTuner& t = openTuner();
  struct Case {
    int button;
    double x;
    int left;
  };
  const Case cases[] = {
      {ui::kLeftButton, 1, 0},     // -1 held to the start
      {ui::kLeftButton, 100, 98},  // the marker's middle under the cursor
      {ui::kLeftButton, 500, 208},
      {ui::kRightButton, 50, 208},
      {ui::kLeftButton | ui::kRightButton, 50, 208},
      {ui::kLeftButton, 2, 0},
  };
  for (const Case& c : cases) {
    t.Picture1.userMouseMove({c.button, 0, c.x * 15, 0});
    EXPECT_EQ(t.markerLeft(), c.left) << c.x;
    EXPECT_EQ(t.Label1.caption(), std::to_string(c.left));
  }
}

TEST_F(FogTunerTest, ValueIsStoredOnlyWhenTheWindowLosesActivation) {
  FogTuner& t = openTuner();
  t.Picture1.userMouseDown({ui::kLeftButton, 0, 152 * 15, 0});
  EXPECT_EQ(shell::FogBulbRange, 20);
  t.userDeactivate();
  EXPECT_EQ(shell::FogBulbRange, 150);
  EXPECT_FALSE(t.visible());
  EXPECT_TRUE(ui::Forms::loaded<FogTuner>());
}

TEST_F(FogTunerTest, ARangeBeyondTheBarIsHeldToItsEndWhenShown) {
  start();
  shell::FogBulbRange = 300;
  FogTuner& t = openTuner();
  EXPECT_EQ(shell::FogBulbRange, 208);
  EXPECT_EQ(t.Label1.caption(), "208");
}

TEST_F(FogTunerTest, ADraggedWindowKeepsItsPlace) {
  FogTuner& t = openTuner();
  t.userMouseMove({ui::kLeftButton, 0, 30, 30});
  t.move(600, 450, t.width(), t.height());
  t.userDeactivate();
  t.open();
  t.userActivate();
  EXPECT_EQ(t.left(), 600);
  EXPECT_EQ(t.top(), 450);
}

}  // namespace
}  // namespace olvex::customizers
