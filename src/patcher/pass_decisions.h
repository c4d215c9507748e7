#pragma once
// What the file a pass writes holds, decided once before the stages so that every stage writes
// for the same: the scene memory its code is for, the appended area, the remapped particle buffer,
// and the hooks into the appended area whose box can be greyed. A hook leads to its code or holds
// its default bytes, never into the 0x90 fill nor past the end of the file.
#include <array>

namespace olvex::platform {
class RandomAccessFile;
}
namespace olvex::shell {
class Form1;
}

namespace olvex::patcher {

// The hooks whose greyed box keeps what the file holds: the advanced savegame's three jumps and
// the SAS grenades' blow-up jump. Every other hook into the appended area is written with its
// code when the pass extends and its option is on, and gets its default bytes otherwise.
enum class Hook { Savegame, SasBlowUp };
inline constexpr int kHookCount = 2;

struct PassDecisions {
  int sceneMemory = 0;  // 0 standard, 1 remapped
  bool extended = false;
  bool particlesRemapped = false;
  // By Hook: 0 its default bytes; 1 / 2 the hook and the code it leads to, for the standard /
  // remapped scene memory; kNothing neither (its box greyed over a file that holds no hook).
  std::array<int, kHookCount> hooks{};
};

// Decides for the running pass, from the main window's options over file as it is before the
// stages; CurrentPass() gives it to the stages. A checked or cleared box decides by itself; a
// greyed one by what the file holds: the remap box by the file's first remapped location, a
// hook's box by a jump of the hook at any of its sites, which the pass then writes whole for its
// scene memory, with its code when it extends and with its default bytes when it does not.
void StartPass(platform::RandomAccessFile& file, const shell::Form1& form);
const PassDecisions& CurrentPass();
// What the running pass writes of a hook, as PassDecisions::hooks.
int PassHook(Hook hook);

// The same decisions for the next pass over the executable the main window names, read as it is
// now: the scene memory, the extension, the particle buffer and the savegame hooks (the
// blow-up's is left 0). A file that cannot be read holds nothing.
PassDecisions DecideNextPass(const shell::Form1& form);

}  // namespace olvex::patcher
