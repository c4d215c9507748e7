// The settings keys of the bar, font and credits dialogs, and the credits section of the config.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "apply_line.h"
#include "customizers/bars/dialog.h"
#include "customizers/credits/dialog.h"
#include "customizers/fonts/dialog.h"
#include "shell/config_fixture.h"

namespace olvex::customizers {
namespace {

CustBars& bars() { return ui::Forms::get<CustBars>(); }
CustFonts& fonts() { return ui::Forms::get<CustFonts>(); }
CustCredits& credits() { return ui::Forms::get<CustCredits>(); }

class DialogKeys : public shell::testing::ConfigTest {
 protected:
  void SetUp() override {
    ConfigTest::SetUp();
    InstallBarsDialog();
    InstallFontsDialog();
    InstallCreditsDialog();
  }
  // Applies one line with every scope, as a preset or the console does; false when rejected.
  bool apply(const std::string& key, const std::string& value) { return test::ApplyLine(key, value); }
};

// Text keys: a config with a Version line stores the value, one without reads old hex.
TEST_F(DialogKeys, TextKeysWithOldVersionUpgrades) {
  struct Row {
    std::string key, value;
    std::function<std::string()> field;
    std::string versioned, old;
  };
  const Row rows[] = {
      {"hmaincolourr", "255", [] { return bars().Text1[0].text(); }, "255", "597"},
      {"amaincolourr", "10", [] { return bars().Text1[11].text(); }, "10", "16"},
      {"sndbarabocolourb", "7F", [] { return bars().Text1[33].text(); }, "7F", "127"},
      {"pbocolourr", "3F", [] { return bars().Text1[47].text(); }, "3F", "63"},
      {"lleft", "14", [] { return bars().Text2[8].text(); }, "14", "20"},
      {"aleft", "1EA", [] { return bars().Text2[9].text(); }, "1EA", "490"},
      // Plain numbers whatever the version.
      {"critbarblinkspeed", "07x", [] { return bars().Text2[11].text(); }, "7", "7"},
      {"barbordercolorr", "10", [] { return bars().Text1[50].text(); }, "10", "10"},
      {"barbordercolorb", "", [] { return bars().Text1[48].text(); }, "0", "0"},
      {"optsfontfadecolourr", "40", [] { return fonts().Text1[11].text(); }, "40", "64"},
      {"itemfontmaincolourb", "80", [] { return fonts().Text1[22].text(); }, "80", "128"},
      {"legenddisptime", "96", [] { return fonts().Text1[18].text(); }, "96", "150"},
      {"mainmenuexiteffectid", "3.0", [] { return fonts().Text1[28].text(); }, "3", "3"},
      {"windowtitle", " My Game ", [] { return fonts().Text1[29].text(); }, " My Game ", " My Game "},
      {"windowtitle", std::string(40, 'x'), [] { return fonts().Text1[29].text(); },
       std::string(33, 'x'), std::string(33, 'x')},
      {"creditslinechars", "30abc", [] { return credits().Text2.text(); }, "30", "30"},
      {"normcreditseffectid", "4", [] { return credits().Text3[0].text(); }, "4", "4"},
      {"scriptedcreditseffectid", "9", [] { return credits().Text3[1].text(); }, "9", "9"},
      {"creditsaudiotracknumber", "101", [] { return credits().Text4[1].text(); }, "101", "101"},
      {"creditsleveljumpnumber", "&H10", [] { return credits().Text4[2].text(); }, "16", "16"},
  };
  for (const Row& r : rows) {
    shell::CfgVersion = "0.76";
    ASSERT_TRUE(apply(r.key, r.value)) << r.key;
    EXPECT_EQ(r.field(), r.versioned) << r.key << " with a version";
    shell::CfgVersion.clear();
    ASSERT_TRUE(apply(r.key, r.value)) << r.key;
    EXPECT_EQ(r.field(), r.old) << r.key << " without a version";
  }
}

TEST_F(DialogKeys, ChecksOptionsAndTheAlignmentList) {
  ASSERT_TRUE(apply("hhide", "1"));
  ASSERT_TRUE(apply("sanim", "2"));
  EXPECT_EQ(bars().Check1.value(), 1);
  EXPECT_EQ(bars().Check7.value(), 2);
  ASSERT_TRUE(apply("staticbarsstyle", "2"));
  EXPECT_TRUE(bars().Option1[2].value());
  EXPECT_FALSE(bars().Option1[0].value());

  ASSERT_TRUE(apply("mainmenualign", "2"));
  EXPECT_EQ(fonts().Combo1[0].text(), fonts().AlignRight);
  ASSERT_TRUE(apply("mainmenualign", "0.4"));
  EXPECT_EQ(fonts().Combo1[0].text(), "left");

  // The two alignment groups of the credits are apart.
  ASSERT_TRUE(apply("normcreditsalign", "0"));
  ASSERT_TRUE(apply("scriptedcreditsalign", "2"));
  EXPECT_TRUE(credits().Option1[0].value());
  EXPECT_TRUE(credits().Option2[2].value());
  EXPECT_FALSE(credits().Option1[1].value());
  ASSERT_TRUE(apply("donotusescript", "1"));
  ASSERT_TRUE(apply("fixcreditsflybybug", "1"));
  EXPECT_EQ(credits().Check1.value() + credits().Check2.value(), 2);
}

TEST_F(DialogKeys, ValuesTheControlsRejectAreErrors) {
  EXPECT_FALSE(apply("hhide", "3"));
  EXPECT_FALSE(apply("staticbarsstyle", "3"));
  EXPECT_FALSE(apply("mainmenualign", "3"));
  EXPECT_FALSE(apply("normcreditsalign", "-1"));
}

// The [credits] section fills the editor's text; a read of another scope leaves it.
TEST_F(DialogKeys, CreditsSectionFillsTheEditor) {
  std::string text = shell::testing::configText({"CreditsLineChars=21"});
  const std::string body = "%01\r\nBuilt In\r\n[end credits]";
  text.replace(text.find(body), body.size(), "\r\n\r\n%01\r\nName\r\n\r\n%02\r\n[END CREDITS]");
  writeConfig(text);
  shell::LoadCommonConfig();
  EXPECT_EQ(credits().Text1.text(), "%01\r\nName\r\n\r\n%02");
  EXPECT_EQ(credits().Text2.text(), "21");

  credits().Text1.setText("edited");
  credits().Text2.setText("30");
  shell::LoadScope = "fonts";
  shell::ReadCommonConfig();
  EXPECT_EQ(credits().Text1.text(), "edited");
  shell::LoadScope = "creds";
  shell::ReadCommonConfig();
  EXPECT_EQ(credits().Text1.text(), "%01\r\nName\r\n\r\n%02");
  EXPECT_EQ(credits().Text2.text(), "21");
}

// Each dialog's "defaults" takes its own keys (and the credits their section) from the config.
TEST_F(DialogKeys, DefaultsButtonsReadTheirOwnScope) {
  writeConfig(shell::testing::configText({"CreditsLineChars=21", "HWidth=150", "LegendDispTime=150"}));
  shell::LoadCommonConfig();
  credits().Text1.setText("edited");
  credits().Text2.setText("30");
  bars().Text2[0].setText("99");
  fonts().Text1[18].setText("99");
  credits().Command3.userClick();
  EXPECT_EQ(credits().Text1.text(), "%01\r\nBuilt In");
  EXPECT_EQ(credits().Text2.text(), "21");
  EXPECT_EQ(bars().Text2[0].text(), "99");
  bars().Command2.userClick();
  EXPECT_EQ(bars().Text2[0].text(), "150");
  EXPECT_EQ(fonts().Text1[18].text(), "99");
  fonts().Command2.userClick();
  EXPECT_EQ(fonts().Text1[18].text(), "150");
}

}  // namespace
}  // namespace olvex::customizers
