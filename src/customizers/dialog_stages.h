#pragma once
// The pass stages of the bar, font and credits dialogs, each writing the dialog's current values
// into the open working copy.
namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

void WriteBars(platform::RandomAccessFile& file);     // "BARS"
void WriteFonts(platform::RandomAccessFile& file);    // "FONTS"
void WriteCredits(platform::RandomAccessFile& file);  // "CREDITS"

}  // namespace olvex::customizers
