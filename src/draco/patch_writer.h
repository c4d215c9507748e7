#pragma once
// The "DRACO" stage of the patch pass: writes the selected patches whose requirements and
// dependencies are met into the working copy, and the default bytes of the others that ask for
// it.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "draco/patch_record.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::draco {

// What the executable a pass writes has, of what patch requirements name: the remapped scene
// memory, the extended area, the remapped particle buffer, the advanced savegame hooks.
struct RequirementChecks {
  bool remapped = false;
  bool extended = false;
  bool particles = false;
  bool savegame = false;
};

// A patch's requirement flag, what the executable must have for it, and the caption of the
// main-window option that gives it.
struct Requirement {
  std::uint8_t PatchRecord::*flag;
  bool RequirementChecks::*met;
  std::string_view option;
};

inline constexpr std::array<Requirement, 4> kRequirements = {{
    {&PatchRecord::RequiresRemap, &RequirementChecks::remapped, "Remap scene memory"},
    {&PatchRecord::RequiresYiff, &RequirementChecks::extended, "Extend tomb4.exe size"},
    {&PatchRecord::RequiresPart, &RequirementChecks::particles, "Remap particle buffer"},
    {&PatchRecord::RequiresSave, &RequirementChecks::savegame, "Advanced savegame management"},
}};

// What a pass of the main window's current options would write over the executable as it is
// now; the composition of the modules sets it (the patch list window shows the unmet
// requirements by it). Unset, the executable has none of them.
extern std::function<RequirementChecks()> MainWindowOptions;
RequirementChecks CurrentMainOptions();

// Default bytes and default parameter values are written back only at 1-based file positions
// below this one (the start of the extended area).
inline constexpr long long kExtendedAreaStart = 0xC0FFF;

// The bytes a parameter value of the given type writes. Types 0..2 take the value as hex text;
// 3..6 are one or two bytes, 7 four bytes (0..4294967295, negatives as two's complement), each
// little-endian. Conversion problems are reported by the conversions and give zero bytes.
std::string ParamBytes(std::string_view value, int type);

// Writes the patches of PatchList into file, judging their requirements by what the executable
// the pass writes has; a slot's remapped bytes, where it has them, when the pass writes for the
// remapped scene memory. Every byte of a patch is converted and its
// place checked before any of it is written. A write whose offset is empty or not 1 to 8 hex
// digits, or that would reach past the end of the file, is skipped and the rest go on; when any
// was skipped, "DRACO: errors when writing custom patch codes." is shown once at the end and the
// result is false. A failing file write throws platform::FileError.
bool WriteDraco(platform::RandomAccessFile& file, const RequirementChecks& checks);

}  // namespace olvex::draco
