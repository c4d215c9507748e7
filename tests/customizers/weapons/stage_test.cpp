// The WEAPON stage through silent runs: settings that take every branch give exactly the bytes
// each write names, and nothing else changes.
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

TEST_F(SilentPassTest, WeaponValuesAndOptionsOn) {
  writeConfig({{"PistolDisp", "7"}, {"PistolDamage", "2"}, {"PistolRate", "10"}, {"PistolFlash", "4"},
               {"RevolDisp", "3"}, {"RevolDamage", "22"}, {"RevolRate", "17"}, {"RevolFlash", "5"},
               {"UziDisp", "6"}, {"UziDamage", "300"}, {"UziRate", "4"}, {"UziFlash", "2"},
               {"ShotgunDamage", "9"}, {"ShotgunFlash", "8"}, {"XBowDamage", "11"},
               {"EnablePoisonDamageChanging", "1"}, {"XBowPoisonDamage", "7"}, {"ExplosiveDamage", "40"},
               {"ShotgunDisp", "1234"}, {"ShotgunShotAmount", "5"}, {"XBowFlySpeed", "256"},
               {"XBowNormFlag", "2"}, {"XBowPoisonFlag", "3"}, {"XBowExplosiveFlag", "1"},
               {"GrenadeTimeout", "65535"}, {"GrenNormFlag", "5"}, {"GrenSupaFlag", "4"}, {"GrenFlshFlag", "2"},
               {"ReviveShotGunflash", "1"}, {"SGFlashXPos", "308"}, {"SGFlashYPos", "85"},
               {"SGSmokePuffYPos", "12"}, {"PistolsTargetDistance", "100"}, {"UzisTargetDistance", "200"},
               {"RevolverTargetDistance", "300"}, {"ShotgunTargetDistance", "400"},
               {"GrenadeGunTargetDistance", "500"}, {"XBowTargetDistance", "600"},
               {"GrenadeLaunchPower", "40000"}, {"GrenadeWeight", "9"}, {"ForceOneTouchGrenade", "1"},
               {"DisableGrenadeRotation", "1"}, {"RemoveLeftGun", "0"}, {"XBowFlameTail", "1"}});
  expectRuns({
      {"WeaponOffset", 0, "07"}, {"WeaponOffset", 5, "02"}, {"WeaponOffset", 6, "0A"},
      {"WeaponOffset", 7, "04"}, {"WeaponOffset", 38, "03"}, {"WeaponOffset", 43, "16"},
      {"WeaponOffset", 44, "11"}, {"WeaponOffset", 45, "05"}, {"WeaponOffset", 76, "06"},
      {"WeaponOffset", 81, "2C"}, {"WeaponOffset", 82, "04"}, {"WeaponOffset", 83, "02"},
      {"WeaponOffset", 119, "09"}, {"WeaponOffset", 121, "08"}, {"XBowNormalOffset", 0, "0B"},
      {"PoisonDamageModOffset", 0, "XBowDataMod"}, {"PoisonDamageModOffset", 4, "07"},
      {"ExplosiveDamageOffset", 0, "28"}, {"ShotgunDispOffset", 0, "3412"},
      {"ShotgunShotAmountOffset", 0, "05"}, {"XBowFlySpeedOffset", 0, "0001"},
      {"XBowNormFlagOffset", 0, "02"}, {"XBowPoisonFlagOffset", 0, "03"},
      {"XBowExplosiveFlagOffset", 0, "01"}, {"GrenadeTimeoutOffset", 0, "FFFF"},
      {"GrenadeTimeoutOffset2", 0, "FFFF"}, {"GrenNormFlagOffset", 0, "05"},
      {"GrenSupaFlagOffset", 0, "04"}, {"GrenFlshFlagOffset", 0, "02"},
      {"GunflashDefProcOffset", 0, "GunflashDefProcModData"},
      {"GunflashNearJumpOffset", 0, "GunflashNearJumpModData"},
      {"GunflashExtProcOffset", 0, "GunflashExtProcModData"}, {"GunflashExtProcOffset", 10, "3401"},
      {"GunflashExtProcOffset", 17, "5500"}, {"SGSmokePuffPosYOffset", 0, "0C"},
      {"PistolsTargDistOffset", 0, "6400"}, {"UzisTargDistOffset", 0, "C800"},
      {"RevolverTargDistOffset", 0, "2C01"}, {"ShotgunTargDistOffset", 0, "9001"},
      {"GrenGunTargOffset", 0, "F401"}, {"XBowTargOffset", 0, "5802"},
      {"GrenadeLaunchPowerOffset", 0, "409C"}, {"GrenadeWeightOffset", 0, "09"},
      {"GrenadeOneTouchOffset", 0, "GrenadeOneTouchModData"},
      {"GrenadeRotationOffset", 0, "GrenadeRotationModData"},
      {"RemoveLeftGunflashOffset", 0, "VolFXModData"}, {"RemoveLeftBulletOffset", 0, "VolFXModData"},
      {"RemoveLeftCasingOffset", 0, "VolFXModData"}, {"PistolSmokeDurLeftOffset", 0, "00"},
      {"XBowSafeLowOffset", 0, "1002"},
  });
}

TEST_F(SilentPassTest, WeaponFlameTailRemappedAndGreyedOptions) {
  writeConfig({{"ExtendExeSize", "1"}, {"RemapSceneMemory", "1"}, {"XBowFlameTail", "1"},
               {"RemoveLeftGun", "2"}, {"RemoveRightGun", "0"}, {"EnablePoisonDamageChanging", "2"},
               {"ReviveShotGunflash", "2"}, {"DisableGrenadeRotation", "2"}, {"ForceOneTouchGrenade", "2"},
               {"XBowFlySpeed", "257"}});
  expectRuns({
      {"XBowFlametailBaseOffset", 0, "XBowFlametailBaseModRData"},
      {"XBowFlametailJmpOffset", 0, "XBowFlametailJmpRData"},
      {"RemoveRiteGunflashOffset", 0, "VolFXModData"}, {"RemoveRiteBulletOffset", 0, "VolFXModData"},
      {"RemoveRiteCasingOffset", 0, "VolFXModData"}, {"PistolSmokeDurRiteOffset", 0, "00"},
      {"XBowFlySpeedOffset", 0, "0101"},
  }, true, kExtendedRemapped);
}

TEST_F(SilentPassTest, WeaponFlameTailStandardMemory) {
  writeConfig({{"ExtendExeSize", "1"}, {"XBowFlameTail", "1"}, {"ShotgunDisp", "155"}});
  expectRuns({
      {"ShotgunDispOffset", 0, "5501"},  // hex shorter than its field is widened
      {"XBowFlametailBaseOffset", 0, "XBowFlametailBaseModNData"},
      {"XBowFlametailJmpOffset", 0, "XBowFlametailJmpNData"},
  }, true, kExtended);
}

}  // namespace
}  // namespace olvex::customizers::test
