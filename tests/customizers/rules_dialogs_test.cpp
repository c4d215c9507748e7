// The handlers of the physics, limits and health dialogs, driven without a screen.
#include <gtest/gtest.h>

#include "customizers/health_dialog.h"
#include "customizers/limits_dialog.h"
#include "customizers/physics_dialog.h"
#include "shell/form1_hooks.h"
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

class LimitsDialog : public ::testing::Test {
 protected:
  CustLimits& d() { return Forms::get<CustLimits>(); }
  test::TestHost host;
};

TEST_F(LimitsDialog, RecalculationCorrectsTheMaximumWithAMessage) {
  struct Case {
    ui::CommandButton CustLimits::*button;
    int maximum, multiplier, shift;
    const char* typed;
    const char* corrected;
    const char* message;
    const char* wantMultiplier;
    const char* wantShift;
  } cases[] = {
      {&CustLimits::Command3, 0, 3, 4, "100", "201", "You have set too low Max. HP bar value.", "7F5CF9A2", "00"},
      {&CustLimits::Command3, 0, 3, 4, "805", "805", "", "7F3478D9", "02"},
      {&CustLimits::Command4, 5, 6, 7, "99999", "32767", "You have set too high Max. AP bar value.", "80010002", "0E"},
      {&CustLimits::Command5, 10, 12, 11, "", "65", "You have set too low Max. SP bar value.", "FC0FC0FD", "06"},
      {&CustLimits::Command5, 10, 12, 11, "120", "120", "", "88888889", "06"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    host.messages.clear();
    d().Text2[c.maximum].setText(c.typed);
    (d().*c.button).userClick();
    EXPECT_EQ(d().Text2[c.maximum].text(), c.corrected);
    EXPECT_EQ(d().Text2[c.multiplier].text(), c.wantMultiplier);
    EXPECT_EQ(d().Text2[c.shift].text(), c.wantShift);
    if (*c.message) {
      ASSERT_EQ(host.texts(), std::vector<std::string>{c.message});
      EXPECT_EQ(host.messages[0].title, "");
    } else {
      EXPECT_TRUE(host.messages.empty());
    }
  }
}

TEST_F(LimitsDialog, KeysInAMaximumTurnOnlyItsButtonRedUntilUsed) {
  constexpr ui::Color kWhite = 0xFFFFFF, kRed = 0xC0C0FF;
  d().Text2[5].setFocus();
  d().Text2[5].typeKey('7');
  EXPECT_EQ(d().Command4.backColor(), kRed);
  EXPECT_EQ(d().Command3.backColor(), kWhite);
  EXPECT_EQ(d().Command5.backColor(), kWhite);
  d().Text2[1].typeKey('7');  // not a maximum
  EXPECT_EQ(d().Command3.backColor(), kWhite);
  d().Command4.userClick();
  EXPECT_EQ(d().Command4.backColor(), kWhite);
}

class HealthDialog : public ::testing::Test {
 protected:
  CustLaraHP& d() { return Forms::get<CustLaraHP>(); }
  bool sasEnabled() {
    return d().Label3.enabled() && d().Text1[26].enabled() && d().Text1[27].enabled() && d().Check3.enabled();
  }
  test::TestHost host;
};

TEST_F(HealthDialog, SasControlsFollowTheFixAndTheExtension) {
  EXPECT_FALSE(sasEnabled());
  EXPECT_FALSE(d().Check4.enabled());
  d().Check2.setValue(1);  // no extended executable
  EXPECT_TRUE(sasEnabled());
  EXPECT_FALSE(d().Check4.enabled());
  d().extendedChanged(true);
  EXPECT_TRUE(d().Check4.enabled());
  d().extendedChanged(false);
  EXPECT_FALSE(d().Check4.enabled());
  d().extendedChanged(true);
  d().Check2.setValue(0);
  EXPECT_FALSE(sasEnabled());
  EXPECT_FALSE(d().Check4.enabled());
  d().extendedChanged(true);  // the fix is off: blow-up stays disabled
  EXPECT_FALSE(d().Check4.enabled());
  d().Check2.setValue(2);  // greyed counts as off; values are kept
  EXPECT_FALSE(sasEnabled());
  EXPECT_EQ(d().Text1[26].text(), "50");
}

TEST_F(HealthDialog, CustomizeLimitsOpensTheLimitsDialog) {
  d().Command5.userClick();
  EXPECT_EQ(host.shown, std::vector<std::string>{"CustLimits"});
}

}  // namespace
}  // namespace olvex::customizers
