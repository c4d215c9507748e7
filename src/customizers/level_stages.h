#pragma once
// The pass stages whose values live in the camera, sound, objects and secret-level dialogs.
namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

void WriteBonusLevel(platform::RandomAccessFile& file);  // SIZE, after the length change
void WriteCamera(platform::RandomAccessFile& file);      // CAMERA
void WriteSound(platform::RandomAccessFile& file);       // SOUND
void WriteTraps(platform::RandomAccessFile& file);       // TRAP

}  // namespace olvex::customizers
