#pragma once
// Preset files: every setting of the key table that a window holds, the credits text, the script
// slots of both editors and the DRACO selection with its parameter values.
#include <string>
#include <vector>

namespace olvex::presets {

// The lines of a preset of the current state, each to be ended by CR LF. Key lines come from the
// settings key table's rows: each reads the control or table its key stores into, so a key that
// no module registered is left out.
std::vector<std::string> PresetLines();

// "save preset": asks for the file and writes it atomically; a failure shows a message naming
// the path and leaves an existing file as it was. Cancel does nothing.
void SavePreset();

}  // namespace olvex::presets
