// The lights dialog: read-out, leave rules, options that never keep the focus, the amber label,
// the alarm coupling, the main window's extension option, and its keys.
#include <gtest/gtest.h>

#include <set>

#include "customizers/lights/dialog.h"
#include "patcher/pass_fixture.h"
#include "shell/config_state.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {
namespace {

class CustLiteTest : public patcher::test::PassTest {
 protected:
  CustLite& lite() { return ui::Forms::get<CustLite>(); }
  void apply(const char* key, const char* value, const char* version = "0.76") {
    shell::CfgVersion = version;
    shell::CfgKey = key;
    shell::CfgValue = value;
    shell::ApplyKey("lite");
  }
};

TEST_F(CustLiteTest, IntensityReadOutFollowsTheScrollBar) {
  CustLite& d = lite();
  EXPECT_EQ(d.Text4.text(), "0.0039...");
  EXPECT_EQ(d.Text4.backColor(), ui::rgb(176, 176, 176));
  d.HScroll4.setValue(-1);
  EXPECT_EQ(d.Text4.text(), "0");
  EXPECT_EQ(d.Text4.backColor(), 0u);
  EXPECT_EQ(d.Text4.foreColor(), 0xFFFFFFu);
  d.HScroll4.setValue(0);
  EXPECT_EQ(d.Text4.text(), "0.0009...");
  EXPECT_EQ(d.Text4.foreColor(), 0u);
  apply("dynlightpower", "10");
  EXPECT_EQ(d.Text4.text(), "0.0109...");
}

TEST_F(CustLiteTest, LeaveRulesOfTheBoxes) {
  CustLite& d = lite();
  struct Case {
    int index;
    const char* typed;
    const char* left;
  };
  const Case cases[] = {{13, "2", "4"}, {13, "2000", "1092"}, {13, "", "0"}, {8, "40000", "32767"},
                        {4, "", "0"},   {0, "300", "255"},    {26, "999", "255"}};
  for (const Case& c : cases) {
    d.Text1[c.index].setText(c.typed);
    d.Text1[c.index].setFocus();
    d.Command1.setFocus();
    EXPECT_EQ(d.Text1[c.index].text(), c.left) << c.index << " " << c.typed;
  }
  EXPECT_TRUE(host.messages.empty());
  d.Text1[24].setText("64");
  EXPECT_EQ(d.Shape11.fillColor(), ui::rgb(255, 192, 64));
}

TEST_F(CustLiteTest, OptionsPassTheFocusOnAndKeepLoadedSelections) {
  CustLite& d = lite();
  d.Option2[4].userClick();
  d.Option2[4].setFocus();
  EXPECT_TRUE(d.Option2[4].value());
  EXPECT_FALSE(d.Option2[0].value());
  EXPECT_EQ(d.activeControl(), &d.Command3);
  apply("flarecolour", "4");
  EXPECT_TRUE(d.Option1[4].value());
  EXPECT_FALSE(d.Option1[0].value());
  EXPECT_EQ(d.Option2[1].backColor(), ui::rgb(255, 0, 255));
}

TEST_F(CustLiteTest, AmberLabelCyclesElevenCaptionsAndReturns) {
  CustLite& d = lite();
  std::set<std::string> seen;
  for (int click = 1; click <= 11; ++click) {
    d.Label7.userClick();
    EXPECT_NE(d.Label7.caption(), "amber light") << click;
    seen.insert(d.Label7.caption());
  }
  EXPECT_EQ(seen.size(), 11u);
  d.Label7.userClick();
  EXPECT_EQ(d.Label7.caption(), "amber light");
  EXPECT_EQ(d.Label7.mouseIcon(), ui::kHandCursor);
}

TEST_F(CustLiteTest, AlarmCouplingAndTheExtensionOption) {
  shell::Form1& main = start();
  CustLite& d = lite();
  EXPECT_FALSE(d.Check2.enabled());  // the executable is not extended at start-up
  main.Check9.setValue(1);
  EXPECT_TRUE(d.Check2.enabled());
  d.Text1[12].setText("2560");
  d.Check2.setValue(0);
  EXPECT_FALSE(d.Text1[12].enabled());
  EXPECT_EQ(d.Text1[12].text(), "2560");
  main.Command13.userClick();
  EXPECT_EQ(host.shown.back(), "CustLite");
}

TEST_F(CustLiteTest, KeysConvertAndChooseTheBinocularEntry) {
  CustLite& d = lite();
  struct Case {
    const char* value;
    const char* shown;
  };
  const Case ranges[] = {{"5", "05"}, {"0", "00"}, {"20", "20"}, {"05", "05"}, {"7", "7"}, {"", ""}, {"x", "x"}};
  for (const Case& c : ranges) {
    apply("binocsrange", c.value);
    EXPECT_EQ(d.Combo1.text(), c.shown) << c.value;
  }
  apply("pistolflasharea", "0A", "");
  EXPECT_EQ(d.Text1[0].text(), "10");
  apply("pistolflasharea", "0A");
  EXPECT_EQ(d.Text1[0].text(), "0A");
  apply("amberlightcolour", "3");
  EXPECT_TRUE(d.Option2[3].value());
  apply("flarelifetime", "12abc");
  EXPECT_EQ(d.Text1[13].text(), "12");
  int key = '5';
  d.Combo1.onKeyPress(key);
  EXPECT_EQ(key, 0);
}

}  // namespace
}  // namespace olvex::customizers
