// The graphics dialog's settings keys (scope "gfx").
#include "customizers/gfx/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using C = shell::Conversion;

template <int I>
constexpr shell::TextBoxOf text1 = keys::textAt<&CustGfx::Text1, I>();
using keys::box;
using keys::check;

// Colours without a "Version" line were written in hex.
const shell::KeyRow kGfxKeys[] = {
    {"lightingraw1", C::Text, text1<0>},
    {"lightingraw2", C::Text, text1<1>},
    {"lightingraw3", C::Text, text1<2>},
    {"lightingraw4", C::Text, text1<3>},
    {"lightingraw5", C::Text, text1<4>},
    {"lightingraw6", C::Text, text1<5>},
    {"lightingdisptime", C::Text, box<&CustGfx::Text2>()},
    {"lightingdisprange", C::Text, box<&CustGfx::Text3>()},
    {"lightingsize", C::Text, box<&CustGfx::Text10>()},
    {"lightingindirect", C::Check, check<&CustGfx::Check1>()},
    {"conductordispersion", C::Text, box<&CustGfx::Text13>()},
    {"conductorcoronasize", C::Text, box<&CustGfx::Text14>()},
    {"ricoaddr", C::OldHex, text1<6>},
    {"ricoaddg", C::OldHex, text1<7>},
    {"ricoaddb", C::OldHex, text1<8>},
    {"bloodsize", C::Text, box<&CustGfx::Text9>()},
    {"bloodintensity", C::Text, box<&CustGfx::Text5>()},
    {"bloodlifetime", C::Text, box<&CustGfx::Text6>()},
    {"bloodspeed", C::Text, box<&CustGfx::Text12>()},
    {"bloodspreadx", C::Text, box<&CustGfx::Text7>()},
    {"bloodspready", C::Text, box<&CustGfx::Text8>()},
    {"bloodsetopaque", C::Check, check<&CustGfx::Check5>()},
    {"bloodopaquer", C::Number, text1<35>},
    {"bloodopaqueg", C::Number, text1<36>},
    {"bloodopaqueb", C::Number, text1<37>},
    {"gunflashaddr", C::OldHex, text1<11>},
    {"gunflashaddg", C::OldHex, text1<10>},
    {"gunflashaddb", C::OldHex, text1<9>},
    {"pistolsmokedur", C::Text, text1<12>},
    {"revolversmokedur", C::Text, text1<13>},
    {"gfxrandfactor", C::Text, box<&CustGfx::Text4>()},
    {"lightingcorecolourr", C::OldHex, text1<29>},
    {"lightingcorecolourg", C::OldHex, text1<28>},
    {"lightingcorecolourb", C::OldHex, text1<27>},
    {"lightingcorecoloura", C::OldHex, text1<30>},
    {"wallpaperaddr", C::OldHex, text1<14>},
    {"wallpaperaddg", C::OldHex, text1<15>},
    {"wallpaperaddb", C::OldHex, text1<16>},
    {"waterdropsaddr", C::OldHex, text1<19>},
    {"waterdropsaddg", C::OldHex, text1<18>},
    {"waterdropsaddb", C::OldHex, text1<17>},
    {"shadowr", C::OldHex, text1<22>},
    {"shadowg", C::OldHex, text1<21>},
    {"shadowb", C::OldHex, text1<20>},
    {"shadowa", C::OldHex, text1<23>},
    {"fadeoutr", C::OldHex, text1<26>},
    {"fadeoutg", C::OldHex, text1<25>},
    {"fadeoutb", C::OldHex, text1<24>},
    {"wfallscrollspeed", C::OldByte, text1<31>},
    {"skydir", C::Text, box<&CustGfx::Text11>()},
    {"wallpapergradtop", C::Check, check<&CustGfx::Check3>()},
    {"wallpapergradbottom", C::Check, check<&CustGfx::Check2>()},
    {"overridewallpapercolour", C::Check, check<&CustGfx::Check4>()},
    {"wallpapercolr", C::Number, text1<34>},
    {"wallpapercolg", C::Number, text1<33>},
    {"wallpapercolb", C::Number, text1<32>},
};

}  // namespace

void RegisterGfxKeys() { shell::RegisterKeys(shell::Scope::Gfx, kGfxKeys); }

}  // namespace olvex::customizers
