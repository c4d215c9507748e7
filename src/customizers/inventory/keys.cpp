// The inventory dialog's settings keys (scope "inventory").
#include "customizers/inventory/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

template <int I>
constexpr shell::TextBoxOf text1 = keys::textAt<&CustInv::Text1, I>();
template <int I>
constexpr shell::TextBoxOf text2 = keys::textAt<&CustInv::Text2, I>();
template <int I>
constexpr shell::CheckBoxOf check1 = keys::checkAt<&CustInv::Check1, I>();
using keys::check;

void pistolSwitches() { ui::Forms::get<CustInv>().followPistolSwitches(); }

using C = shell::Conversion;

const shell::KeyRow kKeys[] = {
    {"disableinventory", C::Check, check<&CustInv::Check7>()},
    {"disableload", C::Check, check<&CustInv::Check5>()},
    {"disablesave", C::Check, check<&CustInv::Check6>()},
    {"secrets", C::Number, text1<4>},
    {"defgetpistols", C::Check, check1<0>},
    {"defgetbinoculars", C::Check, check1<1>},
    {"defgetcrowbar", C::Check, check1<2>},
    {"defbigmedkits", C::Number, text1<0>},
    {"defsmallmedkits", C::Number, text1<1>},
    {"defflares", C::Number, text1<2>},
    {"seperateamount", C::Check, check<&CustInv::Check2>()},
    {"disableunlpistammolabel", C::Check, check1<4>},
    {"removepistolammo", C::Check, check1<3>},
    {"replacepistolswithammo", C::Check, check<&CustInv::Check4>()},
    {"startuppistolammo", C::Number, text1<17>},
    {"disableshotgunammodivider", C::Check, check1<5>},
    {"startuphealth", C::OldHex, text2<0>},
    {"startupair", C::OldHex, text2<1>},
    {"startupsprint", C::OldHex, text2<2>},
    {"pistolammo", C::Number, text1<16>},
    {"shotgunnormalammo", C::Number, text1<6>},
    {"shotgunwideammo", C::Number, text1<5>},
    {"uziammo", C::Number, text1<7>},
    {"revolverammo", C::Number, text1<8>},
    {"xbownormalammo", C::Number, text1<9>},
    {"xbowpoisonammo", C::Number, text1<10>},
    {"xbowexplosiveammo", C::Number, text1<11>},
    {"grenadegundefammo", C::Number, text1<3>},
    {"grenadenormalammo", C::Number, text1<13>},
    {"grenadesuperammo", C::Number, text1<14>},
    {"grenadeflashammo", C::Number, text1<15>},
    {"flares", C::Number, text1<12>},
    {"smallmedieffect", C::OldHex, text2<4>},
    {"invertsmallmedieffect", C::Check, check<&CustInv::Check3>()},
    {"fixcompassbug", C::Check, check<&CustInv::Check9>()},
    {"disablecompasscheats", C::Check, check<&CustInv::Check8>()},
    {"itemrotatespeed", C::Text, text2<3>},
    {"ammorotatespeed", C::Text, text2<5>},
    {"pickupshowdur", C::Number, text2<6>, &pistolSwitches},
    {"addsavegameslots", C::Check, check<&CustInv::Check10>()},
    {"flycheatmagicword", C::First4, {keys::box<&CustInv::Text3>()}},
};

}  // namespace

void RegisterInventoryKeys() { shell::RegisterKeys(shell::Scope::Inv, kKeys); }

}  // namespace olvex::customizers
