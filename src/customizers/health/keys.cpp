// The health dialog's settings keys (scope "larahp").
#include "customizers/health/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using shell::Conversion;

template <int I>
constexpr shell::TextBoxOf byteBox = keys::textAt<&CustLaraHP::Text1, I>();
template <int I>
constexpr shell::TextBoxOf wordBox = keys::textAt<&CustLaraHP::Text2, I>();
using keys::check;

constexpr Conversion B = Conversion::OldByte;
constexpr Conversion W = Conversion::OldWord;

const shell::KeyRow kHealthKeys[] = {
    {"noairleakage", B, byteBox<0>},
    {"onfireleakage", B, byteBox<1>},
    {"inspikesleakage", B, byteBox<2>},
    {"inprongleakage", Conversion::Number, byteBox<25>},
    {"insteamleakage", B, byteBox<3>},
    {"indartsleakage", B, byteBox<23>},
    {"baddyuzidmg", Conversion::OldHex, byteBox<4>},
    {"sasmachinegundmg", Conversion::OldHex, byteBox<18>},
    {"turretdmg", Conversion::OldHex, byteBox<20>},
    {"batdmg", B, byteBox<6>},
    {"crocodileuwdmg", B, byteBox<9>},
    {"crocodilelanddmg", B, byteBox<19>},
    {"locustdmg", B, byteBox<8>},
    {"mummydmg", B, byteBox<11>},
    {"baddysworddmg", B, byteBox<7>},
    {"smallscorpiondmg", B, byteBox<5>},
    {"dogdmg", B, byteBox<16>},
    {"skeletondmg1", B, byteBox<12>},
    {"skeletondmg2", B, byteBox<13>},
    {"wildboardmg", B, byteBox<24>},
    {"harpydmg", B, byteBox<10>},
    {"scorpiondmg", B, byteBox<15>},
    {"hammerheaddmg", B, byteBox<17>},
    {"knighttemplardmg", B, byteBox<21>},
    {"bigbeetledmg", B, byteBox<22>},
    {"sphinxdmg", W, wordBox<6>},
    {"setattack1dmgparameter", W, wordBox<8>},
    {"setattack2dmg", W, wordBox<7>},
    {"littlebeetledisp", Conversion::Text, wordBox<5>},
    {"magicattackdivider", Conversion::Text, byteBox<14>},
    {"disabledragonlocuts", Conversion::Check, check<&CustLaraHP::Check1>()},
    {"fixsasgrenades", Conversion::Check, check<&CustLaraHP::Check2>()},
    {"sasgrendamage", Conversion::Number, byteBox<26>},
    {"sasgrenthresh", Conversion::Number, byteBox<27>},
    {"sasgrenfastkill", Conversion::Check, check<&CustLaraHP::Check3>()},
    {"sasgrenblow", Conversion::Check, check<&CustLaraHP::Check4>()},
};

}  // namespace

void RegisterHealthKeys() { shell::RegisterKeys(shell::Scope::LaraHP, kHealthKeys); }

}  // namespace olvex::customizers
