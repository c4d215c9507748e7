// The bar dialog's settings keys (scope "bars").
#include "customizers/bars/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using C = shell::Conversion;

template <int I>
constexpr shell::TextBoxOf text1 = keys::textAt<&CustBars::Text1, I>();
template <int I>
constexpr shell::TextBoxOf text2 = keys::textAt<&CustBars::Text2, I>();
using keys::check;

const shell::KeyRow kBarsKeys[] = {
    {"critbarblinkspeed", C::Number, text2<11>},
    {"hmaincolourr", C::OldHex, text1<0>},
    {"hmaincolourg", C::OldHex, text1<1>},
    {"hmaincolourb", C::OldHex, text1<2>},
    {"hfadecolourr", C::OldHex, text1<3>},
    {"hfadecolourg", C::OldHex, text1<4>},
    {"hfadecolourb", C::OldHex, text1<5>},
    {"hpoisoncolourr", C::OldHex, text1<24>},
    {"hpoisoncolourg", C::OldHex, text1<25>},
    {"hpoisoncolourb", C::OldHex, text1<26>},
    {"hwidth", C::OldHex, text2<0>},
    {"hheight", C::OldHex, text2<1>},
    {"hhide", C::Check, check<&CustBars::Check1>()},
    {"hanim", C::Check, check<&CustBars::Check5>()},
    {"amaincolourr", C::OldHex, text1<11>},
    {"amaincolourg", C::OldHex, text1<10>},
    {"amaincolourb", C::OldHex, text1<9>},
    {"afadecolourr", C::OldHex, text1<8>},
    {"afadecolourg", C::OldHex, text1<7>},
    {"afadecolourb", C::OldHex, text1<6>},
    {"awidth", C::OldHex, text2<3>},
    {"aheight", C::OldHex, text2<2>},
    {"aleft", C::OldHex, text2<9>},
    {"ahide", C::Check, check<&CustBars::Check2>()},
    {"aanim", C::Check, check<&CustBars::Check6>()},
    {"smaincolourr", C::OldHex, text1<17>},
    {"smaincolourg", C::OldHex, text1<16>},
    {"smaincolourb", C::OldHex, text1<15>},
    {"sfadecolourr", C::OldHex, text1<14>},
    {"sfadecolourg", C::OldHex, text1<13>},
    {"sfadecolourb", C::OldHex, text1<12>},
    {"swidth", C::OldHex, text2<5>},
    {"sheight", C::OldHex, text2<4>},
    {"sleft", C::OldHex, text2<10>},
    {"shide", C::Check, check<&CustBars::Check3>()},
    {"sanim", C::Check, check<&CustBars::Check7>()},
    {"lmaincolourr", C::OldHex, text1<18>},
    {"lmaincolourg", C::OldHex, text1<19>},
    {"lmaincolourb", C::OldHex, text1<20>},
    {"lfadecolourr", C::OldHex, text1<21>},
    {"lfadecolourg", C::OldHex, text1<22>},
    {"lfadecolourb", C::OldHex, text1<23>},
    {"lwidth", C::OldHex, text2<6>},
    {"lheight", C::OldHex, text2<7>},
    {"lleft", C::OldHex, text2<8>},
    {"lhide", C::Check, check<&CustBars::Check4>()},
    {"sndbarmaincolourr", C::OldHex, text1<29>},
    {"sndbarmaincolourg", C::OldHex, text1<28>},
    {"sndbarmaincolourb", C::OldHex, text1<27>},
    {"sndbarfadecolourr", C::OldHex, text1<32>},
    {"sndbarfadecolourg", C::OldHex, text1<31>},
    {"sndbarfadecolourb", C::OldHex, text1<30>},
    {"sndbarabocolourr", C::OldHex, text1<35>},
    {"sndbarabocolourg", C::OldHex, text1<34>},
    {"sndbarabocolourb", C::OldHex, text1<33>},
    {"musbarmaincolourr", C::OldHex, text1<38>},
    {"musbarmaincolourg", C::OldHex, text1<37>},
    {"musbarmaincolourb", C::OldHex, text1<36>},
    {"musbarfadecolourr", C::OldHex, text1<41>},
    {"musbarfadecolourg", C::OldHex, text1<40>},
    {"musbarfadecolourb", C::OldHex, text1<39>},
    {"musbarabocolourr", C::OldHex, text1<44>},
    {"musbarabocolourg", C::OldHex, text1<43>},
    {"musbarabocolourb", C::OldHex, text1<42>},
    {"pbocolourr", C::OldHex, text1<47>},
    {"pbocolourg", C::OldHex, text1<46>},
    {"pbocolourb", C::OldHex, text1<45>},
    {"staticbarsstyle", C::Option, keys::option<&CustBars::Option1>()},
    {"barbordercolorr", C::Number, text1<50>},
    {"barbordercolorg", C::Number, text1<49>},
    {"barbordercolorb", C::Number, text1<48>},
};

}  // namespace

void RegisterBarsKeys() { shell::RegisterKeys(shell::Scope::Bars, kBarsKeys); }

}  // namespace olvex::customizers
