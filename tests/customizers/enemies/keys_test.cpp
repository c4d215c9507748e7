// The enemy keys: hit points with their old-version upgrade, the small scorpion switch, and the
// flag keys with the pictures the dialog shows for them.
#include "customizers/dialog_fixture.h"
#include "customizers/enemies/dialog.h"

namespace olvex::customizers::test {
namespace {

TEST_F(DialogTest, EnemyHitPointKeys) {
  auto enemy = [](int i) { return [i] { return ui::Forms::get<CustEnemy>().Text1[i].text(); }; };
  const KeyCase cases[] = {
      {"", "mutanthp", "F", enemy(0), "15"},
      {"0.76", "sethahp", "500", enemy(8), "500"},
      {"", "voncroyhp", "20", enemy(26), "32"},
      {"0.76", "smallscorpionhp", "8", enemy(24), "8"},
      {"0.76", "guidehp", "100", enemy(25), "49152"},  // the guide's hit points have no key
  };
  EXPECT_FALSE(dialog<CustEnemy>().Text1[24].enabled());
  expectKeys(cases);
  EXPECT_TRUE(apply("enablesmallscorpionhpchange", "1"));
  EXPECT_TRUE(dialog<CustEnemy>().Text1[24].enabled());
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
