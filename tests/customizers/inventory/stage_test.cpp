// The INVENTORY stage through silent runs and passes: every value and switch, the pistol ammo
// function in both memory layouts, and the magic word that must map four letters.
#include "customizers/inventory/dialog.h"
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

TEST_F(SilentPassTest, InventoryValuesAndSwitches) {
  writeConfig({{"SeperateAmount", "1"}, {"DefSmallMedkits", "6"}, {"DefFlares", "5"}, {"DefGetPistols", "0"},
               {"DefGetBinoculars", "0"}, {"DefGetCrowbar", "1"}, {"DefBigMedkits", "300"},
               {"DisableUnlPistAmmoLabel", "1"}, {"StartUpPistolAmmo", "77"}, {"DisableAutoWeapon", "1"},
               {"DisableShotgunAmmoDivider", "2"}, {"StartupHealth", "2000"}, {"StartupAir", "1"},
               {"StartupSprint", "40000"}, {"ShotgunNormalAmmo", "50"}, {"ShotgunWideAmmo", "21"},
               {"UziAmmo", "31"}, {"RevolverAmmo", "7"}, {"XBowNormalAmmo", "11"}, {"XBowPoisonAmmo", "12"},
               {"XBowExplosiveAmmo", "13"}, {"GrenadeGunDefAmmo", "14"}, {"GrenadeNormalAmmo", "15"},
               {"GrenadeSuperAmmo", "16"}, {"GrenadeFlashAmmo", "17"}, {"Flares", "18"},
               {"SmallMediEffect", "65535"}, {"InvertSmallMediEffect", "1"}, {"Secrets", "9"},
               {"DisableLoad", "1"}, {"DisableSave", "1"}, {"FixCompassBug", "2"}, {"DisableCompassCheats", "1"},
               {"ItemRotateSpeed", "12"}, {"AmmoRotateSpeed", "ABCD"}, {"PickUpShowDur", "90"},
               {"AddSavegameSlots", "1"}, {"FlyCheatMagicWord", "ZXCV"}});
  // While the amounts are one value, the flares' key sets the small medkits as well.
  expectRuns({
      {"SeperateSMKFlaresOffset", 0, "SeparateMediFlareMod"}, {"FlaresOffset", 0, "05"},
      {"SmallMedkitsOffset", 0, "05"}, {"GetPistolsOffset", 0, "00"},
      {"GetPistolsHolstersOffset", 0, "0D"}, {"GetPistolsKeyOffset", 0, "GetPistolsKeyModData"},
      {"GetBinocularsOffset", 0, "00"}, {"GetCrowbarOffset", 0, "CrowbarMod"},
      {"BigMedkitsOffset", 0, "2C"}, {"DisableUPSLabelOffset", 0, "UPSLabelModData"},
      {"PistolAmmoOffset", 0, "PistolDataMod"}, {"PistolAmmoOffset", 6, "4D"},
      {"BlockHolstersJmpOffset", 7, "00"},
      {"ShotgunDivNSAmmoOffset", 0, "ShotgunDivAmmoModData"},
      {"ShotgunDivWSAmmoOffset", 0, "ShotgunDivAmmoModData"},
      {"StartupHealthOffset", 0, "D007"}, {"StartupAirOffset", 0, "0100"},
      {"StartupSprintOffset", 0, "409C"}, {"PickPistolAmmo", 0, "2890"}, {"PickPistolAmmo", -6, "83"},
      {"PickShotgunNormalAmmo", 0, "2C"}, {"PickShotgunWideAmmo", 0, "7E"}, {"PickUZIAmmo", 0, "1F"},
      {"PickRevolverAmmo", 0, "07"}, {"PickXBowNormalAmmo", 0, "0B"}, {"PickXBowPoisonAmmo", 0, "0C"},
      {"PickXBowExplAmmo", 0, "0D"}, {"PickGrenadeGunDefAmmo", 0, "0E"},
      {"PickGrenadeNormalAmmo", 0, "0F"}, {"PickGrenadeSuperAmmo", 0, "10"},
      {"PickGrenadeFlashAmmo", 0, "11"}, {"PickFlares", 0, "12"},
      {"SmallMedkitEffect", 0, "FFFF"}, {"SmallMedkitEffect2", 0, "FFFF"},
      {"SmallMedkitInvert", 0, "69"}, {"SmallMedkitInvert2", 0, "6F"}, {"SecretsOffset", 0, "3900"},
      {"LoadInvItemOffset", 0, "9090909090"}, {"LoadHotkeyIntOffset", 0, "EB"},
      {"SaveInvItemOffset", 0, "9090909090"}, {"SaveHotkeyIntOffset", 0, "EB"},
      {"FixCompassBugOffset", 0, "CompassCodzModData"},
      {"DisableCompassCheatsOffset", 0, "CompassCheatsModData"},
      {"ItemRotateSpeedOffset", 0, "1200"}, {"AmmoRotateSpeedOffset", 0, "CDAB"},
      {"PickUpShowDurOffset", 0, "5A00"}, {"SGSlotsOffset1", 0, "SGSlotsModData1"},
      {"SGSlotsOffset2", 0, "SGSlotsModData2"}, {"SGSlotsSquashOffset", 0, "SGSlotsModData3"},
      {"SGSlotsMoveOffset1", 0, "17"}, {"SGSlotsMoveOffset2", 0, "17"},
      {"MagicWordOffset1", 0, "3C3A4B00"}, {"MagicWordOffset2", 0, "3D3A4B00"},
      {"MagicWordOffset3", 0, "3E3A4B00"}, {"MagicWordOffset4", 0, "3F3A4B00"},
  });
}

