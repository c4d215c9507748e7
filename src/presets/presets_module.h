#pragma once
// The presets' and the console's place in the program: the main window's "load preset" and
// "save preset" buttons and its console key.
namespace olvex::presets {

void InstallPresets();

}  // namespace olvex::presets
