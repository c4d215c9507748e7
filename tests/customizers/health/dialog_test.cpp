// The health dialog's SAS controls and its limits button, driven without a screen.
#include <gtest/gtest.h>

#include "customizers/health/dialog.h"
#include "customizers/dialog_fixture.h"
#include "support/test_host.h"

namespace olvex::customizers {
namespace {

using ui::Forms;

class HealthDialog : public ::testing::Test {
 protected:
  CustLaraHP& d() { return Forms::get<CustLaraHP>(); }
  bool sasEnabled() {
    return d().Label3.enabled() && d().Text1[26].enabled() && d().Text1[27].enabled() && d().Check3.enabled();
  }
  olvex::test::TestHost host;
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

using test::DialogTest;
using test::KeyCase;
using test::LeaveCase;

constexpr const char* kFourHex = "You must fill this field with four hexadecimal symbols!";
constexpr const char* kTwoHex = "You must fill this field with two hexadecimal symbols!";

TEST_F(DialogTest, HealthFieldsOnLeaving) {
  auto& d = dialog<CustLaraHP>();
  d.Check2.setValue(1);  // the SAS damage box is enabled
  const LeaveCase cases[] = {
      {d.Text1[9], "200", "127"},
      {d.Text1[9], "-300", "-128"},
      {d.Text1[0], "", "0"},
      {d.Text1[0], "-5x", "-5"},
      {d.Text1[4], "-15", "15"},
      {d.Text1[14], "x2", "2", kTwoHex, "02"},
      {d.Text1[26], "999", "127"},
      {d.Text2[5], "4a0", "4A0", kFourHex, "0400"},
      {d.Text2[6], "9999", "9999"},
      {d.Text2[8], "-2", "-2"},
  };
  expectLeaving(cases);
  // Values longer than a box takes, as a config sets them, are held to a word when left.
  for (auto [box, text, kept] : {std::tuple{6, "40000", "32767"}, {7, "-40000", "-32767"}}) {
    d.Text2[box].setText(text);
    d.Text2[box].setFocus();
    d.Text1[0].setFocus();
    EXPECT_EQ(d.Text2[box].text(), kept);
  }
}

TEST_F(DialogTest, HealthKeys) {
  auto health1 = [](int i) { return [i] { return Forms::get<CustLaraHP>().Text1[i].text(); }; };
  auto health2 = [](int i) { return [i] { return Forms::get<CustLaraHP>().Text2[i].text(); }; };
  // The designer values are those of the built-in config.
  EXPECT_EQ(applyBuiltInSection("; health and damage customizer", shell::Scope::LaraHP, dialog<CustLaraHP>()), 36);
  const KeyCase cases[] = {
      // Drains and damages: hex without a Version line, positive up to 0.672, as stored after.
      {"", "noairleakage", "FB", health1(0), "5"},
      {"", "batdmg", "FE", health1(6), "2"},
      {"0.672", "noairleakage", "5", health1(0), "-5"},
      {"0.65", "knighttemplardmg", "120", health1(21), "-120"},
      {"0.673", "noairleakage", "5", health1(0), "5"},
      {"0.76", "wildboardmg", "-30", health1(24), "-30"},
      {"0.65", "mummydmg", "abc", health1(11), std::nullopt},
      {"", "sphinxdmg", "FF38", health2(6), "200"},
      {"0.5", "setattack2dmg", "250", health2(7), "-250"},
      {"0.76", "setattack1dmgparameter", "200", health2(8), "200"},
      {"0.672", "setattack1dmgparameter", "x1", health2(8), std::nullopt},
      // The prong drain is a plain number; the three attack damages old hex.
      {"", "inprongleakage", "08", health1(25), "8"},
      {"", "baddyuzidmg", "0F", health1(4), "15"},
      {"0.76", "turretdmg", "0F", health1(20), "0F"},
      {"0.76", "littlebeetledisp", "0400", health2(5), "0400"},
      {"0.76", "magicattackdivider", "02", health1(14), "02"},
      {"0.76", "sasgrendamage", "50.0", health1(26), "50"},
  };
  expectKeys(cases);
}

}  // namespace
}  // namespace olvex::customizers
