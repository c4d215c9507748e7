// The limits dialog's recalculation, its reminder colours and its defaults, driven without a
// screen.
#include <gtest/gtest.h>

#include "customizers/limits/dialog.h"
#include "platform/temp_folder.h"
#include "shell/config_state.h"
#include "shell/default_config.h"
#include "shell/settings_keys.h"
#include "customizers/dialog_fixture.h"
#include "support/test_host.h"

namespace olvex::customizers {
namespace {

using ui::Forms;

class LimitsDialog : public ::testing::Test {
 protected:
  CustLimits& d() { return Forms::get<CustLimits>(); }
  olvex::test::TestHost host;
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

TEST(RulesDefaults, LimitsDefaultsRereadTheConfigAndWhitenOnlyTheHealthButton) {
  olvex::test::TestHost host;
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

using test::DialogTest;
using test::KeyCase;
using test::LeaveCase;

TEST_F(DialogTest, LimitFieldsOnLeaving) {
  auto& d = dialog<CustLimits>();
  const LeaveCase cases[] = {
      {d.Text2[0], "40000", "32767"},
      {d.Text2[0], "1a0", "10"},
      {d.Text2[9], "", "0"},
      {d.Text2[8], "200", "127"},
      {d.Text2[13], "", ""},
      {d.Text2[3], "1234g567", "1234567", "You must fill this field with eight hexadecimal symbols!", "12345678"},
      {d.Text2[7], "A", "A", "You must fill this field with two hexadecimal symbols!", "0A"},
  };
  expectLeaving(cases);
}

TEST_F(DialogTest, LimitKeys) {
  auto limits = [](int i) { return [i] { return Forms::get<CustLimits>().Text2[i].text(); }; };
  // The designer values are those of the built-in config.
  EXPECT_EQ(applyBuiltInSection("; limit sub-customizer", shell::Scope::Limits, dialog<CustLimits>()), 14);
  const KeyCase cases[] = {
      {"", "maxhpbarvalue", "3E8", limits(0), "1000"},
      {"", "medkitshplimiter", "1F4", limits(1), "500"},
      {"", "criticalhpthresh", "FA", limits(2), "250"},
      {"0.76", "maxhpbarvalue", "1000", limits(0), "1000"},
      {"", "maxapbarvalue", "1800x", limits(5), "1800"},
      {"", "rawhpbarrange", "66666667", limits(3), "66666667"},
      {"0.76", "spbardivider", "06", limits(11), "06"},
      {"0.76", "nitrodrainrate", "1e400", limits(13), std::nullopt},
  };
  expectKeys(cases);
  // A key of the dialog is read by its own scope only.
  EXPECT_TRUE(apply("maxhpbarvalue", "500"));
  shell::CfgValue = "700";
  shell::ApplyKey("larahp");
  shell::ApplyKey("physics");
  EXPECT_EQ(dialog<CustLimits>().Text2[0].text(), "500");
  shell::ApplyKey("limits");
  EXPECT_EQ(dialog<CustLimits>().Text2[0].text(), "700");
}

}  // namespace
}  // namespace olvex::customizers