TEST_F(SilentPassTest, InventoryPistolAmmoFunctionStandardMemoryAndGreyedSwitches) {
  writeConfig({{"ExtendExeSize", "1"}, {"DisableUnlPistAmmoLabel", "1"}, {"ReplacePistolsWithAmmo", "1"}, {"SeperateAmount", "2"},
               {"DefGetPistols", "2"}, {"InvertSmallMediEffect", "2"}, {"AddSavegameSlots", "2"},
               {"ItemRotateSpeed", "12345"}});
  expectRuns({
      {"DisableUPSLabelOffset", 0, "UPSLabelModData"}, {"PistolAmmoOffset", 0, "PistolDataMod"},
      {"PistolAmmoOffset", 6, "64"}, {"PickPistolAmmo", 0, "2890"}, {"PickPistolAmmo", -6, "83"},
      {"LPAExtendedAddOffset", 0, "LPAExtendedAddData"}, {"LPAJumpDataOffset", 0, "LPAJumpModData"},
      {"LPAWorkaroundJmpOffset", 0, "LPAWorkaroundJmpNData"}, {"LPAWorkaroundOffset", 0, "LPAWorkaroundNData"},
      {"LPACounterJumpOffset", 0, "LPACounterJumpNModData"},
      {"LPACounterStructOffset", 0, "LPACounterStructNData"},
      {"BlockHolstersJmpOffset", 0, "BlockHolstersJmpModNData"},
      {"BlockHolstersProcOffset", 0, "BlockHolstersProcNData"}, {"BlockHolstersProcOffset", 17, "01"},
      {"ItemRotateSpeedOffset", 0, "4523"},  // hex longer than its field keeps its last digits
  }, true, kExtended);
}

TEST_F(SilentPassTest, InventoryPistolAmmoFunctionRemapped) {
  writeConfig({{"ExtendExeSize", "1"}, {"RemapSceneMemory", "1"}, {"DisableUnlPistAmmoLabel", "1"},
               {"ReplacePistolsWithAmmo", "1"}, {"DisableAutoWeapon", "1"}});
  expectRuns({
      {"DisableUPSLabelOffset", 0, "UPSLabelModData"}, {"PistolAmmoOffset", 0, "PistolDataMod"},
      {"PistolAmmoOffset", 6, "64"}, {"PickPistolAmmo", 0, "2890"}, {"PickPistolAmmo", -6, "83"},
      {"LPAExtendedAddOffset", 0, "LPAExtendedAddData"}, {"LPAJumpDataOffset", 0, "LPAJumpModData"},
      {"LPAWorkaroundJmpOffset", 0, "LPAWorkaroundJmpRData"}, {"LPAWorkaroundOffset", 0, "LPAWorkaroundRData"},
      {"LPACounterJumpOffset", 0, "LPACounterJumpRModData"},
      {"LPACounterStructOffset", 0, "LPACounterStructRData"},
      {"BlockHolstersJmpOffset", 0, "BlockHolstersJmpModRData"},
      {"BlockHolstersProcOffset", 0, "BlockHolstersProcRData"}, {"BlockHolstersProcOffset", 17, "00"},
  }, true, kExtendedRemapped);
}

TEST_F(SilentPassTest, SaveSwitchesOfFE4041SaveAndSecretsHeldToTwoDigits) {
  auto& f = start();
  f.Check13.setValue(1);  // "FE 40/41 save" takes the save hooks over
  auto& inv = ui::Forms::get<CustInv>();
  EXPECT_FALSE(inv.Check6.enabled());
  inv.Check6.setValue(0);
  inv.Text1[4].setText("123");  // a value the box cannot hold, as a console line may set it
  pass();
  const std::vector<Bytes> bytes = {{"SaveInvItemOffset", 0, "9090909090"}, {"SecretsOffset", 0, "3939"}};
  EXPECT_EQ(patcher::test::differences(exeBytes(), withBytes(reflayout::referenceExecutable(), bytes)), "");
}

TEST_F(SilentPassTest, MagicWordWithoutFourMappedLettersRollsBack) {
  for (const char* word : {"AB", "QU1B"}) {
    SCOPED_TRACE(word);
    restoreExecutable();
    host.messages.clear();
    writeConfig({{"FlyCheatMagicWord", word}});
    run();
    expectRolledBack();
    ui::Forms::reset();
  }
}

}  // namespace
}  // namespace olvex::customizers::test
