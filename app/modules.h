#pragma once
// The program's composition: every module hands its settings keys, its start-up steps and its
// pass writers to the parts that call them but cannot link to them.
namespace olvex::app {

// Registers every scope's settings keys and fills the main window's and the patch pass's hooks.
// Called once, before the first window is touched.
void InstallModules();

}  // namespace olvex::app
