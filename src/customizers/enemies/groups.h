#pragma once
// How the enemy stage writes a hit flag: each enemy kind belongs to a group that gives its
// default flag, the game's own instruction, the replacement instruction, and where and which code
// the replacement takes for each flag.
#include <array>
#include <optional>
#include <string_view>

namespace olvex::customizers {

inline constexpr int kFlagCodes = 5;  // 0 blood, 1 no action, 2 ricochet, 3 smoke, 4 clear

struct EnemyGroup {
  int defaultFlag;
  std::string_view defaultData;      // version data key
  std::string_view replacementData;  // version data key
  int codeOffset;
  std::array<std::string_view, kFlagCodes> codes;
};

// The group of an enemy kind (0..26); none for the two kinds whose flag is fixed (14, 15).
std::optional<EnemyGroup> GroupOfKind(int kind);

}  // namespace olvex::customizers
