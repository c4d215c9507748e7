// The fonts dialog's settings keys (scope "fonts").
#include "customizers/fonts/dialog.h"

#include "customizers/fonts/window_title.h"
#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using C = shell::Conversion;

template <int I>
constexpr shell::TextBoxOf text1 = keys::textAt<&CustFonts::Text1, I>();

void setWindowTitle(const shell::Converted& v) {
  ui::Forms::get<CustFonts>().Text1[kTitleIndex].setText(StoredTitle(v.text));
}
std::string windowTitle() { return ui::Forms::get<CustFonts>().Text1[kTitleIndex].text(); }

const shell::KeyRow kFontsKeys[] = {
    {"mainfontmaincolourr", C::OldHex, text1<0>},
    {"mainfontmaincolourg", C::OldHex, text1<1>},
    {"mainfontmaincolourb", C::OldHex, text1<2>},
    {"mainfontfadecolourr", C::OldHex, text1<3>},
    {"mainfontfadecolourg", C::OldHex, text1<4>},
    {"mainfontfadecolourb", C::OldHex, text1<5>},
    {"optsfontmaincolourr", C::OldHex, text1<6>},
    {"optsfontmaincolourg", C::OldHex, text1<7>},
    {"optsfontmaincolourb", C::OldHex, text1<8>},
    {"optsfontfadecolourr", C::OldHex, text1<11>},
    {"optsfontfadecolourg", C::OldHex, text1<10>},
    {"optsfontfadecolourb", C::OldHex, text1<9>},
    {"invtfontmaincolourr", C::OldHex, text1<12>},
    {"invtfontmaincolourg", C::OldHex, text1<13>},
    {"invtfontmaincolourb", C::OldHex, text1<14>},
    {"invtfontfadecolourr", C::OldHex, text1<17>},
    {"invtfontfadecolourg", C::OldHex, text1<16>},
    {"invtfontfadecolourb", C::OldHex, text1<15>},
    {"itemfontmaincolourr", C::OldHex, text1<24>},
    {"itemfontmaincolourg", C::OldHex, text1<23>},
    {"itemfontmaincolourb", C::OldHex, text1<22>},
    {"itemfontfadecolourr", C::OldHex, text1<19>},
    {"itemfontfadecolourg", C::OldHex, text1<20>},
    {"itemfontfadecolourb", C::OldHex, text1<21>},
    {"legenddisptime", C::OldHex, text1<18>},
    {"windowtitle", C::Text, shell::Setter{&setWindowTitle, &windowTitle}},
    {"mainmenunewgameeffectid", C::Number, text1<25>},
    {"mainmenuloadgameeffectid", C::Number, text1<26>},
    {"mainmenuoptseffectid", C::Number, text1<27>},
    {"mainmenuexiteffectid", C::Number, text1<28>},
    {"mainmenualign", C::List, shell::ListIndexOf{&shell::element<CustFonts, &CustFonts::Combo1, 0>}},
};

}  // namespace

void RegisterFontsKeys() { shell::RegisterKeys(shell::Scope::Fonts, kFontsKeys); }

}  // namespace olvex::customizers
