// What every window shares: the shutdown of all windows, and dragging a borderless window.
#include <gtest/gtest.h>

#include "shell/move_mouse.h"
#include "shell/unload_all.h"
#include "support/test_host.h"

namespace olvex::shell {
namespace {

int unloadAllCalls = 0;

// Windows by name: the main window, whose Unload calls UnloadAll as the real one does, windows of
// the shutdown list, and one that is not listed.
template <int N>
struct Named : ui::Form {
  static constexpr const char* kNames[] = {"Form1", "Form3", "CustGfx", "ParamList", "InputKor"};
  Named() : Form(kNames[N]) {
    if (N != 0) return;
    onUnload = [] {
      ++unloadAllCalls;
      UnloadAll();
    };
  }
};

TEST(UnloadAll, ClosingTheMainWindowUnloadsTheOthersInShutdownOrderFirst) {
  test::TestHost host;
  ui::Forms::get<Named<1>>();
  ui::Forms::get<Named<0>>();
  ui::Forms::get<Named<2>>();
  ui::Forms::get<Named<4>>();
  ui::Forms::get<Named<3>>();
  ui::Forms::get<Named<0>>().userClose();
  EXPECT_EQ(host.unloadedForms, (std::vector<std::string>{"ParamList", "CustGfx", "Form3", "Form1"}));
  EXPECT_EQ(ui::Forms::all().size(), 1u);  // the one not in the list
  EXPECT_EQ(unloadAllCalls, 1);             // the nested call returned at once
}

// A drag that grabbed the window snaps it to the edges of the work area within the snap
// distance (10 pixels); only the left button alone drags.
TEST(DragForm, SnapsToWorkAreaEdges) {
  test::TestHost host;
  ui::Form& form = ui::Forms::get<Named<4>>();
  form.move(4500, 4500, 3000, 1500);  // 200 x 100 pixels
  struct Row {
    int workLeft, x, y, left, top;
  } rows[] = {
      {0, 10, 673, 150, 768 * 15 - 1500},  // the near edge's test is strict, the far edge's not
      {0, 814, -5, 1024 * 15 - 3000, 0},
      {40, -30, 300, 600, 4500},           // a task bar on the left, on the other side of 0 too
      {40, -500, 300, -7500, 4500},        // far off the left stays off
  };
  for (const Row& r : rows) {
    DragForm(form, 0, 0, ui::kLeftButton | ui::kRightButton, 10);  // the drag before ends
    host.work = {r.workLeft, 0, 1024, 768};
    host.cursor = {r.x, r.y};
    DragForm(form, 0, 0, ui::kLeftButton, 10);
    EXPECT_EQ(form.left(), r.left) << r.x;
    EXPECT_EQ(form.top(), r.top) << r.y;
  }
  DragForm(form, 0, 0, ui::kRightButton, 10);
  DragForm(form, 225, 150, ui::kLeftButton, 10);  // a new drag grabs 15 x 10 px into the window
  host.cursor = {400, 300};
  DragForm(form, 0, 0, ui::kLeftButton, 10);
  EXPECT_EQ(form.left(), (400 - 15) * 15);
  EXPECT_EQ(form.top(), (300 - 10) * 15);
}

}  // namespace
}  // namespace olvex::shell
