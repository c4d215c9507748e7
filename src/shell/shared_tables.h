#pragma once
// Setting tables that belong to no single control: fog unit colours, puzzle combinations, enemy
// hit flags, the fog bulb range and the ammo flags. They start with the built-in defaults.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace olvex::shell {

inline constexpr int kFogUnitCount = 28;
inline constexpr int kComboCount = 21;
inline constexpr int kEnemyFlagCount = 27;

extern std::array<std::uint8_t, kFogUnitCount> FogUnitR, FogUnitG, FogUnitB;
// Entries 0..20: item index of combination i; entries 21..41: its add flag.
extern std::array<std::uint8_t, 2 * kComboCount> PuzzleCombos;
extern std::array<std::uint8_t, kEnemyFlagCount> EnemyFlags;
extern std::int32_t FogBulbRange;
// Crossbow 1 "n", 2 "p", 3 "e"; grenade 1 "n", 2 "s", 3 "f", 4 "u", 5 "x".
extern double XBowNormFlag, XBowPoisonFlag, GrenNormFlag, GrenSupaFlag;
extern std::uint8_t XBowExplFlag, GrenFlshFlag;

// "r,g,b": splits at commas and stores each field's leading number as a byte into entry index of
// FogUnitR/G/B. An index above 27, a component outside 0..255 or a missing field ends the parse;
// components stored before stay. Returns 1.
int ParseFogUnit(std::string_view value, int index);
// "item,flag": the same for PuzzleCombos entries index and 21 + index (index below 21).
int ParseCombo(std::string_view value, int index);

// The letters of the three crossbow (grenade) flags; a flag without a letter is set to 1 and
// shows "n".
std::array<std::string, 3> RefreshCrossbowLetters();
std::array<std::string, 3> RefreshGrenadeLetters();

void ResetSharedTables();  // built-in defaults

}  // namespace olvex::shell
