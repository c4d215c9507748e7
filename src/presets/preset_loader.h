#pragma once
// Loading a preset: each key line goes through the settings key table as a config line would;
// the credits, DRACO and script sections are read when the preset's version has them.
#include <stdexcept>
#include <string>
#include <vector>

namespace olvex::presets {

// A preset that ends before its sections do, or holds a slot number or time that is not one.
struct PresetError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Applies a preset's lines. Throws PresetError or shell::SettingsKeyError; what was applied
// before the failure stays applied. Sets CfgVersion from the preset (empty when it has none).
void ApplyPreset(const std::vector<std::string>& lines);

// "load preset": the main window's long-action buttons are off while it runs; asks for the file
// and applies it; a failure shows the error message. Cancel does nothing.
void LoadPreset();

}  // namespace olvex::presets
