// The sound in whole passes: the sample rate, the sound IDs, the looped range, the tracks of each
// situation, the audio track table in both sizes and the ricochet sound in both memory layouts.
#include <cstdio>

#include "customizers/silent_pass.h"
#include "customizers/sound/dialog.h"
#include "shell/conversions.h"

namespace olvex::customizers::test {
namespace {

using shell::Form1;

CustSnd& sound() { return ui::Forms::get<CustSnd>(); }

// The names of the audio tracks, "000.wav" upwards, each in a record of `record` bytes.
std::string trackTable(int last, int record) {
  std::string hex;
  char name[8];
  for (int c = 0; c <= last; ++c) {
    std::snprintf(name, sizeof name, "%03d", c);
    hex += shell::TextToHex(std::string(name) + ".wav") + std::string(2 * (record - 7), '0');
  }
  return hex;
}

void extendWithRicochet(Form1& f, int remap) {
  f.Check9.setValue(1);
  f.Check5.setValue(remap);
  sound().Check9.setValue(1);
}

TEST_F(SilentPassTest, SoundSettings) {
  const std::vector<Expect> kRemovedIds = {
      {"UWDoorOffset", 0}, {"NoAmmoOffset", 0}, {"LoopedMarkerOffset", 0}, {"SampleSizeOffset#", 0}};
  expectPasses({
      {"sample rate, sound IDs removed, looped range, tracks and sample memory",
       [](Form1&) {
         auto& s = sound();
         s.HScroll3.setValue(2);
         s.Check5.setValue(1);
         s.Text5[18].setText("60");
         s.Check7.setValue(1);
         s.Text5[0].setText("70");
         s.Check2.setValue(1);
         s.Text1[0].setText("105");
         s.Text1[2].setText("50");
         s.Text1[3].setText("51");
         s.Text1[4].setText("52");
         s.Check6.setValue(1);
       },
       kRemovedIds,
       {{"SRateOffset", 0, "00442C47"}, {"UWDoorOffset", 0, "3C"}, {"NoAmmoOffset", 0, "46"},
        {"LoopedMarkerOffset", 3, "6900"}, {"InJeepTrackOffset1", 0, "32"}, {"InJeepTrackOffset2", 0, "32"},
        {"OutJeepTrackOffset1", 0, "33"}, {"OutJeepTrackOffset2", 0, "33"}, {"SecretTrackOffset", 0, "34"}}},
      // The IDs stay written; the tracks of unused situations are not.
      {"sounds kept, tracks not used",
       [](Form1&) {
         auto& s = sound();
         s.HScroll3.setValue(3);
         s.Text1[2].setText("50");
         s.Text1[3].setText("51");
         s.Text1[4].setText("52");
         for (auto box : {&CustSnd::Check3, &CustSnd::Check4, &CustSnd::Check8}) (s.*box).setValue(1);
       },
       {{"InJeepCommonOffset", 0}, {"OutJeepCommonOffset", 0}, {"SecretCommonOffset", 0}},
       {{"SRateOffset", 0, "00803B47"}}, false, kRemovedIds},
      {"an unknown rate read-out writes no rate",
       [](Form1&) {
         plant({{"SRateOffset", 0, "00442C46"}});
         sound().Text1[1].setText("1 Hz");
       },
       {}, {{"SRateOffset", 0, "00442C46"}}},
      {"extended audio tracks", [](Form1&) { sound().Check1.setValue(1); }, {{"NamePointerOffset", 0}},
       {{"FilenameArrayBaseOffset", 0, trackTable(447, 16)}}},
      {"standard audio tracks restore the table", [](Form1&) { plant({{"FilenameArrayBaseOffset", 0, trackTable(447, 16)}}); },
       {}, {{"FilenameArrayBaseOffset", 0, trackTable(111, 64)}}, false, {{"NamePointerOffset", 0}}},
      {"ricochet sound, extended", [](Form1& f) { extendWithRicochet(f, 0); },
       join(kExtended, {{"EnableRicoSndJmpOffset", 0}, {"EnableRicoSndExtOffset", 0}, {"EnableRicoFixJumpOffset", 0}}),
       {}, true},
      {"ricochet sound, extended and remapped", [](Form1& f) { extendWithRicochet(f, 1); },
       join(kExtendedRemapped, {{"EnableRicoSndJmpOffset", 1}, {"EnableRicoSndExtOffset", 1}, {"EnableRicoFixJumpOffset", 1}}),
       {}, true},
      {"ricochet sound without the extension is off", [](Form1&) { sound().Check9.setValue(1); }, {}, {}, false,
       {{"EnableRicoSndJmpOffset", 0}, {"EnableRicoFixJumpOffset", 0}}},
  });
}

}  // namespace
}  // namespace olvex::customizers::test
