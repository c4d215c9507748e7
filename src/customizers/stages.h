#pragma once
// The pass stages whose values live in the physics, limits and health dialogs.
namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

void WritePhysics(platform::RandomAccessFile& file);  // PHYSICS
void WriteLimits(platform::RandomAccessFile& file);   // LIMITS
void WriteDamage(platform::RandomAccessFile& file);   // DAMAGE

}  // namespace olvex::customizers
