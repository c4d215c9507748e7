#include "presets/preset_writer.h"

#include <charconv>
#include <span>
#include <variant>

#include "customizers/credits/dialog.h"
#include "customizers/enemies/dialog.h"
#include "draco/patch_list.h"
#include "furr/feditor.h"
#include "platform/files.h"
#include "presets/preset_format.h"
#include "shell/script_slots.h"
#include "shell/settings_keys.h"
#include "shell/shared_tables.h"
#include "shell/text_case.h"
#include "ui/host.h"

namespace olvex::presets {

namespace {

using Lines = std::vector<std::string>;

// One entry of the key part: a key read back through its row of the settings key table (or the
// row of `readAs`, for a second name of the same setting), or a key family written by its own
// function.
struct PresetItem {
  std::string_view key;
  void (*lines)(Lines&) = nullptr;
  std::string_view readAs = {};
};

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

void fogUnitLines(Lines& out) {
  for (int n = 0; n < shell::kFogUnitCount; ++n)
    out.push_back("FogUnit" + twoDigits(n) + "=" + std::to_string(shell::FogUnitR[n]) + "," +
                  std::to_string(shell::FogUnitG[n]) + "," + std::to_string(shell::FogUnitB[n]));
}

void comboLines(Lines& out) {
  for (int n = 0; n < shell::kComboCount; ++n)
    out.push_back("Combo" + twoDigits(n) + "=" + std::to_string(shell::PuzzleCombos[n]) + "," +
                  std::to_string(shell::PuzzleCombos[shell::kComboCount + n]));
}

// The two credits alignments come from one pass over the option index: for each index, the
// normal credits' line and then the scripted credits' line when that option is on.
void creditsAlignLines(Lines& out) {
  const shell::KeyRow* rows[] = {shell::FindKeyRow("normcreditsalign"), shell::FindKeyRow("scriptedcreditsalign")};
  const char* keys[] = {"NormCreditsAlign", "ScriptedCreditsAlign"};
  constexpr int kAlignments = 3;  // left, centre, right
  for (int i = 0; i < kAlignments; ++i)
    for (int g = 0; g < 2; ++g)
      if (auto* option = rows[g] ? std::get_if<shell::OptionOf>(&rows[g]->target) : nullptr)
        if (option->get().exists(i) && option->get()[i].value()) out.push_back(std::string(keys[g]) + "=" + std::to_string(i));
}

// The one-shot mode is one line: 0 while "pre" is on, else 1 (also with neither button on).
void oneShotLine(Lines& out) {
  auto& modes = ui::Forms::get<furr::FEditor>().Option1;
  out.push_back(std::string("OneShotMode=") + (modes.exists(0) && modes[0].value() ? "0" : "1"));
}

// The guide's hit points are written from their box, though no key reads them back.
void guideHPLine(Lines& out) {
  constexpr int kGuideBox = 25;
  out.push_back("GuideHP=" + ui::Forms::get<customizers::CustEnemy>().Text1[kGuideBox].text());
}

// The key lines in file order, by window.
constexpr PresetItem kItems[] = {
    // Form1
    {"DrawingDistanceRange"}, {"HardClippingRange"}, {"DistantFogRange"}, {"ClippingMode"},
    {"RemapSceneMemory"}, {"DisableFogBulbCutOff"}, {"FogBulbRange"}, {"TurnOffDistDLimit"},
    {"TurnOffDistFog"}, {"RemoveLookTransparency"}, {"DisableDEnemyLand"}, {"DisableDEnemyWatr"},
    // CustCamera
    {"LockFreeCamera"}, {"StickFreeCamera"},
    // Form1
    {"PonytailMode"}, {"FixHolsters"}, {"DisableHangThread"}, {"DisableEnemyLimit"},
    {"RelocateTargetBuffer"}, {"DisableVertexLimit"}, {"ForceVolFXOFF"}, {"DisableFlybyLimit"},
    {"RemapParticleBuffer"}, {"EnableBonusLevel"}, {"BonusLevelNumber"}, {"AlternateLevelNumber"},
    // SLevelConditions
    {"BonusLevelSecrets"}, {"BonusLevelMinutes"}, {"BonusLevelSeconds"}, {"BonusLevelDistance"},
    {"BonusLevelMedkitsUsed"}, {"BonusLevelAmmoUsed"},
    // Form1
    {"ExtendExeSize"}, {"DisableStaticLimit"}, {"ExtendSaveGame"},
    // CustCamera
    {"NormCameraDist"}, {"NormCameraFollowSpeed"}, {"NormCameraTop"}, {"LookBattleCameraDist"},
    {"ChangeFOV"}, {"FOV"}, {"AddonBattleCameraY"}, {"UnifyBattleCamera"},
    // CustWeapons
    {"PistolDamage"}, {"PistolRate"}, {"PistolDisp"}, {"PistolFlash"}, {"UziDamage"}, {"UziRate"},
    {"UziDisp"}, {"UziFlash"}, {"RevolDamage"}, {"RevolRate"}, {"RevolDisp"}, {"RevolFlash"},
    {"ShotgunDamage"}, {"ShotgunDisp"}, {"ShotgunFlash"}, {"ShotgunShotAmount"}, {"XBowFlySpeed"},
    {"XBowFlameTail"}, {"XBowDamage"}, {"XBowPoisonDamage"}, {"EnablePoisonDamageChanging"},
    {"ExplosiveDamage"}, {"XBowNormFlag"}, {"XBowPoisonFlag"}, {"XBowExplosiveFlag"},
    {"GrenNormFlag"}, {"GrenSupaFlag"}, {"GrenFlshFlag"}, {"GrenadeTimeout"}, {"GrenadeWeight"},
    {"GrenadeLaunchPower"}, {"DisableGrenadeRotation"}, {"ForceOneTouchGrenade"},
    {"ReviveShotGunflash"}, {"SGFlashXPos"}, {"SGFlashYPos"}, {"SGSmokePuffYPos"},
    {"PistolsTargetDistance"}, {"UzisTargetDistance"}, {"RevolverTargetDistance"},
    {"ShotgunTargetDistance"}, {"GrenadeGunTargetDistance"}, {"XBowTargetDistance"},
    {"RemoveLeftGun"}, {"RemoveRightGun"}, {"DisableAutoWeapon"},
    // CustFonts
    {"MainFontMainColourR"}, {"MainFontMainColourG"}, {"MainFontMainColourB"},
    {"MainFontFadeColourR"}, {"MainFontFadeColourG"}, {"MainFontFadeColourB"},
    {"OptsFontMainColourR"}, {"OptsFontMainColourG"}, {"OptsFontMainColourB"},
    {"OptsFontFadeColourR"}, {"OptsFontFadeColourG"}, {"OptsFontFadeColourB"},
    {"InvtFontMainColourR"}, {"InvtFontMainColourG"}, {"InvtFontMainColourB"},
    {"InvtFontFadeColourR"}, {"InvtFontFadeColourG"}, {"InvtFontFadeColourB"},
    {"ItemFontMainColourR"}, {"ItemFontMainColourG"}, {"ItemFontMainColourB"},
    {"ItemFontFadeColourR"}, {"ItemFontFadeColourG"}, {"ItemFontFadeColourB"}, {"LegendDispTime"},
    {"WindowTitle"}, {"MainMenuNewGameEffectID"}, {"MainMenuLoadGameEffectID"},
    {"MainMenuOptsEffectID"}, {"MainMenuExitEffectID"}, {"MainMenuAlign"},
    // CustCredits
    {"CreditsLineChars"}, {"NormCreditsEffectID"}, {"ScriptedCreditsEffectID"},
    {{}, &creditsAlignLines}, {"CreditsAudiotrackNumber"},
    {"CreditsLevelJumpNumber"}, {"FixCreditsFlybyBug"}, {"DoNotUseScript"},
    // CustBars
    {"CritBarBlinkSpeed"}, {"StaticBarsStyle"}, {"BarBorderColorR"}, {"BarBorderColorG"},
    {"BarBorderColorB"}, {"HMainColourR"}, {"HMainColourG"}, {"HMainColourB"}, {"HFadeColourR"},
    {"HFadeColourG"}, {"HFadeColourB"}, {"HPoisonColourR"}, {"HPoisonColourG"}, {"HPoisonColourB"},
    {"HWidth"}, {"HHeight"}, {"HHide"}, {"HAnim"}, {"AMainColourR"}, {"AMainColourG"},
    {"AMainColourB"}, {"AFadeColourR"}, {"AFadeColourG"}, {"AFadeColourB"}, {"AWidth"}, {"AHeight"},
    {"ALeft"}, {"AHide"}, {"AAnim"}, {"SMainColourR"}, {"SMainColourG"}, {"SMainColourB"},
    {"SFadeColourR"}, {"SFadeColourG"}, {"SFadeColourB"}, {"SWidth"}, {"SHeight"}, {"SLeft"},
    {"SHide"}, {"SAnim"}, {"LMainColourR"}, {"LMainColourG"}, {"LMainColourB"}, {"LFadeColourR"},
    {"LFadeColourG"}, {"LFadeColourB"}, {"LWidth"}, {"LHeight"}, {"LLeft"}, {"LHide"},
    {"SndBarMainColourR"}, {"SndBarMainColourG"}, {"SndBarMainColourB"}, {"SndBarFadeColourR"},
    {"SndBarFadeColourG"}, {"SndBarFadeColourB"}, {"SndBarABOColourR"}, {"SndBarABOColourG"},
    {"SndBarABOColourB"}, {"MusBarMainColourR"}, {"MusBarMainColourG"}, {"MusBarMainColourB"},
    {"MusBarFadeColourR"}, {"MusBarFadeColourG"}, {"MusBarFadeColourB"}, {"MusBarABOColourR"},
    {"MusBarABOColourG"}, {"MusBarABOColourB"}, {"PBOColourR"}, {"PBOColourG"}, {"PBOColourB"},
    // CustGfx
    {"LightingRAW1"}, {"LightingRAW2"}, {"LightingRAW3"}, {"LightingRAW4"}, {"LightingRAW5"},
    {"LightingRAW6"}, {"LightingCoreColourR"}, {"LightingCoreColourG"}, {"LightingCoreColourB"},
    {"LightingCoreColourA"}, {"LightingDispTime"}, {"LightingDispRange"}, {"LightingSize"},
    {"ConductorDispersion"}, {"ConductorCoronaSize"}, {"BloodSize"}, {"BloodIntensity"},
    {"BloodLifetime"}, {"BloodSpeed"}, {"BloodSpreadX"}, {"BloodSpreadY"}, {"BloodSetOpaque"},
    {"BloodOpaqueR"}, {"BloodOpaqueG"}, {"BloodOpaqueB"}, {"PistolSmokeDur"}, {"RevolverSmokeDur"},
    {"WFallScrollSpeed"}, {"SkyDir"}, {"GunflashAddR"}, {"GunflashAddG"}, {"GunflashAddB"},
    {"WallpaperAddR"}, {"WallpaperAddG"}, {"WallpaperAddB"}, {"WallpaperGradTop"},
    {"WallpaperGradBottom"}, {"OverrideWallpaperColour"}, {"WallpaperColR"}, {"WallpaperColG"},
    {"WallpaperColB"}, {"RicoAddR"}, {"RicoAddG"}, {"RicoAddB"}, {"WaterdropsAddR"},
    {"WaterdropsAddG"}, {"WaterdropsAddB"}, {"ShadowR"}, {"ShadowG"}, {"ShadowB"}, {"ShadowA"},
    {"FadeoutR"}, {"FadeoutG"}, {"FadeoutB"}, {"LightingIndirect"}, {"GFXRandFactor"},
    // CustGfx2
    {"FireballSpriteSize"}, {"FireballDuration"}, {"FireballDispersion"}, {"BlastRadius"},
    {"BlastTimeout"}, {"BlastSize"}, {"SparkleAmount"}, {"UnifyAmount"}, {"SparkleFallOffDelay"},
    {"SparkleSpriteInitSize"}, {"SparkleSpriteID"}, {"SparkleColRed"}, {"SparkleColGreen"},
    {"SparkleColBlue"}, {"SparkleCoreIntensity"}, {"AnimTextInterval"}, {"WaterNoiseSpeed"},
    {"FlybyBarsHeight"}, {"FlybyBarsSpeed"}, {"UWDustMaxAmount"}, {"UWDustMeltSpeed"},
    {"UWDustSize"}, {"UWDustSpriteID"}, {"UWDustXFlow"}, {"UWDustYFlow"}, {"FadeoutsSpeed"},
    {"FadeoutsDuration"}, {{}, &fogUnitLines}, {"M.I.S.T.MainR"}, {"M.I.S.T.MainG"}, {"M.I.S.T.MainB"},
    {"M.I.S.T.CoreR"}, {"M.I.S.T.CoreG"}, {"M.I.S.T.CoreB"}, {"M.I.S.T.Size"}, {"M.I.S.T.Density"},
    {"M.I.S.T.Amount"}, {"SprinklerAmount"}, {"SprinklerGravity"}, {"SprinklerSpread"},
    {"SprinklerColourR"}, {"SprinklerColourG"}, {"SprinklerColourB"}, {"SprinklerArch"},
    {"SprinklerLoopForever"},
    // CustLite
    {"DynLightPower"}, {"PistolFlashArea"}, {"RevolverFlashArea"}, {"ShotgunFlashArea"},
    {"FlameEmitter1Area"}, {"BinocsRange"}, {"DisableMotoHeadlight"}, {"FlareColour"},
    {"DisableBlinkFlare"}, {"FlareLifeTime"}, {"AmberLightColour"}, {"AmberLightEffectiveArea"},
    {"AmberLightFadeSpeed"}, {"BlinkingLightR"}, {"BlinkingLightG"}, {"BlinkingLightB"},
    {"BlinkingLightDuration"}, {"BlinkingLightInterval"}, {"BlinkingLightEffectiveArea"},
    {"ReplaceBlinkingWithAlarm"}, {"BlinkingShowMesh"}, {"BlinkingPos1"}, {"BlinkingPos2"},
    {"BlinkingPos3"}, {"AlarmRadius"},
    // CustInv
    {"DefGetPistols"}, {"DefGetBinoculars"}, {"DefGetCrowbar"}, {"SeperateAmount"},
    {"DefBigMedkits"}, {"DefSmallMedkits"}, {"DefFlares"}, {"DisableUnlPistAmmoLabel"},
    {"ReplacePistolsWithAmmo"}, {"RemovePistolAmmo"}, {"StartUpPistolAmmo"},
    {"DisableShotgunAmmoDivider"}, {"StartupHealth"}, {"StartupAir"}, {"StartupSprint"},
    {"PistolAmmo"}, {"ShotgunNormalAmmo"}, {"ShotgunWideAmmo"}, {"UziAmmo"}, {"RevolverAmmo"},
    {"XBowNormalAmmo"}, {"XBowPoisonAmmo"}, {"XBowExplosiveAmmo"}, {"GrenadeGunDefAmmo"},
    {"GrenadeNormalAmmo"}, {"GrenadeSuperAmmo"}, {"GrenadeFlashAmmo"}, {"Flares"},
    {"SmallMediEffect"}, {"InvertSmallMediEffect"}, {"DisableInventory"}, {"DisableLoad"},
    {"DisableSave"}, {"FixCompassBug"}, {"DisableCompassCheats"}, {"AddSavegameSlots"}, {"Secrets"},
    {"FlyCheatMagicWord"}, {"ItemRotateSpeed"}, {"AmmoRotateSpeed"}, {"PickUpShowDur"},
    // PuzzleConf
    {{}, &comboLines},
    // CustEnemy
    {"SkeletonHP"}, {"SkeletonFlag"}, {"Baddy1HP"}, {"Baddy1Flag"}, {"Baddy2HP"}, {"Baddy2Flag"},
    {"ScorpionHP"}, {"ScorpionFlag"}, {"MummyHP"}, {"MummyFlag"}, {"KnightTemplarHP"},
    {"KnightTemplarFlag"}, {"SphinxHP"}, {"SphinxFlag"}, {"SethaHP"}, {"SethaFlag"}, {"HorsemenHP"},
    {"HorsemenFlag"}, {"HammerheadHP"}, {"HammerheadFlag"}, {"CrocodileHP"}, {"CrocodileFlag"},
    {"MutantHP"}, {"MutantFlag"}, {"GuideHP", guideHPLine}, {"GuideFlag", nullptr, "GuideHPFlag"},
    {"GuideHPFlag"}, {"Demigod1HP"}, {"Demigod1Flag"},
    {"Demigod2HP"}, {"Demigod3HP"}, {"TroopsHP"}, {"TroopsFlag"}, {"SASHP"}, {"SASFlag"},
    {"HarpyHP"}, {"HarpyFlag"}, {"WildBoarHP"}, {"WildBoarFlag"}, {"DogHP"}, {"DogFlag"},
    {"AhmetHP"}, {"AhmetFlag"}, {"BaboonHP"}, {"BaboonFlag"}, {"BatHP"}, {"BatFlag"},
    {"BigBeetleHP"}, {"BigBeetleFlag"}, {"VonCroyHP"}, {"VonCroyFlag"},
    {"EnableSmallScorpionHPChange"}, {"SmallScorpionHP"}, {"SmallScorpionFlag"},
    // CustPhys
    {"RotOnGroundFrontLeft"}, {"RotOnGroundFrontRight"}, {"RotOnGroundBackLeft"},
    {"RotOnGroundBackRight"}, {"InAirFrontLeft"}, {"InAirFrontRight"}, {"SwimSpeed"},
    {"SwimRotLeft"}, {"SwimRotRight"}, {"RotStandLeft"}, {"RotStandRight"}, {"RotSwingStillLeft"},
    {"RotSwingStillRight"}, {"RotSwingMoveLeft"}, {"RotSwingMoveRight"}, {"DuckStop1Left"},
    {"DuckStop1Right"}, {"DuckStop2Left"}, {"DuckStop2Right"}, {"DuckMoveForwardLeft"},
    {"DuckMoveForwardRight"}, {"DuckMoveBackLeft"}, {"DuckMoveBackRight"}, {"RopeLeft"},
    {"RopeRight"}, {"PoleLeft"}, {"PoleRight"}, {"ShellGravity"}, {"JumpGravity"},
    {"FallingDamage"}, {"DoNotExplodeMotorbike"}, {"DoNotExplodeJeep"}, {"KillClimbDelay"},
    // CustObj
    {"SpikesTimer"}, {"2BPDepressDistance"}, {"2BPDepressSpeed"}, {"2BPRepressSpeed"},
    {"2BPInvertIt"}, {"2BPInvertItToo"}, {"2BPFixVisibility"}, {"ProngSpikesStretchSpeed"},
    {"NormalSpikesRetractionSpeed"}, {"DartsInterval"}, {"DartsSpeed"}, {"DartsColourR"},
    {"DartsColourG"}, {"DartsColourB"}, {"RaisingBlockHeight"}, {"RaiseAnimSpeed"},
    {"FallinBlockTimer"}, {"FallinBlockTremble"}, {"SqyishyTimer"}, {"SqyishyExtendTimer"},
    {"SqyishyTremble"}, {"SqyishyNoTremble"}, {"BoulderGravity"}, {"SlicerDicerSpeed"},
    {"SlicerDicerRadius"}, {"ConductorInterval"}, {"RaiseLinkFakeHeight"}, {"1BPEnable"},
    {"1BPDepressDistance"}, {"1BPDepressSpeed"}, {"1BPRepressSpeed"}, {"1BPInvertIt"},
    {"1BPInvertItToo"},
    // CustLimits
    {"MaxHPBarValue"}, {"RawHPBarRange"}, {"Divider"}, {"MedkitsHPLimiter"}, {"CriticalHPThresh"},
    {"MaxAPBarValue"}, {"RawAPBarRange"}, {"APDivider"}, {"AirRestorationRate"},
    {"CriticalAPThresh"}, {"MaxSPBarValue"}, {"RawSPBarRange"}, {"SPBarDivider"},
    {"NitroDrainRate"},
    // CustLaraHP
    {"NoAirLeakage"}, {"OnFireLeakage"}, {"InSpikesLeakage"}, {"InProngLeakage"},
    {"InSteamLeakage"}, {"BaddyUZIDmg"}, {"SASMachinegunDmg"}, {"TurretDmg"}, {"BatDmg"},
    {"CrocodileUWDmg"}, {"CrocodileLANDDmg"}, {"LocustDmg"}, {"MummyDmg"}, {"BaddySwordDmg"},
    {"SmallScorpionDmg"}, {"DogDmg"}, {"SkeletonDmg1"}, {"SkeletonDmg2"}, {"WildBoarDmg"},
    {"HarpyDmg"}, {"ScorpionDmg"}, {"HammerheadDmg"}, {"KnightTemplarDmg"}, {"BigBeetleDmg"},
    {"SphinxDmg"}, {"SetAttack1DmgParameter"}, {"SetAttack2Dmg"}, {"LittleBeetleDisp"},
    {"MagicAttackDivider"}, {"DisableDragonLoCuts"}, {"FixSASGrenades"}, {"SASGrenDamage"},
    {"SASGrenThresh"}, {"SASGrenFastKill"}, {"SASGrenBlow"}, {"InDartsLeakage"},
    // CustSnd
    {"SampleRate"}, {"FixUWDoorBug"}, {"UWDoorBugSoundID"}, {"FixNoAmmoBug"}, {"NoAmmoBugSoundID"},
    {"ExtendAudiotracks"}, {"ChangeLoopedRange"}, {"LoopedMarker"}, {"InsideJeepTrack"},
    {"InsideJeepTrackDisable"}, {"OutsideJeepTrack"}, {"OutsideJeepTrackDisable"}, {"SecretTrack"},
    {"SecretTrackDisable"}, {"EnableRicochetSound"}, {"ExtendSampleSize"},
    // FEditor
    {"EnableFlipeffectEditor"}, {"OneShotMode", oneShotLine},
    // RTEditor
    {"InvertRaceTimer"}, {"TimerVisibleThresh"}, {"TimerFontEffectID"},
    {"EnableRaceTimerWorkaround"}, {"RaceTimerWorkaroundMethod"},
};

// The value lines of one key, read from the target its row stores into.
struct ReadBack {
  std::string_view key;
  Lines& out;
  void put(const std::string& value) const { out.push_back(std::string(key) + "=" + value); }
  void operator()(const shell::TextBoxOf& t) const { put(t.get().text()); }
  void operator()(const shell::CheckBoxOf& t) const { put(std::to_string(t.get().value())); }
  void operator()(const shell::OptionOf& t) const {
    auto& group = t.get();
    for (int i : group.indexes())
      if (group[i].value()) put(std::to_string(i));
  }
  void operator()(const shell::ScrollBarOf& t) const { put(std::to_string(t.get().value())); }
  void operator()(const shell::ListIndexOf& t) const {
    if (int i = t.get().listIndex(); i >= 0) put(std::to_string(i));
  }
  void operator()(const shell::ComboTextOf& t) const { put(t.get().text()); }
  void operator()(const shell::Setter& t) const {
    if (t.get) put(t.get());
  }
};

void keyLines(Lines& out) {
  for (const PresetItem& item : kItems) {
    if (item.lines) {
      item.lines(out);
    } else if (const auto* row = shell::FindKeyRow(shell::LowerCase(item.readAs.empty() ? item.key : item.readAs))) {
      std::visit(ReadBack{item.key, out}, row->target);
    }
  }
}

// A slot's source as its lines: the text's own CR LF line ends become lines of the file.
void appendText(Lines& out, const std::string& text) {
  for (std::string& line : platform::splitLines(text)) out.push_back(std::move(line));
  if (text.empty() || text.ends_with('\n') || text.ends_with('\r')) out.emplace_back();
}

// The shortest decimal text that reads back as the same single-precision number.
std::string shortest(float x) {
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, r.ptr);
}

void flipSection(Lines& out) {
  out.emplace_back(kFlipMark);
  for (std::size_t i = 0; i < shell::FlipCode.size(); ++i) {
    if (shell::FlipCode[i].empty()) continue;
    out.push_back(std::string(kEffectTag) + std::to_string(i));
    out.push_back(std::string(kAnnotationTag) + shell::FlipAnnotation[i]);
    out.push_back(std::string(kOnceTag) + std::to_string(shell::FlipDoOnlyOnce[i]));
    appendText(out, shell::FlipCode[i]);
  }
  out.emplace_back(kFlipEnd);
}

void raceSection(Lines& out) {
  out.emplace_back(kRaceMark);
  for (std::size_t i = 0; i < shell::RaceCode.size(); ++i) {
    if (shell::RaceCode[i].empty()) continue;
    out.push_back(std::string(kEventTag) + std::to_string(i + 1));
    out.push_back(std::string(kAnnotationTag) + shell::RaceAnnotation[i]);
    out.push_back(std::string(kTimeTag) + shortest(shell::RaceTime[i][0]) + ":" + shortest(shell::RaceTime[i][1]));
    appendText(out, shell::RaceCode[i]);
  }
  out.emplace_back(kRaceEnd);
}

// One field per parameter slot up to the last enabled slot with a value, so that every value
// returns to its own slot; slots between that are off or empty give empty fields.
std::string parameterFields(const draco::PatchRecord& r) {
  auto used = [](const draco::PatchParam& p) { return p.Enabled == 1 && !p.CurrentValue.empty(); };
  int last = -1;
  for (int k = 0; k < draco::kParamSlots; ++k)
    if (used(r.Params[k])) last = k;
  std::string fields;
  for (int k = 0; k <= last; ++k) fields += (used(r.Params[k]) ? r.Params[k].CurrentValue : "") + ";";
  return fields;
}

void dracoSection(Lines& out) {
  out.emplace_back(kDracoMark);
  out.emplace_back();
  for (std::size_t i = 0; i < draco::PatchList.size() && static_cast<int>(i) < draco::ItemCount(); ++i) {
    const draco::PatchRecord& r = draco::PatchList[i];
    out.push_back(std::string(kDracoKey) + (draco::IsItemSelected(static_cast<int>(i)) ? "1" : "0") + "=" +
                  r.Name + "," + parameterFields(r));
  }
  out.emplace_back(kDracoEnd);
}

}  // namespace

std::vector<std::string> PresetLines() {
  Lines out = {std::string(kPresetMark), "", "version=" + std::string(kPresetVersion), ""};
  keyLines(out);
  out.emplace_back(kCreditsMark);
  appendText(out, ui::Forms::get<customizers::CustCredits>().Text1.text());
  out.emplace_back(kCreditsEnd);
  flipSection(out);
  raceSection(out);
  dracoSection(out);
  return out;
}

void SavePreset() {
  auto path = ui::host().saveFile({"Save OLVEX preset", std::string(kPresetFilter), {}, {}});
  if (!path) return;
  try {
    platform::writeLinesAtomic(*path, PresetLines());
  } catch (const std::exception& e) {
    ui::msgBox("The preset could not be saved to " + *path + ". The file was left as it was.\r\n" + e.what());
  }
}

}  // namespace olvex::presets
