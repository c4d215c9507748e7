// The inventory, item, weapon and enemy keys: each conversion with its old-version upgrade, the
// follow-ups, the numbered family and the shared tables' displays.
#include <functional>

#include "customizers/enemies_dialog.h"
#include "customizers/inventory_dialog.h"
#include "customizers/puzzle_dialog.h"
#include "customizers/weapons_dialog.h"
#include "dialog_fixture.h"

namespace olvex::customizers::test {
namespace {

using Text = std::function<std::string()>;

Text inv1(int i) { return [i] { return ui::Forms::get<CustInv>().Text1[i].text(); }; }
Text inv2(int i) { return [i] { return ui::Forms::get<CustInv>().Text2[i].text(); }; }
Text weapon(int i) { return [i] { return ui::Forms::get<CustWeapons>().Text5[i].text(); }; }
Text enemy(int i) { return [i] { return ui::Forms::get<CustEnemy>().Text1[i].text(); }; }

struct TextCase {
  const char* key;
  const char* value;
  const char* version;  // "" for a config without a Version line
  Text shown;
  const char* want;
};

TEST_F(DialogTest, TextKeysConvertAndUpgrade) {
  const TextCase cases[] = {
      {"DefBigMedkits", "01", "0.76", inv1(0), "1"},
      {"Secrets", "07x", "0.76", inv1(4), "7"},
      {"ShotgunWideAmmo", "&H10", "0.76", inv1(5), "16"},
      {"StartupHealth", "1000", "0.76", inv2(0), "1000"},
      {"StartupHealth", "1000", "", inv2(0), "4096"},
      {"StartupAir", "708", "", inv2(1), "1800"},
      {"SmallMediEffect", "1F4", "", inv2(4), "500"},
      {"ItemRotateSpeed", "3fe", "", inv2(3), "3fe"},
      {"PickUpShowDur", "45.5", "0.76", inv2(6), "45.5"},
      {"FlyCheatMagicWord", "XYZWQ", "0.76", [] { return ui::Forms::get<CustInv>().Text3.text(); }, "XYZW"},
      {"FlyCheatMagicWord", "AB", "0.76", [] { return ui::Forms::get<CustInv>().Text3.text(); }, "AB"},
      {"PistolDamage", "1A", "", weapon(0), "26"},
      {"PistolDamage", "1A", "0.76", weapon(0), "1A"},
      {"XBowFlySpeed", "200", "", weapon(20), "512"},
      {"ShotgunShotAmount", "6", "", weapon(19), "6"},
      {"RevolRate", "10", "", weapon(9), "16"},
      {"GrenadeTimeout", "120abc", "", weapon(21), "120"},
      {"ShotgunDisp", "1554", "", weapon(11), "1554"},
      {"SGFlashXPos", "0308", "0.76", weapon(22), "308"},
      {"XBowTargetDistance", "4096", "0.76", weapon(31), "4096"},
      {"GrenadeLaunchPower", "128", "0.76", weapon(33), "128"},
      {"MutantHP", "F", "", enemy(0), "15"},
      {"SethaHP", "500", "0.76", enemy(8), "500"},
      {"VonCroyHP", "20", "", enemy(26), "32"},
      {"SmallScorpionHP", "8", "0.76", enemy(24), "8"},
      {"GuideHP", "100", "0.76", enemy(25), "49152"},  // the guide's hit points have no key
  };
  for (const auto& c : cases) {
    std::string key = c.key;
    for (char& ch : key) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_TRUE(apply(key, c.value, c.version)) << c.key;
    EXPECT_EQ(c.shown(), c.want) << c.key << "=" << c.value << " version '" << c.version << "'";
  }
}

TEST_F(DialogTest, CheckKeysStoreTheStateAndRejectOthers) {
  EXPECT_TRUE(apply("disableinventory", "1"));
  EXPECT_EQ(dialog<CustInv>().Check7.value(), 1);
  EXPECT_TRUE(apply("defgetcrowbar", "2"));
  EXPECT_EQ(dialog<CustInv>().Check1[2].value(), 2);
  EXPECT_TRUE(apply("removeleftgun", "0"));
  EXPECT_EQ(dialog<CustWeapons>().Check6.value(), 0);
  EXPECT_TRUE(apply("disableautoweapon", "1.5"));  // rounds to the even neighbour
  EXPECT_EQ(dialog<CustWeapons>().Check8.value(), 2);
  EXPECT_FALSE(apply("disablesave", "3"));
  EXPECT_FALSE(apply("xbowflametail", "-1"));
}

TEST_F(DialogTest, FollowUpsSetTheEnabledStates) {
  auto& inv = dialog<CustInv>();
  // The limited pistol ammo switch carries the two hidden switches and both boxes.
  EXPECT_TRUE(apply("disableunlpistammolabel", "1"));
  EXPECT_TRUE(apply("removepistolammo", "0"));
  EXPECT_TRUE(apply("pickupshowdur", "45"));
  EXPECT_EQ(inv.Check1[3].value(), 1);
  EXPECT_EQ(inv.Check4.value(), 1);
  EXPECT_TRUE(inv.Text1[16].enabled());
  EXPECT_TRUE(inv.Text1[17].enabled());
  EXPECT_TRUE(apply("disableunlpistammolabel", "0"));
  EXPECT_TRUE(apply("pickupshowdur", "45"));
  EXPECT_FALSE(inv.Text1[16].enabled());
  EXPECT_FALSE(inv.Text1[17].enabled());
  EXPECT_EQ(inv.Text1[16].text(), "40");  // disabling keeps the value

  auto& weapons = dialog<CustWeapons>();
  EXPECT_FALSE(weapons.Text5[17].enabled());
  EXPECT_TRUE(apply("enablepoisondamagechanging", "1"));
  EXPECT_TRUE(weapons.Text5[17].enabled());
  EXPECT_TRUE(apply("reviveshotgunflash", "1"));
  EXPECT_TRUE(weapons.Text5[22].enabled());
  EXPECT_TRUE(weapons.Text5[23].enabled());
  EXPECT_TRUE(apply("reviveshotgunflash", "2"));
  EXPECT_FALSE(weapons.Text5[23].enabled());

  auto& enemies = dialog<CustEnemy>();
  EXPECT_FALSE(enemies.Text1[24].enabled());
  EXPECT_TRUE(apply("enablesmallscorpionhpchange", "1"));
  EXPECT_TRUE(apply("smallscorpionhp", "9"));
  EXPECT_TRUE(enemies.Text1[24].enabled());
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

TEST_F(DialogTest, ComboKeysFillTheTableAndShowCombinationZero) {
  auto& p = dialog<PuzzleConf>();
  EXPECT_TRUE(apply("combo05", "74,1"));
  EXPECT_EQ(p.Combo2.listIndex(), 0);
  EXPECT_EQ(p.Combo1.text(), "Puzzle Item 1");
  p.Combo2.setListIndex(5);
  EXPECT_EQ(p.Combo1.listIndex(), 74);
  EXPECT_EQ(p.Combo1.text(), "Pistols");
  EXPECT_EQ(p.Check1.value(), 1);
  EXPECT_FALSE(p.Check1.enabled());  // only puzzle items 1 to 12 take the flag

  EXPECT_TRUE(apply("combo3", "7,1"));  // six characters: not a member of the family
  EXPECT_TRUE(apply("combo25", "7,1"));
  EXPECT_EQ(shell::PuzzleCombos[3], 3);
  EXPECT_TRUE(apply("combo10", "100,1"));  // kept, though no item has that code
  EXPECT_EQ(shell::PuzzleCombos[10], 100);
  EXPECT_EQ(shell::PuzzleCombos[31], 1);
}

TEST_F(DialogTest, EnemyFlagKeysRefreshEveryPicture) {
  auto& e = dialog<CustEnemy>();
  auto fill = [&](int i) { return e.Image1[i].canvas().pixel(3, 7); };
  EXPECT_EQ(fill(0), ui::rgb(0xC0, 0xC0, 0xC0));  // skeleton: smoke
  EXPECT_TRUE(apply("skeletonflag", "0"));
  EXPECT_EQ(fill(0), ui::rgb(0xFF, 0x80, 0x80));  // blood
  EXPECT_TRUE(apply("demigod1flag", "4"));
  EXPECT_EQ(fill(13), ui::rgb(0x80, 0xFF, 0x80));
  EXPECT_EQ(fill(14), ui::rgb(0xE0, 0xE0, 0xE0));  // the fixed code 5: a grey C
  EXPECT_TRUE(apply("mutantflag", "200"));         // no such code: a neutral picture, no error
  EXPECT_EQ(shell::EnemyFlags[11], 200);
  EXPECT_EQ(fill(11), ui::rgb(0xF0, 0xF0, 0xF0));
  EXPECT_FALSE(apply("mutantflag", "256"));
}

}  // namespace
}  // namespace olvex::customizers::test
