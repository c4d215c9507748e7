// SOUND: the sample rate, the two replaceable sound IDs, the ricochet sound, the audio track name
// table, the looped-track range, the jeep and secret tracks and the sample memory.
#include "customizers/sound/dialog.h"

#include <cstdio>
#include <string_view>

#include "customizers/frame/dialog_rows.h"
#include "customizers/frame/stage_vocabulary.h"
#include "shell/conversions.h"

namespace olvex::customizers {

namespace {

using namespace stage;
using D = CustSnd;

template <auto Array, int I, std::string (*Convert)(const std::string&) = rows::Byte>
constexpr patcher::Hex box() { return C(&rows::valueOf<D, Array, I, Convert>); }

// The read-out's text names the rate; the game keeps it as a single-precision number.
struct Rate {
  std::string_view text, hex;
};
constexpr Rate kRates[] = {
    {"11025 Hz", "00442C46"}, {"22050 Hz", "0044AC46"}, {"44100 Hz", "00442C47"}, {"48000 Hz", "00803B47"}};
const Rate* rateShown() {
  for (const Rate& r : kRates)
    if (rows::text<D, &D::Text1, 1>() == r.text) return &r;
  return nullptr;
}
int knownRate(const shell::Form1&) { return rateShown() ? 0 : kNothing; }
std::string rateHex(const shell::Form1&) { return std::string(rateShown()->hex); }

// The ricochet sound needs the extended executable: off (0), or its standard (1) or remapped (2)
// variant.
int ricochet(const shell::Form1& f) {
  if (rows::value<D, &D::Check9>() != 1 || f.Check9.value() != 1) return 0;
  return patcher::select::variant(f);
}
int ricochetExtended(const shell::Form1& f) {
  int v = ricochet(f);
  return v == 0 ? kNothing : v;
}

// The names of the audio tracks, "000.wav" upwards, each name followed by zero bytes up to its record's length.
template <int Last, int Record>
std::string trackNames(const shell::Form1&) {
  static const std::string table = [] {
    std::string hex;
    char name[16];
    for (int c = 0; c <= Last; ++c) {
      std::snprintf(name, sizeof name, "%03d.wav", c);
      hex += shell::TextToHex(name);
      hex.append(2 * (Record - 7), '0');
    }
    return hex;
  }();
  return table;
}

// A track's number is written only while its "do not use" is clear.
template <ui::CheckBox D::*Box>
int trackUsed(const shell::Form1&) {
  return rows::value<D, Box>() == 0 ? 0 : kNothing;
}

constexpr auto extendTracks = &rows::choice<D, &D::Check1>;

const Row kSoundRows[] = {
    {knownRate, At{"SRateOffset"}, {C(rateHex)}},
    {&rows::test<D, &D::Check5>, At{"UWDoorOffset", 1, 1}, {F("UWDoorDefData"), L("9090909090")}},
    {always, At{"UWDoorOffset"}, {box<&D::Text5, 18>()}},
    {&rows::test<D, &D::Check7>, At{"NoAmmoOffset", 1, 1}, {F("NoAmmoDefData"), L("9090909090")}},
    {always, At{"NoAmmoOffset"}, {box<&D::Text5, 0>()}},
    {always, At{"EnableRicoSndBaseOffset"}, {F("EnableRicoSndBaseDefData")}},
    {ricochet, At{"EnableRicoSndJmpOffset"},
     {F("EnableRicoSndBaseModData"), F("EnableRicoSndJmpModNData"), F("EnableRicoSndJmpModRData")}},
    {ricochetExtended, At{"EnableRicoSndExtOffset"}, {kNone, F("EnableRicoSndExtModNData"), F("EnableRicoSndExtModRData")}},
    {ricochet, At{"EnableRicoFixJumpOffset"},
     {F("EnableRicoFixJumpDefData"), F("EnableRicoFixJumpModNData"), F("EnableRicoFixJumpModRData")}},
    {extendTracks, At{"NamePointerOffset"}, {L("06"), L("04")}},
    {extendTracks, At{"TrackLimiterOffset"}, {L("8000"), L("8000")}},
    {extendTracks, At{"FilenameArrayBaseOffset"}, {C(trackNames<111, 64>), C(trackNames<447, 16>)}},
    {&rows::choice<D, &D::Check2>, At{"LoopedMarkerOffset"}, {F("LoopedMarkerDefData"), F("LoopedMarkerModData")}},
    {&rows::whenChecked<D, &D::Check2>, At{"LoopedMarkerOffset", 1, 3}, {kNone, box<&D::Text1, 0, rows::Word>()}},
    {&rows::choice<D, &D::Check3>, At{"InJeepCommonOffset"}, {F("InJeepDefData"), L("90909090909090909090909090909090909090")}},
    {trackUsed<&D::Check3>, At{"InJeepTrackOffset#", 2}, {box<&D::Text1, 2>()}},
    {&rows::choice<D, &D::Check4>, At{"OutJeepCommonOffset"}, {F("OutJeepDefData"), L("90909090909090909090909090909090909090")}},
    {trackUsed<&D::Check4>, At{"OutJeepTrackOffset#", 2}, {box<&D::Text1, 3>()}},
    {&rows::choice<D, &D::Check8>, At{"SecretCommonOffset"}, {F("SecretDefData"), L("9090909090")}},
    {trackUsed<&D::Check8>, At{"SecretTrackOffset"}, {box<&D::Text1, 4>()}},
    {&rows::choice<D, &D::Check6>, At{"SampleSizeOffset#", 5}, {L("04"), L("10")}},
};

}  // namespace

void WriteSound(platform::RandomAccessFile& file) {
  patcher::WriteRows(file, ui::Forms::get<shell::Form1>(), kSoundRows);
}

}  // namespace olvex::customizers
