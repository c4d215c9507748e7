#pragma once
// The bar, font and credits dialogs in the program: their settings keys, the credits section of
// the config, the main window buttons that open them, and their pass stages.
namespace olvex::customizers {

void InstallTextDialogs();

}  // namespace olvex::customizers
