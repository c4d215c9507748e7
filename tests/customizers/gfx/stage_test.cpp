// The GFX1 stage through silent runs: every location it writes, and nothing else.
#include "customizers/gfx/dialog.h"
#include "customizers/silent_pass.h"
#include "customizers/weapons/dialog.h"

namespace olvex::customizers::test {
namespace {

TEST_F(SilentPassTest, Gfx1WritesEveryValueAwayFromTheDefaults) {
  writeConfig({
      {"LightingRAW1", "12"}, {"LightingRAW2", "34"}, {"LightingRAW3", "2000"}, {"LightingRAW4", "7"},
      {"LightingRAW5", "AB"}, {"LightingRAW6", "CD"}, {"LightingDispTime", "2A"}, {"LightingDispRange", "123"},
      {"ConductorDispersion", "11"}, {"ConductorCoronaSize", "31"}, {"RicoAddR", "255"}, {"RicoAddG", "128"},
      {"LightingIndirect", "1"}, {"BloodSize", "09"}, {"BloodIntensity", "31"}, {"BloodLifetime", "19"},
      {"BloodSpreadX", "08"}, {"BloodSpreadY", "0A"}, {"BloodSpeed", "06"}, {"GFXRandFactor", "1234"},
      {"LightingSize", "21"}, {"GunflashAddR", "1"}, {"GunflashAddG", "2"}, {"GunflashAddB", "3"},
      {"PistolSmokeDur", "2C"}, {"RevolverSmokeDur", "2D"}, {"LightingCoreColourR", "16"},
      {"LightingCoreColourG", "32"}, {"LightingCoreColourB", "48"}, {"LightingCoreColourA", "64"},
      {"WallpaperAddR", "4"}, {"WallpaperAddG", "5"}, {"WallpaperAddB", "6"}, {"WaterdropsAddR", "7"},
      {"WaterdropsAddG", "8"}, {"WaterdropsAddB", "9"}, {"ShadowR", "1"}, {"ShadowG", "2"}, {"ShadowB", "3"},
      {"FadeoutR", "300"}, {"WallpaperGradTop", "1"}, {"OverrideWallpaperColour", "1"}, {"WallpaperColR", "16"},
      {"WallpaperColG", "32"}, {"WallpaperColB", "48"}, {"WFallScrollSpeed", "-1"}, {"SkyDir", "1234"},
      {"BloodSetOpaque", "1"}, {"BloodOpaqueR", "1"}, {"BloodOpaqueG", "2"}, {"BloodOpaqueB", "3"},
  });
  std::vector<Bytes> bytes = {
      {"LightingRaw1Offset", 0, "1234"}, {"LightingRaw2Offset", 0, "0007"}, {"LightingRaw3Offset", 0, "ABCD"},
      {"LightingDispOffset", 0, "2A"}, {"LightingRangOffset", 0, "23"}, {"ConductorDispOffset", 0, "11"},
      {"ConductorSizeOffset", 0, "31"}, {"RicoColourOffset", 0, "0080FF"}, {"LightingNoCSOffset", 0, "01"},
      {"BloodSizeOffset", 0, "09"}, {"BloodIntensityOffset", 0, "31"}, {"BloodLifetimeOffset", 0, "19"},
      {"BloodSpreadXOffset", 0, "08"}, {"BloodSpreadYOffset", 0, "0A"}, {"GFXRandFactorOffset", 0, "3412"},
      {"LightingSizeOffset", 0, "21"}, {"GunflashColourOffset", 0, "030201"},
      {"PistolSmokeDurRiteOffset", 0, "2C"}, {"PistolSmokeDurLeftOffset", 0, "2C"}, {"RevolSmokeDurOffset", 0, "2D"},
      {"LightingCoreColourOffset", 0, "30201040"}, {"WallpaperColourOffset", 0, "060504"},
      {"WaterdropsColourOffset", 0, "090807"}, {"ShadowColourOffset", 0, "0302014F"},
      {"FadeoutColourOffset", 0, "00002C"}, {"WFallScrollSpeedOffset", 0, "01"}, {"SkyDirOffset", 0, "3412"},
      {"BloodOpaqueRGBOffset", 0, "030201"}, {"BloodOpaqueOffset", 0, "01"}, {"BloodSpeedOffset", 0, "06"},
  };
  for (int k = 1; k <= 6; ++k) bytes.push_back({"WPGradTopOffset" + std::to_string(k), 0, "00"});
  for (int k = 1; k <= 4; ++k) {
    std::string n = std::to_string(k);
    bytes.push_back({"WColourOverrideOffset" + n, 0, dataHex("WColourOverrideModData" + n) + "302010009090"});
  }
  expectRuns(bytes);
}

TEST_F(SilentPassTest, Gfx1WritesPistolSmokeOnlyForAGunThatStays) {
  start();
  ui::Forms::get<CustGfx>().Text1[12].setText("2C");
  auto& weapons = ui::Forms::get<CustWeapons>();
  weapons.Check7.setValue(0);
  weapons.Check6.setValue(2);  // grey: nothing written
  pass();
  std::string file = exeBytes();
  EXPECT_EQ(patcher::test::hexAt(file, "PistolSmokeDurRiteOffset", 0, 1), "00");
  EXPECT_EQ(patcher::test::hexAt(file, "PistolSmokeDurLeftOffset", 0, 1), "1C");
  weapons.Check6.setValue(1);
  pass();
  EXPECT_EQ(patcher::test::hexAt(exeBytes(), "PistolSmokeDurLeftOffset", 0, 1), "2C");
}

TEST_F(SilentPassTest, AWaterfallSpeedThatIsNoNumberRollsThePassBack) {
  writeConfig({{"WFallScrollSpeed", "-"}});
  run();
  EXPECT_EQ(exeBytes(), reflayout::referenceExecutable());
}

}  // namespace
}  // namespace olvex::customizers::test
