#pragma once
// Shutdown: every loaded window is unloaded in a fixed order, the main window near the end.
namespace olvex::shell {

// Unloads the windows in shutdown order; windows that are not loaded are skipped. A call made
// while one is running (the main window's Unload calls it) returns at once.
void UnloadAll();

}  // namespace olvex::shell
