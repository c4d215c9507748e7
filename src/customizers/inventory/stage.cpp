// The INVENTORY stage: one table of rows in write order.
#include "customizers/inventory/dialog.h"

#include <algorithm>
#include <cstdint>

#include "customizers/frame/dialog_rows.h"
#include "customizers/weapons/dialog.h"
#include "patcher/layout_check.h"
#include "patcher/value_paths.h"
#include "shell/conversions.h"
#include "shell/number_text.h"
#include "shell/settings_keys.h"
#include "shell/version_table.h"

namespace olvex::customizers {

namespace {

using namespace rows;

const CustInv& inv() { return ui::Forms::get<CustInv>(); }

template <auto Box>
int invChoice(const Form1& f) { return choice<CustInv, Box>(f); }
template <int I>
int startUp(const Form1& f) { return choiceAt<CustInv, &CustInv::Check1, I>(f); }

int separateAmounts(const Form1& f) { return invChoice<&CustInv::Check2>(f); }
int smallMedkits(const Form1&) { return inv().Check2.value() == 1 ? 0 : kNothing; }

// The pistol ammo function needs the extended executable; on, it comes in the standard (1) or
// the remapped (2) memory variant.
bool pistolAmmoFunction(const Form1& f) { return inv().Check4.value() == 1 && f.Check9.value() == 1; }
int pistolAmmo(const Form1& f) { return pistolAmmoFunction(f); }
int pistolAmmoVariant(const Form1& f) { return pistolAmmoFunction(f) ? patcher::select::variant(f) : 0; }
int pistolAmmoOnly(const Form1& f) { return pistolAmmoFunction(f) ? pistolAmmoVariant(f) : kNothing; }
// "Disable automatical weapon change" of the weapons dialog: 00 when set, else 01; written into
// the procedure when the function is on, else behind the jump.
int autoWeapon() { return ui::Forms::get<CustWeapons>().Check8.value() == 1 ? 0 : 1; }
int autoWeaponInProcedure(const Form1& f) { return pistolAmmoFunction(f) ? autoWeapon() : kNothing; }
int autoWeaponAtJump(const Form1& f) { return pistolAmmoFunction(f) ? kNothing : autoWeapon(); }

// Load and save: "FE 40/41 save" of the main window takes the save hooks over.
int disableLoad(const Form1& f) { return test<CustInv, &CustInv::Check5>(f); }
int saveItem(const Form1& f) { return f.Check13.value() != 0 ? 2 : test<CustInv, &CustInv::Check6>(f); }
int saveHotkey(const Form1& f) { return f.Check13.value() != 0 ? kNothing : test<CustInv, &CustInv::Check6>(f); }

std::string pistolPickUp(const Form1& f) { return valueOf<CustInv, &CustInv::Text1, 16, LeadingByte>(f) + "90"; }
template <int I>
std::string shotgunPickUp(const Form1&) {
  return patcher::IntHex(shell::NumberText(shell::Val(text<CustInv, &CustInv::Text1, I>()) * 6), 2);
}

// The secrets count as two characters (a single digit followed by a zero byte), held to 0..99.
std::string secrets(const Form1&) {
  std::string count = inv().Text1[4].text();
  bool digits = !count.empty() && count.size() <= 2 && count.find_first_not_of("0123456789") == std::string::npos;
  if (!digits) count = shell::NumberText(std::clamp(shell::RoundHalfEven(shell::Val(count)), 0.0, 99.0));
  return shell::TextToHex(count) + (count.size() < 2 ? "00" : "");
}

template <int I>
std::string rotateSpeed(const Form1&) { return SwappedHex4(inv().Text2[I].text()); }

// The address of the game's character array. It is never 0: a section without it, or with no
// number there, would write bare codes; the refusal says which the section gave.
std::int64_t charArrayBase() {
  if (shell::CharArrayBaseOffset != 0) return shell::CharArrayBaseOffset;
  switch (shell::HowGiven(shell::CharArrayBaseOffset)) {
    case shell::NumberGiven::Missing: throw patcher::LayoutError("CharArrayBaseOffset: the version section lacks it");
    case shell::NumberGiven::NotNumber: throw patcher::LayoutError("CharArrayBaseOffset: its value is not a number");
    case shell::NumberGiven::Number: break;
  }
  throw patcher::LayoutError("CharArrayBaseOffset=0: the character array is never at address 0");
}

// Letter L of the magic word as the address of its entry in the game's character array.
template <int Letter>
std::string magicLetter(const Form1&) {
  const std::int64_t base = charArrayBase();
  const std::string& word = inv().Text3.text();
  if (word.size() < 4) throw patcher::PassError("the fly-cheat magic word has fewer than four letters");
  std::string code = shell::LetterToScanCode(word.substr(Letter, 1));
  if (code.empty()) throw patcher::PassError("the fly-cheat magic word holds a character without a key");
  return patcher::IntHex(std::to_string(std::stoll(code) + base), 8);
}

const Row kRows[] = {
    // Small medkits and flares: one amount or two.
    {separateAmounts, {"SeperateSMKFlaresOffset"}, {F("SeparateMediFlareDefault"), F("SeparateMediFlareMod")}},
    {separateAmounts, {"FlaresOffset"}, {C(valueOf<CustInv, &CustInv::Text1, 2, LeadingByte>), C(valueOf<CustInv, &CustInv::Text1, 2, LeadingByte>)}},
    {smallMedkits, {"SmallMedkitsOffset"}, {C(valueOf<CustInv, &CustInv::Text1, 1, LeadingByte>)}},

    // Start-up inventory; checked pistols restore the game's own key data.
    {startUp<0>, {"GetPistolsOffset"}, {L("00"), L("09")}},
    {startUp<0>, {"GetPistolsHolstersOffset"}, {L("0D"), L("0E")}},
    {startUp<0>, {"GetPistolsKeyOffset"}, {F("GetPistolsKeyModData"), F("GetPistolsKeyDefData")}},
    {startUp<1>, {"GetBinocularsOffset"}, {L("00"), L("01")}},
    {startUp<2>, {"GetCrowbarOffset"}, {F("CrowbarDefault"), F("CrowbarMod")}},
    {always, {"BigMedkitsOffset"}, {C(valueOf<CustInv, &CustInv::Text1, 0, LeadingByte>)}},
    {startUp<4>, {"DisableUPSLabelOffset"}, {F("UPSLabelDefData"), F("UPSLabelModData")}},
    {startUp<3>, {"PistolAmmoOffset"}, {F("PistolDataDefault"), F("PistolDataMod")}},
    {whenCheckedAt<CustInv, &CustInv::Check1, 3>, {"PistolAmmoOffset", 1, 6}, {Hex{}, C(valueOf<CustInv, &CustInv::Text1, 17, LeadingByte>)}},

    // The pistol ammo function.
    {pistolAmmo, {"LPAExtendedAddOffset"}, {L("9090909090909090"), F("LPAExtendedAddData")}},
    {pistolAmmo, {"LPAJumpDataOffset"}, {F("LPAJumpDefData"), F("LPAJumpModData")}},
    {pistolAmmoVariant, {"LPAWorkaroundJmpOffset"}, {F("LPAWorkaroundJmpDefData"), F("LPAWorkaroundJmpNData"), F("LPAWorkaroundJmpRData")}},
    {pistolAmmoOnly, {"LPAWorkaroundOffset"}, {Hex{}, F("LPAWorkaroundNData"), F("LPAWorkaroundRData")}},
    {pistolAmmoVariant, {"LPACounterJumpOffset"}, {F("LPACounterJumpDefData"), F("LPACounterJumpNModData"), F("LPACounterJumpRModData")}},
    {pistolAmmoOnly, {"LPACounterStructOffset"}, {Hex{}, F("LPACounterStructNData"), F("LPACounterStructRData")}},
    {pistolAmmoVariant, {"BlockHolstersJmpOffset"}, {F("BlockHolstersJmpDefData"), F("BlockHolstersJmpModNData"), F("BlockHolstersJmpModRData")}},
    {pistolAmmoOnly, {"BlockHolstersProcOffset"}, {Hex{}, F("BlockHolstersProcNData"), F("BlockHolstersProcRData")}},
    {autoWeaponInProcedure, {"BlockHolstersProcOffset", 1, 17}, {L("00"), L("01")}},
    {autoWeaponAtJump, {"BlockHolstersJmpOffset", 1, 7}, {L("00"), L("01")}},

    {zeroOrNotAt<CustInv, &CustInv::Check1, 5>, {"ShotgunDivNSAmmoOffset"}, {F("ShotgunDivNSAmmoDefData"), F("ShotgunDivAmmoModData")}},
    {zeroOrNotAt<CustInv, &CustInv::Check1, 5>, {"ShotgunDivWSAmmoOffset"}, {F("ShotgunDivWSAmmoDefData"), F("ShotgunDivAmmoModData")}},

    {always, {"StartupHealthOffset"}, {C(valueOf<CustInv, &CustInv::Text2, 0, Word>)}},
    {always, {"StartupAirOffset"}, {C(valueOf<CustInv, &CustInv::Text2, 1, Word>)}},
    {always, {"StartupSprintOffset"}, {C(valueOf<CustInv, &CustInv::Text2, 2, Word>)}},

    // Pistol ammo pick-up: limited (the quantity and a no-op) or unlimited.
    {startUp<4>, {"PickPistolAmmo"}, {L("FFFF"), C(pistolPickUp)}},
    {startUp<4>, {"PickPistolAmmo", 1, -6}, {L("C7"), L("83")}},

    {always, {"PickShotgunNormalAmmo"}, {C(shotgunPickUp<6>)}},
    {always, {"PickShotgunWideAmmo"}, {C(shotgunPickUp<5>)}},
    {always, {"PickUZIAmmo"}, {C(valueOf<CustInv, &CustInv::Text1, 7, LeadingByte>)}},
    {always, {"PickRevolverAmmo"}, {C(valueOf<CustInv, &CustInv::Text1, 8, LeadingByte>)}},
    {always, {"PickXBowNormalAmmo"}, {C(valueOf<CustInv, &CustInv::Text1, 9, LeadingByte>)}},
    {always, {"PickXBowPoisonAmmo"}, {C(valueOf<CustInv, &CustInv::Text1, 10, LeadingByte>)}},
    {always, {"PickXBowExplAmmo"}, {C(valueOf<CustInv, &CustInv::Text1, 11, LeadingByte>)}},
    {always, {"PickGrenadeGunDefAmmo"}, {C(valueOf<CustInv, &CustInv::Text1, 3, LeadingByte>)}},
    {always, {"PickGrenadeNormalAmmo"}, {C(valueOf<CustInv, &CustInv::Text1, 13, LeadingByte>)}},
    {always, {"PickGrenadeSuperAmmo"}, {C(valueOf<CustInv, &CustInv::Text1, 14, LeadingByte>)}},
    {always, {"PickGrenadeFlashAmmo"}, {C(valueOf<CustInv, &CustInv::Text1, 15, LeadingByte>)}},
    {always, {"PickFlares"}, {C(valueOf<CustInv, &CustInv::Text1, 12, LeadingByte>)}},

    {always, {"SmallMedkitEffect"}, {C(valueOf<CustInv, &CustInv::Text2, 4, Word>)}},
    {always, {"SmallMedkitEffect2"}, {C(valueOf<CustInv, &CustInv::Text2, 4, Word>)}},
    {invChoice<&CustInv::Check3>, {"SmallMedkitInvert"}, {L("41"), L("69")}},
    {invChoice<&CustInv::Check3>, {"SmallMedkitInvert2"}, {L("47"), L("6F")}},

    {always, {"SecretsOffset"}, {C(secrets)}},

    {disableLoad, {"LoadInvItemOffset"}, {F("LoadShowDefault"), L("9090909090")}},
    {disableLoad, {"LoadHotkeyIntOffset"}, {L("74"), L("EB")}},
    {saveItem, {"SaveInvItemOffset"}, {F("SaveShowDefault"), L("9090909090"), L("9090909090")}},
    {saveHotkey, {"SaveHotkeyIntOffset"}, {L("74"), L("EB")}},

    {zeroOrNot<CustInv, &CustInv::Check9>, {"FixCompassBugOffset"}, {F("CompassCodzDefData"), F("CompassCodzModData")}},
    {zeroOrNot<CustInv, &CustInv::Check8>, {"DisableCompassCheatsOffset"}, {F("CompassCheatsDefData"), F("CompassCheatsModData")}},

    {always, {"ItemRotateSpeedOffset"}, {C(rotateSpeed<3>)}},
    {always, {"AmmoRotateSpeedOffset"}, {C(rotateSpeed<5>)}},
    {always, {"PickUpShowDurOffset"}, {C(valueOf<CustInv, &CustInv::Text2, 6, Word>)}},

    {invChoice<&CustInv::Check10>, {"SGSlotsOffset1"}, {F("SGSlotsDefData1"), F("SGSlotsModData1")}},
    {invChoice<&CustInv::Check10>, {"SGSlotsOffset2"}, {F("SGSlotsDefData2"), F("SGSlotsModData2")}},
    {invChoice<&CustInv::Check10>, {"SGSlotsSquashOffset"}, {F("SGSlotsDefData3"), F("SGSlotsModData3")}},
    {invChoice<&CustInv::Check10>, {"SGSlotsMoveOffset1"}, {L("0E"), L("17")}},
    {invChoice<&CustInv::Check10>, {"SGSlotsMoveOffset2"}, {L("0E"), L("17")}},

    {always, {"MagicWordOffset1"}, {C(magicLetter<0>)}},
    {always, {"MagicWordOffset2"}, {C(magicLetter<1>)}},
    {always, {"MagicWordOffset3"}, {C(magicLetter<2>)}},
    {always, {"MagicWordOffset4"}, {C(magicLetter<3>)}},
};

}  // namespace

void WriteInventory(platform::RandomAccessFile& file) {
  WriteRows(file, ui::Forms::get<Form1>(), kRows);
}

}  // namespace olvex::customizers
