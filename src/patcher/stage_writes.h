#pragma once
// The writes of the stages, each into the open working copy from the windows' current state.
#include <cstdint>

namespace olvex::platform {
class RandomAccessFile;
}
namespace olvex::shell {
class Form1;
}

namespace olvex::patcher {

// MAIN: video and gameplay options of the main window, the free camera and inventory key flags,
// the static limits, the particle buffer.
void WriteMain(platform::RandomAccessFile& file, const shell::Form1& form);
// SIZE: the standard or the extended length with its PE header, and the advanced savegame hooks.
void IncreaseSize(platform::RandomAccessFile& file, const shell::Form1& form);
// The scene memory the running pass writes for (pass_decisions.h): 0 standard, 1 remapped. A
// greyed remap box has the main stage write no scene-memory code, so the variant of the code the
// file holds.
int PassSceneMemory();
// The length the pass gives the file: the standard or, with "Extend" on, the extended layout.
// LayoutError when the version section's layout is out of bounds.
std::int64_t PassLength(const shell::Form1& form);

}  // namespace olvex::patcher
