#include "draco/statistics.h"

#include <cstdio>

#include "draco/patch_list.h"
#include "shell/config_state.h"
#include "shell/conversions.h"

namespace olvex::draco {

std::function<std::array<int, 5>()> FurrTableRows;

Statistics ComputeStatistics(std::span<const std::int32_t> offsets) {
  Statistics s;
  s.offsetsUsed = static_cast<int>(offsets.size()) - 1;
  for (std::int32_t v : offsets) s.emptyOffsets += v == 0;
  s.dataEntries = shell::DataKeyCount;
  s.configVersion = shell::CfgVersion.empty() ? "pre-0.67" : shell::CfgVersion;
  std::array<int, 5> rows = FurrTableRows ? FurrTableRows() : std::array<int, 5>{};
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i] > 0) s.furrRows[i] = rows[i] - 1;
  s.patches = static_cast<int>(PatchList.size()) - 1;
  for (const PatchRecord& r : PatchList)
    for (const std::string& offset : r.Offffset) s.patchOffsets += !offset.empty();
  return s;
}

std::vector<std::string> OffsetListingLines(std::span<const std::int32_t> offsets) {
  std::vector<std::string> lines;
  lines.reserve(offsets.size());
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(static_cast<std::int64_t>(offsets[i]) - 1) & 0xFFFFFFFFu);
    lines.push_back("0ffset #" + shell::PadLeftZeros(std::to_string(i), 4) + "=" +
                    shell::PadLeftZeros(std::to_string(offsets[i]), 8) + " [hex " + hex + "]");
  }
  return lines;
}

std::string OffsetListingMessage(std::span<const std::int32_t> offsets, const std::string& folder) {
  int zeros = 0;
  std::string zeroList;
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    if (offsets[i] != 0) continue;
    ++zeros;
    zeroList += "\r\n    Offset # " + std::to_string(i);
  }
  return "Listing ''offsets.txt'' created.\r\nDirectory: " + folder + "\r\n\r\n" + std::to_string(zeros) +
         " zero offsets: " + zeroList + "\r\n\r\n" + std::to_string(static_cast<int>(offsets.size()) - 1) +
         " offsets total.";
}

}  // namespace olvex::draco
