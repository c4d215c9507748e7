// The credits editor's settings keys (scope "creds").
#include "customizers/credits/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using keys::box;
using keys::check;
using keys::option;
using keys::textAt;
using C = shell::Conversion;

void recalcCounters() { ui::Forms::get<CustCredits>().RecalcCounters(); }

const shell::KeyRow kCreditsKeys[] = {
    {"creditslinechars", C::Number, box<&CustCredits::Text2>(), &recalcCounters},
    {"normcreditseffectid", C::Number, textAt<&CustCredits::Text3, 0>()},
    {"scriptedcreditseffectid", C::Number, textAt<&CustCredits::Text3, 1>()},
    {"normcreditsalign", C::Option, option<&CustCredits::Option1>()},
    {"scriptedcreditsalign", C::Option, option<&CustCredits::Option2>()},
    {"donotusescript", C::Check, check<&CustCredits::Check1>()},
    {"creditsaudiotracknumber", C::Number, textAt<&CustCredits::Text4, 1>()},
    {"creditsleveljumpnumber", C::Number, textAt<&CustCredits::Text4, 2>()},
    {"fixcreditsflybybug", C::Check, check<&CustCredits::Check2>()},
};

}  // namespace

void RegisterCreditsKeys() { shell::RegisterKeys(shell::Scope::Creds, kCreditsKeys); }

}  // namespace olvex::customizers
