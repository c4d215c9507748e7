#pragma once
// The figures of the statistics window and the offset listing offsets.txt, computed from the
// loaded offset table, the config, the FURR command set and the patch table.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace olvex::draco {

// Row counts of the loaded FURR tables: commands, byte, word, dword and hex constants. Set by
// the composition of the modules; unset, every table counts as empty.
extern std::function<std::array<int, 5>()> FurrTableRows;

struct Statistics {
  int offsetsUsed = 0;   // the highest slot index of the offset table
  int emptyOffsets = 0;  // slots holding 0
  int dataEntries = 0;
  std::string configVersion;  // "pre-0.67" without a version key
  // The highest row index of each FURR table; none for a table without rows.
  std::array<std::optional<int>, 5> furrRows;
  int patches = 0;       // the highest index of the patch table
  int patchOffsets = 0;  // offset slots in use over every record
  int total() const { return offsetsUsed + patchOffsets; }
};

Statistics ComputeStatistics(std::span<const std::int32_t> offsets);

// One line per slot: "0ffset #" slot (four digits) "=" value (decimal, zero-padded to eight
// characters, never cut) " [hex " value - 1 (eight hex digits of its 32-bit two's complement,
// computed in 64 bits) "]".
std::vector<std::string> OffsetListingLines(std::span<const std::int32_t> offsets);
// The message shown after the listing was written into folder: the zero slots and the total.
std::string OffsetListingMessage(std::span<const std::int32_t> offsets, const std::string& folder);

}  // namespace olvex::draco
