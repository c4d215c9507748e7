// The camera dialog's settings keys (scope "camera").
#include "customizers/camera/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using shell::Conversion;

template <int I>
constexpr shell::TextBoxOf box = keys::textAt<&CustCamera::Text1, I>();
using keys::check;

const shell::KeyRow kCameraKeys[] = {
    {"normcameradist", Conversion::Number, box<2>},
    {"normcamerafollowspeed", Conversion::Number, box<1>},
    {"normcameratop", Conversion::Text, box<4>},
    {"lookbattlecameradist", Conversion::Text, box<0>},
    {"changefov", Conversion::Check, check<&CustCamera::Check1>()},
    {"fov", Conversion::Number, box<3>},
    {"addonbattlecameray", Conversion::Number, box<5>},
    {"lockfreecamera", Conversion::Check, check<&CustCamera::Check10>()},
    {"stickfreecamera", Conversion::Check, check<&CustCamera::Check9>()},
    {"unifybattlecamera", Conversion::Check, check<&CustCamera::Check2>()},
};

}  // namespace

void RegisterCameraKeys() { shell::RegisterKeys(shell::Scope::Camera, kCameraKeys); }

}  // namespace olvex::customizers
