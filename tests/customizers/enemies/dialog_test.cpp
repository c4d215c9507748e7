// The enemies dialog: flag clicks, fields, captions, help and the blinking of large hit points,
// with its timer ticked by hand.
#include "customizers/dialog_fixture.h"
#include "customizers/enemies/dialog.h"

namespace olvex::customizers::test {
namespace {

class EnemiesDialog : public DialogTest {
 protected:
  CustEnemy& e() { return dialog<CustEnemy>(); }
  ui::Color fill(int i) { return e().Image1[i].canvas().pixel(3, 7); }
};

TEST_F(EnemiesDialog, PicturesFollowTheFlagsOnClicks) {
  constexpr ui::Color kBlood = ui::rgb(0xFF, 0x80, 0x80), kClear = ui::rgb(0x80, 0xFF, 0x80);
  e().Image1[0].userClick();  // the skeleton: smoke, then clear damage, then blood
  EXPECT_EQ(shell::EnemyFlags[0], 4);
  EXPECT_EQ(fill(0), kClear);
  e().Image1[0].userClick();
  EXPECT_EQ(shell::EnemyFlags[0], 0);
  EXPECT_EQ(fill(0), kBlood);
  e().Image1[0].userClick();
  e().Image1[0].userDblClick();  // a double click counts twice with its click
  EXPECT_EQ(shell::EnemyFlags[0], 2);
  for (int fixed : {14, 15}) {
    e().Image1[fixed].userClick();
    EXPECT_EQ(shell::EnemyFlags[fixed], 5);
  }
  shell::EnemyFlags[3] = 9;
  e().RecalcFlags(3);
  EXPECT_EQ(shell::EnemyFlags[3], 0);
  EXPECT_EQ(fill(3), kBlood);
  EXPECT_EQ(FlagPicture(6), "flag-unknown.xpm");
  EXPECT_EQ(FlagPicture(255), "flag-unknown.xpm");
}

TEST_F(EnemiesDialog, LargeHitPointsBlinkWhileTheTimerTicks) {
  constexpr ui::Color kDarkRed = ui::rgb(64, 0, 0), kGrey = ui::rgb(128, 128, 128);
  e().Text1[3].setText("49152");
  e().Text1[4].setText("32767");
  e().Timer1.setEnabled(true);  // as while the dialog is shown
  EXPECT_EQ(e().Timer1.interval(), 300);
  std::vector<ui::Color> large, limit;
  for (int i = 0; i < 3; ++i) {
    host.tickTimers();
    large.push_back(e().Text1[3].foreColor());
    limit.push_back(e().Text1[4].foreColor());
  }
  EXPECT_EQ(large, (std::vector<ui::Color>{kGrey, kDarkRed, kGrey}));
  EXPECT_EQ(limit, (std::vector<ui::Color>{kDarkRed, kDarkRed, kDarkRed}));
  EXPECT_EQ(e().Text1[25].foreColor(), kGrey);  // the guide's 49152 blinks as well
  host.tickTimers();
  EXPECT_EQ(e().Text1[25].foreColor(), kDarkRed);
}

TEST_F(EnemiesDialog, FieldsCaptionsAndHelp) {
  auto& box = e().Text1[7];
  box.setFocus();
  box.setText("");
  box.typeText("70000");
  e().Command1.setFocus();
  EXPECT_EQ(box.text(), "65535");
  box.setFocus();
  box.setText("");
  e().Command1.setFocus();
  EXPECT_EQ(box.text(), "0");
  EXPECT_TRUE(host.messages.empty());

  EXPECT_EQ(e().Label1[7].caption(), "Set:");
  EXPECT_EQ(e().Label1[12].caption(), "Guide:");
  EXPECT_FALSE(e().Image2.visible());
  e().Label1[7].userClick();
  EXPECT_TRUE(e().Image2.visible());
  e().Image2.userClick();
  EXPECT_FALSE(e().Image2.visible());
  e().Command3.userClick();  // "AI" does nothing
  EXPECT_TRUE(host.messages.empty());
  e().Command4.userClick();
  ASSERT_EQ(host.texts().size(), 1u);
  EXPECT_EQ(host.texts()[0].substr(0, 31), "Enemy flag option descriptor:\r\n");
  EXPECT_NE(host.texts()[0].find("turn on \"Enable SS HP change\"."), std::string::npos);
}

}  // namespace
}  // namespace olvex::customizers::test
