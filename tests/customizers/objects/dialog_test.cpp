// The objects dialog: its leave rules, the squishy timer limit, the one-block platform that needs
// the extension, the darts swatch, the help box, and its keys.
#include "customizers/dialog_fixture.h"
#include "customizers/objects/dialog.h"
#include "customizers/sound/dialog.h"
#include "shell/form1.h"

namespace olvex::customizers::test {
namespace {

CustObj& objects() { return ui::Forms::get<CustObj>(); }

TEST_F(DialogTest, ObjectFieldsOnLeaving) {
  auto& o = objects();
  const LeaveCase cases[] = {
      {o.Text1[19], "25", "20"},  {o.Text1[7], "70000", "65535"}, {o.Text1[15], "300", "255"},
      {o.Text1[5], "-100", "-100"}, {o.Text1[6], "200", "127"},   {o.Text1[6], "-1", "-1"},
      {o.Text1[0], "", "0"},      {o.Text1[14], "200", "127"},    {o.Text1[4], "-1", "1"},
  };
  expectLeaving(cases);
  o.Check2.setValue(1);  // a longer squishy timer
  EXPECT_EQ(typeAndLeave(o.Text1[14], "5000", o.Text1[18]), "5000");
  EXPECT_EQ(typeAndLeave(o.Text1[14], "40000", o.Text1[18]), "32767");
  o.Check2.setValue(0);
  EXPECT_EQ(o.Text1[14].text(), "127");
  o.Text1[14].setText("100");
  o.Check2.setValue(1);
  o.Check2.setValue(0);
  EXPECT_EQ(o.Text1[14].text(), "100");
}

TEST_F(DialogTest, OneBlockPlatformNeedsTheExtension) {
  auto& main = ui::Forms::get<shell::Form1>();
  auto& o = objects();
  auto& s = ui::Forms::get<CustSnd>();
  o.Check10.setValue(1);
  EXPECT_FALSE(o.Text1[21].enabled());
  EXPECT_FALSE(o.Check8.enabled());
  main.Check9.setValue(1);
  EXPECT_TRUE(o.Check10.enabled());
  for (int i : {21, 22, 23}) EXPECT_TRUE(o.Text1[i].enabled()) << i;
  EXPECT_TRUE(o.Check7.enabled() && o.Check8.enabled() && o.Check9.enabled());
  EXPECT_TRUE(s.Check9.enabled() && s.HScroll3.enabled());
  o.Check10.setValue(0);
  EXPECT_FALSE(o.Text1[22].enabled());
  o.Check10.setValue(1);
  main.Check9.setValue(0);
  EXPECT_FALSE(o.Check10.enabled());
  EXPECT_FALSE(o.Text1[23].enabled());
  EXPECT_FALSE(s.Check9.enabled() || s.HScroll3.enabled());
}

TEST_F(DialogTest, DartsSwatchAndHelp) {
  auto& o = objects();
  EXPECT_EQ(o.Shape7.fillColor(), ui::rgb(120, 60, 20));
  o.Text1[16].setText("200");
  EXPECT_EQ(o.Shape7.fillColor(), ui::rgb(120, 200, 20));
  o.Text1[14].setText("1");
  EXPECT_EQ(o.Shape7.fillColor(), ui::rgb(120, 200, 20));
  o.Command4.userClick();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text.substr(0, 27), "2BP options descriptor:\r\n\r\n");
  EXPECT_NE(host.messages[0].text.find("\r\n  Repress speed - defines speed of repression (when Lara leaves it)."),
            std::string::npos);
}

TEST_F(DialogTest, ObjectKeys) {
  auto checked = [](ui::CheckBox CustObj::*box) { return [box] { return std::to_string((objects().*box).value()); }; };
  const KeyCase cases[] = {
      // The numbers are not held to the dialog's limits.
      {"0.76", "sqyishytimer", "300", [] { return objects().Text1[14].text(); }, "300"},
      {"", "slicerdicerradius", "25", [] { return objects().Text1[19].text(); }, "25"},
      {"0.76", "1bpdepressdistance", "0128", [] { return objects().Text1[21].text(); }, "128"},
      {"0.76", "2bpfixvisibility", "1", checked(&CustObj::Check5), "1"},
      {"0.76", "2bpinvertit", "1", checked(&CustObj::Check1), "1"},
      {"0.76", "2bpinvertittoo", "1", checked(&CustObj::Check4), "1"},
      {"0.76", "sqyishyextendtimer", "1", checked(&CustObj::Check2), "1"},
      {"0.76", "sqyishynotremble", "1", checked(&CustObj::Check3), "1"},
      {"0.76", "raiselinkfakeheight", "1", checked(&CustObj::Check6), "1"},
      {"0.76", "1bpenable", "1", checked(&CustObj::Check10), "1"},
      {"0.76", "1bpinvertit", "1", checked(&CustObj::Check9), "1"},
      {"0.76", "1bpinvertittoo", "1", checked(&CustObj::Check8), "1"},
  };
  expectKeys(cases);
  EXPECT_EQ(shell::ScopeOfKey("1bpenable"), shell::Scope::Obj);
  shell::CfgVersion = "0.76";
  shell::CfgKey = "spikestimer";
  shell::CfgValue = "99";
  shell::ApplyKey("sound");
  EXPECT_EQ(objects().Text1[0].text(), "64");
  shell::ApplyKey("obj");
  EXPECT_EQ(objects().Text1[0].text(), "99");
}

}  // namespace
}  // namespace olvex::customizers::test
