// The WEAPON, INVENTORY, ITEMS and ENEMY stages through silent mode: configs that take every
// branch give exactly the bytes each write names, at every location, and nothing else changes.
// Expected bytes are spelled out here from the writes' definitions, not computed by the stages.
#include <utility>
#include <vector>

#include "customizers/enemies/dialog.h"
#include "customizers/inventory/dialog.h"
#include "furr/command_set.h"
#include "pass_fixture.h"

namespace olvex::patcher::test {
namespace {

// Bytes expected at a key's position plus a displacement: a version data key or literal hex.
struct At {
  std::string_view key;
  int plus;
  std::string_view bytes;
};

using Keys = std::vector<std::pair<std::string_view, std::string_view>>;

class StageTest : public PassTest {
 protected:
  // The built-in config with the given values and SilentPatch=1; the program starts, patches
  // and ends.
  void silentRun(const Keys& keys) {
    std::string text(shell::BuiltInConfigText());
    Keys all = keys;
    all.emplace_back("SilentPatch", "1");
    for (auto [key, value] : all) {
      std::string line = "\n" + std::string(key) + "=";
      auto at = text.find(line);
      ASSERT_NE(at, std::string::npos) << key;
      auto end = text.find_first_of("\r\n", at + line.size());
      text.replace(at + line.size(), end - at - line.size(), value);
    }
    putBytes(dir.file("olvex.cfg"), text);
    putBytes(dir.file("syntax.fln"), std::string(furr::BuiltInCommandSetText()) + "\r\n");
    ui::Forms::get<shell::Form1>();
    EXPECT_FALSE(ui::Forms::loaded<shell::Form1>());
    EXPECT_FALSE(workingCopyLeft());
    // The folder holds no patch set, which start-up reports; the pass's own messages stay.
    std::erase_if(host.messages, [](const ui::Message& m) { return m.text.starts_with("Can't find patch set file"); });
  }

  // The reference executable (extended, with the main stage's expectations) with `writes` on top.
  static std::string expected(std::vector<At> writes, bool extended = false, std::span<const Expect> main = {}) {
    std::string file = expectedFile(extended, main);
    for (const At& w : writes) {
      std::string bytes = reflayout::bytesOf(w.bytes);
      file.replace(static_cast<std::size_t>(positionOf(w.key) + w.plus - 1), bytes.size(), bytes);
    }
    return file;
  }

