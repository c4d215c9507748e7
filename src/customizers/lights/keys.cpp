// The lights dialog's settings keys (scope "lite").
#include "customizers/lights/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/number_text.h"
#include "shell/settings_keys.h"
#include "shell/text_case.h"

namespace olvex::customizers {

namespace {

using C = shell::Conversion;

CustLite& lite() { return ui::Forms::get<CustLite>(); }

template <int I>
constexpr shell::TextBoxOf text1 = keys::textAt<&CustLite::Text1, I>();
using keys::check;
using keys::option;

// A value whose leading number is a list entry's number selects that entry ("5" gives "05");
// any other value is kept as it stands.
void setBinocularRange(const shell::Converted& v) {
  ui::ComboBox& combo = lite().Combo1;
  std::string text = v.text;
  std::size_t first = v.text.find_first_not_of(' ');
  bool numeric = first != std::string::npos && shell::IsDigit(v.text[first]);
  for (int i = 0; numeric && i < combo.listCount(); ++i)
    if (shell::Val(combo.list(i)) == v.number) text = combo.list(i);
  combo.setText(text);
}
std::string binocularRange() { return lite().Combo1.text(); }

const shell::KeyRow kLiteKeys[] = {
    {"dynlightpower", C::Scroll, shell::ScrollBarOf{&shell::control<CustLite, &CustLite::HScroll4>}},
    {"pistolflasharea", C::OldHex, text1<0>},
    {"revolverflasharea", C::OldHex, text1<2>},
    {"shotgunflasharea", C::OldHex, text1<3>},
    {"flameemitter1area", C::OldHex, text1<1>},
    {"flarecolour", C::Option, option<&CustLite::Option1>()},
    {"flarelifetime", C::Number, text1<13>},
    {"binocsrange", C::Text, shell::Setter{&setBinocularRange, &binocularRange}},
    {"disableblinkflare", C::Check, check<&CustLite::Check8>()},
    {"disablemotoheadlight", C::Check, check<&CustLite::Check1>()},
    {"amberlightcolour", C::Option, option<&CustLite::Option2>()},
    {"amberlighteffectivearea", C::Number, text1<7>},
    {"amberlightfadespeed", C::Number, text1<8>},
    {"blinkinglightr", C::Number, text1<26>},
    {"blinkinglightg", C::Number, text1<25>},
    {"blinkinglightb", C::Number, text1<24>},
    {"blinkinglightduration", C::Number, text1<5>},
    {"blinkinglightinterval", C::Number, text1<4>},
    {"blinkinglighteffectivearea", C::Number, text1<6>},
    {"replaceblinkingwithalarm", C::Check, check<&CustLite::Check2>()},
    {"blinkingshowmesh", C::Check, check<&CustLite::Check4>()},
    {"blinkingpos1", C::Number, text1<9>},
    {"blinkingpos2", C::Number, text1<10>},
    {"blinkingpos3", C::Number, text1<11>},
    {"alarmradius", C::Number, text1<12>},
};

}  // namespace

void RegisterLightsKeys() { shell::RegisterKeys(shell::Scope::Lite, kLiteKeys); }

}  // namespace olvex::customizers
