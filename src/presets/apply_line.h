#pragma once
// One settings line of a preset or the console, applied as the config reader applies a line of
// [common]: through every scope of the settings key table.
#include <string_view>

namespace olvex::presets {

// Parses the line into CfgKey and CfgValue and applies them: the main scope, pending window
// events, then the other scopes. Throws shell::SettingsKeyError when the table rejects the value;
// a rejected value stores nothing.
void ApplySettingsLine(std::string_view line);

}  // namespace olvex::presets
