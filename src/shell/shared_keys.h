#pragma once
// Setting keys of the shared tables: "version" and "fogbulbrange" (main), the FogUnit family
// (gfx2), the Combo family (items), the enemy flags (enemies) and the ammo flags (weapons).
#include <array>
#include <functional>
#include <string>

namespace olvex::shell {

// What the dialogs showing these tables do after a key changed them; unset entries are skipped.
struct SharedKeyHooks {
  std::function<void()> fogUnitsApplied;  // fog unit selector shows "00"
  std::function<void()> combosApplied;    // combination selector shows 1, then 0
  std::function<void(const std::array<std::string, 3>&)> crossbowLetters;
  std::function<void(const std::array<std::string, 3>&)> grenadeLetters;
  std::function<void()> enemyFlagsApplied;  // an enemy flag changed: the pictures follow
};
extern SharedKeyHooks SharedHooks;

// Registers the rows and families above (idempotent).
void RegisterSharedKeys();

}  // namespace olvex::shell
