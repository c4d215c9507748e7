// The objects dialog's settings keys (scope "obj").
#include "customizers/objects/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using shell::Conversion;

template <int I>
constexpr shell::TextBoxOf box = keys::textAt<&CustObj::Text1, I>();
using keys::check;
constexpr Conversion N = Conversion::Number;
constexpr Conversion C = Conversion::Check;

const shell::KeyRow kObjectKeys[] = {
    {"spikestimer", N, box<0>},
    {"2bpdepressdistance", N, box<4>},
    {"2bpdepressspeed", N, box<5>},
    {"2bprepressspeed", N, box<6>},
    {"2bpfixvisibility", C, check<&CustObj::Check5>()},
    {"prongspikesstretchspeed", N, box<1>},
    {"normalspikesretractionspeed", N, box<11>},
    {"2bpinvertit", C, check<&CustObj::Check1>()},
    {"2bpinvertittoo", C, check<&CustObj::Check4>()},
    {"dartsinterval", N, box<12>},
    {"dartsspeed", N, box<13>},
    {"dartscolourr", N, box<15>},
    {"dartscolourg", N, box<16>},
    {"dartscolourb", N, box<17>},
    {"raisingblockheight", N, box<2>},
    {"raiseanimspeed", N, box<3>},
    {"fallinblocktimer", N, box<7>},
    {"fallinblocktremble", N, box<8>},
    {"sqyishytimer", N, box<14>},
    {"sqyishyextendtimer", C, check<&CustObj::Check2>()},
    {"sqyishytremble", N, box<18>},
    {"sqyishynotremble", C, check<&CustObj::Check3>()},
    {"bouldergravity", N, box<10>},
    {"slicerdicerspeed", N, box<9>},
    {"slicerdicerradius", N, box<19>},
    {"conductorinterval", N, box<20>},
    {"raiselinkfakeheight", C, check<&CustObj::Check6>()},
    {"1bpenable", C, check<&CustObj::Check10>()},
    {"1bpdepressdistance", N, box<21>},
    {"1bpdepressspeed", N, box<22>},
    {"1bprepressspeed", N, box<23>},
    {"1bpinvertit", C, check<&CustObj::Check9>()},
    {"1bpinvertittoo", C, check<&CustObj::Check8>()},
};

}  // namespace

void RegisterObjectKeys() { shell::RegisterKeys(shell::Scope::Obj, kObjectKeys); }

}  // namespace olvex::customizers
