// The inventory, weapon and enemy keys: each conversion with its old-version upgrade, and the
// follow-ups.
#include <functional>

#include "customizers/enemies/dialog.h"
#include "customizers/inventory/dialog.h"
#include "customizers/weapons/dialog.h"
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

}  // namespace
}  // namespace olvex::customizers::test
