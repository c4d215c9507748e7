#pragma once
// The game's item combinations: the 21 combination slots and the 84 items a combination can
// yield, each with the machine instruction that puts it into the inventory and the id of the item
// that takes the focus. The item combinations dialog lists the names, the items stage writes the
// code; both read this one table.
#include <span>
#include <string_view>

namespace olvex::customizers {

inline constexpr int kItemCount = 84;

struct ItemRow {
  std::string_view name;
  std::string_view instruction;  // 7 bytes as 14 hex digits
  std::string_view focusId;      // 2 bytes as 4 hex digits, written as they stand
};

// Indexed by the item code that PuzzleCombos stores.
std::span<const ItemRow> ItemTable();
// "Puzzle Item 1 Combo 1 + Combo 2" ... "Clockwork Beetle Combo 1 + Combo 2", by slot.
std::span<const std::string_view> CombinationNames();

}  // namespace olvex::customizers
