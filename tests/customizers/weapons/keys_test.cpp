// The ammo flag keys and the letters the weapons dialog shows for them.
#include "customizers/dialog_fixture.h"
#include "customizers/weapons/dialog.h"

namespace olvex::customizers::test {
namespace {

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
