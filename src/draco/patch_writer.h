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

// Values of the main window's check boxes that patch requirements name: Check5 remap scene
// memory, Check9 extended executable, Check20 remapped particle buffer, Check21 advanced
// savegame management. 0 is unchecked, anything else checked.
struct RequirementChecks {
  int Check5 = 0;
  int Check9 = 0;
  int Check20 = 0;
  int Check21 = 0;
};

// A patch's requirement flag, the main-window option it needs, and that option's caption.
struct Requirement {
  std::uint8_t PatchRecord::*flag;
  int RequirementChecks::*check;
  std::string_view option;
};

inline constexpr std::array<Requirement, 4> kRequirements = {{
    {&PatchRecord::RequiresRemap, &RequirementChecks::Check5, "Remap scene memory"},
    {&PatchRecord::RequiresYiff, &RequirementChecks::Check9, "Extend tomb4.exe size"},
    {&PatchRecord::RequiresPart, &RequirementChecks::Check20, "Remap particle buffer"},
    {&PatchRecord::RequiresSave, &RequirementChecks::Check21, "Advanced savegame management"},
}};

// The main window's current values of those options; the composition of the modules sets it
// (the patch list window shows the unmet requirements by it). Unset, every option is clear.
extern std::function<RequirementChecks()> MainWindowOptions;
RequirementChecks CurrentMainOptions();

// Default bytes and default parameter values are written back only at 1-based file positions
// below this one (the start of the extended area).
inline constexpr long long kExtendedAreaStart = 0xC0FFF;

// The bytes a parameter value of the given type writes. Types 0..2 take the value as hex text;
// 3..6 are one or two bytes, 7 four bytes (0..4294967295, negatives as two's complement), each
// little-endian. Conversion problems are reported by the conversions and give zero bytes.
std::string ParamBytes(std::string_view value, int type);

// Writes the patches of PatchList into file; a slot's remapped bytes, where it has them, when the
// pass writes for remapped scene memory (`remapped`). Every byte of a patch is converted and its
// place checked before any of it is written. A write whose offset is empty or not 1 to 8 hex
// digits, or that would reach past the end of the file, is skipped and the rest go on; when any
// was skipped, "DRACO: errors when writing custom patch codes." is shown once at the end and the
// result is false. A failing file write throws platform::FileError.
bool WriteDraco(platform::RandomAccessFile& file, const RequirementChecks& checks, bool remapped);

}  // namespace olvex::draco
