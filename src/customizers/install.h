#pragma once
// Every customizer dialog as the program sees it: its settings keys, its stage writers and the
// main window's buttons and options that reach it.
namespace olvex::customizers {

void InstallDialogs();

}  // namespace olvex::customizers
