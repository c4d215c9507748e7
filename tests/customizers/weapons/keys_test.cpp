// The weapon keys: each conversion with its old-version upgrade, the follow-ups, and the ammo
// flag keys with the letters the dialog shows for them.
#include "customizers/dialog_fixture.h"
#include "customizers/weapons/dialog.h"

namespace olvex::customizers::test {
namespace {

TEST_F(DialogTest, WeaponKeys) {
  auto weapon = [](int i) { return [i] { return ui::Forms::get<CustWeapons>().Text5[i].text(); }; };
  const KeyCase cases[] = {
      {"", "pistoldamage", "1A", weapon(0), "26"},
      {"0.76", "pistoldamage", "1A", weapon(0), "1A"},
      {"", "xbowflyspeed", "200", weapon(20), "512"},
      {"", "shotgunshotamount", "6", weapon(19), "6"},
      {"", "revolrate", "10", weapon(9), "16"},
      {"", "grenadetimeout", "120abc", weapon(21), "120"},
      {"", "shotgundisp", "1554", weapon(11), "1554"},
      {"0.76", "sgflashxpos", "0308", weapon(22), "308"},
      {"0.76", "xbowtargetdistance", "4096", weapon(31), "4096"},
      {"0.76", "grenadelaunchpower", "128", weapon(33), "128"},
      {"0.76", "removeleftgun", "0", [] { return std::to_string(ui::Forms::get<CustWeapons>().Check6.value()); }, "0"},
      // A state rounds to its even neighbour.
      {"0.76", "disableautoweapon", "1.5", [] { return std::to_string(ui::Forms::get<CustWeapons>().Check8.value()); }, "2"},
      {"0.76", "xbowflametail", "-1", [] { return std::string(); }, std::nullopt},
  };
  expectKeys(cases);
  auto& weapons = dialog<CustWeapons>();
  EXPECT_FALSE(weapons.Text5[17].enabled());
  EXPECT_TRUE(apply("enablepoisondamagechanging", "1"));
  EXPECT_TRUE(weapons.Text5[17].enabled());
  EXPECT_TRUE(apply("reviveshotgunflash", "1"));
  EXPECT_TRUE(weapons.Text5[22].enabled());
  EXPECT_TRUE(weapons.Text5[23].enabled());
  EXPECT_TRUE(apply("reviveshotgunflash", "2"));
  EXPECT_FALSE(weapons.Text5[23].enabled());
}

TEST_F(DialogTest, AmmoFlagLettersFollowTheLastKeyOfTheirGroup) {
  auto& w = dialog<CustWeapons>();
  EXPECT_TRUE(apply("xbownormflag", "7"));
  EXPECT_TRUE(apply("xbowpoisonflag", "3"));
  EXPECT_EQ(w.Label11.caption(), "n");  // not refreshed before the group's last key
  EXPECT_TRUE(apply("xbowexplosiveflag", "2"));
  EXPECT_EQ(w.Label11.caption(), "n");
  EXPECT_EQ(w.Label21.caption(), "e");
  EXPECT_EQ(w.Label23.caption(), "p");
  EXPECT_EQ(shell::XBowNormFlag, 1);
  EXPECT_TRUE(apply("grennormflag", "5"));
  EXPECT_TRUE(apply("grenflshflag", "7"));
  EXPECT_EQ(w.Label31[0].caption(), "x");
  EXPECT_EQ(w.Label31[1].caption(), "s");
  EXPECT_EQ(w.Label31[2].caption(), "n");
  EXPECT_EQ(shell::GrenFlshFlag, 1);
  EXPECT_FALSE(apply("grenflshflag", "256"));
}

}  // namespace
}  // namespace olvex::customizers::test
