// The order Tab reads a window in, over small layouts: columns told from the boxes of one row,
// bands, frames, option groups, and controls that take no focus forming no rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_host.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/reading_order.h"

namespace olvex::ui {
namespace {

class Layout : public Form {
 public:
  Layout() : Form("Layout") {}
  ControlArray<TextBox> Box{*this, "B"};
  ControlArray<CheckBox> Check{*this, "C"};
  ControlArray<OptionButton> Option{*this, "O"};
  Frame Frame1{*this, "F"};
  Shape Shape1{*this, "S"};
};

// A control at (x, y) with size (w, h), in pixels of 15 twips; `framed` puts it in the frame.
struct Placed {
  char kind;  // B box, C check box, O option button, F the frame, S the shape
  int index, x, y, w, h;
  bool framed = false;
};

struct Case {
  const char* what;
  std::vector<Placed> controls;
  const char* order;
};

const Case kCases[] = {
    {"two columns of captioned boxes, read column by column",
     {{'B', 0, 172, 28, 40, 19}, {'B', 1, 172, 50, 40, 19}, {'B', 2, 372, 28, 40, 19}, {'B', 3, 372, 50, 40, 19}},
     "B0 B1 B2 B3"},
    {"a colour's three boxes in each row stay rows",
     {{'B', 0, 88, 0, 28, 19}, {'B', 1, 118, 0, 28, 19}, {'B', 2, 148, 0, 28, 19},
      {'B', 3, 88, 22, 28, 19}, {'B', 4, 118, 22, 28, 19}, {'B', 5, 148, 22, 28, 19}},
     "B0 B1 B2 B3 B4 B5"},
    {"a pair of boxes 8 px apart stays a row",
     {{'B', 0, 16, 0, 48, 19}, {'B', 1, 72, 0, 48, 19}, {'B', 2, 16, 22, 48, 19}, {'B', 3, 72, 22, 48, 19}},
     "B0 B1 B2 B3"},
    {"boxes 12 px apart are columns",
     {{'B', 0, 0, 0, 40, 19}, {'B', 1, 0, 30, 40, 19}, {'B', 2, 52, 0, 40, 19}, {'B', 3, 52, 30, 40, 19}},
     "B0 B1 B2 B3"},
    {"check boxes 8 px apart are columns",
     {{'C', 0, 8, 10, 352, 17}, {'C', 1, 8, 30, 352, 17}, {'C', 2, 368, 10, 352, 17}, {'C', 3, 368, 30, 352, 17}},
     "C0 C1 C2 C3"},
    {"a side with one control is no column",
     {{'B', 0, 0, 0, 40, 19}, {'B', 1, 0, 30, 40, 19}, {'B', 2, 300, 0, 40, 19}},
     "B0 B2 B1"},
    {"controls that only touch a row's edge lie in no row of it",
     {{'C', 0, 0, 0, 100, 20}, {'C', 1, 0, 100, 100, 20}, {'C', 2, 104, 20, 100, 20}, {'C', 3, 300, 100, 100, 20}},
     "C0 C1 C2 C3"},
    {"bands apart are read whole, each with its own columns",
     {{'B', 0, 16, 96, 48, 19}, {'B', 1, 16, 118, 48, 19}, {'B', 2, 136, 96, 48, 19}, {'B', 3, 136, 118, 48, 19},
      {'B', 4, 16, 300, 200, 19}},
     "B0 B1 B2 B3 B4"},
    {"a tall shape forms no row",
     {{'S', 0, 0, 0, 220, 200}, {'B', 0, 140, 8, 36, 19}, {'B', 1, 184, 8, 24, 19}, {'B', 2, 140, 29, 68, 19},
      {'B', 3, 140, 50, 68, 19}},
     "B0 B1 B2 B3"},
    {"a frame in turn, its option group whole",
     {{'F', 0, 0, 0, 200, 100}, {'O', 0, 10, 10, 80, 17, true}, {'B', 0, 100, 12, 40, 19, true},
      {'O', 1, 10, 30, 80, 17, true}, {'B', 1, 0, 120, 40, 19}},
     "O0 O1 B0 B1"},
};

std::string nameOf(const Control& c) { return c.name() + std::to_string(c.index()); }

TEST(ReadingOrder, FollowsTheLayout) {
  test::TestHost host;
  for (const Case& k : kCases) {
    Layout form;
    for (const Placed& p : k.controls) {
      Control* c = p.kind == 'B' ? static_cast<Control*>(&form.Box.add(p.index))
                   : p.kind == 'C' ? &form.Check.add(p.index)
                   : p.kind == 'O' ? &form.Option.add(p.index)
                   : p.kind == 'F' ? static_cast<Control*>(&form.Frame1)
                                   : &form.Shape1;
      c->move(p.x * 15, p.y * 15, p.w * 15, p.h * 15);
      if (p.framed) c->setContainer(&form.Frame1);
    }
    auto isStop = [](const Control& c) {
      return c.kind() == ControlKind::TextBox || c.kind() == ControlKind::CheckBox ||
             c.kind() == ControlKind::OptionButton;
    };
    std::string order;
    for (const Control* c : ReadingOrder(form, isStop)) order += (order.empty() ? "" : " ") + nameOf(*c);
    EXPECT_EQ(order, k.order) << k.what;
  }
}

}  // namespace
}  // namespace olvex::ui
