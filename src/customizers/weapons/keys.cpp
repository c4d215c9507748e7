// The weapons dialog's settings keys (scope "weapons").
#include "customizers/weapons/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

template <int I>
constexpr shell::TextBoxOf text5 = keys::textAt<&CustWeapons::Text5, I>();
using keys::check;

using C = shell::Conversion;

// The ammo flags' rows live with the shared tables.
const shell::KeyRow kKeys[] = {
    {"pistoldamage", C::OldHex, text5<0>},
    {"pistolrate", C::OldHex, text5<1>},
    {"pistoldisp", C::OldHex, text5<2>},
    {"pistolflash", C::OldHex, text5<3>},
    {"uzidamage", C::OldHex, text5<15>},
    {"uzirate", C::OldHex, text5<6>},
    {"uzidisp", C::OldHex, text5<5>},
    {"uziflash", C::OldHex, text5<4>},
    {"revoldamage", C::OldHex, text5<13>},
    {"revolrate", C::OldHex, text5<9>},
    {"revoldisp", C::OldHex, text5<8>},
    {"revolflash", C::OldHex, text5<7>},
    {"shotgundamage", C::OldHex, text5<14>},
    {"shotgunflash", C::OldHex, text5<10>},
    {"xbowdamage", C::OldHex, text5<18>},
    {"xbowpoisondamage", C::OldHex, text5<17>},
    {"explosivedamage", C::OldHex, text5<16>},
    {"enablepoisondamagechanging", C::Check, check<&CustWeapons::Check1>()},
    {"xbowflyspeed", C::OldHex, text5<20>},
    {"xbowflametail", C::Check, check<&CustWeapons::Check9>()},
    {"shotgundisp", C::Text, text5<11>},
    {"shotgunshotamount", C::OldHex, text5<19>},
    {"grenadetimeout", C::Number, text5<21>},
    {"reviveshotgunflash", C::Check, check<&CustWeapons::Check2>()},
    {"sgflashxpos", C::Number, text5<22>},
    {"sgflashypos", C::Number, text5<23>},
    {"sgsmokepuffypos", C::Number, text5<24>},
    {"pistolstargetdistance", C::Number, text5<25>},
    {"uzistargetdistance", C::Number, text5<27>},
    {"revolvertargetdistance", C::Number, text5<28>},
    {"shotguntargetdistance", C::Number, text5<29>},
    {"grenadeguntargetdistance", C::Number, text5<30>},
    {"xbowtargetdistance", C::Number, text5<31>},
    {"grenadeweight", C::Number, text5<32>},
    {"grenadelaunchpower", C::Number, text5<33>},
    {"disablegrenaderotation", C::Check, check<&CustWeapons::Check4>()},
    {"forceonetouchgrenade", C::Check, check<&CustWeapons::Check5>()},
    {"removeleftgun", C::Check, check<&CustWeapons::Check6>()},
    {"removerightgun", C::Check, check<&CustWeapons::Check7>()},
    {"disableautoweapon", C::Check, check<&CustWeapons::Check8>()},
};

}  // namespace

void RegisterWeaponsKeys() { shell::RegisterKeys(shell::Scope::Weapons, kKeys); }

}  // namespace olvex::customizers
