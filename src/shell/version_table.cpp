#include "shell/version_table.h"
#include "shell/text_case.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

namespace olvex::shell {

std::array<std::int32_t, kOffsetSlotCount> Offsets{};
std::bitset<kOffsetSlotCount> OffsetNotNumber;

constexpr std::array<std::string_view, kOffsetSlotCount> kOffsetKeys = {
    "ObjectBufferSizeOffset", "VersionCheckOffset", "DDOffset", "ObjectBufferZoneOffset",
    "LTOffset", "VEOffset", "VEOffset2", "DDisOffset1", "DDisOffset2", "DDisOffset3", "FDisOffset",
    "SRateOffset", "NEscOffset", "BLOffset", "DLiteIntOffset", "WeaponOffset", "SBarOffset",
    "ABarOffset", "HBarOffset", "LBarOffset", "LightingRaw1Offset", "LightingRaw2Offset",
    "LightingRaw3Offset", "LightingDispOffset", "LightingRangOffset", "LightingNoCSOffset",
    "BloodSizeOffset", "BloodIntensityOffset", "BloodLifetimeOffset", "BloodSpreadXOffset",
    "BloodSpreadYOffset", "GFXRandFactorOffset", "LightingSizeOffset", "PistolFlashPowerOffset",
    "RicoColourOffset", "RevolverFlashPowerOffset", "ShotgunFlashPowerOffset", "GetPistolsOffset",
    "GetBinocularsOffset", "GetCrowbarOffset", "BigMedkitsOffset", "FlaresOffset",
    "SmallMedkitsOffset", "PistolAmmoOffset", "SeperateSMKFlaresOffset", "StartupHealthOffset",
    "StartupAirOffset", "StartupSprintOffset", "PickShotgunNormalAmmo", "PickShotgunWideAmmo",
    "PickUZIAmmo", "PickRevolverAmmo", "PickXBowNormalAmmo", "PickXBowPoisonAmmo",
    "PickXBowExplAmmo", "PickGrenadeNormalAmmo", "PickGrenadeSuperAmmo", "PickGrenadeFlashAmmo",
    "PickFlares", "LockCameraOffset", "StickCameraOffset", "PickGrenadeGunDefAmmo",
    "SmallMedkitEffect", "SmallMedkitInvert", "FlameEmitter1PowerOffset", "MutantHPOffset",
    "SkeletonHPOffset", "Baddy1HPOffset", "Baddy2HPOffset", "ScorpionHPOffset", "MummyHPOffset",
    "KnightTemplarHPOffset", "SphinxHPOffset", "SethaHPOffset", "HorsemenHPOffset",
    "HammerheadHPOffset", "CrocodileHPOffset", "Demigod1HPOffset", "Demigod2HPOffset",
    "Demigod3HPOffset", "TroopsHPOffset", "SASHPOffset", "HarpyHPOffset", "WildBoarHPOffset",
    "DogHPOffset", "AhmetHPOffset", "BaboonHPOffset", "BatHPOffset", "BigBeetleHPOffset",
    "XBowNormalOffset", "ExplosiveDamageOffset", "PoisonDamageModOffset", "MainColourOffset",
    "OptionTitleOffset", "InventoryTitleOffset", "LegendDispTimeOffset", "SBarXOffset",
    "SBarAnimOffset", "ABarXOffset", "ABarAnimOffset", "HBarAnimOffset", "MusBarMainOffset",
    "MusBarFadeOffset", "MusBarABOOffset", "SndBarMainOffset", "SndBarFadeOffset",
    "SndBarABOOffset", "PBOOffset", "InventoryItemOffset", "GunflashColourOffset",
    "PistolSmokeDurRiteOffset", "PistolSmokeDurLeftOffset", "RevolSmokeDurOffset",
    "FlareColourOffset1", "FlareColourOffset2", "FlareColourOffset3", "FlareColourOffset4",
    "FlareColourOffset5", "PistolItemIDOffset", "OnGroundFrontLeftOffset",
    "OnGroundFrontRiteOffset", "OnGroundBackLeftOffset", "OnGroundBackRiteOffset",
    "InAirFrontLeftOffset", "InAirFrontRightOffset", "SwimSpeedOffset", "SecretsOffset",
    "LoadInvItemOffset", "SaveInvItemOffset", "LoadHotkeyIntOffset", "SaveHotkeyIntOffset",
    "UWDoorOffset", "ShellGravityOffset", "NoAmmoOffset", "MaxHPBarOffset1", "MaxHPBarOffset2",
    "CritRawHPBarRangeOffset", "CritDividerOffset", "NormRawHPBarRangeOffset", "NormDividerOffset",
    "BigMedkitHPLimitOffset", "SmallMedkitHPLimitOffset", "NormalCritThreshOffset",
    "NoAirLeakageOffset", "OnFireLeakageOffset", "InSpikesLeakageOffset", "InSteamLeakageOffset",
    "DisableUPSLabelOffset", "PickPistolAmmo", "SmallMedkitEffect2", "LightingCoreColourOffset",
    "WallpaperColourOffset", "WaterdropsColourOffset", "ShadowColourOffset", "FadeoutColourOffset",
    "ExplodeMotorbikeOffset", "ExplodeJeepOffset", "TwinPonyOffset1", "TwinPonyOffset2",
    "TwinPonyOffset3", "TwinPonyOffset4", "TwinPonyOffset5", "LBarXOffset", "InDartsLeakageOffset",
    "BaddyUZIDmgOffset", "SASMachinegunDmgOffset", "TurretDmgOffset", "BatDmgOffset",
    "CrocodileUWDmgOffset", "CrocodileLANDDmgOffset", "LocustDmgOffset", "DogDmgOffset",
    "HammerheadDmgOffset", "HarpyDmgOffset", "MummyDmgOffset", "BaddySwordDmgOffset",
    "BigBeetleDmgOffset", "ScorpionDmgOffset", "SmallScorpionDmgOffset",
    "SetAttack1DmgParameterOffset", "SetAttack2DmgOffset", "SkeletonDmg1Offset",
    "SkeletonDmg2Offset", "SphinxDmgOffset", "KnightTemplarDmgOffset", "LittleBeetleDispOffset",
    "MagicAttackDividerOffset", "WildBoarDmgOffset", "WFallScrollSpeedOffset", "SkyDirOffset",
    "FireballSpriteSizeOffset", "FireballDurationOffset", "FireballDispersionOffset",
    "BlastRadiusOffset", "BlastTimeoutOffset", "BlastSizeOffset", "SparkleAmountOffset",
    "SparkleFallOffDelayOffset", "SparkleSpriteInitSizeOffset", "SparkleSpriteIDOffset",
    "FixCompassBugOffset", "DisableCompassCheatsOffset", "ItemRotateSpeedOffset",
    "AmmoRotateSpeedOffset", "SwimRotLeftOffset", "SwimRotRightOffset", "FixHolstersOffset",
    "ShotgunDispOffset", "ShotgunShotAmountOffset", "ShotgunDivNSAmmoOffset",
    "ShotgunDivWSAmmoOffset", "SmallScorpCommandOffset", "SmallScorpFarJumpOffset",
    "XBowFlySpeedOffset", "XBowNormFlagOffset", "XBowPoisonFlagOffset", "XBowExplosiveFlagOffset",
    "GrenadeTimeoutOffset", "AnimTextIntervalOffset", "WaterNoiseOffset", "ItemProcOffset",
    "ItemFocusBaseOffset", "BorderOffset2", "GunflashDefProcOffset", "GunflashNearJumpOffset",
    "GunflashExtProcOffset", "SGSmokePuffPosYOffset", "GrenNormFlagOffset", "GrenSupaFlagOffset",
    "GrenFlshFlagOffset", "GrenadeTimeoutOffset2", "WPGradTopOffset1", "WPGradTopOffset2",
    "WPGradTopOffset3", "WPGradTopOffset4", "WPGradTopOffset5", "WPGradTopOffset6",
    "WPGradBottomOffset1", "WPGradBottomOffset2", "WPGradBottomOffset3", "WPGradBottomOffset4",
    "WPGradBottomOffset5", "WPGradBottomOffset6", "FlybyBarHeightOffset", "FlybyBarSpeedOffset",
    "BinocRangeOffset", "GrabClimbDelayOffset", "FlareColourOffset6", "FlareColourOffset7",
    "FlareColourOffset8", "FlareColourOffset9", "FlareColourOffset10", "FlareColourOffset11",
    "FlareColourOffset12", "HangThreadOffset", "NewGameEffectOffset", "LoadGameEffectOffset",
    "OptsEffectOffset", "ExitEffectOffset", "NewGameAlignOffset", "LoadGameAlignOffset",
    "OptsAlignOffset", "ExitAlignOffset", "UWDustAmountOffset", "UWDustMeltSpeedOffset",
    "SparkleAmountOffset2", "SparkleAmountOffset3", "SparkleAmountOffset4", "SparkleAmountOffset5",
    "SparkleAmountOffset6", "SparkleAmountOffset7", "SparkleAmountOffset8", "SparkleAmountOffset9",
    "FadeoutsSpeedOffset", "FadeoutsDurationOffset", "SparkleAmountOffset10", "LevelBuffer1Offset1",
    "DisableEnemyLimitOffset1", "DisableEnemyLimitOffset2", "DisableEnemyLimitOffset3",
    "DisableEnemyLimitOffset4", "TargetLimitOffset", "VertexLimitOffset1", "LevelBuffer1Offset2",
    "ForceVolFXOffset", "FOVModOffset1", "FOVModOffset2", "ResetFOVOffset1", "ResetFOVOffset2",
    "ResetFOVOffset3", "ResetFOVOffset4", "NormCameraDistOffset", "NormCameraFollowOffset",
    "NormCameraTopOffset", "LookDistanceOffset", "SGSlotsOffset1", "SGSlotsOffset2",
    "SGSlotsSquashOffset", "ClipOffset1", "ClipOffset2", "EnableRicoSndBaseOffset",
    "SGSlotsMoveOffset1", "SGSlotsMoveOffset2", "NamePointerOffset", "FilenameArrayBaseOffset",
    "TrackLimiterOffset", "LoopedMarkerOffset", "InJeepCommonOffset", "InJeepTrackOffset1",
    "InJeepTrackOffset2", "OutJeepCommonOffset", "OutJeepTrackOffset1", "OutJeepTrackOffset2",
    "SecretCommonOffset", "SecretTrackOffset", "SampleSizeOffset1", "SampleSizeOffset2",
    "SampleSizeOffset3", "SampleSizeOffset4", "SampleSizeOffset5", "VertexLimitOffset2",
    "WColourOverrideOffset1", "WColourOverrideOffset2", "WColourOverrideOffset3",
    "WColourOverrideOffset4", "PEHeaderOffset", "Remap1Offset", "Remap2Offset", "Remap3Offset",
    "Remap4Offset", "Remap5Offset", "Remap6Offset", "Remap7Offset", "Remap8Offset", "Remap9Offset",
    "Remap10Offset", "ResTableBaseOffset", "SpikeTimerOffset", "ForceBumpMapOffset",
    "LevelBuffer1Offset3", "LevelBuffer2Offset", "EnemyLimitZoneOffset", "TargetBufferOffset1",
    "TargetBufferOffset2", "TargetBufferOffset3", "TargetBufferOffset4", "TargetBufferOffset5",
    "TargetBufferOffset6", "TargetBufferOffset7", "CritBlinkOffset", "FlybyBarSpeedOffset2",
    "FogTableBaseOffset", "BloodOpaqueOffset", "BloodOpaqueRGBOffset", "PistolsTargDistOffset",
    "UzisTargDistOffset", "RevolverTargDistOffset", "ShotgunTargDistOffset", "GrenGunTargOffset",
    "XBowTargOffset", "ClipDistOffset1", "ClipDistOffset2", "FogBulbBypassOffset",
    "FogBulbDistOffset", "CommonMedkitLimitOffset", "HotkeyBigMedkitOffset", "MaxHPBarOffset3",
    "MaxHPBarOffset4", "MaxHPBarOffset5", "MaxHPBarOffset6", "MaxAPBarOffset1", "MaxAPBarOffset2",
    "MaxAPBarOffset3", "MaxAPBarOffset4", "MaxAPBarOffset5", "MaxAPBarOffset6", "APLimiter1Offset",
    "APLimiter2Offset", "NormRawAPBarRangeOffset", "NormAPDividerOffset", "CritRawAPBarRangeOffset",
    "CritAPDividerOffset", "NormalCritAPThreshOffset", "APRestorationRateOffset",
    "JumpGravityOffset", "FallingDamageOffset", "GrenadeLaunchPowerOffset", "GrenadeWeightOffset",
    "GrenadeOneTouchOffset", "GrenadeRotationOffset", "BloodSpeedOffset",
    "GetPistolsHolstersOffset", "GetPistolsKeyOffset", "VonCroyHPOffset", "GuideHPOffset",
    "SkeletonFlagOffset", "Baddy1FlagOffset", "Baddy2FlagOffset", "ScorpionFlagOffset",
    "MummyFlagOffset", "KnightTemplarFlagOffset", "SphinxFlagOffset", "SethaFlagOffset",
    "HorsemenFlagOffset", "HammerheadFlagOffset", "CrocodileFlagOffset", "MutantFlagOffset",
    "GuideFlagOffset", "Demigod1FlagOffset", "RBRetractedHeightOffset", "RBRetractionSpeedOffset",
    "TroopsFlagOffset", "SASFlagOffset", "HarpyFlagOffset", "WildBoarFlagOffset", "DogFlagOffset",
    "AhmetFlagOffset", "BaboonFlagOffset", "BatFlagOffset", "BigBeetleFlagOffset",
    "VonCroyFlagOffset", "SmallScorpFlagOffset", "MaxSPBarOffset1", "MaxSPBarOffset2",
    "MaxSPBarOffset3", "RawSPBarRangeOffset", "SPDividerOffset", "NitroRestorationRate",
    "DragonLoCutAttackOffset", "SmallMedkitInvert2", "FlybyBarHeightOffset2",
    "AddOnBattleCameraYOffset", "MotorbikeHeadlightOffset", "MotorbikeLightMeshOffset",
    "2BPDepressDistOffset", "2BPDepressSpedOffset", "2BPRepressSpedOffset", "MISTColoursBaseOffset",
    "MISTDensityOffset", "MISTSizeOffset", "MISTAmountOffset", "ProngStretchSpeedOffset",
    "RetractionSpeedOffset", "2BPInvertDirFirstOffset", "2BPInvertDirSecndOffset",
    "2BPInvertDirThirdOffset", "DartsIntervalOffset", "DartsSpeedOffset", "DartsColourOffset",
    "RBActualHeightOffset", "RBFakeHeightOffset", "RBSpeedOffset", "FallinBlockTimerOffset",
    "FallinBlockTrmOffset1", "FallinBlockTrmOffset2", "SqyishyTimerOffset", "SqyishyTrembleOffset",
    "SqyishyTrembleDisOffset", "BoulderGravityOffset", "SlicerDicerSpeedOffset",
    "SlicerDicerRadiusOffset1", "SlicerDicerRadiusOffset2", "InProngLeakageOffset",
    "RB1ReloadHeightOffset", "RB2ReloadHeightOffset", "2BPOCBModeInvDirOffset1",
    "2BPOCBModeInvDirOffset2", "2BPFixVisibilityOffset", "PickUpShowDurOffset", "CredsBaseOffset",
    "NormCredsEffectIDOffset", "ScrtCredsEffectIDOffset", "NormCredsAlignOffset",
    "ScrtCredsAlignOffset", "BypassScriptOffset", "StringsToReadOffset", "CreditsTrackNumberOffset",
    "CreditsJumpNumberOffset", "ConductorDispOffset", "ConductorSizeOffset", "ConductorInterval",
    "ArrayStepOffset", "FlybyBuffer1Offset1", "FlybyBuffer1Offset2", "FlybyBuffer1Offset3",
    "FlybyBuffer1Offset4", "FlybyBuffer2Offset1", "FlybyBuffer2Offset2", "FlybyBuffer2Offset3",
    "SecLevelJumpOffset", "SecLevelExtOffset", "UWDustXFlowOffset", "UWDustYFlowOffset",
    "UWDustSizeOffset1", "UWDustSizeOffset2", "UWDustSpriteIDOffset", "AmberLightFadeOffset",
    "AmberLightOffset", "BlinkLightDurOffset", "BlinkLightIntervalOffset",
    "BlinkLightColAreaOffset", "MagicWordOffset1", "MagicWordOffset2", "MagicWordOffset3",
    "MagicWordOffset4", "ExtSizePEHeaderOffset1", "ExtSizePEHeaderOffset2",
    "ExtSizePEHeaderOffset3", "EOFOffset", "FEExtAddressesBaseOffset", "FEExtProcedureOffset",
    "FEExtArrayBaseOffset", "FEBaseProcOffset", "RemoveLeftGunflashOffset",
    "RemoveLeftBulletOffset", "RemoveLeftCasingOffset", "RemoveRiteGunflashOffset",
    "RemoveRiteBulletOffset", "RemoveRiteCasingOffset", "SprinkLoopForeverOffset",
    "SprinkAmountOffset", "SprinkRedOffset", "SprinkGreenOffset", "SprinkBlueOffset",
    "SprinkSpreadOffset", "SprinkGravityOffset", "AlarmLightPos1Offset", "AlarmLightPos2Offset",
    "AlarmLightPos3Offset", "BlinkLightShowMeshOffset", "BlinkLightJump1Offset",
    "BlinkLightJump2Offset", "BlinkLightDurModOffset", "BlinkLightIntervalModOffset",
    "AlarmRadiusModOffset", "RotStandLeftOffset", "RotStandRightOffset", "RotSwingStillLeftOffset",
    "RotSwingStillRightOffset", "RotSwingMoveLeftOffset", "RotSwingMoveRightOffset",
    "DuckStop1LeftOffset", "DuckStop1RightOffset", "DuckStop2LeftOffset", "DuckStop2RightOffset",
    "DuckMoveForwardLeftOffset", "DuckMoveForwardRightOffset", "DuckMoveBackRightOffset",
    "DuckMoveBackLeftOffset", "RopeRightOffset", "RopeLeftOffset", "PoleLeftOffset",
    "PoleRightOffset", "BlinkLightCombineOffset", "FEAddressMapOffset", "RaceBaseOffset",
    "RaceFontEffectIDOffset", "RaceHideLimitOffset", "RaceExtProcArrayOffset", "FixFlybyBugOffset",
    "UnifyBattleCameraOffset1", "UnifyBattleCameraOffset2", "UnifyBattleCameraOffset3",
    "SparkleColRedOffset", "SparkleColGreenOffset", "SparkleColBlueOffset",
    "SparkleCoreIntensityOffset", "SparkleFallOffDelayOffset2", "FEOnlyOnceDefProcOffset",
    "ConvertFlipTypeOffset1", "ConvertFlipTypeOffset2", "ConvertFlipTypeOffset3",
    "ConvertFlipTypeOffset4", "ConvertFlipTypeOffset5", "ConvertFlipTypeOffset6",
    "ConvertFlipTypeOffset7", "ConvertFlipTypeOffset8", "ConvertFlipTypeOffset9",
    "ConvertFlipTypeOffset10", "ConvertFlipTypeOffset11", "IncStaticLimit1Offset1",
    "IncStaticLimit1Offset2", "IncStaticLimit1Offset3", "IncStaticLimit1Offset4",
    "IncStaticLimit1Offset5", "IncStaticLimit1Offset6", "IncStaticLimit1Offset7",
    "IncStaticLimit1Offset8", "IncStaticLimit1Offset9", "IncStaticLimit1Offset10",
    "IncStaticLimit1Offset11", "IncStaticLimit1Offset12", "IncStaticLimit1Offset13",
    "IncStaticLimit1Offset14", "IncStaticLimit1Offset15", "IncStaticLimit1Offset16",
    "IncStaticLimit2Offset1", "IncStaticLimit2Offset2", "IncStaticLimit2Offset3",
    "IncStaticLimit2Offset4", "IncStaticLimit2Offset5", "IncStaticLimit2Offset6",
    "IncStaticLimit3Offset1", "IncStaticLimit3Offset2", "IncStaticLimit3Offset3",
    "IncStaticLimit4Offset1", "IncStaticLimit4Offset2", "IncStaticLimit4Offset3",
    "IncStaticLimit5Offset1", "IncStaticLimit5Offset2", "IncStaticLimit6Offset1",
    "IncStaticLimit7Offset1", "IncStaticLimit7Offset2", "IncStaticLimit7Offset3",
    "IncStaticLimit7Offset4", "IncStaticLimit7Offset5", "IncStaticLimit7Offset6",
    "IncStaticLimit8Offset1", "IncStaticLimit9Offset1", "IncStaticLimit11Offset1",
    "IncStaticLimit12Offset1", "SASGrenadeProcOffset", "BlowOffset", "FastKillOffset",
    "BlowExtOffset", "BlowExtJmpOffset", "EnableRicoSndJmpOffset", "BorderOffset",
    "GradBarsTypeData1Offset", "GradBarsTypeData2Offset", "GradBarsTypeData3Offset",
    "GradBarsTypeData4Offset", "GradBarsTypeData5Offset", "EnableRicoSndExtOffset",
    "LPAExtendedAddOffset", "LPAJumpDataOffset", "LPAWorkaroundJmpOffset", "LPAWorkaroundOffset",
    "LPACounterJumpOffset", "LPACounterStructOffset", "BlockHolstersJmpOffset",
    "BlockHolstersProcOffset", "FlareLifetimeOffset1", "FlareLifetimeOffset2",
    "FlareLifetimeOffset3", "FlareLifetime2Offset", "FlareLifetime3Offset",
    "FlareLifetimeInvOffset", "PartBuffer1Offset1", "PartBuffer1Offset2", "PartBuffer1Offset3",
    "PartBuffer1Offset4", "PartBuffer1Offset5", "PartBuffer1Offset6", "PartBuffer1Offset7",
    "PartBuffer1Offset8", "PartBuffer1Offset9", "PartBuffer1Offset10", "PartBuffer1Offset11",
    "PartBuffer1Offset12", "PartBuffer1Offset13", "PartBuffer1Offset14", "PartBuffer1Offset15",
    "PartBuffer1Offset16", "PartBuffer1Offset17", "PartBuffer1Offset18", "PartBuffer1Offset19",
    "PartBuffer1Offset20", "PartBuffer1Offset21", "PartBuffer1Offset22", "PartBuffer1Offset23",
    "PartBuffer1Offset24", "PartBuffer1Offset25", "PartBuffer1Offset26", "PartBuffer1Offset27",
    "PartBuffer1Offset28", "PartBuffer1Offset29", "PartBuffer1Offset30", "PartBuffer1Offset31",
    "PartBuffer1Offset32", "PartBuffer1Offset33", "PartBuffer1Offset34", "PartBuffer1Offset35",
    "PartBuffer1Offset36", "PartBuffer1Offset37", "PartBuffer1Offset38", "PartBuffer1Offset39",
    "PartBuffer1Offset40", "PartBuffer1Offset41", "PartBuffer1Offset42", "PartBuffer2Offset1",
    "PartBuffer3Offset1", "FreeBufferSizeOffset", "PartBuffer4Offset1", "PartBuffer5Offset1",
    "PartBuffer6Offset1", "PartBuffer7Offset1", "PartBuffer7Offset2", "PartBuffer7Offset3",
    "PartBuffer8Offset1", "PartLimiter1Offset1", "PartLimiter1Offset2", "PartLimiter2Offset1",
    "PartLimiter2Offset2", "PartLimiter2Offset3", "PartLimiter2Offset4", "PartLimiter2Offset5",
    "PartLimiter2Offset6", "SprinkArchOffset", "SprinkExtOffset", "XBowFlametailBaseOffset",
    "XBowFlametailJmpOffset", "FixSaveOffset1", "FixSaveOffset2", "FixSaveOffset3",
    "FixSaveOffset4", "1BPLoadingOffset", "1BPExtendedOffset", "1BPDepressDistOffset",
    "1BPDepressSpedOffset", "1BPRepressSpedOffset", "1BPInvertDirFirstOffset",
    "1BPInvertDirSecndOffset", "1BPInvertDirThirdOffset", "1BPOCBModeInvDirOffset1",
    "1BPOCBModeInvDirOffset2", "XBowSafeLowOffset", "FEBaseProcOffset2", "FEBaseProcOffset3",
    "FixSaveOffset5", "FixSaveOffset6", "EnableRicoFixJumpOffset", "FlareLifetimeOffset4",
    "WindowTitleOffset", "SetupTitleOffset", "ExtSGameBaseOffset", "ExtSGameInsideOffset1",
    "ExtSGameInsideOffset2", "ExtSGameInsideOffset3", "SavePathOffset", "StackCorrectionOffset1",
    "StackCorrectionOffset2", "StackCorrectionOffset3", "StackCorrectionOffset4",
    "StackCorrectionOffset5",
};

std::array<std::string, kDataFieldCount> VersionDataFields;

constexpr std::array<std::string_view, kDataFieldCount> kDataKeys = {
    "TargetBufferDefData", "TargetBufferModData", "IncreasedEnemyLimitNoRel", "IncreasedEnemyLimit",
    "EnemyLimitZoneDefData", "EnemyLimitZoneModData", "LevelBuffer1DefData", "LevelBuffer1ModData",
    "LevelBuffer2DefData", "LevelBuffer2ModData", "ObjectBufferSizeDefData",
    "ObjectBufferSizeModData", "ObjectBufferZoneDefData", "ObjectBufferZoneModData",
    "FlybyBuffer1DefData", "FlybyBuffer1ModData", "FlybyBuffer2DefData", "FlybyBuffer2ModData",
    "SecLevelJumpDefData", "SecLevelJumpModNData", "SecLevelJumpModRData", "SecLevelExtModNData",
    "SecLevelExtModRData", "ForceBumpMapDefData", "ForceBumpMapModData", "PEHeaderDefData",
    "PEHeaderModData", "Remap1DefData", "Remap1ModData", "Remap2DefData", "Remap2ModData",
    "Remap3DefData", "Remap3ModData", "Remap4DefData", "Remap4ModData", "Remap5DefData",
    "Remap5ModData", "Remap6DefData", "Remap6ModData", "Remap7DefData", "Remap7ModData",
    "Remap8DefData", "Remap8ModData", "Remap9DefData", "Remap9ModData", "Remap10DefData",
    "Remap10ModData", "ResTableRVADefData", "ResTableRVAModData", "StandardSizeBothRData",
    "ExtendedSizeNoRelData", "ExtendedSizeYoRelData", "SectionCountDefData", "SectionCountModData",
    "ImageSizeNoRelNoIncData", "ImageSizeNoRelYoIncData", "ImageSizeYoRelNoIncData",
    "ImageSizeYoRelYoIncData", "ExtSGBaseNoRelData", "ExtSGBaseYoRelData", "ExtSGJmp1DataD",
    "ExtSGJmp1DataN", "ExtSGJmp1DataR", "ExtSGJmp2DataD", "ExtSGJmp2DataN", "ExtSGJmp2DataR",
    "ExtSGJmp3DataD", "ExtSGJmp3DataN", "ExtSGJmp3DataR", "StackCorrectionDefData",
    "StackCorrectionModData", "SavePathDefData", "SavePathModData", "GradBarsType0Data1",
    "GradBarsType1Data1", "GradBarsType2Data1", "GradBarsType0Data2", "GradBarsType1Data2",
    "GradBarsType2Data2", "GradBarsType0Data3", "GradBarsType1Data3", "GradBarsType2Data3",
    "GradBarsType0Data4", "GradBarsType1Data4", "GradBarsType2Data4", "GradBarsType0Data5",
    "GradBarsType1Data5", "GradBarsType2Data5", "WColourOverrideDefData1",
    "WColourOverrideModData1", "WColourOverrideDefData2", "WColourOverrideModData2",
    "WColourOverrideDefData3", "WColourOverrideModData3", "WColourOverrideDefData4",
    "WColourOverrideModData4", "SprinkJmpDefData", "SprinkJmpModData", "SprinkExtData",
    "AmberLightColourDefData", "AmberLightColourModData", "FOVMod1DefData", "FOVMod1ModData",
    "FOVMod2DefData", "FOVMod2ModData", "LoopedMarkerDefData", "LoopedMarkerModData",
    "InJeepDefData", "OutJeepDefData", "SecretDefData", "EnableRicoSndBaseDefData",
    "EnableRicoSndBaseModData", "EnableRicoSndJmpModNData", "EnableRicoSndJmpModRData",
    "EnableRicoSndExtModNData", "EnableRicoSndExtModRData", "EnableRicoFixJumpDefData",
    "EnableRicoFixJumpModNData", "EnableRicoFixJumpModRData", "GetPistolsKeyDefData",
    "GetPistolsKeyModData", "LPAExtendedAddData", "LPAJumpDefData", "LPAJumpModData",
    "LPAWorkaroundJmpDefData", "LPAWorkaroundJmpNData", "LPAWorkaroundJmpRData",
    "LPAWorkaroundNData", "LPAWorkaroundRData", "LPACounterJumpDefData", "LPACounterJumpNModData",
    "LPACounterJumpRModData", "LPACounterStructNData", "LPACounterStructRData",
    "BlockHolstersJmpDefData", "BlockHolstersJmpModNData", "BlockHolstersJmpModRData",
    "BlockHolstersProcNData", "BlockHolstersProcRData", "SqyishyDefData", "SqyishyModData",
    "SqyishyTrembleDefData", "1BPDefltLoadingData", "1BPRelocLoadingData", "1BPNoRelLoadingData",
    "1BPNoRelData", "1BPRelocData", "GunflashDefProcDefData", "GunflashDefProcModData",
    "GunflashNearJumpDefData", "GunflashNearJumpModData", "GunflashExtProcDefData",
    "GunflashExtProcModData", "XBowFlametailBaseDefData", "XBowFlametailBaseModNData",
    "XBowFlametailBaseModRData", "XBowFlametailJmpNData", "XBowFlametailJmpRData",
    "Type1FlagDefData", "Type2FlagDefData", "Type3FlagDefData", "Type4FlagDefData",
    "Type5FlagDefData", "Type6FlagDefData", "Type7FlagDefData", "Type8FlagDefData",
    "Type9FlagDefData", "Type125FlagModData", "Type478FlagModData", "Type3FlagModData",
    "Type6FlagModData", "Type9FlagModData", "SASGrenadeDefData", "BlowModDefData",
    "BlowModNoRelData", "BlowModYoRelData", "BlowProcData", "BlowProcJumpNoRel",
    "BlowProcJumpYoRel", "FEAddressMapDefData", "FEAddressMapModData", "FEOnlyOnceDefProcData",
    "FEOnlyOnceModNoRelData", "FEOnlyOnceModYoRelData", "ConvertFlipTypeDefData",
    "ConvertFlipTypeModData", "LockCameraData", "UWDoorDefData", "NoAmmoDefData", "NEscData",
    "BLData", "SBarData", "ABarData", "HBarData", "LBarData", "SBarAnimDefData", "SBarAnimModData",
    "ABarAnimDefData", "ABarAnimModData", "HBarAnimDefData", "HBarAnimModData", "UPSLabelDefData",
    "UPSLabelModData", "CrowbarDefault", "CrowbarMod", "PistolDataDefault", "PistolDataMod",
    "SeparateMediFlareDefault", "SeparateMediFlareMod", "XBowDataDefault", "XBowDataMod",
    "LoadShowDefault", "SaveShowDefault", "TwinPony1DefData", "TwinPony1ModDataS",
    "TwinPony2DefData", "TwinPony2ModDataT", "TwinPony3DefData", "TwinPony3ModDataS",
    "TwinPony4DefData", "TwinPony4ModDataS", "TwinPony5DefData", "TwinPony5ModDataS",
    "CompassCodzDefData", "CompassCodzModData", "CompassCheatsDefData", "CompassCheatsModData",
    "FixHolstersDefault", "FixHolstersMod", "SmallScorpCommPatchDefData",
    "SmallScorpCommPatchModData", "SmallScorpFarJumpDefData", "SmallScorpFarJumpModData",
    "ShotgunDivNSAmmoDefData", "ShotgunDivWSAmmoDefData", "ShotgunDivAmmoModData",
    "GrabClimbDelayDefData", "SparklesUnifyDefAmount", "VolFXDefData", "VolFXModData",
    "SGSlotsDefData1", "SGSlotsModData1", "SGSlotsDefData2", "SGSlotsModData2", "SGSlotsDefData3",
    "SGSlotsModData3", "Clip1DefData", "Clip1ModData", "Clip2DefData", "Clip2ModData", "VL1DefData",
    "VL1ModData", "VL2DefData", "VL2ModData", "GrenadeOneTouchDefData", "GrenadeOneTouchModData",
    "GrenadeRotationDefData", "GrenadeRotationModData", "MotorbikeLightDefData",
    "MotorbikeLightModData", "TwoBlock15ModeFixDefData", "TwoBlock15ModeFixModData",
    "BlinkingLightJmp1DefData", "BlinkingLightJmp1ModData", "BlinkingLightJmp1ModRData",
    "BlinkingLightJmp2DefData", "BlinkingLightJmp2ModData", "BlinkingLightJmp2ModRData",
    "BlinkingLightModData", "BlinkingLightModRData", "LeftGunFlashDefData", "LeftGunBulletDefData",
    "LeftGunCasingDefData", "RiteGunFlashDefData", "RiteGunBulletDefData", "RiteGunCasingDefData",
    "FixCredsBugDefData", "FixCredsBugModData", "IncStaticLimitDefData1", "IncStaticLimitModData1",
    "IncStaticLimitDefData2", "IncStaticLimitModData2", "IncStaticLimitDefData3",
    "IncStaticLimitModData3", "IncStaticLimitDefData4", "IncStaticLimitModData4",
    "IncStaticLimitDefData5", "IncStaticLimitModData5", "IncStaticLimitDefData6",
    "IncStaticLimitModData6", "IncStaticLimitDefData7", "IncStaticLimitModData7",
    "IncStaticLimitDefData8", "IncStaticLimitModData8", "IncStaticLimitDefData9",
    "IncStaticLimitModData9", "IncStaticLimitDefData11", "IncStaticLimitModData11",
    "IncStaticLimitDefData12", "IncStaticLimitModData12", "PartBuffer1DefData",
    "PartBuffer1ModRData", "PartBuffer1ModNData", "PartBuffer2DefData", "PartBuffer2ModRData",
    "PartBuffer2ModNData", "PartBuffer3DefData", "PartBuffer3ModRData", "PartBuffer3ModNData",
    "PartBuffer4DefData", "PartBuffer4ModRData", "PartBuffer4ModNData", "PartBuffer5DefData",
    "PartBuffer5ModRData", "PartBuffer5ModNData", "PartBuffer6DefData", "PartBuffer6ModRData",
    "PartBuffer6ModNData", "PartBuffer7DefData", "PartBuffer7ModRData", "PartBuffer7ModNData",
    "PartBuffer8DefData", "PartBuffer8ModRData", "PartBuffer8ModNData", "PartLimiter1DefData",
    "PartLimiter1ModData", "PartLimiter2DefData", "PartLimiter2ModData", "SecLevelExtDefData",
};

std::array<std::string, kFlareColourCount> FlareColourDef, FlareColourMod, FlareColourRed;
std::int32_t ExtendedSizeNum = 0;
std::int32_t CharArrayBaseOffset = 0;
std::string FEBaseProcDefData, FEBaseProcModDataNoRel, FEBaseProcModDataYoRel;
std::string FEBaseProc2DefData, FEBaseProc2ModDataNoRel, FEBaseProc2ModDataYoRel;
std::string FEBaseProc3DefData, FEBaseProc3ModDataNoRel, FEBaseProc3ModDataYoRel;
std::string FEExtProcedureDataNoRel, FEExtProcedureDataYoRel;
std::string RaceExtJmpNoRelData, RaceExtJmpYoRelData, IncTimerData, DecTimerData;
std::int32_t RaceExtRVANoRel = 0, RaceExtRVAYoRel = 0;

namespace {

struct NamedText { std::string_view key; std::string* field; };
struct NamedNumber { std::string_view key; std::int32_t* field; };

constexpr NamedText kFurrTexts[] = {
    {"FEBaseProcDefData", &FEBaseProcDefData}, {"FEBaseProcModDataNoRel", &FEBaseProcModDataNoRel},
    {"FEBaseProcModDataYoRel", &FEBaseProcModDataYoRel}, {"FEBaseProc2DefData", &FEBaseProc2DefData},
    {"FEBaseProc2ModDataNoRel", &FEBaseProc2ModDataNoRel},
    {"FEBaseProc2ModDataYoRel", &FEBaseProc2ModDataYoRel}, {"FEBaseProc3DefData", &FEBaseProc3DefData},
    {"FEBaseProc3ModDataNoRel", &FEBaseProc3ModDataNoRel},
    {"FEBaseProc3ModDataYoRel", &FEBaseProc3ModDataYoRel},
    {"FEExtProcedureDataNoRel", &FEExtProcedureDataNoRel},
    {"FEExtProcedureDataYoRel", &FEExtProcedureDataYoRel}, {"RaceExtJmpNoRelData", &RaceExtJmpNoRelData},
    {"RaceExtJmpYoRelData", &RaceExtJmpYoRelData}, {"IncTimerData", &IncTimerData},
    {"DecTimerData", &DecTimerData},
};

constexpr NamedNumber kNumbers[] = {
    {"ExtendedSizeNum", &ExtendedSizeNum}, {"CharArrayBaseOffset", &CharArrayBaseOffset},
    {"RaceExtRVANoRel", &RaceExtRVANoRel}, {"RaceExtRVAYoRel", &RaceExtRVAYoRel},
};
std::array<NumberGiven, std::size(kNumbers)> numbersGiven{};

NumberGiven& givenOf(const std::int32_t& number) {
  for (std::size_t i = 0; i < std::size(kNumbers); ++i)
    if (kNumbers[i].field == &number) return numbersGiven[i];
  throw std::out_of_range("not a version number");
}

// FlareColourData<i>Def, Mod and Red for i = 1..9, in that order.
constexpr std::size_t kFlareKeyLength = 19;
constexpr auto kFlareKeys = [] {
  std::array<std::array<char, kFlareKeyLength>, 3 * (kFlareColourCount - 1)> keys{};
  constexpr std::string_view stem = "FlareColourData", kinds[] = {"Def", "Mod", "Red"};
  for (std::size_t k = 0; k < keys.size(); ++k) {
    auto end = std::copy(stem.begin(), stem.end(), keys[k].begin());
    *end++ = static_cast<char>('1' + k / 3);
    std::copy(kinds[k % 3].begin(), kinds[k % 3].end(), end);
  }
  return keys;
}();

// Every version key has a number: the offset slots, then the data fields, the flare colours,
// the texts and the numbers.
constexpr int kFirstData = kOffsetSlotCount;
constexpr int kFirstFlare = kFirstData + kDataFieldCount;
constexpr int kFirstText = kFirstFlare + static_cast<int>(std::size(kFlareKeys));
constexpr int kFirstNumber = kFirstText + static_cast<int>(std::size(kFurrTexts));
constexpr int kKeyCount = kFirstNumber + static_cast<int>(std::size(kNumbers));

constexpr std::string_view keyName(int id) {
  if (id < kFirstData) return kOffsetKeys[id];
  if (id < kFirstFlare) return kDataKeys[id - kFirstData];
  if (id < kFirstText) return {kFlareKeys[id - kFirstFlare].data(), kFlareKeyLength};
  if (id < kFirstNumber) return kFurrTexts[id - kFirstText].key;
  return kNumbers[id - kFirstNumber].key;
}

constexpr VersionKeyTarget targetOf(int id) {
  using Kind = VersionKeyTarget::Kind;
  if (id < kFirstData) return {Kind::Offset, &Offsets[id], nullptr};
  if (id < kFirstFlare) return {Kind::Text, nullptr, &VersionDataFields[id - kFirstData]};
  if (id < kFirstText) {
    int flare = id - kFirstFlare;
    auto* table = flare % 3 == 0 ? &FlareColourDef : flare % 3 == 1 ? &FlareColourMod : &FlareColourRed;
    return {Kind::Text, nullptr, &(*table)[flare / 3 + 1]};
  }
  if (id < kFirstNumber) return {Kind::Text, nullptr, kFurrTexts[id - kFirstText].field};
  return {Kind::Number, kNumbers[id - kFirstNumber].field, nullptr};
}

constexpr auto kTargets = [] {
  std::array<VersionKeyTarget, kKeyCount> targets{};
  for (int id = 0; id < kKeyCount; ++id) targets[id] = targetOf(id);
  return targets;
}();

// A key as its lower-case words (LowerWordAt), zero-padded to the longest key, and its length.
constexpr std::size_t kLongestKey = [] {
  std::size_t longest = 0;
  for (int id = 0; id < kKeyCount; ++id) longest = std::max(longest, keyName(id).size());
  return longest;
}();

struct FoldedKey {
  std::array<std::uint64_t, (kLongestKey + 7) / 8> words{};
  std::size_t length = 0;
  bool operator==(const FoldedKey&) const = default;
};

constexpr FoldedKey folded(std::string_view key) {  // key.size() <= kLongestKey
  FoldedKey f;
  f.length = key.size();
  for (std::size_t i = 0; i < key.size(); i += 8) f.words[i / 8] = LowerWordAt(key, i);
  return f;
}

constexpr auto kFoldedKeys = [] {
  std::array<FoldedKey, kKeyCount> keys{};
  for (int id = 0; id < kKeyCount; ++id) keys[id] = folded(keyName(id));
  return keys;
}();

// Open addressing over the key numbers (number + 1, 0 for a free place), built by the compiler;
// a key listed twice in any case stops the build.
constexpr int kIndexBits = 12;
constexpr std::size_t kIndexSize = std::size_t{1} << kIndexBits;  // about four times kKeyCount
using KeyIndex = std::array<std::uint16_t, kIndexSize>;
static_assert(kKeyCount * 2 < kIndexSize);

constexpr std::size_t firstPlace(const FoldedKey& key) {
  constexpr std::uint64_t k = 0x9E3779B97F4A7C15u;
  std::uint64_t h = key.length;
  for (std::uint64_t w : key.words) {
    h = (h ^ w) * k;
    h ^= h >> 29;
  }
  return (h * k) >> (64 - kIndexBits);
}
constexpr std::size_t nextPlace(std::size_t at) { return (at + 1) & (kIndexSize - 1); }

constexpr KeyIndex buildIndex() {
  KeyIndex index{};
  for (int id = 0; id < kKeyCount; ++id) {
    std::size_t at = firstPlace(kFoldedKeys[id]);
    for (; index[at] != 0; at = nextPlace(at))
      if (kFoldedKeys[index[at] - 1] == kFoldedKeys[id]) throw std::logic_error("version key listed twice");
    index[at] = static_cast<std::uint16_t>(id + 1);
  }
  return index;
}

constexpr KeyIndex kIndex = buildIndex();

// The number of a key in any case, or -1.
int keyNumber(std::string_view key) {
  if (key.size() > kLongestKey) return -1;
  const FoldedKey f = folded(key);
  for (std::size_t at = firstPlace(f); kIndex[at] != 0; at = nextPlace(at))
    if (kFoldedKeys[kIndex[at] - 1] == f) return kIndex[at] - 1;
  return -1;
}

// The key's number minus `first` when it lies in [first, end); out_of_range otherwise.
int numberIn(std::string_view key, int first, int end, const char* what) {
  int id = keyNumber(key);
  if (id < first || id >= end) throw std::out_of_range(std::string("no ") + what + " " + std::string(key));
  return id - first;
}

}  // namespace

int OffsetSlot(std::string_view key) { return numberIn(key, 0, kFirstData, "offset key"); }
std::int32_t OffsetOf(std::string_view key) { return Offsets[OffsetSlot(key)]; }
int DataFieldIndex(std::string_view key) { return numberIn(key, kFirstData, kFirstFlare, "data key"); }
const std::string& VersionData(std::string_view key) { return VersionDataFields[DataFieldIndex(key)]; }

const VersionKeyTarget* FindVersionKey(std::string_view key) {
  int id = keyNumber(key);
  return id < 0 || id == kVersionCheckSlot ? nullptr : &kTargets[id];
}

std::size_t VersionKeyCount() { return kKeyCount - 1; }  // all but VersionCheckOffset

NumberGiven HowGiven(const std::int32_t& number) { return givenOf(number); }

void NoteGiven(const std::int32_t& number, NumberGiven how) { givenOf(number) = how; }

void ResetVersionTables() {
  Offsets.fill(0);
  OffsetNotNumber.reset();
  for (auto& f : VersionDataFields) f.clear();
  for (auto* table : {&FlareColourDef, &FlareColourMod, &FlareColourRed})
    for (auto& f : *table) f.clear();
  for (const auto& t : kFurrTexts) t.field->clear();
  for (const auto& n : kNumbers) *n.field = 0;
  numbersGiven.fill(NumberGiven::Missing);
}

}  // namespace olvex::shell
