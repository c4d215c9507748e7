// The handlers of the physics, limits and health dialogs, driven without a screen.
#include <gtest/gtest.h>

#include <functional>

#include "customizers/health_dialog.h"
#include "customizers/limits_dialog.h"
#include "customizers/physics_dialog.h"
#include "platform/temp_folder.h"
#include "shell/config_state.h"
#include "shell/default_config.h"
#include "shell/form1_hooks.h"
#include "shell/settings_keys.h"
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

// Leaving a field: the text it keeps or becomes, the message shown, and whether the focus came
// back to it.
struct LeaveCase {
  std::function<ui::TextBox&()> box;
  std::function<ui::TextBox&()> next;  // where the user goes
  const char* typed;
  const char* kept;
  const char* message;  // empty: none, and the focus moves on
  const char* fix = "";  // after a message: a text the field lets go
};

std::function<ui::TextBox&()> phys2(int i) { return [i]() -> ui::TextBox& { return Forms::get<CustPhys>().Text2[i]; }; }
std::function<ui::TextBox&()> phys1(int i) { return [i]() -> ui::TextBox& { return Forms::get<CustPhys>().Text1[i]; }; }
std::function<ui::TextBox&()> lim(int i) { return [i]() -> ui::TextBox& { return Forms::get<CustLimits>().Text2[i]; }; }
std::function<ui::TextBox&()> hp1(int i) { return [i]() -> ui::TextBox& { return Forms::get<CustLaraHP>().Text1[i]; }; }
std::function<ui::TextBox&()> hp2(int i) { return [i]() -> ui::TextBox& { return Forms::get<CustLaraHP>().Text2[i]; }; }

constexpr const char* kFourHex = "You must fill this field with four hexadecimal symbols!";
constexpr const char* kTwoHex = "You must fill this field with two hexadecimal symbols!";
constexpr const char* kEightHex = "You must fill this field with eight hexadecimal symbols!";
constexpr const char* kDigit = "You must fill this field with at least one digit!";

TEST(RulesLeaving, EachFieldChecksItsValueOnLeaving) {
  test::TestHost host;
  const LeaveCase cases[] = {
      {phys2(1), phys2(2), "ABC", "ABC", kFourHex, "0ABC"},
      {phys2(10), phys2(2), "00C8", "00C8", ""},
      {phys1(1), phys1(2), "300", "255", "Maximum value for this field is 255!", "255"},
      {phys1(2), phys1(3), "200", "127", "Maximum value for this field is 127!", "127"},
      {phys1(3), phys1(1), "", "", kDigit, "6"},
      {lim(0), lim(1), "40000", "32767", ""},
      {lim(9), lim(1), "", "0", ""},
      {lim(8), lim(1), "200", "127", ""},
      {lim(13), lim(1), "", "", ""},
      {lim(3), lim(1), "1234567", "1234567", kEightHex, "12345678"},
      {lim(7), lim(1), "A", "A", kTwoHex, "0A"},
      {hp1(9), hp1(0), "200", "127", ""},
      {hp1(9), hp1(0), "-300", "-128", ""},
      {hp1(0), hp1(9), "", "0", ""},
      {hp1(14), hp1(0), "2", "2", kTwoHex, "02"},
      {hp1(26), hp1(0), "999", "127", ""},
      {hp2(5), hp1(0), "400", "400", kFourHex, "0400"},
      {hp2(6), hp1(0), "40000", "32767", ""},
      {hp2(7), hp1(0), "-40000", "-32767", ""},
  };
  Forms::get<CustLaraHP>().Check2.setValue(1);  // the SAS damage box is enabled
  for (const LeaveCase& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " -> " + c.kept);
    host.messages.clear();
    ui::TextBox& box = c.box();
    box.setFocus();
    box.setText(c.typed);
    c.next().setFocus();
    EXPECT_EQ(box.text(), c.kept);
    if (*c.message) {
      EXPECT_EQ(host.texts(), std::vector<std::string>{c.message});
      EXPECT_TRUE(box.hasFocus());
      box.setText(c.fix);
      c.next().setFocus();
    } else {
      EXPECT_TRUE(host.messages.empty());
      EXPECT_TRUE(c.next().hasFocus());
    }
  }
}

TEST(RulesLeaving, TypingPassesEachFieldsFilter) {
  test::TestHost host;
  struct Case { std::function<ui::TextBox&()> box; const char* keys; const char* shows; } cases[] = {
      {phys2(4), "fe6g7", "FE67"}, {phys1(1), "1-2a", "12"},  {lim(3), "6g6", "66"},
      {lim(0), "1a0", "10"},       {hp1(0), "-5x", "-5"},     {hp1(4), "-15", "15"},
      {hp1(14), "0x2", "02"},      {hp2(5), "0a", "0A"},      {hp2(8), "-2", "-2"},
  };
  for (const auto& c : cases) {
    ui::TextBox& box = c.box();
    box.setText("");
    box.setFocus();
    for (const char* k = c.keys; *k; ++k) box.typeKey(*k);
    EXPECT_EQ(box.text(), c.shows) << c.keys;
  }
}

TEST(RulesDefaults, LimitsDefaultsRereadTheConfigAndWhitenOnlyTheHealthButton) {
  test::TestHost host;
  platform::test_files::WorkingFolder dir;
  platform::test_files::putBytes(dir.file("olvex.cfg"), std::string(shell::BuiltInConfigText()));
  shell::ResetConfigState();
  shell::ClearKeyRegistry();
  RegisterLimitsKeys();
  auto& d = Forms::get<CustLimits>();
  for (int i : {0, 5, 10}) {
    d.Text2[i].setFocus();
    d.Text2[i].typeKey('9');
  }
  d.Text2[13].setText("7");
  d.Command2.userClick();
  EXPECT_EQ(d.Text2[0].text(), "1000");
  EXPECT_EQ(d.Text2[13].text(), "1");
  EXPECT_EQ(d.Command3.backColor(), 0xFFFFFFu);
  EXPECT_EQ(d.Command4.backColor(), 0xC0C0FFu);
  EXPECT_EQ(d.Command5.backColor(), 0xC0C0FFu);
  shell::ClearKeyRegistry();
}

}  // namespace
}  // namespace olvex::customizers
