// The weapons dialog: flag clicks, leave rules and the firing preview, with its timer ticked by
// hand.
#include "customizers/dialog_fixture.h"
#include "customizers/enemies/dialog.h"
#include "customizers/weapons/dialog.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers::test {
namespace {

class WeaponsDialog : public DialogTest {
 protected:
  CustWeapons& w() { return dialog<CustWeapons>(); }
  std::vector<std::string> clicks(ui::Label& label, int n) {
    std::vector<std::string> shown;
    for (int i = 0; i < n; ++i) {
      label.userClick();
      shown.push_back(label.caption());
    }
    return shown;
  }
};

TEST_F(WeaponsDialog, FlagLabelsCycleThroughTheirLetters) {
  EXPECT_EQ(clicks(w().Label11, 4), (std::vector<std::string>{"p", "e", "n", "p"}));
  EXPECT_EQ(shell::XBowNormFlag, 2);
  EXPECT_EQ(clicks(w().Label31[2], 5), (std::vector<std::string>{"u", "x", "n", "s", "f"}));
  EXPECT_EQ(shell::GrenFlshFlag, 3);
  EXPECT_EQ(clicks(w().Label23, 1), std::vector<std::string>{"n"});
  EXPECT_EQ(shell::XBowExplFlag, 1);
  // A flag without a letter is left as it is, and so is its label.
  shell::GrenSupaFlag = 7;
  shell::XBowPoisonFlag = 0;
  EXPECT_EQ(clicks(w().Label31[1], 1), std::vector<std::string>{"s"});
  EXPECT_EQ(clicks(w().Label21, 1), std::vector<std::string>{"p"});
  EXPECT_EQ(shell::GrenSupaFlag, 7);
  EXPECT_EQ(shell::XBowPoisonFlag, 0);
}

TEST_F(WeaponsDialog, LeaveRulesByField) {
  struct Case { int index; const char* typed; const char* left; const char* message; };
  const Case cases[] = {
      {19, "9", "6", ""},
      {0, "300", "255", ""},
      {20, "9999", "9999", ""},
      {21, "70000", "65535", ""},
      {29, "40000", "32767", ""},
      {33, "40000", "32767", ""},
      {32, "300", "255", ""},
      {20, "", "", "You must fill this field with at least one digit!"},
      {3, "a1", "1", ""},
  };
  for (const Case& c : cases) {
    host.messages.clear();
    auto& box = w().Text5[c.index];
    box.setEnabled(true);
    box.setFocus();
    box.setText("");
    box.typeText(c.typed);
    w().Command1.setFocus();
    EXPECT_EQ(box.text(), c.left) << c.index;
    EXPECT_EQ(host.texts(), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << c.index;
    EXPECT_EQ(box.hasFocus(), *c.message != 0) << c.index;
    box.setText("5");
    w().Command1.setFocus();
  }
  auto& dispersion = w().Text5[11];
  dispersion.setEnabled(true);
  dispersion.setFocus();
  dispersion.setText("");
  dispersion.typeText("15g5");
  w().Command1.setFocus();
  EXPECT_EQ(host.texts().back(), "You must fill this field with four hexadecimal symbols!");
  EXPECT_EQ(dispersion.text(), "155");
}

TEST_F(WeaponsDialog, ChecksEnableTheirBoxesAndKeepTheValues) {
  w().Check1.userClick();
  EXPECT_TRUE(w().Text5[17].enabled());
  w().Text5[17].setText("9");
  w().Check1.userClick();
  EXPECT_FALSE(w().Text5[17].enabled());
  EXPECT_EQ(w().Text5[17].text(), "9");
  w().Check2.userClick();
  EXPECT_TRUE(w().Text5[22].enabled());
  EXPECT_TRUE(w().Text5[23].enabled());
  EXPECT_FALSE(w().Text5[11].enabled());
  EXPECT_EQ(w().Text5[12].text(), "32");
}

// Flash F = 3.6 x duration ticks shown, period R = 3.7 x rate ticks; a flash longer than the
// period ends at the period, and a whole R ends the period on the tick after it.
TEST(FlashPreview, FlashesForTheirDurationInTheirPeriod) {
  const struct { double duration, rate; std::string cycle; } cases[] = {
      {3, 9, std::string(10, '#') + std::string(24, '.')},
      {2, 1, "####"},
      {3, 10, std::string(10, '#') + std::string(28, '.')},
  };
  for (const auto& c : cases) {
    FlashPreview p;
    bool shown = false;
    std::string pattern;
    for (std::size_t tick = 1; tick <= 2 * c.cycle.size(); ++tick) {
      shown = p.tick(c.duration, c.rate, shown);
      pattern += shown ? '#' : '.';
    }
    EXPECT_EQ(pattern, c.cycle + c.cycle) << c.duration << " " << c.rate;
  }
}

TEST_F(WeaponsDialog, PreviewRunsWhileStartedAndStopsOnStopOrDefaults) {
  auto sameIcon = [&](const ui::Image& icon) { return w().Command10.picture().pixels() == icon.canvas().pixels(); };
  EXPECT_TRUE(sameIcon(w().Image3));
  EXPECT_FALSE(w().Timer1.enabled());
  w().Command10.userClick();
  EXPECT_TRUE(w().Timer1.enabled());
  EXPECT_EQ(w().Timer1.interval(), 10);
  EXPECT_TRUE(sameIcon(w().Image4));
  std::string pattern;
  for (int i = 0; i < 12; ++i) {
    host.tickTimers();
    pattern += w().Image2.visible() ? '#' : '.';
  }
  EXPECT_EQ(pattern, "##########..");
  // Another gun takes effect at once: the revolver's period (16 x 3.7) is longer.
  w().Option1[2].setValue(true);
  for (int i = 0; i < 20; ++i) host.tickTimers();
  EXPECT_FALSE(w().Image2.visible());

  w().Command10.userClick();
  EXPECT_FALSE(w().Timer1.enabled());
  EXPECT_FALSE(w().Image2.visible());
  EXPECT_TRUE(sameIcon(w().Image3));

  // Started again, the counter goes on from where it stopped.
  w().Command10.userClick();
  for (int i = 0; i < 100 && !w().Image2.visible(); ++i) host.tickTimers();
  ASSERT_TRUE(w().Image2.visible());
  shell::form1Hooks().StopWeaponsPreview();
  EXPECT_FALSE(w().Timer1.enabled());
  EXPECT_FALSE(w().Image2.visible());
  EXPECT_TRUE(sameIcon(w().Image3));
}

TEST_F(WeaponsDialog, HelpShowsTheAmmoFlagLegend) {
  w().Command4.userClick();
  ASSERT_EQ(host.texts().size(), 1u);
  EXPECT_EQ(host.texts()[0].substr(0, 42), "Crossbow ammo flags:\r\n   n = Normal Ammo\r\n");
  EXPECT_NE(host.texts()[0].find("\r\n\r\nGrenade ammo flags:"), std::string::npos);
  EXPECT_NE(host.texts()[0].find("   x = Frag Ammo"), std::string::npos);
}

// Shown from the main window, the dialogs' timers run until the dialog is hidden again (the
// test host's modal show returns at once, as if the user had pressed "apply").
TEST_F(DialogTest, PreviewAndBlinkingStopWhenTheDialogCloses) {
  auto& weapons = dialog<CustWeapons>();
  weapons.Command10.userClick();
  ASSERT_TRUE(weapons.Timer1.enabled());
  shell::form1Hooks().ButtonActions.at("Command20")();
  EXPECT_EQ(host.shown.back(), "CustWeapons");
  EXPECT_FALSE(weapons.Timer1.enabled());
  EXPECT_FALSE(dialog<CustEnemy>().Timer1.enabled());
  shell::form1Hooks().ButtonActions.at("Command19")();
  EXPECT_EQ(host.shown.back(), "CustEnemy");
  EXPECT_FALSE(dialog<CustEnemy>().Timer1.enabled());
}

}  // namespace
}  // namespace olvex::customizers::test
