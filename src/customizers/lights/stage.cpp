// LIGHT: the lights dialog's intensity, areas, binoculars range, flare, headlight, amber and
// blinking lights.
#include "customizers/lights/dialog.h"

#include <iterator>

#include "customizers/frame/dialog_rows.h"
#include "customizers/frame/stage_vocabulary.h"
#include "patcher/value_paths.h"
#include "shell/number_text.h"
#include "shell/settings_keys.h"
#include "shell/version_table.h"

namespace olvex::customizers {

namespace {

using namespace stage;

CustLite& lite() { return ui::Forms::get<CustLite>(); }

// A text of a read-out or list and the bytes it writes.
struct TextBytes {
  std::string_view text;
  std::string_view hex;
};
constexpr TextBytes kIntensities[] = {
    {"0", "00000000"},         {"0.0009...", "7395713A"}, {"0.0019...", "28DDFB3A"}, {"0.0029...", "CB773F3B"},
    {"0.0039...", "8180803B"}, {"0.0049...", "1D45A13B"}, {"0.0059...", "B909C23B"}, {"0.0069...", "54CEE23B"},
    {"0.0079...", "78C9013C"}, {"0.0089...", "C62B123C"}, {"0.0099...", "148E223C"}, {"0.0109...", "61F0323C"},
};
// The high half of the range as a single: 20480 also for an empty box.
constexpr TextBytes kBinocularRanges[] = {
    {"00", "0000"}, {"05", "9D45"}, {"10", "1D46"}, {"20", "A046"}, {"", "A046"}, {"25", "BC46"}, {"30", "EB46"},
    {"40", "1D47"}, {"50", "4447"}, {"60", "6B47"}, {"70", "8947"}, {"80", "9D47"}, {"90", "B047"},
};
constexpr std::string_view kAmberPatterns[] = {"", "515051", "505151", "505051", "505150", "515050", "515151"};

// The bytes of a text found in a table; a text outside it writes nothing.
template <const auto& Table>
const TextBytes* lookUp(const std::string& text) {
  for (const TextBytes& row : Table)
    if (row.text == text) return &row;
  return nullptr;
}
int intensityKnown(const Form1&) { return lookUp<kIntensities>(lite().Text4.text()) ? 0 : kNothing; }
std::string intensity(const Form1&) { return std::string(lookUp<kIntensities>(lite().Text4.text())->hex); }
int rangeKnown(const Form1&) { return lookUp<kBinocularRanges>(lite().Combo1.text()) ? 0 : kNothing; }
std::string range(const Form1&) { return std::string(lookUp<kBinocularRanges>(lite().Combo1.text())->hex); }

// Flare colour set: Def for option 0, Mod for option 1, Red for any other or none; entry K.
template <int K>
std::string flareColour(const Form1&) {
  const auto& set = lite().Option1[0].value()   ? shell::FlareColourDef
                    : lite().Option1[1].value() ? shell::FlareColourMod
                                                : shell::FlareColourRed;
  if (set[K].empty()) throw patcher::PassError("the version section lacks flare colour " + std::to_string(K));
  return set[K];
}
template <int K>
constexpr Hex flare() { return C(&flareColour<K>); }
// Flare lifetime in ticks: 30 a second.
double ticks() { return shell::Val(lite().Text1[13].text()) * 30; }
std::string wordOf(double v) { return rows::Word(shell::NumberText(v)); }
std::string lifetime(const Form1&) { return wordOf(ticks()); }
std::string lifetimeLess90(const Form1&) { return wordOf(ticks() - 90); }
std::string lifetimeLess24(const Form1&) { return wordOf(ticks() - 24); }
// The one strict read of the stage: a box that holds no number ends the pass.
std::string inverseLifetime(const Form1&) {
  double t = patcher::StrictValue(lite().Text1[13].text()) * 30;
  return patcher::IntHex(shell::NumberText(24 - t), 8);
}

int amberSet(const Form1&) { return lite().Option2[0].value() ? 0 : 1; }
int amberPatternShown(const Form1&) {
  if (lite().Option2[0].value()) return kNothing;
  for (int i = 1; i < static_cast<int>(std::size(kAmberPatterns)); ++i)
    if (lite().Option2[i].value()) return 0;
  return kNothing;
}
std::string amberPattern(const Form1&) {
  for (int i = 1; i < static_cast<int>(std::size(kAmberPatterns)); ++i)
    if (lite().Option2[i].value()) return std::string(kAmberPatterns[i]);
  return {};
}

// The blinking light combined with the alarm light needs the extended executable.
bool combined(const Form1& f) { return f.Check9.value() == 1 && lite().Check2.value() == 1; }
// Jumps: value 0 plain, 1 combined in the standard layout, 2 combined in the remapped one.
int jumps(const Form1& f) { return combined(f) ? patcher::select::variant(f) : 0; }
int timing(const Form1& f) { return combined(f); }

template <int I>
constexpr Hex byte1() { return C(&rows::valueOf<CustLite, &CustLite::Text1, I, rows::Byte>); }
template <int I>
constexpr Hex word1() { return C(&rows::valueOf<CustLite, &CustLite::Text1, I, rows::Word>); }
template <ui::CheckBox CustLite::*Box>
constexpr auto choice = &rows::choice<CustLite, Box>;

const Row kLightRows[] = {
    {intensityKnown, At{"DLiteIntOffset"}, {C(&intensity)}},
    {always, At{"PistolFlashPowerOffset"}, {byte1<0>()}},
    {always, At{"RevolverFlashPowerOffset"}, {byte1<2>()}},
    {always, At{"ShotgunFlashPowerOffset"}, {byte1<3>()}},
    {always, At{"FlameEmitter1PowerOffset"}, {byte1<1>()}},
    {rangeKnown, At{"BinocRangeOffset"}, {C(&range)}},
    {always, At{"FlareColourOffset1"}, {flare<1>()}},
    {always, At{"FlareColourOffset2"}, {flare<2>()}},
    {always, At{"FlareColourOffset3"}, {flare<3>()}},
    {always, At{"FlareColourOffset4"}, {flare<4>()}},
    {always, At{"FlareColourOffset5"}, {flare<5>()}},
    {always, At{"FlareColourOffset6"}, {flare<6>()}},
    {always, At{"FlareColourOffset7"}, {flare<7>()}},
    {always, At{"FlareColourOffset8"}, {flare<6>()}},
    {always, At{"FlareColourOffset9"}, {flare<8>()}},
    {always, At{"FlareColourOffset10"}, {flare<9>()}},
    {always, At{"FlareColourOffset11"}, {flare<9>()}},
    {always, At{"FlareColourOffset12"}, {flare<9>()}},
    {choice<&CustLite::Check8>, At{"BLOffset"}, {F("BLData"), L("9090909090")}},
    {always, At{"FlareLifetimeOffset#", 4}, {C(&lifetime)}},
    {always, At{"FlareLifetime2Offset"}, {C(&lifetimeLess90)}},
    {always, At{"FlareLifetime3Offset"}, {C(&lifetimeLess24)}},
    {always, At{"FlareLifetimeInvOffset"}, {C(&inverseLifetime)}},
    {choice<&CustLite::Check1>, At{"MotorbikeHeadlightOffset"}, {L("83"), L("C3")}},
    {choice<&CustLite::Check1>, At{"MotorbikeLightMeshOffset"}, {F("MotorbikeLightDefData"), F("MotorbikeLightModData")}},
    {always, At{"AmberLightFadeOffset"}, {C(&rows::valueOf<CustLite, &CustLite::Text1, 8, rows::LenientNegWord>)}},
    {always, At{"AmberLightOffset", 1, 10}, {byte1<7>()}},
    {amberSet, At{"AmberLightOffset"}, {F("AmberLightColourDefData"), F("AmberLightColourModData")}},
    {amberPatternShown, At{"AmberLightOffset", 1, 3}, {C(&amberPattern)}},
    {always, At{"BlinkLightColAreaOffset", 1, 0}, {byte1<24>()}},
    {always, At{"BlinkLightColAreaOffset", 1, 2}, {byte1<25>()}},
    {always, At{"BlinkLightColAreaOffset", 1, 7}, {byte1<26>()}},
    {always, At{"BlinkLightColAreaOffset", 1, 12}, {byte1<6>()}},
    {always, At{"AlarmLightPos1Offset"}, {word1<9>()}},
    {always, At{"AlarmLightPos2Offset"}, {word1<10>()}},
    {always, At{"AlarmLightPos3Offset"}, {word1<11>()}},
    {choice<&CustLite::Check4>, At{"BlinkLightShowMeshOffset"}, {L("02"), L("01")}},
    {jumps, At{"BlinkLightJump1Offset"},
     {F("BlinkingLightJmp1DefData"), F("BlinkingLightJmp1ModData"), F("BlinkingLightJmp1ModRData")}},
    {jumps, At{"BlinkLightJump2Offset"},
     {F("BlinkingLightJmp2DefData"), F("BlinkingLightJmp2ModData"), F("BlinkingLightJmp2ModRData")}},
    {jumps, At{"BlinkLightCombineOffset"}, {Hex{}, F("BlinkingLightModData"), F("BlinkingLightModRData")}},
    {timing, At{"BlinkLightDurOffset"}, {byte1<5>(), Hex{}}},
    {timing, At{"BlinkLightIntervalOffset"}, {word1<4>(), Hex{}}},
    {timing, At{"BlinkLightDurModOffset"}, {Hex{}, byte1<5>()}},
    {timing, At{"BlinkLightIntervalModOffset"}, {Hex{}, word1<4>()}},
    {timing, At{"AlarmRadiusModOffset"}, {Hex{}, word1<12>()}},
};

}  // namespace

void WriteLight(platform::RandomAccessFile& file) {
  patcher::WriteRows(file, ui::Forms::get<Form1>(), kLightRows);
}

}  // namespace olvex::customizers
