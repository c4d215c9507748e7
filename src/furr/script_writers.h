#pragma once
// The FLIPEFFECTS and RACETIMER stages of the patch pass. Each links its editor's slots, copies
// the image into the extended area of the working copy and points the game's hooks at it. When
// the editor is off, the executable is not extended or the link fails (its message is shown),
// every hook gets the config's default bytes, so a hook never leads to code that was not written.
// The scratch files yiff.tmp and timr.tmp are gone afterwards.
namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::furr {

void WriteFlips(platform::RandomAccessFile& file);
// Also the call map the FURR commands call through, the timer's font effect id and the moment
// from which the timer is shown, in every case.
void WriteRace(platform::RandomAccessFile& file);

}  // namespace olvex::furr
