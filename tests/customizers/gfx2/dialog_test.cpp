// The graphics 2 dialog: the fog unit selector and its table, the group checks, and its keys.
#include <gtest/gtest.h>

#include "customizers/gfx2/dialog.h"
#include "patcher/pass_fixture.h"
#include "shell/config_state.h"
#include "shell/settings_keys.h"
#include "shell/shared_tables.h"

namespace olvex::customizers {
namespace {

class CustGfx2Test : public patcher::test::PassTest {
 protected:
  CustGfx2& gfx2() { return ui::Forms::get<CustGfx2>(); }
  void leave(ui::TextBox& box, const std::string& text) {
    box.setText(text);
    box.setFocus();
    gfx2().Command1.setFocus();
  }
  void apply(const char* key, const char* value) {
    shell::CfgKey = key;
    shell::CfgValue = value;
    shell::ApplyKey("gfx2");
  }
};

TEST_F(CustGfx2Test, FogUnitsAreShownEditedAndKeptPerUnit) {
  start();
  CustGfx2& d = gfx2();
  d.Combo1.setText("17");
  EXPECT_EQ(d.Text1[15].text() + "," + d.Text1[16].text() + "," + d.Text1[17].text(), "252,0,0");
  EXPECT_EQ(d.Shape8.fillColor(), ui::rgb(252, 0, 0));
  leave(d.Text1[15], "300");
  EXPECT_EQ(d.Text1[15].text(), "255");
  EXPECT_EQ(shell::FogUnitR[17], 255);
  d.Combo1.setText("03");
  d.Combo1.setText("17");
  EXPECT_EQ(d.Text1[15].text(), "255");
  // Leaving another group A box writes the unit shown back as well; other groups do not.
  for (auto [box, groupA] : {std::pair{11, false}, {12, false}, {13, true}, {26, true}, {27, false}, {0, true}}) {
    shell::FogUnitG[17] = 7;
    leave(d.Text1[box], d.Text1[box].text());
    EXPECT_EQ(shell::FogUnitG[17], groupA ? 0 : 7) << box;
  }
}

TEST_F(CustGfx2Test, FogKeysShowUnitZeroReloadedFromTheTable) {
  CustGfx2& d = gfx2();
  apply("fogunit05", "1,2,3");
  EXPECT_EQ(shell::FogUnitB[5], 3);
  EXPECT_EQ(d.Combo1.text(), "00");
  apply("fogunit00", "9,8,7");  // unit 00 is shown already: its boxes follow anyway
  EXPECT_EQ(d.Text1[15].text() + "," + d.Text1[16].text() + "," + d.Text1[17].text(), "9,8,7");
  apply("fogunit5", "4,4,4");
  EXPECT_EQ(shell::FogUnitR[5], 4);
  apply("fogunit28", "1,1,1");
  EXPECT_EQ(d.Combo1.listCount(), 28);
}

TEST_F(CustGfx2Test, GroupChecksOnLeaving) {
  CustGfx2& d = gfx2();
  struct Case {
    int index;
    const char* typed;
    const char* left;
  };
  const Case cases[] = {
      {8, "", "1"},        {8, "200", "127"},    {8, "0", "1"},       {32, "-200", "-128"},
      {32, "", "0"},       {30, "40000", "32767"}, {42, "", "0"},     {11, "200", "127"},
      {41, "", "0"},       {0, "999", "255"},    {0, "", "0"},
  };
  for (const Case& c : cases) {
    leave(d.Text1[c.index], c.typed);
    EXPECT_EQ(d.Text1[c.index].text(), c.left) << c.index << " " << c.typed;
  }
  EXPECT_TRUE(host.messages.empty());
  struct Short {
    ui::TextBox* box;
    const char* message;
  };
  const Short shorts[] = {{&d.Text1[4], "You must fill this field with two hexadecimal symbols!"},
                          {&d.Text1[40], "You must fill this field with two hexadecimal symbols!"},
                          {&d.Text2[1], "You must fill this field with eight hexadecimal symbols!"}};
  for (const Short& s : shorts) {
    leave(*s.box, "7");
    EXPECT_EQ(host.messages.back().text, s.message);
    EXPECT_EQ(d.activeControl(), s.box);
    s.box->setText("12345678");
  }
}

TEST_F(CustGfx2Test, SwatchesTakeTheirComponentsByIndex) {
  CustGfx2& d = gfx2();
  d.Text1[36].setText("10");
  EXPECT_EQ(d.Shape13.fillColor(), ui::rgb(10, 128, 128));
  d.Text1[37].setText("1");
  EXPECT_EQ(d.Shape14.fillColor(), ui::rgb(96, 48, 1));
}

TEST_F(CustGfx2Test, GfxTwoOpensItAndDefaultsReloadTheFogTable) {
  shell::Form1& main = start();
  main.Command18.userClick();
  EXPECT_EQ(host.shown.back(), "CustGfx2");
  CustGfx2& d = gfx2();
  d.Combo1.setText("01");
  leave(d.Text1[15], "1");
  d.Text1[29].setText("99");
  d.Command2.userClick();
  EXPECT_EQ(shell::FogUnitR[1], 245);
  EXPECT_EQ(d.Combo1.text(), "00");
  EXPECT_EQ(d.Text1[29].text(), "3");
}

}  // namespace
}  // namespace olvex::customizers
