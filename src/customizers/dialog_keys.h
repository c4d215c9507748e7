#pragma once
// Registration of the bar, font and credits dialogs' settings keys (idempotent).
namespace olvex::customizers {

void RegisterBarsKeys();
void RegisterFontsKeys();
void RegisterCreditsKeys();

}  // namespace olvex::customizers