  void expectRolledBack() {
    EXPECT_EQ(exeBytes(), reflayout::referenceExecutable());
    EXPECT_FALSE(workingCopyLeft());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Cannot modify file");
    EXPECT_EQ(host.messages[0].text,
              "Cannot process with tomb4.exe modifying. Make sure you're using correct config file.");
  }
};

const Expect kExtended[] = {{"ExtSizePEHeaderOffset1", 0}, {"ExtSizePEHeaderOffset2", 0}, {"ExtSizePEHeaderOffset3", 0}};
const Expect kExtendedRemapped[] = {
    {"PEHeaderOffset", 0},         {"Remap#Offset", 0},           {"ResTableBaseOffset", 0},
    {"ForceBumpMapOffset", 0},     {"ExtSizePEHeaderOffset1", 0}, {"ExtSizePEHeaderOffset2", 2},
    {"ExtSizePEHeaderOffset3", 1}};

TEST_F(StageTest, WeaponValuesAndOptionsOn) {
  silentRun({{"PistolDisp", "7"}, {"PistolDamage", "2"}, {"PistolRate", "10"}, {"PistolFlash", "4"},
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
  EXPECT_EQ(differences(exeBytes(), expected({
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
            })),
            "");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(StageTest, WeaponFlameTailRemappedAndGreyedOptions) {
  silentRun({{"ExtendExeSize", "1"}, {"RemapSceneMemory", "1"}, {"XBowFlameTail", "1"},
             {"RemoveLeftGun", "2"}, {"RemoveRightGun", "0"}, {"EnablePoisonDamageChanging", "2"},
             {"ReviveShotGunflash", "2"}, {"DisableGrenadeRotation", "2"}, {"ForceOneTouchGrenade", "2"},
             {"XBowFlySpeed", "257"}});
  EXPECT_EQ(differences(exeBytes(), expected({
                {"XBowFlametailBaseOffset", 0, "XBowFlametailBaseModRData"},
                {"XBowFlametailJmpOffset", 0, "XBowFlametailJmpRData"},
                {"RemoveRiteGunflashOffset", 0, "VolFXModData"}, {"RemoveRiteBulletOffset", 0, "VolFXModData"},
                {"RemoveRiteCasingOffset", 0, "VolFXModData"}, {"PistolSmokeDurRiteOffset", 0, "00"},
                {"XBowFlySpeedOffset", 0, "0101"},
            }, true, kExtendedRemapped)),
            "");
}

TEST_F(StageTest, WeaponFlameTailStandardMemory) {
  silentRun({{"ExtendExeSize", "1"}, {"XBowFlameTail", "1"}, {"ShotgunDisp", "155"}});
  EXPECT_EQ(differences(exeBytes(), expected({
                {"ShotgunDispOffset", 0, "5501"},  // hex shorter than its field is widened
                {"XBowFlametailBaseOffset", 0, "XBowFlametailBaseModNData"},
                {"XBowFlametailJmpOffset", 0, "XBowFlametailJmpNData"},
            }, true, kExtended)),
            "");
}

TEST_F(StageTest, InventoryValuesAndSwitches) {
  silentRun({{"SeperateAmount", "1"}, {"DefSmallMedkits", "6"}, {"DefFlares", "5"}, {"DefGetPistols", "0"},
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
  EXPECT_EQ(differences(exeBytes(), expected({
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
            })),
            "");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(StageTest, InventoryPistolAmmoFunctionStandardMemoryAndGreyedSwitches) {
  silentRun({{"ExtendExeSize", "1"}, {"DisableUnlPistAmmoLabel", "1"}, {"ReplacePistolsWithAmmo", "1"}, {"SeperateAmount", "2"},
             {"DefGetPistols", "2"}, {"InvertSmallMediEffect", "2"}, {"AddSavegameSlots", "2"},
             {"ItemRotateSpeed", "12345"}});
  EXPECT_EQ(differences(exeBytes(), expected({
                {"DisableUPSLabelOffset", 0, "UPSLabelModData"}, {"PistolAmmoOffset", 0, "PistolDataMod"},
                {"PistolAmmoOffset", 6, "64"}, {"PickPistolAmmo", 0, "2890"}, {"PickPistolAmmo", -6, "83"},
                {"LPAExtendedAddOffset", 0, "LPAExtendedAddData"}, {"LPAJumpDataOffset", 0, "LPAJumpModData"},
                {"LPAWorkaroundJmpOffset", 0, "LPAWorkaroundJmpNData"}, {"LPAWorkaroundOffset", 0, "LPAWorkaroundNData"},
                {"LPACounterJumpOffset", 0, "LPACounterJumpNModData"},
                {"LPACounterStructOffset", 0, "LPACounterStructNData"},
                {"BlockHolstersJmpOffset", 0, "BlockHolstersJmpModNData"},
                {"BlockHolstersProcOffset", 0, "BlockHolstersProcNData"}, {"BlockHolstersProcOffset", 17, "01"},
                {"ItemRotateSpeedOffset", 0, "4523"},  // hex longer than its field keeps its last digits
            }, true, kExtended)),
            "");
}

TEST_F(StageTest, InventoryPistolAmmoFunctionRemapped) {
  silentRun({{"ExtendExeSize", "1"}, {"RemapSceneMemory", "1"}, {"DisableUnlPistAmmoLabel", "1"},
             {"ReplacePistolsWithAmmo", "1"}, {"DisableAutoWeapon", "1"}});
  EXPECT_EQ(differences(exeBytes(), expected({
                {"DisableUPSLabelOffset", 0, "UPSLabelModData"}, {"PistolAmmoOffset", 0, "PistolDataMod"},
                {"PistolAmmoOffset", 6, "64"}, {"PickPistolAmmo", 0, "2890"}, {"PickPistolAmmo", -6, "83"},
                {"LPAExtendedAddOffset", 0, "LPAExtendedAddData"}, {"LPAJumpDataOffset", 0, "LPAJumpModData"},
                {"LPAWorkaroundJmpOffset", 0, "LPAWorkaroundJmpRData"}, {"LPAWorkaroundOffset", 0, "LPAWorkaroundRData"},
                {"LPACounterJumpOffset", 0, "LPACounterJumpRModData"},
                {"LPACounterStructOffset", 0, "LPACounterStructRData"},
                {"BlockHolstersJmpOffset", 0, "BlockHolstersJmpModRData"},
                {"BlockHolstersProcOffset", 0, "BlockHolstersProcRData"}, {"BlockHolstersProcOffset", 17, "00"},
            }, true, kExtendedRemapped)),
            "");
}

TEST_F(StageTest, SaveSwitchesOfFE4041SaveAndSecretsHeldToTwoDigits) {
  auto& f = start();
  f.Check13.setValue(1);  // "FE 40/41 save" takes the save hooks over
  auto& inv = ui::Forms::get<customizers::CustInv>();
  EXPECT_FALSE(inv.Check6.enabled());
  inv.Check6.setValue(0);
  inv.Text1[4].setText("123");  // a value the box cannot hold, as a console line may set it
  pass();
  EXPECT_EQ(differences(exeBytes(), expected({{"SaveInvItemOffset", 0, "9090909090"}, {"SecretsOffset", 0, "3939"}})), "");
}

TEST_F(StageTest, MagicWordWithoutFourMappedLettersRollsBack) {
  for (const char* word : {"AB", "QU1B"}) {
    SCOPED_TRACE(word);
    putBytes(exe(), reflayout::referenceExecutable());
    host.messages.clear();
    silentRun({{"FlyCheatMagicWord", word}});
    expectRolledBack();
    ui::Forms::reset();
  }
}

TEST_F(StageTest, ItemCombinationsWriteTheChosenItems) {
  silentRun({{"Combo00", "83,1"}, {"Combo07", "76,0"}, {"Combo08", "80,0"}, {"Combo15", "39,0"},
             {"Combo16", "67,1"}, {"Combo19", "73,0"}, {"Combo20", "12,0"}, {"Combo03", "3,1"}});
  EXPECT_EQ(differences(exeBytes(), expected({
                {"ItemProcOffset", 7, "C605DADF800001"}, {"ItemFocusBaseOffset", 0, "7000"},
                {"ItemProcOffset", 119, "C605D3DF800009"}, {"ItemFocusBaseOffset", 70, "0000"},
                {"ItemProcOffset", 128, "66FF05FBDF8000"}, {"ItemFocusBaseOffset", 80, "1400"},
                {"ItemProcOffset", 240, "800DF0DF800008"}, {"ItemFocusBaseOffset", 150, "4C00"},
                {"ItemProcOffset", 256, "800DF5DF800080"}, {"ItemFocusBaseOffset", 160, "6800"},
                {"ItemProcOffset", 304, "800DDBDF800004"}, {"ItemFocusBaseOffset", 190, "7200"},
                {"ItemProcOffset", 320, "800DEDDF800001"}, {"ItemFocusBaseOffset", 200, "3100"},
            })),
            "");
}

TEST_F(StageTest, ACombinationWithoutAnItemRollsBack) {
  for (const char* value : {"84,0", "255,1"}) {
    SCOPED_TRACE(value);
    putBytes(exe(), reflayout::referenceExecutable());
    host.messages.clear();
    silentRun({{"Combo09", value}});
    expectRolledBack();
    ui::Forms::reset();
  }
}

// The slot is checked before the displacement is added: the stage never writes near the header.
TEST_F(StageTest, AMissingItemOffsetRollsBack) {
  configWithout("ItemProcOffset=");
  putBytes(dir.file("syntax.fln"), std::string(furr::BuiltInCommandSetText()) + "\r\n");
  start();
  pass();
  expectRolledBack();
}

TEST_F(StageTest, EnemyHitPointsFlagsAndSmallScorpion) {
  silentRun({{"MutantHP", "40000"}, {"SkeletonHP", "65535"}, {"SphinxHP", "0"}, {"BatHP", "70000"},
             {"SethaFlag", "0"}, {"SkeletonFlag", "0"}, {"ScorpionFlag", "3"}, {"MutantFlag", "4"},
             {"BaboonFlag", "1"}, {"SphinxFlag", "0"}, {"HorsemenFlag", "3"}, {"Demigod1Flag", "1"},
             {"GuideHPFlag", "2"}, {"HarpyFlag", "9"}, {"BatFlag", "2"}, {"MummyFlag", "3"},
             {"EnableSmallScorpionHPChange", "1"}, {"SmallScorpionHP", "300"}});
  EXPECT_EQ(differences(exeBytes(), expected({
                {"MutantHPOffset", 0, "409C"}, {"SkeletonHPOffset", 0, "FFFF"}, {"SphinxHPOffset", 0, "0000"},
                {"BatHPOffset", 0, "7011"},
                {"SethaFlagOffset", 0, "Type478FlagModData"}, {"SethaFlagOffset", 3, "7204"},
                {"SkeletonFlagOffset", 0, "Type125FlagModData"}, {"SkeletonFlagOffset", 1, "06"},
                {"ScorpionFlagOffset", 0, "Type3FlagModData"}, {"ScorpionFlagOffset", 2, "0038"},
                {"MutantFlagOffset", 0, "Type125FlagModData"}, {"MutantFlagOffset", 1, "02"},
                {"BaboonFlagOffset", 0, "Type6FlagModData"}, {"BaboonFlagOffset", 1, "7A10"},
                {"SphinxFlagOffset", 0, "Type478FlagModData"}, {"SphinxFlagOffset", 3, "0004"},
                {"HorsemenFlagOffset", 0, "Type478FlagModData"}, {"HorsemenFlagOffset", 3, "7238"},
                {"Demigod1FlagOffset", 0, "Type9FlagModData"}, {"Demigod1FlagOffset", 2, "7210"},
                {"GuideFlagOffset", 0, "Type125FlagModData"}, {"GuideFlagOffset", 1, "1E"},
                {"BatFlagOffset", 0, "Type125FlagModData"}, {"BatFlagOffset", 1, "1E"},
                {"SmallScorpCommandOffset", 0, "SmallScorpCommPatchModData"},
                {"SmallScorpFarJumpOffset", 0, "SmallScorpFarJumpModData"}, {"SmallScorpFarJumpOffset", 7, "2C01"},
            })),
            "");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(StageTest, SmallScorpionPatchForAnyStateButZero) {
  silentRun({{"EnableSmallScorpionHPChange", "2"}});
  EXPECT_EQ(differences(exeBytes(), expected({
                {"SmallScorpCommandOffset", 0, "SmallScorpCommPatchModData"},
                {"SmallScorpFarJumpOffset", 0, "SmallScorpFarJumpModData"}, {"SmallScorpFarJumpOffset", 7, "0800"},
            })),
            "");
}

TEST_F(StageTest, ATypedGuideHitPointValueIsWritten) {
  start();
  auto& enemies = ui::Forms::get<customizers::CustEnemy>();
  enemies.Text1[25].setText("100");
  enemies.Text1[24].setText("9");  // without the patch the small scorpion's value is not written
  pass();
  EXPECT_EQ(differences(exeBytes(), expected({{"GuideHPOffset", 0, "6400"}})), "");
}

}  // namespace
}  // namespace olvex::patcher::test
