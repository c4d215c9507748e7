// The FONTS stage: one table of rows in write order.
#include "customizers/fonts/dialog.h"

#include "customizers/fonts/window_title.h"
#include "customizers/frame/align_codes.h"
#include "customizers/frame/stage_vocabulary.h"
#include "patcher/value_paths.h"
#include "patcher/write_rows.h"
#include "shell/form1.h"

namespace olvex::customizers {

namespace {

using namespace stage;

CustFonts& fonts() { return ui::Forms::get<CustFonts>(); }

std::string byteHex(int i) { return patcher::IntHex(fonts().Text1[i].text(), 2); }

// Font colours are stored red first.
template <int Red, int Green, int Blue>
std::string colour(const Form1&) { return byteHex(Red) + byteHex(Green) + byteHex(Blue); }
template <int I>
std::string byte1(const Form1&) { return byteHex(I); }

const std::string& title() { return fonts().Text1[kTitleIndex].text(); }
std::string windowTitle(const Form1&) { return WindowTitleHex(title()); }
std::string setupTitle(const Form1&) { return SetupTitleHex(title()); }

int always(const Form1&) { return 0; }
// An empty title leaves the game's own title in place.
int titled(const Form1&) { return title().empty() ? patcher::kNothing : 0; }
// The alignment list's text: left, center, right; any other text writes nothing.
int alignment(const Form1&) {
  const CustFonts& f = fonts();
  const std::string& text = f.Combo1[0].text();
  if (text == f.AlignLeft) return 0;
  if (text == f.AlignCenter) return 1;
  if (text == f.AlignRight) return 2;
  return patcher::kNothing;
}

const Row kRows[] = {
    {always, {"MainColourOffset"}, {C(colour<0, 1, 2>)}},
    {always, {"MainColourOffset", 1, 4}, {C(colour<3, 4, 5>)}},
    {always, {"OptionTitleOffset"}, {C(colour<6, 7, 8>)}},
    {always, {"OptionTitleOffset", 1, 4}, {C(colour<11, 10, 9>)}},
    {always, {"InventoryTitleOffset"}, {C(colour<12, 13, 14>)}},
    {always, {"InventoryTitleOffset", 1, 4}, {C(colour<17, 16, 15>)}},
    {always, {"InventoryItemOffset"}, {C(colour<24, 23, 22>)}},
    {always, {"InventoryItemOffset", 1, 4}, {C(colour<19, 20, 21>)}},
    {always, {"LegendDispTimeOffset"}, {C(byte1<18>)}},
    {always, {"NewGameEffectOffset"}, {C(byte1<25>)}},
    {always, {"LoadGameEffectOffset"}, {C(byte1<26>)}},
    {always, {"OptsEffectOffset"}, {C(byte1<27>)}},
    {always, {"ExitEffectOffset"}, {C(byte1<28>)}},
    {alignment, {"NewGameAlignOffset"}, kAlignCodes},
    {alignment, {"LoadGameAlignOffset"}, kAlignCodes},
    {alignment, {"OptsAlignOffset"}, kAlignCodes},
    {alignment, {"ExitAlignOffset"}, kAlignCodes},
    {titled, {"WindowTitleOffset"}, {C(windowTitle)}},
    {titled, {"SetupTitleOffset"}, {C(setupTitle)}},
};

}  // namespace

void WriteFonts(platform::RandomAccessFile& file) { patcher::WriteRows(file, ui::Forms::get<Form1>(), kRows); }

}  // namespace olvex::customizers
