// The sound dialog's settings keys (scope "sound").
#include "customizers/sound/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using shell::Conversion;

using keys::check;
using keys::textAt;

const shell::KeyRow kSoundKeys[] = {
    {"fixuwdoorbug", Conversion::Check, check<&CustSnd::Check5>()},
    {"uwdoorbugsoundid", Conversion::OldHex, textAt<&CustSnd::Text5, 18>()},
    {"fixnoammobug", Conversion::Check, check<&CustSnd::Check7>()},
    {"noammobugsoundid", Conversion::OldHex, textAt<&CustSnd::Text5, 0>()},
    {"samplerate", Conversion::Scroll, shell::ScrollBarOf{&shell::control<CustSnd, &CustSnd::HScroll3>}},
    {"extendaudiotracks", Conversion::Check, check<&CustSnd::Check1>()},
    {"changeloopedrange", Conversion::Check, check<&CustSnd::Check2>()},
    {"loopedmarker", Conversion::Number, textAt<&CustSnd::Text1, 0>()},
    {"insidejeeptrack", Conversion::Number, textAt<&CustSnd::Text1, 2>()},
    {"insidejeeptrackdisable", Conversion::Check, check<&CustSnd::Check3>()},
    {"outsidejeeptrack", Conversion::Number, textAt<&CustSnd::Text1, 3>()},
    {"outsidejeeptrackdisable", Conversion::Check, check<&CustSnd::Check4>()},
    {"secrettrack", Conversion::Number, textAt<&CustSnd::Text1, 4>()},
    {"secrettrackdisable", Conversion::Check, check<&CustSnd::Check8>()},
    {"extendsamplesize", Conversion::Check, check<&CustSnd::Check6>()},
    {"enablericochetsound", Conversion::Check, check<&CustSnd::Check9>()},
};

}  // namespace

void RegisterSoundKeys() { shell::RegisterKeys(shell::Scope::Snd, kSoundKeys); }

}  // namespace olvex::customizers
