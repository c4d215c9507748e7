#pragma once
// The physics, limits and health dialogs as the program sees them: their settings keys, the
// pass stages that write them, and the main window's follow-ups.
namespace olvex::customizers {

void InstallRulesDialogs();

}  // namespace olvex::customizers
