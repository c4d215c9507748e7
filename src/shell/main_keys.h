#pragma once
// The main window's setting keys (scope "main").
namespace olvex::shell {

// Registers the rows of the main window's keys with the settings key table (idempotent).
// "version" and "fogbulbrange" are shared keys (shared_keys.h); the secret-level condition keys
// join with the conditions window.
void RegisterMainKeys();

}  // namespace olvex::shell
