// The limits dialog's settings keys (scope "limits").
#include "customizers/limits/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using shell::Conversion;

template <int I>
constexpr shell::TextBoxOf field = keys::textAt<&CustLimits::Text2, I>();

const shell::KeyRow kLimitsKeys[] = {
    {"maxhpbarvalue", Conversion::OldHex, field<0>},
    {"rawhpbarrange", Conversion::Text, field<3>},
    {"divider", Conversion::Text, field<4>},
    {"medkitshplimiter", Conversion::OldHex, field<1>},
    {"criticalhpthresh", Conversion::OldHex, field<2>},
    {"maxapbarvalue", Conversion::Number, field<5>},
    {"rawapbarrange", Conversion::Text, field<6>},
    {"apdivider", Conversion::Text, field<7>},
    {"airrestorationrate", Conversion::Number, field<8>},
    {"criticalapthresh", Conversion::Number, field<9>},
    {"maxspbarvalue", Conversion::Number, field<10>},
    {"rawspbarrange", Conversion::Text, field<12>},
    {"spbardivider", Conversion::Text, field<11>},
    {"nitrodrainrate", Conversion::Number, field<13>},
};

}  // namespace

void RegisterLimitsKeys() { shell::RegisterKeys(shell::Scope::Limits, kLimitsKeys); }

}  // namespace olvex::customizers
