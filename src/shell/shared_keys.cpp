#include "shell/shared_keys.h"

#include "shell/config_state.h"
#include "shell/settings_keys.h"
#include "shell/shared_tables.h"

namespace olvex::shell {

SharedKeyHooks SharedHooks;

namespace {

// Enemy flag pictures are the bitmaps 1 to 6 (flag code + 1).
constexpr int kLastPictureFlag = 5;

template <class Hook, class... Args>
void call(const Hook& hook, const Args&... args) {
  if (hook) hook(args...);
}

void setVersion(const Converted& v) { CfgVersion = v.text; }
void setFogBulbRange(const Converted& v) { FogBulbRange = static_cast<std::int32_t>(v.number); }

template <double* Flag>
void setAmmoFlag(const Converted& v) { *Flag = v.number; }
template <std::uint8_t* Flag>
void setAmmoByte(const Converted& v) { *Flag = static_cast<std::uint8_t>(v.number); }
void crossbowLetters() { call(SharedHooks.crossbowLetters, RefreshCrossbowLetters()); }
void grenadeLetters() { call(SharedHooks.grenadeLetters, RefreshGrenadeLetters()); }

template <int Index>
void setEnemyFlag(const Converted& v) { EnemyFlags[Index] = static_cast<std::uint8_t>(v.number); }
// Entries 14 and 15 have no key of their own; they follow Demigod1Flag.
void demigodFollowers() { EnemyFlags[14] = EnemyFlags[15] = 5; }
void enemyPictures() {
  for (auto flag : EnemyFlags)
    if (flag > kLastPictureFlag)
      throw SettingsKeyError("enemy flag " + std::to_string(flag) + " has no picture");
  call(SharedHooks.enemyFlagsApplied);
}

void applyFogUnit(int index, std::string_view value) {
  ParseFogUnit(value, index);
  call(SharedHooks.fogUnitsApplied);
}
void applyCombo(int index, std::string_view value) {
  ParseCombo(value, index);
  call(SharedHooks.combosApplied);
}

constexpr KeyRow kMainRows[] = {
    {"version", Conversion::Text, Setter{&setVersion}},
    {"fogbulbrange", Conversion::Integer, Setter{&setFogBulbRange}},
};

constexpr KeyRow kWeaponRows[] = {
    {"xbownormflag", Conversion::Number, Setter{&setAmmoFlag<&XBowNormFlag>}},
    {"xbowpoisonflag", Conversion::Number, Setter{&setAmmoFlag<&XBowPoisonFlag>}},
    {"xbowexplosiveflag", Conversion::Byte, Setter{&setAmmoByte<&XBowExplFlag>}, &crossbowLetters},
    {"grennormflag", Conversion::Number, Setter{&setAmmoFlag<&GrenNormFlag>}},
    {"grensupaflag", Conversion::Number, Setter{&setAmmoFlag<&GrenSupaFlag>}},
    {"grenflshflag", Conversion::Byte, Setter{&setAmmoByte<&GrenFlshFlag>}, &grenadeLetters},
};

constexpr KeyRow kEnemyFlagRows[] = {
    {"skeletonflag", Conversion::Byte, Setter{&setEnemyFlag<0>}},
    {"baddy1flag", Conversion::Byte, Setter{&setEnemyFlag<1>}},
    {"baddy2flag", Conversion::Byte, Setter{&setEnemyFlag<2>}},
    {"scorpionflag", Conversion::Byte, Setter{&setEnemyFlag<3>}},
    {"mummyflag", Conversion::Byte, Setter{&setEnemyFlag<4>}},
    {"knighttemplarflag", Conversion::Byte, Setter{&setEnemyFlag<5>}},
    {"sphinxflag", Conversion::Byte, Setter{&setEnemyFlag<6>}},
    {"sethaflag", Conversion::Byte, Setter{&setEnemyFlag<7>}},
    {"horsemenflag", Conversion::Byte, Setter{&setEnemyFlag<8>}},
    {"hammerheadflag", Conversion::Byte, Setter{&setEnemyFlag<9>}},
    {"crocodileflag", Conversion::Byte, Setter{&setEnemyFlag<10>}},
    {"mutantflag", Conversion::Byte, Setter{&setEnemyFlag<11>}},
    {"guidehpflag", Conversion::Byte, Setter{&setEnemyFlag<12>}},
    {"demigod1flag", Conversion::Byte, Setter{&setEnemyFlag<13>}, &demigodFollowers},
    {"troopsflag", Conversion::Byte, Setter{&setEnemyFlag<16>}},
    {"sasflag", Conversion::Byte, Setter{&setEnemyFlag<17>}},
    {"harpyflag", Conversion::Byte, Setter{&setEnemyFlag<18>}},
    {"wildboarflag", Conversion::Byte, Setter{&setEnemyFlag<19>}},
    {"dogflag", Conversion::Byte, Setter{&setEnemyFlag<20>}},
    {"ahmetflag", Conversion::Byte, Setter{&setEnemyFlag<21>}},
    {"baboonflag", Conversion::Byte, Setter{&setEnemyFlag<22>}},
    {"batflag", Conversion::Byte, Setter{&setEnemyFlag<23>}},
    {"bigbeetleflag", Conversion::Byte, Setter{&setEnemyFlag<24>}},
    {"voncroyflag", Conversion::Byte, Setter{&setEnemyFlag<25>}},
    {"smallscorpionflag", Conversion::Byte, Setter{&setEnemyFlag<26>}, &enemyPictures},
};

}  // namespace

void RegisterSharedKeys() {
  RegisterKeys(Scope::Main, kMainRows);
  RegisterKeys(Scope::Weapons, kWeaponRows);
  RegisterKeys(Scope::Enemy, kEnemyFlagRows);
  RegisterKeyFamily(Scope::Gfx2, {"fogunit", 7, &applyFogUnit});
  RegisterKeyFamily(Scope::Items, {"combo", 6, &applyCombo});
}

}  // namespace olvex::shell
