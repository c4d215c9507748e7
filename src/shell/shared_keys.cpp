#include "shell/shared_keys.h"

#include "shell/config_state.h"
#include "shell/settings_keys.h"
#include "shell/shared_tables.h"

namespace olvex::shell {

SharedKeyHooks SharedHooks;

namespace {

template <class Hook, class... Args>
void call(const Hook& hook, const Args&... args) {
  if (hook) hook(args...);
}

void setVersion(const Converted& v) { CfgVersion = v.text; }
void setFogBulbRange(const Converted& v) { FogBulbRange = static_cast<std::int32_t>(v.number); }
std::string getFogBulbRange() { return NumberText(FogBulbRange); }

template <double* Flag>
void setAmmoFlag(const Converted& v) { *Flag = v.number; }
template <std::uint8_t* Flag>
void setAmmoByte(const Converted& v) { *Flag = static_cast<std::uint8_t>(v.number); }
template <auto* Flag>
std::string getFlag() { return NumberText(*Flag); }
void crossbowLetters() { call(SharedHooks.crossbowLetters, RefreshCrossbowLetters()); }
void grenadeLetters() { call(SharedHooks.grenadeLetters, RefreshGrenadeLetters()); }

template <int Index>
void setEnemyFlag(const Converted& v) { EnemyFlags[Index] = static_cast<std::uint8_t>(v.number); }
template <int Index>
std::string getEnemyFlag() { return NumberText(EnemyFlags[Index]); }
// The pictures follow every flag key; entries 14 and 15 have no key of their own and follow
// Demigod1Flag.
void enemyPictures() { call(SharedHooks.enemyFlagsApplied); }
void demigodFollowers() {
  EnemyFlags[14] = EnemyFlags[15] = 5;
  enemyPictures();
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
    {"fogbulbrange", Conversion::Integer, Setter{&setFogBulbRange, &getFogBulbRange}},
};

constexpr KeyRow kWeaponRows[] = {
    {"xbownormflag", Conversion::Number, Setter{&setAmmoFlag<&XBowNormFlag>, &getFlag<&XBowNormFlag>}},
    {"xbowpoisonflag", Conversion::Number, Setter{&setAmmoFlag<&XBowPoisonFlag>, &getFlag<&XBowPoisonFlag>}},
    {"xbowexplosiveflag", Conversion::Byte, Setter{&setAmmoByte<&XBowExplFlag>, &getFlag<&XBowExplFlag>}, &crossbowLetters},
    {"grennormflag", Conversion::Number, Setter{&setAmmoFlag<&GrenNormFlag>, &getFlag<&GrenNormFlag>}},
    {"grensupaflag", Conversion::Number, Setter{&setAmmoFlag<&GrenSupaFlag>, &getFlag<&GrenSupaFlag>}},
    {"grenflshflag", Conversion::Byte, Setter{&setAmmoByte<&GrenFlshFlag>, &getFlag<&GrenFlshFlag>}, &grenadeLetters},
};

constexpr KeyRow kEnemyFlagRows[] = {
    {"skeletonflag", Conversion::Byte, Setter{&setEnemyFlag<0>, &getEnemyFlag<0>}, &enemyPictures},
    {"baddy1flag", Conversion::Byte, Setter{&setEnemyFlag<1>, &getEnemyFlag<1>}, &enemyPictures},
    {"baddy2flag", Conversion::Byte, Setter{&setEnemyFlag<2>, &getEnemyFlag<2>}, &enemyPictures},
    {"scorpionflag", Conversion::Byte, Setter{&setEnemyFlag<3>, &getEnemyFlag<3>}, &enemyPictures},
    {"mummyflag", Conversion::Byte, Setter{&setEnemyFlag<4>, &getEnemyFlag<4>}, &enemyPictures},
    {"knighttemplarflag", Conversion::Byte, Setter{&setEnemyFlag<5>, &getEnemyFlag<5>}, &enemyPictures},
    {"sphinxflag", Conversion::Byte, Setter{&setEnemyFlag<6>, &getEnemyFlag<6>}, &enemyPictures},
    {"sethaflag", Conversion::Byte, Setter{&setEnemyFlag<7>, &getEnemyFlag<7>}, &enemyPictures},
    {"horsemenflag", Conversion::Byte, Setter{&setEnemyFlag<8>, &getEnemyFlag<8>}, &enemyPictures},
    {"hammerheadflag", Conversion::Byte, Setter{&setEnemyFlag<9>, &getEnemyFlag<9>}, &enemyPictures},
    {"crocodileflag", Conversion::Byte, Setter{&setEnemyFlag<10>, &getEnemyFlag<10>}, &enemyPictures},
    {"mutantflag", Conversion::Byte, Setter{&setEnemyFlag<11>, &getEnemyFlag<11>}, &enemyPictures},
    {"guidehpflag", Conversion::Byte, Setter{&setEnemyFlag<12>, &getEnemyFlag<12>}, &enemyPictures},
    {"demigod1flag", Conversion::Byte, Setter{&setEnemyFlag<13>, &getEnemyFlag<13>}, &demigodFollowers},
    {"troopsflag", Conversion::Byte, Setter{&setEnemyFlag<16>, &getEnemyFlag<16>}, &enemyPictures},
    {"sasflag", Conversion::Byte, Setter{&setEnemyFlag<17>, &getEnemyFlag<17>}, &enemyPictures},
    {"harpyflag", Conversion::Byte, Setter{&setEnemyFlag<18>, &getEnemyFlag<18>}, &enemyPictures},
    {"wildboarflag", Conversion::Byte, Setter{&setEnemyFlag<19>, &getEnemyFlag<19>}, &enemyPictures},
    {"dogflag", Conversion::Byte, Setter{&setEnemyFlag<20>, &getEnemyFlag<20>}, &enemyPictures},
    {"ahmetflag", Conversion::Byte, Setter{&setEnemyFlag<21>, &getEnemyFlag<21>}, &enemyPictures},
    {"baboonflag", Conversion::Byte, Setter{&setEnemyFlag<22>, &getEnemyFlag<22>}, &enemyPictures},
    {"batflag", Conversion::Byte, Setter{&setEnemyFlag<23>, &getEnemyFlag<23>}, &enemyPictures},
    {"bigbeetleflag", Conversion::Byte, Setter{&setEnemyFlag<24>, &getEnemyFlag<24>}, &enemyPictures},
    {"voncroyflag", Conversion::Byte, Setter{&setEnemyFlag<25>, &getEnemyFlag<25>}, &enemyPictures},
    {"smallscorpionflag", Conversion::Byte, Setter{&setEnemyFlag<26>, &getEnemyFlag<26>}, &enemyPictures},
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
