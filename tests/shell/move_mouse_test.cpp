#include "shell/move_mouse.h"

#include <gtest/gtest.h>

#include "support/test_host.h"

namespace olvex::shell {
namespace {

struct Popup : ui::Form {
  Popup() : Form("Popup") { move(4500, 4500, 3000, 1500); }  // 200 x 100 pixels
};

class DragTest : public ::testing::Test {
 protected:
  test::TestHost host;
  Popup& form = ui::Forms::get<Popup>();
  void SetUp() override {
    host.work = {0, 0, 1024, 768};
    DragForm(form, 0, 0, 0, 10);  // no drag in progress
  }
  // A drag that grabbed the window at its top-left corner, the cursor now at (x, y).
  void dragTo(int x, int y) {
    host.cursor = {x, y};
    DragForm(form, 0, 0, ui::kLeftButton, 10);
  }
};

TEST_F(DragTest, SnapsToWorkAreaEdgesWithinTheSnapDistance) {
  struct Row { int x, y, left, top; } rows[] = {
      {7, 300, 0, 4500},                  // 7 px from the left edge: snaps
      {10, 300, 150, 4500},               // 10 px: the left test is strict
      {814, 300, 1024 * 15 - 3000, 4500},  // far edge 10 px inside the right: snaps
      {300, 673, 4500, 768 * 15 - 1500},  // 5 px past the bottom: snaps back onto it
      {-5, -3, 0, 0},                     // slightly off the top-left: snaps to it
      {-500, 300, -7500, 4500},           // far off the left stays off
  };
  for (auto r : rows) {
    dragTo(r.x, r.y);
    EXPECT_EQ(form.left(), r.left) << r.x << "," << r.y;
    EXPECT_EQ(form.top(), r.top) << r.x << "," << r.y;
  }
}

TEST_F(DragTest, OnlyTheLeftButtonAloneDragsAndOtherButtonsEndTheDrag) {
  host.cursor = {300, 300};
  for (int button : std::initializer_list<int>{0, ui::kRightButton, ui::kLeftButton | ui::kRightButton}) {
    DragForm(form, 0, 0, button, 10);
    EXPECT_EQ(form.left(), 4500) << button;
  }
  // A new drag grabs where the mouse is now: 15 px into the window.
  DragForm(form, 225, 150, ui::kLeftButton, 10);
  EXPECT_EQ(form.left(), (300 - 15) * 15);
  EXPECT_EQ(form.top(), (300 - 10) * 15);
  host.cursor = {400, 300};  // the grab offset holds for the whole drag
  DragForm(form, 0, 0, ui::kLeftButton, 10);
  EXPECT_EQ(form.left(), (400 - 15) * 15);
}

TEST_F(DragTest, WorkAreaWithTaskBarOnTheLeft) {
  host.work = {40, 0, 1024, 768};
  dragTo(45, 300);  // inside the task bar's width plus the snap distance
  EXPECT_EQ(form.left(), 40 * 15);
  dragTo(-30, 300);  // on the other side of 0 too
  EXPECT_EQ(form.left(), 40 * 15);
}

}  // namespace
}  // namespace olvex::shell
