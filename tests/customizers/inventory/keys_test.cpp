// The inventory keys: each conversion with its old-version upgrade, the check states, and the
// limited pistol ammo switch that carries its hidden switches and boxes.
#include "customizers/dialog_fixture.h"
#include "customizers/inventory/dialog.h"

namespace olvex::customizers::test {
namespace {

CustInv& inv() { return ui::Forms::get<CustInv>(); }

TEST_F(DialogTest, InventoryKeys) {
  auto inv1 = [](int i) { return [i] { return inv().Text1[i].text(); }; };
  auto inv2 = [](int i) { return [i] { return inv().Text2[i].text(); }; };
  const KeyCase cases[] = {
      {"0.76", "defbigmedkits", "01", inv1(0), "1"},
      {"0.76", "secrets", "07x", inv1(4), "7"},
      {"0.76", "shotgunwideammo", "&H10", inv1(5), "16"},
      {"0.76", "startuphealth", "1000", inv2(0), "1000"},
      {"", "startuphealth", "1000", inv2(0), "4096"},
      {"", "startupair", "708", inv2(1), "1800"},
      {"", "smallmedieffect", "1F4", inv2(4), "500"},
      {"", "itemrotatespeed", "3fe", inv2(3), "3fe"},
      {"0.76", "pickupshowdur", "45.5", inv2(6), "45.5"},
      {"0.76", "flycheatmagicword", "XYZWQ", [] { return inv().Text3.text(); }, "XYZW"},
      {"0.76", "flycheatmagicword", "AB", [] { return inv().Text3.text(); }, "AB"},
      {"0.76", "disableinventory", "1", [] { return std::to_string(inv().Check7.value()); }, "1"},
      {"0.76", "defgetcrowbar", "2", [] { return std::to_string(inv().Check1[2].value()); }, "2"},
      {"0.76", "disablesave", "3", [] { return std::string(); }, std::nullopt},
  };
  expectKeys(cases);
}

TEST_F(DialogTest, LimitedPistolAmmoKeyCarriesTheHiddenSwitches) {
  EXPECT_TRUE(apply("disableunlpistammolabel", "1"));
  EXPECT_TRUE(apply("removepistolammo", "0"));
  EXPECT_TRUE(apply("pickupshowdur", "45"));
  EXPECT_EQ(inv().Check1[3].value(), 1);
  EXPECT_EQ(inv().Check4.value(), 1);
  EXPECT_TRUE(inv().Text1[16].enabled());
  EXPECT_TRUE(inv().Text1[17].enabled());
  EXPECT_TRUE(apply("disableunlpistammolabel", "0"));
  EXPECT_TRUE(apply("pickupshowdur", "45"));
  EXPECT_FALSE(inv().Text1[16].enabled());
  EXPECT_FALSE(inv().Text1[17].enabled());
  EXPECT_EQ(inv().Text1[16].text(), "40");  // disabling keeps the value
}

}  // namespace
}  // namespace olvex::customizers::test
