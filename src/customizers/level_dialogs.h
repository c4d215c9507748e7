#pragma once
// The camera, sound, objects and secret-level conditions dialogs as the program sees them: their
// settings keys, the pass stages that write them, the main window's buttons and follow-ups, and
// the free camera switches the main stage reads.
namespace olvex::customizers {

void InstallLevelDialogs();

}  // namespace olvex::customizers
