#include "shell/main_keys.h"

#include "shell/form1.h"
#include "shell/settings_keys.h"

namespace olvex::shell {

namespace {

template <auto Member>
constexpr TextBoxOf text() { return {&control<Form1, Member>}; }
template <auto Member>
constexpr CheckBoxOf check() { return {&control<Form1, Member>}; }
template <auto Member>
constexpr OptionOf option() { return {&control<Form1, Member>}; }

// Older configs: 0 leaves the ponytail intact, any other number selects the third option.
void setTwinPonytail(const Converted& v) {
  ui::Forms::get<Form1>().Option1[v.number == 0 ? 0 : 2].setValue(true);
}

void hangThreadFollowUp() { ui::Forms::get<Form1>().applyFE4041Save(); }

using C = Conversion;

const KeyRow kMainKeys[] = {
    {"drawingdistancerange", C::OldRange, text<&Form1::Text2>()},
    {"hardclippingrange", C::Number, text<&Form1::Text1>()},
    {"disablefogbulbcutoff", C::Check, check<&Form1::Check11>()},
    {"distantfogrange", C::OldRange, text<&Form1::Text3>()},
    {"clippingmode", C::Option, option<&Form1::Option2>()},
    {"turnoffdistdlimit", C::Check, check<&Form1::Check1>()},
    {"turnoffdistfog", C::Check, check<&Form1::Check2>()},
    {"removelooktransparency", C::Check, check<&Form1::Check3>()},
    {"disabledenemyland", C::Check, check<&Form1::Check4>()},
    {"disabledenemywatr", C::Check, check<&Form1::Check6>()},
    {"enabletwinponytail", C::Number, Setter{&setTwinPonytail}},
    {"ponytailmode", C::Option, option<&Form1::Option1>()},
    {"fixholsters", C::Check, check<&Form1::Check12>()},
    {"disablehangthread", C::Check, check<&Form1::Check14>(), &hangThreadFollowUp},
    {"disableenemylimit", C::Check, check<&Form1::Check15>()},
    {"relocatetargetbuffer", C::Check, check<&Form1::Check7>()},
    {"disablevertexlimit", C::Check, check<&Form1::Check17>()},
    {"forcevolfxoff", C::Check, check<&Form1::Check8>()},
    {"remapscenememory", C::Check, check<&Form1::Check5>()},
    {"disableflybylimit", C::Check, check<&Form1::Check18>()},
    {"remapparticlebuffer", C::Check, check<&Form1::Check20>()},
    {"enablebonuslevel", C::Check, check<&Form1::Check19>()},
    {"bonuslevelnumber", C::Number, text<&Form1::Text4>()},
    {"alternatelevelnumber", C::Number, text<&Form1::Text7>()},
    {"extendexesize", C::Check, check<&Form1::Check9>()},
    {"disablestaticlimit", C::Check, check<&Form1::Check10>()},
    {"extendsavegame", C::Check, check<&Form1::Check21>()},
};

}  // namespace

void RegisterMainKeys() { RegisterKeys(Scope::Main, kMainKeys); }

}  // namespace olvex::shell
