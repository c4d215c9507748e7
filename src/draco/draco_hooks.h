#pragma once
// Hands the patch list's start-up and reset, and the buttons that open the patch list and the
// statistics window, to the main window (shell::Form1Hooks).
namespace olvex::draco {

// DracoStartUp loads shell::DefaultPatchSet through StartPatchList; DracoResetPatches is
// ResetPatches.
void InstallDracoHooks();

}  // namespace olvex::draco
