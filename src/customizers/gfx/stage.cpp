// GFX1: the graphics dialog's lightning, blood, smoke, blend colours, waterfall and sky values.
#include "customizers/gfx/dialog.h"

#include "customizers/frame/dialog_rows.h"
#include "customizers/frame/stage_vocabulary.h"
#include "customizers/weapons/dialog.h"
#include "patcher/value_paths.h"

namespace olvex::customizers {

namespace {

using namespace stage;

const std::string& text1(int i) { return ui::Forms::get<CustGfx>().Text1[i].text(); }

// A byte of Text1(I) as two hex digits.
template <int I>
constexpr patcher::Hex hex1() { return C(&rows::valueOf<CustGfx, &CustGfx::Text1, I, rows::Hex2>); }
template <ui::TextBox CustGfx::*Box>
constexpr patcher::Hex hex() { return C(&rows::boxValue<CustGfx, Box, rows::Hex2>); }
template <ui::TextBox CustGfx::*Box>
constexpr patcher::Hex swapped() { return C(&rows::boxValue<CustGfx, Box, rows::SwappedHex4>); }

// Two boxes of one byte each, first box first.
template <int First, int Second>
std::string pair(const Form1&) { return rows::Hex2(text1(First)) + rows::Hex2(text1(Second)); }

// Blue, green, red (and alpha) boxes as bytes in that order.
std::string colourOf(int b, int g, int r) { return rows::Byte(text1(b)) + rows::Byte(text1(g)) + rows::Byte(text1(r)); }
template <int B, int G, int R>
std::string colour(const Form1&) { return colourOf(B, G, R); }
template <int B, int G, int R, int A>
std::string colourAlpha(const Form1&) { return colourOf(B, G, R) + rows::Byte(text1(A)); }

// The override colour follows the location's own opcode byte, then padding.
template <int K>
std::string overrideColour(const Form1&) {
  return patcher::Field("WColourOverrideModData" + std::to_string(K)) + colourOf(32, 33, 34) + "009090";
}

// The weapons dialog's "right gun" and "left gun": pistol smoke only for a gun that stays.
constexpr auto rightGun = &rows::choice<CustWeapons, &CustWeapons::Check7>;
constexpr auto leftGun = &rows::choice<CustWeapons, &CustWeapons::Check6>;

template <ui::CheckBox CustGfx::*Box>
constexpr auto choice = &rows::choice<CustGfx, Box>;

const Row kGfx1Rows[] = {
    {always, At{"LightingRaw1Offset"}, {C(&pair<0, 1>)}},
    {always, At{"LightingRaw2Offset"}, {C(&pair<2, 3>)}},
    {always, At{"LightingRaw3Offset"}, {C(&pair<4, 5>)}},
    {always, At{"LightingDispOffset"}, {hex<&CustGfx::Text2>()}},
    {always, At{"LightingRangOffset"}, {hex<&CustGfx::Text3>()}},
    {always, At{"ConductorDispOffset"}, {hex<&CustGfx::Text13>()}},
    {always, At{"ConductorSizeOffset"}, {hex<&CustGfx::Text14>()}},
    {always, At{"RicoColourOffset"}, {C(&colour<8, 7, 6>)}},
    {&rows::test<CustGfx, &CustGfx::Check1>, At{"LightingNoCSOffset"}, {L("00"), L("01")}},
    {always, At{"BloodSizeOffset"}, {hex<&CustGfx::Text9>()}},
    {always, At{"BloodIntensityOffset"}, {hex<&CustGfx::Text5>()}},
    {always, At{"BloodLifetimeOffset"}, {hex<&CustGfx::Text6>()}},
    {always, At{"BloodSpreadXOffset"}, {hex<&CustGfx::Text7>()}},
    {always, At{"BloodSpreadYOffset"}, {hex<&CustGfx::Text8>()}},
    {always, At{"GFXRandFactorOffset"}, {swapped<&CustGfx::Text4>()}},
    {always, At{"LightingSizeOffset"}, {hex<&CustGfx::Text10>()}},
    {always, At{"GunflashColourOffset"}, {C(&colour<9, 10, 11>)}},
    {rightGun, At{"PistolSmokeDurRiteOffset"}, {L("00"), hex1<12>()}},
    {leftGun, At{"PistolSmokeDurLeftOffset"}, {L("00"), hex1<12>()}},
    {always, At{"RevolSmokeDurOffset"}, {hex1<13>()}},
    {always, At{"LightingCoreColourOffset"}, {C(&colourAlpha<27, 28, 29, 30>)}},
    {always, At{"WallpaperColourOffset"}, {C(&colour<16, 15, 14>)}},
    {always, At{"WaterdropsColourOffset"}, {C(&colour<17, 18, 19>)}},
    {always, At{"ShadowColourOffset"}, {C(&colourAlpha<20, 21, 22, 23>)}},
    {always, At{"FadeoutColourOffset"}, {C(&colour<24, 25, 26>)}},
    {choice<&CustGfx::Check3>, At{"WPGradTopOffset#", 6}, {L("FF"), L("00")}},
    {choice<&CustGfx::Check2>, At{"WPGradBottomOffset#", 6}, {L("FF"), L("00")}},
    {choice<&CustGfx::Check4>, At{"WColourOverrideOffset1"}, {F("WColourOverrideDefData1"), C(&overrideColour<1>)}},
    {choice<&CustGfx::Check4>, At{"WColourOverrideOffset2"}, {F("WColourOverrideDefData2"), C(&overrideColour<2>)}},
    {choice<&CustGfx::Check4>, At{"WColourOverrideOffset3"}, {F("WColourOverrideDefData3"), C(&overrideColour<3>)}},
    {choice<&CustGfx::Check4>, At{"WColourOverrideOffset4"}, {F("WColourOverrideDefData4"), C(&overrideColour<4>)}},
    // The box is read strictly: a text that is no number ends the pass.
    {always, At{"WFallScrollSpeedOffset"}, {C(&rows::valueOf<CustGfx, &CustGfx::Text1, 31, rows::NegByte>)}},
    {always, At{"SkyDirOffset"}, {swapped<&CustGfx::Text11>()}},
    {choice<&CustGfx::Check5>, At{"BloodOpaqueRGBOffset"}, {L("000000"), C(&colour<37, 36, 35>)}},
    {choice<&CustGfx::Check5>, At{"BloodOpaqueOffset"}, {L("02"), L("01")}},
    {always, At{"BloodSpeedOffset"}, {hex<&CustGfx::Text12>()}},
};

}  // namespace

void WriteGfx1(platform::RandomAccessFile& file) {
  patcher::WriteRows(file, ui::Forms::get<shell::Form1>(), kGfx1Rows);
}

}  // namespace olvex::customizers
