// The physics dialog's knobs, selectors and shortcuts, driven without a screen.
#include <gtest/gtest.h>

#include "customizers/physics/dialog.h"
#include "customizers/dialog_fixture.h"
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
  olvex::test::TestHost host;
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
  // The shortcuts: an arrow down on the jump gravity, two waves on the swim speed.
  const ui::Canvas& arrow = d().Image2.canvas();
  const ui::Canvas& waves = d().Picture2.canvas();
  EXPECT_EQ(arrow.pixel(11, 5), ui::rgb(0, 0, 128));
  EXPECT_EQ(arrow.pixel(1, 5), ui::rgb(212, 208, 200));
  EXPECT_EQ(waves.pixel(2, 5), ui::rgb(0, 0, 128));
  EXPECT_EQ(waves.pixel(2, 8), ui::rgb(212, 208, 200));
  d().Image2.userClick();
  EXPECT_EQ(d().activeControl(), &d().Text1[2]);
  d().Picture2.userClick();
  EXPECT_EQ(d().activeControl(), &d().Text2[10]);
}

using test::DialogTest;
using test::KeyCase;
using test::LeaveCase;

constexpr const char* kFourHex = "You must fill this field with four hexadecimal symbols!";
constexpr const char* kTwoHex = "You must fill this field with two hexadecimal symbols!";

TEST_F(DialogTest, PhysicsFieldsOnLeaving) {
  auto& d = dialog<CustPhys>();
  const LeaveCase cases[] = {
      {d.Text2[1], "ABC", "ABC", kFourHex, "0ABC"},
      {d.Text2[10], "00C8", "00C8"},
      {d.Text2[4], "fe6g7", "FE67"},
      {d.Text1[1], "1-2a", "12"},
      {d.Text1[1], "300", "255", "Maximum value for this field is 255!", "255"},
      {d.Text1[2], "200", "127", "Maximum value for this field is 127!", "127"},
      {d.Text1[3], "", "", "You must fill this field with at least one digit!", "6"},
  };
  expectLeaving(cases);
}

TEST_F(DialogTest, PhysicsKeys) {
  auto turn = [](int i) { return [i] { return Forms::get<CustPhys>().Text2[i].text(); }; };
  auto physics = [](int i) { return [i] { return Forms::get<CustPhys>().Text1[i].text(); }; };
  // The designer values are those of the built-in config.
  EXPECT_EQ(applyBuiltInSection("; physics customizer", shell::Scope::Phys, dialog<CustPhys>()), 33);
  const KeyCase cases[] = {
      // Turn rates as text, shell gravity old hex, the other two numbers.
      {"0.76", "rotstandleft", "FE67", turn(4), "FE67"},
      {"0.76", "duckmovebackright", "FDDE", turn(15), "FDDE"},
      {"", "shellgravity", "0A", physics(1), "10"},
      {"0.76", "shellgravity", "0A", physics(1), "0A"},
      {"0.76", "jumpgravity", "05", physics(2), "5"},
      {"0.76", "fallingdamage", "7.5", physics(3), "7.5"},
      {"0.76", "killclimbdelay", "2", [] { return std::to_string(Forms::get<CustPhys>().Check3.value()); }, "2"},
      {"0.76", "donotexplodejeep", "3", [] { return std::string(); }, std::nullopt},
  };
  expectKeys(cases);
}

}  // namespace
}  // namespace olvex::customizers
