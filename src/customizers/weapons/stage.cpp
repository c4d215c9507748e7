// The WEAPON stage: one table of rows in write order; where a later row writes inside an earlier
// one, the later bytes stay.
#include "customizers/weapons/dialog.h"

#include "customizers/frame/dialog_rows.h"
#include "patcher/value_paths.h"
#include "shell/number_text.h"
#include "shell/settings_keys.h"
#include "shell/shared_tables.h"

namespace olvex::customizers {

namespace {

using namespace rows;

using W = CustWeapons;

template <int I>
std::string byteOf(const Form1& f) { return valueOf<W, &W::Text5, I, Byte>(f); }
template <int I>
std::string wordOf(const Form1& f) { return valueOf<W, &W::Text5, I, Word>(f); }

template <auto Flag>
std::string flagByte(const Form1&) { return patcher::IntHex(shell::NumberText(*Flag), 2); }

std::string shotgunDispersion(const Form1&) { return SwappedHex4(ui::Forms::get<W>().Text5[11].text()); }

// A clear gun box removes the gun: value 0 writes no-ops, 1 the game's code.
template <auto Box>
int gunShown(const Form1& f) { return choice<W, Box>(f); }
template <auto Box>
int gunRemoved(const Form1&) { return (ui::Forms::get<W>().*Box).value() == 0 ? 0 : kNothing; }

// The flame tail needs the extended executable: base and jump in the standard (1) or remapped
// (2) memory variant, else the game's base code (0).
int flameTail(const Form1& f) {
  if (ui::Forms::get<W>().Check9.value() == 0 || f.Check9.value() != 1) return 0;
  return patcher::select::variant(f);
}
int flameTailJump(const Form1& f) { return flameTail(f) == 0 ? kNothing : flameTail(f); }

int safeLowSpeed(const Form1&) { return shell::Val(ui::Forms::get<W>().Text5[20].text()) > 256; }

const Row kRows[] = {
    {always, {"WeaponOffset", 1, 0}, {C(byteOf<2>)}},
    {always, {"WeaponOffset", 1, 5}, {C(byteOf<0>)}},
    {always, {"WeaponOffset", 1, 6}, {C(byteOf<1>)}},
    {always, {"WeaponOffset", 1, 7}, {C(byteOf<3>)}},
    {always, {"WeaponOffset", 1, 38}, {C(byteOf<8>)}},
    {always, {"WeaponOffset", 1, 43}, {C(byteOf<13>)}},
    {always, {"WeaponOffset", 1, 44}, {C(byteOf<9>)}},
    {always, {"WeaponOffset", 1, 45}, {C(byteOf<7>)}},
    {always, {"WeaponOffset", 1, 76}, {C(byteOf<5>)}},
    {always, {"WeaponOffset", 1, 81}, {C(byteOf<15>)}},
    {always, {"WeaponOffset", 1, 82}, {C(byteOf<6>)}},
    {always, {"WeaponOffset", 1, 83}, {C(byteOf<4>)}},
    {always, {"WeaponOffset", 1, 119}, {C(byteOf<14>)}},
    {always, {"WeaponOffset", 1, 121}, {C(byteOf<10>)}},
    {always, {"XBowNormalOffset"}, {C(byteOf<18>)}},
    // Crossbow poison damage: the changing code carries the damage in its last byte.
    {test<W, &W::Check1>, {"PoisonDamageModOffset"}, {F("XBowDataDefault"), F("XBowDataMod")}},
    {whenChecked<W, &W::Check1>, {"PoisonDamageModOffset", 1, 4}, {Hex{}, C(byteOf<17>)}},
    {always, {"ExplosiveDamageOffset"}, {C(byteOf<16>)}},
    {always, {"ShotgunDispOffset"}, {C(shotgunDispersion)}},
    {always, {"ShotgunShotAmountOffset"}, {C(byteOf<19>)}},
    {always, {"XBowFlySpeedOffset"}, {C(wordOf<20>)}},
    {always, {"XBowNormFlagOffset"}, {C(flagByte<&shell::XBowNormFlag>)}},
    {always, {"XBowPoisonFlagOffset"}, {C(flagByte<&shell::XBowPoisonFlag>)}},
    {always, {"XBowExplosiveFlagOffset"}, {C(flagByte<&shell::XBowExplFlag>)}},
    {always, {"GrenadeTimeoutOffset"}, {C(wordOf<21>)}},
    {always, {"GrenadeTimeoutOffset2"}, {C(wordOf<21>)}},
    {always, {"GrenNormFlagOffset"}, {C(flagByte<&shell::GrenNormFlag>)}},
    {always, {"GrenSupaFlagOffset"}, {C(flagByte<&shell::GrenSupaFlag>)}},
    {always, {"GrenFlshFlagOffset"}, {C(flagByte<&shell::GrenFlshFlag>)}},
    // The shotgun's flash mesh; its position lies inside the procedure written just before.
    {choice<W, &W::Check2>, {"GunflashDefProcOffset"}, {F("GunflashDefProcDefData"), F("GunflashDefProcModData")}},
    {choice<W, &W::Check2>, {"GunflashNearJumpOffset"}, {F("GunflashNearJumpDefData"), F("GunflashNearJumpModData")}},
    {choice<W, &W::Check2>, {"GunflashExtProcOffset"}, {F("GunflashExtProcDefData"), F("GunflashExtProcModData")}},
    {whenChecked<W, &W::Check2>, {"GunflashExtProcOffset", 1, 10}, {Hex{}, C(wordOf<22>)}},
    {whenChecked<W, &W::Check2>, {"GunflashExtProcOffset", 1, 17}, {Hex{}, C(wordOf<23>)}},
    {always, {"SGSmokePuffPosYOffset"}, {C(byteOf<24>)}},
    {always, {"PistolsTargDistOffset"}, {C(wordOf<25>)}},
    {always, {"UzisTargDistOffset"}, {C(wordOf<27>)}},
    {always, {"RevolverTargDistOffset"}, {C(wordOf<28>)}},
    {always, {"ShotgunTargDistOffset"}, {C(wordOf<29>)}},
    {always, {"GrenGunTargOffset"}, {C(wordOf<30>)}},
    {always, {"XBowTargOffset"}, {C(wordOf<31>)}},
    {always, {"GrenadeLaunchPowerOffset"}, {C(wordOf<33>)}},
    {always, {"GrenadeWeightOffset"}, {C(byteOf<32>)}},
    {choice<W, &W::Check5>, {"GrenadeOneTouchOffset"}, {F("GrenadeOneTouchDefData"), F("GrenadeOneTouchModData")}},
    {choice<W, &W::Check4>, {"GrenadeRotationOffset"}, {F("GrenadeRotationDefData"), F("GrenadeRotationModData")}},
    {gunShown<&W::Check6>, {"RemoveLeftGunflashOffset"}, {F("VolFXModData"), F("LeftGunFlashDefData")}},
    {gunShown<&W::Check6>, {"RemoveLeftBulletOffset"}, {F("VolFXModData"), F("LeftGunBulletDefData")}},
    {gunShown<&W::Check6>, {"RemoveLeftCasingOffset"}, {F("VolFXModData"), F("LeftGunCasingDefData")}},
    {gunRemoved<&W::Check6>, {"PistolSmokeDurLeftOffset"}, {L("00")}},
    {gunShown<&W::Check7>, {"RemoveRiteGunflashOffset"}, {F("VolFXModData"), F("RiteGunFlashDefData")}},
    {gunShown<&W::Check7>, {"RemoveRiteBulletOffset"}, {F("VolFXModData"), F("RiteGunBulletDefData")}},
    {gunShown<&W::Check7>, {"RemoveRiteCasingOffset"}, {F("VolFXModData"), F("RiteGunCasingDefData")}},
    {gunRemoved<&W::Check7>, {"PistolSmokeDurRiteOffset"}, {L("00")}},
    {flameTail, {"XBowFlametailBaseOffset"}, {F("XBowFlametailBaseDefData"), F("XBowFlametailBaseModNData"), F("XBowFlametailBaseModRData")}},
    {flameTailJump, {"XBowFlametailJmpOffset"}, {Hex{}, F("XBowFlametailJmpNData"), F("XBowFlametailJmpRData")}},
    {safeLowSpeed, {"XBowSafeLowOffset"}, {L("1002"), L("E400")}},
};

}  // namespace

void WriteWeapons(platform::RandomAccessFile& file) { WriteRows(file, ui::Forms::get<Form1>(), kRows); }

}  // namespace olvex::customizers
