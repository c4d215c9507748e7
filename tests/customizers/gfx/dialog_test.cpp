// The graphics dialog: its own rules, its keys with the old-version upgrades, and opening it.
#include <gtest/gtest.h>

#include "customizers/gfx/dialog.h"
#include "patcher/pass_fixture.h"
#include "shell/config_state.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {
namespace {

class CustGfxTest : public patcher::test::PassTest {
 protected:
  CustGfx& gfx() { return ui::Forms::get<CustGfx>(); }
  void apply(const char* key, const char* value, const char* version = "0.76") {
    shell::CfgVersion = version;
    shell::CfgKey = key;
    shell::CfgValue = value;
    shell::ApplyKey("gfx");
  }
};

TEST_F(CustGfxTest, GfxOneOpensItModally) {
  bool modal = false;
  host.onShow = [&](ui::Form& f, bool m) { modal = m && f.name() == "CustGfx"; };
  start().Command14.userClick();
  EXPECT_TRUE(modal);
  EXPECT_EQ(gfx().caption(), "GFX customizer");
  EXPECT_EQ(gfx().Text11.text(), "7FF8");  // the config's value
}

TEST_F(CustGfxTest, LeaveChecksOfTheBoxes) {
  CustGfx& d = gfx();
  d.Text11.setText("7FF");
  d.Text11.setFocus();
  d.Text2.setFocus();
  EXPECT_EQ(host.texts(), std::vector<std::string>{"You must fill this field with four hexadecimal symbols!"});
  EXPECT_EQ(d.activeControl(), &d.Text11);
  d.Text11.setText("7FF8");
  struct Case {
    int index;
    const char* typed;
    const char* left;
  };
  const Case cases[] = {{31, "-5", "-5"}, {31, "200", "127"}, {31, "-", "0"}, {31, "", "0"},
                        {6, "300", "255"}, {6, "", "0"}, {0, "C", "C"}};
  for (const Case& c : cases) {
    d.Text1[c.index].setText(c.typed);
    d.Text1[c.index].setFocus();
    d.Command1.setFocus();
    EXPECT_EQ(d.Text1[c.index].text(), c.left) << c.index << " " << c.typed;
  }
  EXPECT_EQ(host.messages.back().text, "You must fill this field with two hexadecimal symbols!");
  d.Text1[0].setText("C0");
  d.Text10.setText("zz");
  d.Text10.setFocus();
  d.Command1.setFocus();
  EXPECT_EQ(d.Text10.text(), "zz");
}

TEST_F(CustGfxTest, SwatchesAndOverrideFollowTypedAndLoadedValues) {
  CustGfx& d = gfx();
  d.Text1[11].setText("300");  // gunflash red
  EXPECT_EQ(d.Shape4.fillColor(), ui::rgb(255, 47, 0));
  d.Text1[36].setText("9");  // opaque blood green
  EXPECT_EQ(d.Shape15.fillColor(), ui::rgb(0, 9, 0));
  EXPECT_FALSE(d.Text1[32].enabled());
  d.Check3.setValue(1);
  apply("overridewallpapercolour", "1");
  EXPECT_TRUE(d.Text1[32].enabled() && d.Text1[34].enabled());
  EXPECT_FALSE(d.Check2.enabled() || d.Check3.enabled());
  EXPECT_EQ(d.Check3.value(), 1);
  apply("bloodsetopaque", "1");
  EXPECT_TRUE(d.Text1[35].enabled());
}

TEST_F(CustGfxTest, KeysConvertAndUpgradeOldValues) {
  struct Case {
    const char* key;
    const char* value;
    const char* version;
    int index;  // Text1 element
    const char* shown;
  };
  const Case cases[] = {
      {"ricoaddr", "FF", "", 6, "255"},          // no Version line: hex
      {"ricoaddr", "FF", "0.76", 6, "FF"},
      {"shadowa", "4F", "", 23, "79"},
      {"wfallscrollspeed", "F9", "", 31, "7"},    // 256 - F9
      {"wfallscrollspeed", "7", "0.670", 31, "-7"},
      {"wfallscrollspeed", "7", "0.76", 31, "7"},
      {"wallpapercolr", "12abc", "0.76", 34, "12"},
      {"lightingraw3", "c0", "0.76", 2, "c0"},
  };
  for (const Case& c : cases) {
    apply(c.key, c.value, c.version);
    EXPECT_EQ(gfx().Text1[c.index].text(), c.shown) << c.key << "=" << c.value << " v" << c.version;
  }
  apply("skydir", "7FF0");
  EXPECT_EQ(gfx().Text11.text(), "7FF0");
}

TEST_F(CustGfxTest, DefaultsReloadOnlyThisDialog) {
  start();
  CustGfx& d = gfx();
  d.Text11.setText("0000");
  d.Text1[6].setText("9");
  shell::FogUnitR[3] = 1;
  d.Command2.userClick();
  EXPECT_EQ(d.Text11.text(), "7FF8");
  EXPECT_EQ(d.Text1[6].text(), "0");
  EXPECT_EQ(shell::FogUnitR[3], 1);
}

}  // namespace
}  // namespace olvex::customizers
