// The graphics 2 dialog's settings keys (scope "gfx2"); the fog unit family is one of the shared
// key families.
#include "customizers/gfx2/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"


namespace olvex::customizers {

namespace {

using C = shell::Conversion;

template <int I>
constexpr shell::TextBoxOf text1 = keys::textAt<&CustGfx2::Text1, I>();
template <int I>
constexpr shell::TextBoxOf text2 = keys::textAt<&CustGfx2::Text2, I>();
using keys::check;

const shell::KeyRow kGfx2Keys[] = {
    {"fireballspritesize", C::Text, text1<4>},
    {"fireballduration", C::Text, text1<5>},
    {"fireballdispersion", C::Text, text1<7>},
    {"blastradius", C::Text, text1<6>},
    {"blasttimeout", C::Text, text2<1>},
    {"blastsize", C::Text, text2<3>},
    {"sparkleamount", C::Text, text1<1>},
    {"sparklefalloffdelay", C::Text, text1<0>},
    {"sparklespriteinitsize", C::Text, text1<3>},
    {"sparklespriteid", C::Text, text1<2>},
    {"flybybarsheight", C::Text, text1<9>},
    {"flybybarsspeed", C::Text, text1<10>},
    {"animtextinterval", C::Number, text1<8>},
    {"waternoisespeed", C::Number, text1<41>},
    {"uwdustmaxamount", C::Text, text1<11>},
    {"uwdustmeltspeed", C::Text, text1<12>},
    {"uwdustsize", C::Number, text1<27>},
    {"uwdustspriteid", C::Number, text1<28>},
    {"uwdustxflow", C::Number, text1<32>},
    {"uwdustyflow", C::Number, text1<33>},
    {"unifyamount", C::Check, check<&CustGfx2::Check1>()},
    {"fadeoutsspeed", C::Number, text1<14>},
    {"fadeoutsduration", C::Number, text1<13>},
    {"m.i.s.t.mainr", C::Number, text1<18>},
    {"m.i.s.t.maing", C::Number, text1<19>},
    {"m.i.s.t.mainb", C::Number, text1<20>},
    {"m.i.s.t.corer", C::Number, text1<26>},
    {"m.i.s.t.coreg", C::Number, text1<25>},
    {"m.i.s.t.coreb", C::Number, text1<24>},
    {"m.i.s.t.size", C::Number, text1<21>},
    {"m.i.s.t.density", C::Number, text1<22>},
    {"m.i.s.t.amount", C::Number, text1<23>},
    {"sprinkleramount", C::Number, text1<29>},
    {"sprinklergravity", C::Number, text1<30>},
    {"sprinklerspread", C::Number, text1<31>},
    {"sprinklercolourr", C::Number, text1<36>},
    {"sprinklercolourg", C::Number, text1<35>},
    {"sprinklercolourb", C::Number, text1<34>},
    {"sprinklerarch", C::Number, text1<42>},
    {"sprinklerloopforever", C::Check, check<&CustGfx2::Check2>()},
    {"sparklecoreintensity", C::Number, text1<40>},
    {"sparklecolred", C::Number, text1<39>},
    {"sparklecolgreen", C::Number, text1<38>},
    {"sparklecolblue", C::Number, text1<37>},
};

}  // namespace

void RegisterGfx2Keys() { shell::RegisterKeys(shell::Scope::Gfx2, kGfx2Keys); }

}  // namespace olvex::customizers
