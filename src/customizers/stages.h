#pragma once
// The pass stages whose values live in the customizer dialogs.
namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

void WritePhysics(platform::RandomAccessFile& file);  // PHYSICS
void WriteLimits(platform::RandomAccessFile& file);   // LIMITS
void WriteDamage(platform::RandomAccessFile& file);   // DAMAGE
void WriteGfx1(platform::RandomAccessFile& file);     // GFX1
void WriteGfx2(platform::RandomAccessFile& file);     // GFX2
void WriteLight(platform::RandomAccessFile& file);    // LIGHT

}  // namespace olvex::customizers
