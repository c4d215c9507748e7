// Tab as a person uses it on a real X server, with and without a window manager: in every window
// Tab reaches each enabled control once, in the order the window reads (column by column, a
// frame's controls in turn, rows left to right), and goes on past an option group that hands the
// focus to a button outside the visible area.
#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <sstream>

#include "customizers/credits/dialog.h"
#include "customizers/fonts/dialog.h"
#include "customizers/lights/dialog.h"
#include "program_fixture.h"
#include "window_table.h"

namespace olvex::test::x {
namespace {

// A window's Tab stops from its first on, as "name(index)" words; a focus sink among them is a
// button outside the visible area that an option group hands the focus to.
struct TabCycle {
  const char* caption;
  const char* stops;
};

const TabCycle kCycles[] = {
    {kMain,
      "Text1 Text2 Text3 Option2(0) Option2(1) Option2(2) Command2 Command4 Command5 Command6 "
      "Command7 Check11 Command23 Check1 Check2 Check8 Check3 Check4 Check6 Check12 Check14 "
      "Option1(0) Option1(1) Option1(2) Command12 Command16 Command9 Command8 Command3 Command1 "
      "Check5 Check15 Check16 Check17 Check9 Check20 Check19 Command14 Command18 Command13 "
      "Command17 Command19 Command11 Command20 Command21 Command10 Command15 Command22 Command24 "
      "Command25 Command26 Check13 Command27 Command30"},
    {"GFX customizer",
      "Text1(0) Text1(1) Text1(2) Text1(3) Text1(4) Text1(5) Text1(29) Text1(28) Text1(27) "
      "Text1(30) Text2 Text3 Text10 Text13 Text14 Text1(12) Text1(13) Text9 Text5 Text12 Text6 "
      "Text7 Text8 Check5 Text1(31) Text11 Text1(11) Text1(10) Text1(9) Text1(14) Text1(15) "
      "Text1(16) Check3 Check2 Check4 Text1(6) Text1(7) Text1(8) Text1(19) Text1(18) Text1(17) "
      "Text1(22) Text1(21) Text1(20) Text1(23) Text1(26) Text1(25) Text1(24) Command1 Command2"},
    {"GFX customizer 2",
      "Text1(0) Text1(1) Check1 Text1(3) Text1(2) Text1(39) Text1(38) Text1(37) Text1(40) Text1(4) "
      "Text1(5) Text1(6) Text1(7) Text2(1) Text2(3) Text1(8) Text1(41) Text1(9) Text1(10) "
      "Text1(14) Text1(13) Text1(11) Text1(12) Text1(27) Text1(28) Text1(32) Text1(33) Combo1 "
      "Command4 Text1(15) Text1(16) Text1(17) Text1(18) Text1(19) Text1(20) Text1(26) Text1(25) "
      "Text1(24) Text1(21) Text1(22) Text1(23) Text1(29) Text1(31) Text1(30) Text1(42) Text1(36) "
      "Text1(35) Text1(34) Check2 Command1 Command2"},
    {"Light customizer",
      "Text1(0) Text1(2) Text1(3) Text1(1) Command3 Check8 Text1(13) Combo1 HScroll4 Text4 Check1 "
      "Command3 Text1(7) Text1(8) Text1(26) Text1(25) Text1(24) Text1(5) Text1(4) Text1(6) "
      "Text1(9) Text1(11) Text1(10) Check4 Command1 Command2"},
    {"Inventory customizer",
      "Check1(0) Check1(1) Check1(2) Text1(0) Text1(1) Text1(2) Check2 Check1(5) Text2(0) Text2(1) "
      "Text2(2) Text2(4) Check3 Text2(3) Text2(5) Text2(6) Command3 Command1 Command2 Text1(6) "
      "Text1(5) Text1(7) Text1(8) Text1(9) Text1(10) Text1(11) Text1(3) Text1(13) Text1(14) "
      "Text1(15) Text1(12) Check5 Check6 Check7 Check8 Check9 Check10 Text1(4) Text3"},
    {"Item configurator",
      "Combo2 Combo1 Command1 Command2"},
    {"Weapon customizer",
      "Text5(0) Text5(1) Text5(2) Text5(3) Text5(15) Text5(6) Text5(5) Text5(4) Text5(13) Text5(9) "
      "Text5(8) Text5(7) Text5(14) Text5(10) Text5(19) Text5(16) Text5(20) Text5(18) Check1 "
      "Text5(21) Text5(32) Text5(33) Check4 Check5 Check8 Option1(0) Option1(1) Option1(2) "
      "Option1(3) Command10 Command1 Command2 Text5(25) Text5(27) Text5(28) Text5(29) Text5(30) "
      "Text5(31) Text5(24) Check2 Check6 Check7 Command4"},
    {"Enemy HP customizer",
      "Text1(0) Text1(1) Text1(2) Text1(3) Text1(4) Text1(5) Text1(6) Text1(7) Text1(8) Text1(9) "
      "Text1(10) Text1(11) Text1(12) Text1(13) Text1(14) Text1(15) Text1(16) Text1(17) Text1(18) "
      "Text1(19) Text1(20) Text1(21) Text1(22) Text1(23) Text1(25) Text1(26) Check1 Command1 "
      "Command2 Command3 Command4"},
    {"Bar customizer",
      "Text1(0) Text1(1) Text1(2) Text1(3) Text1(4) Text1(5) Text1(24) Text1(25) Text1(26) "
      "Text2(0) Text2(1) Check1 Check5 Text1(11) Text1(10) Text1(9) Text1(8) Text1(7) Text1(6) "
      "Text2(3) Text2(2) Text2(9) Check2 Check6 Text1(17) Text1(16) Text1(15) Text1(14) Text1(13) "
      "Text1(12) Text2(5) Text2(4) Text2(10) Check3 Check7 Text1(18) Text1(19) Text1(20) Text1(21) "
      "Text1(22) Text1(23) Text2(6) Text2(7) Text2(8) Check4 Text1(29) Text1(28) Text1(27) "
      "Text1(32) Text1(31) Text1(30) Text1(35) Text1(34) Text1(33) Text1(38) Text1(37) Text1(36) "
      "Text1(41) Text1(40) Text1(39) Text1(44) Text1(43) Text1(42) Text1(47) Text1(46) Text1(45) "
      "Text1(50) Text1(49) Text1(48) Text2(11) Option1(0) Option1(1) Option1(2) Command4 Command2 "
      "Command1"},
    {"Text customizer",
      "Text1(0) Text1(1) Text1(2) Text1(3) Text1(4) Text1(5) Text1(6) Text1(7) Text1(8) Text1(11) "
      "Text1(10) Text1(9) Text1(12) Text1(13) Text1(14) Text1(17) Text1(16) Text1(15) Text1(24) "
      "Text1(23) Text1(22) Text1(19) Text1(20) Text1(21) Command3 Text1(25) Text1(26) Text1(27) "
      "Text1(28) Combo1(0) Text1(18) Command18 Text1(29) Command2 Command1"},
    {"Credits sub-customizer",
      "Text1 Text2 Text3(0) Command5 Text3(1) Command5 Text4(1) Text4(2) Check1 Check2 Command3 "
      "Command1 Command6"},
    {"HP \\ Damage customizer",
      "Text1(4) Text1(18) Text1(20) Text1(6) Text1(9) Text1(19) Text1(8) Text1(11) Text1(7) "
      "Text1(5) Text1(16) Text1(12) Text1(13) Text1(24) Text1(10) Text1(15) Text1(17) Text1(21) "
      "Text1(22) Text2(6) Text2(8) Text2(7) Text2(5) Text1(14) Check1 Command5 Text1(0) Text1(1) "
      "Text1(2) Text1(25) Text1(3) Text1(23) Check2 Command2 Command1"},
    {"Limit sub-customizer",
      "Text2(0) Text2(3) Text2(4) Command3 Text2(1) Text2(2) Text2(5) Text2(6) Text2(7) Command4 "
      "Text2(8) Text2(9) Text2(10) Text2(12) Text2(11) Command5 Text2(13) Command2 Command1"},
    {"Physics customizer",
      "Text2(7) Text2(8) Text1(2) Text2(0) Text2(3) Text2(10) Text2(13) Text2(12) Text2(11) "
      "Text2(14) Text2(16) Text2(27) Text2(15) Text2(28) Text1(1) Check1 Check2 Check3 Text2(1) "
      "Text2(2) Text2(6) Text2(5) Text2(4) Text2(9) Text2(18) Text2(29) Text2(30) Text2(17) "
      "Text2(23) Text2(20) Text2(24) Text2(19) Text1(3) Command2 Command3"},
    {"Camera customizer",
      "Text1(2) Text1(1) Text1(4) Text1(0) Text1(5) Check2 Check1 Check10 Check9 Command2 Command1"},
    {"Sound \\ music customizer",
      "Check1 Check2 Text1(2) Check3 Text1(3) Check4 Text1(4) Check8 Text5(0) Check7 Text5(18) "
      "Check5 Check6 Text1(1) Command2 Command1"},
    {"Object (trap) customizer",
      "Text1(0) Text1(1) Text1(11) Text1(2) Text1(3) Check6 Text1(7) Text1(8) Text1(14) Check2 "
      "Text1(18) Check3 Text1(4) Text1(5) Text1(6) Check1 Check4 Check5 Command4 Text1(12) "
      "Text1(13) Text1(15) Text1(16) Text1(17) Text1(10) Text1(9) Text1(19) Text1(20) Command2 "
      "Command3"},
    {"Flipeffect editor",
      "Check1 Command12 Command16 Command28 Command1"},
    {"Race timer editor",
      "Check2 Text3 Text4(0) Text4(1) Command12 Command16 Command2 Command1"},
    {"Custom patches",
      "Listbox1 Text5 Text3 Command12 Command16 Command7 Command3"},
    {"Secret level conditions",
      "Text6(0) Text6(1) Text1 Text2 Text3 Text5"},
};

void PrintTo(const TabCycle& c, std::ostream* os) { *os << c.caption; }

class TabOrder : public ProgramTest, public ::testing::WithParamInterface<std::tuple<TabCycle, bool>> {
 protected:
  TabOrder() { windowManager = std::get<1>(GetParam()); }
};

TEST_P(TabOrder, ReachesEveryControlOnceInReadingOrder) {
  const TabCycle& cycle = std::get<0>(GetParam());
  run([&] {
    mainWindow();
    for (const Window& w : kWindows)
      if (w.caption == std::string(cycle.caption))
        for (const Click& c : w.opening) clickText(c.window, c.text);
    expectPainted(cycle.caption);
    ui::Form* form = nullptr;
    waitFor("the window's focus", [&] {
      for (ui::Form* f : ui::Forms::all())
        if (f->caption() == cycle.caption && f->visible() && f->activeControl()) form = f;
      return form != nullptr;
    });
    std::vector<const ui::Control*> seen{form->activeControl()};
    for (int tabs = 0; tabs < 120; ++tabs) {
      const ui::Control *from = seen.back(), *to = nullptr;
      pressKey("Tab");
      waitFor("Tab to move the focus on from " + nameOf(*from), [&] { return (to = form->activeControl()) != from; });
      if (to == seen.front()) break;
      seen.push_back(to);
    }
    std::string order;
    for (const ui::Control* c : seen) order += (order.empty() ? "" : " ") + nameOf(*c);
    EXPECT_EQ(order, cycle.stops);
    onGui([&] {
      std::set<const ui::Control*> reached(seen.begin(), seen.end());
      bool sink = std::any_of(seen.begin(), seen.end(), [](const ui::Control* c) { return !inView(*c); });
      for (ui::Control* c : form->controls()) {
        if (takesFocus(c->kind()) && shown(*c) && inView(*c) && !reached.count(c)) {
          EXPECT_TRUE(c->kind() == ui::ControlKind::OptionButton && sink) << nameOf(*c) << " is never reached";
        }
      }
    });
  });
}

INSTANTIATE_TEST_SUITE_P(, TabOrder, ::testing::Combine(::testing::ValuesIn(kCycles), ::testing::Bool()),
                         [](const auto& info) {
                           std::string name = std::get<0>(info.param).caption;
                           std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                           return name + (std::get<1>(info.param) ? "_WindowManager" : "_Bare");
                         });

using TabPastFocusSinks = OnBothScreens;

// An option group hands the focus to a button outside the visible area at once; Tab and
// Shift+Tab from there go on from the group.
TEST_P(TabPastFocusSinks, GoOnFromTheOptionGroup) {
  struct Step {
    const char* key;
    const ui::Control& to;
  };
  auto walk = [&](const ui::Control& from, const std::vector<Step>& steps) {
    click(from);
    waitFocus(from);
    for (const Step& s : steps) {
      pressKey(s.key);
      waitFocus(s.to);
    }
  };
  run([&] {
    auto& main = mainWindow();
    auto& lite = open<customizers::CustLite>(main.Command13, "Light customizer");
    walk(lite.Text1[1], {{"Tab", lite.Command3}, {"Tab", lite.Check8}});  // past the flare colours
    walk(lite.Text1[7], {{"Shift_L+Tab", lite.Command3}, {"Shift_L+Tab", lite.Check1}});  // amber light
    clickText("Light customizer", "apply");
    waitClosed("Light customizer");
    auto& fonts = open<customizers::CustFonts>(main.Command21, "Text customizer");
    auto& credits = open<customizers::CustCredits>(fonts.Command3, "Credits sub-customizer");
    walk(credits.Text3[0], {{"Tab", credits.Command5}, {"Tab", credits.Text3[1]}, {"Tab", credits.Command5},
                            {"Tab", credits.Text4[1]}, {"Shift_L+Tab", credits.Command5},
                            {"Shift_L+Tab", credits.Text3[1]}});
  });
}

INSTANTIATE_TEST_SUITE_P(Screens, TabPastFocusSinks, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WindowManager" : "Bare"; });

}  // namespace
}  // namespace olvex::test::x
