// The credits editor's settings keys (scope "creds").
#include "customizers/cust_credits.h"
#include "customizers/dialog_keys.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using shell::CheckBoxOf;
using shell::OptionOf;
using shell::TextBoxOf;
using C = shell::Conversion;

void recalcCounters() { ui::Forms::get<CustCredits>().RecalcCounters(); }

const shell::KeyRow kCreditsKeys[] = {
    {"creditslinechars", C::Number, TextBoxOf{&shell::control<CustCredits, &CustCredits::Text2>}, &recalcCounters},
    {"normcreditseffectid", C::Number, TextBoxOf{&shell::element<CustCredits, &CustCredits::Text3, 0>}},
    {"scriptedcreditseffectid", C::Number, TextBoxOf{&shell::element<CustCredits, &CustCredits::Text3, 1>}},
    {"normcreditsalign", C::Option, OptionOf{&shell::control<CustCredits, &CustCredits::Option1>}},
    {"scriptedcreditsalign", C::Option, OptionOf{&shell::control<CustCredits, &CustCredits::Option2>}},
    {"donotusescript", C::Check, CheckBoxOf{&shell::control<CustCredits, &CustCredits::Check1>}},
    {"creditsaudiotracknumber", C::Number, TextBoxOf{&shell::element<CustCredits, &CustCredits::Text4, 1>}},
    {"creditsleveljumpnumber", C::Number, TextBoxOf{&shell::element<CustCredits, &CustCredits::Text4, 2>}},
    {"fixcreditsflybybug", C::Check, CheckBoxOf{&shell::control<CustCredits, &CustCredits::Check2>}},
};

}  // namespace

void RegisterCreditsKeys() { shell::RegisterKeys(shell::Scope::Creds, kCreditsKeys); }

}  // namespace olvex::customizers
