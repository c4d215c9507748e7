#pragma once
// The FURR module's place in the program: the editors' settings keys, the config sections'
// editor steps, the main window's buttons and options that reach the editors, and the two
// stages of the patch pass.
namespace olvex::furr {

void InstallFurr();

}  // namespace olvex::furr
