#include "customizers/puzzles/dialog.h"

#include "customizers/puzzles/item_table.h"
#include "patcher/value_paths.h"
#include "patcher/write_rows.h"
#include "shell/shared_tables.h"

namespace olvex::customizers {

namespace {

// The puzzle item slots lie 7 bytes further into their 16-byte strides than the others.
constexpr int kPuzzleSlots = 8, kPuzzleShift = 7, kProcStride = 16, kFocusStride = 10;

}  // namespace

void WriteItems(platform::RandomAccessFile& file) {
  auto items = ItemTable();
  for (int slot = 0; slot < shell::kComboCount; ++slot) {
    std::size_t item = shell::PuzzleCombos[slot];
    if (item >= items.size())
      throw patcher::PassError("combination " + std::to_string(slot) + " yields no item (" + std::to_string(item) + ")");
    int proc = kProcStride * slot + (slot < kPuzzleSlots ? kPuzzleShift : 0);
    patcher::Put(file, "ItemProcOffset", proc, items[item].instruction);
    patcher::Put(file, "ItemFocusBaseOffset", kFocusStride * slot, items[item].focusId);
  }
}

}  // namespace olvex::customizers
