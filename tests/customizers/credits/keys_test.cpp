// The credits keys and the credits section of the config, and the defaults button of each text
// dialog reading its own scope.
#include <gtest/gtest.h>

#include <functional>

#include "customizers/apply_line.h"
#include "customizers/bars/dialog.h"
#include "customizers/credits/dialog.h"
#include "customizers/fonts/dialog.h"
#include "shell/config_fixture.h"

namespace olvex::customizers {
namespace {

CustBars& bars() { return ui::Forms::get<CustBars>(); }
CustFonts& fonts() { return ui::Forms::get<CustFonts>(); }
CustCredits& credits() { return ui::Forms::get<CustCredits>(); }

class CreditsKeys : public shell::testing::ConfigTest {
 protected:
  void SetUp() override {
    ConfigTest::SetUp();
    InstallBarsDialog();
    InstallFontsDialog();
    InstallCreditsDialog();
  }
  bool apply(const std::string& key, const std::string& value) { return test::ApplyLine(key, value); }
};

TEST_F(CreditsKeys, NumbersAlignmentsAndSwitches) {
  const struct { const char* key; const char* value; std::function<std::string()> field; const char* shows; } rows[] = {
      {"creditslinechars", "30abc", [] { return credits().Text2.text(); }, "30"},
      {"normcreditseffectid", "4", [] { return credits().Text3[0].text(); }, "4"},
      {"scriptedcreditseffectid", "9", [] { return credits().Text3[1].text(); }, "9"},
      {"creditsaudiotracknumber", "101", [] { return credits().Text4[1].text(); }, "101"},
      {"creditsleveljumpnumber", "&H10", [] { return credits().Text4[2].text(); }, "16"},
  };
  for (const auto& r : rows) {
    ASSERT_TRUE(apply(r.key, r.value)) << r.key;
    EXPECT_EQ(r.field(), r.shows) << r.key;
  }
  // The two alignment groups of the credits are apart.
  ASSERT_TRUE(apply("normcreditsalign", "0"));
  ASSERT_TRUE(apply("scriptedcreditsalign", "2"));
  EXPECT_TRUE(credits().Option1[0].value());
  EXPECT_TRUE(credits().Option2[2].value());
  EXPECT_FALSE(credits().Option1[1].value());
  EXPECT_FALSE(apply("normcreditsalign", "-1"));
  ASSERT_TRUE(apply("donotusescript", "1"));
  ASSERT_TRUE(apply("fixcreditsflybybug", "1"));
  EXPECT_EQ(credits().Check1.value() + credits().Check2.value(), 2);
}

// The [credits] section fills the editor's text; a read of another scope leaves it.
TEST_F(CreditsKeys, CreditsSectionFillsTheEditor) {
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
TEST_F(CreditsKeys, DefaultsButtonsReadTheirOwnScope) {
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
