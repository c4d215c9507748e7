// The physics dialog's settings keys (scope "physics").
#include "customizers/physics/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using shell::Conversion;
using shell::element;
using shell::control;

template <int I>
constexpr shell::TextBoxOf turn = keys::textAt<&CustPhys::Text2, I>();
template <int I>
constexpr shell::TextBoxOf number = keys::textAt<&CustPhys::Text1, I>();
using keys::check;

constexpr Conversion T = Conversion::Text;

const shell::KeyRow kPhysicsKeys[] = {
    {"rotongroundfrontleft", T, turn<1>},   {"rotongroundfrontright", T, turn<2>},
    {"rotongroundbackleft", T, turn<5>},    {"rotongroundbackright", T, turn<6>},
    {"inairfrontleft", T, turn<7>},         {"inairfrontright", T, turn<8>},
    {"swimspeed", T, turn<10>},             {"rotstandleft", T, turn<4>},
    {"rotstandright", T, turn<9>},          {"rotswingstillleft", T, turn<13>},
    {"rotswingstillright", T, turn<12>},    {"rotswingmoveleft", T, turn<11>},
    {"rotswingmoveright", T, turn<14>},     {"duckstop1left", T, turn<18>},
    {"duckstop1right", T, turn<29>},        {"duckstop2left", T, turn<30>},
    {"duckstop2right", T, turn<17>},        {"duckmoveforwardleft", T, turn<16>},
    {"duckmoveforwardright", T, turn<27>},  {"duckmovebackleft", T, turn<28>},
    {"duckmovebackright", T, turn<15>},     {"ropeleft", T, turn<23>},
    {"roperight", T, turn<20>},             {"poleleft", T, turn<19>},
    {"poleright", T, turn<24>},             {"shellgravity", Conversion::OldHex, number<1>},
    {"donotexplodemotorbike", Conversion::Check, check<&CustPhys::Check1>()},
    {"donotexplodejeep", Conversion::Check, check<&CustPhys::Check2>()},
    {"swimrotleft", T, turn<0>},            {"swimrotright", T, turn<3>},
    {"killclimbdelay", Conversion::Check, check<&CustPhys::Check3>()},
    {"jumpgravity", Conversion::Number, number<2>},
    {"fallingdamage", Conversion::Number, number<3>},
};

}  // namespace

void RegisterPhysicsKeys() { shell::RegisterKeys(shell::Scope::Phys, kPhysicsKeys); }

}  // namespace olvex::customizers
