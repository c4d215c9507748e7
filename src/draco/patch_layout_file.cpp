#include "draco/patch_layout_file.h"

#include <type_traits>
#include <variant>

#include "draco/patch_set_keys.h"
#include "draco/patch_set_reader.h"
#include "draco/patch_set_writer.h"
#include "shell/config_line.h"
#include "shell/config_state.h"
#include "shell/number_text.h"
#include "shell/text_case.h"

namespace olvex::draco {
namespace {

// Highest value a flag of the record may take in a layout file; the present flag is not read.
int flagLimit(std::string_view key) {
  if (key == "omnipresence") return -1;
  return key == "condbehave" ? 1 : 2;
}

bool mergeRecordKey(PatchRecord& record, const std::string& key, const std::string& value) {
  for (const RecordKey& rk : kRecordKeys) {
    if (shell::LowerCase(rk.key) != key) continue;
    std::visit([&](auto member) {
      if constexpr (std::is_same_v<decltype(member), std::string PatchRecord::*>) {
        record.*member = value;
      } else if (int limit = flagLimit(key); limit >= 0) {
        record.*member = static_cast<std::uint8_t>(WholeNumber(value, 0, limit));
      }
    }, rk.member);
    return true;
  }
  return false;
}

bool mergeParamKey(PatchRecord& record, const std::string& key, const std::string& value) {
  for (const ParamKey& pk : kParamKeys) {
    if (pk.key != key) continue;
    ConvertParamEntry(value, pk.field, record.Params);
    return true;
  }
  return false;
}

// The slot number is what the two characters after the key word say (0 when no number).
void mergeSlotKey(PatchRecord& record, const std::string& key, const std::string& value) {
  for (const SlotKey& sk : kSlotKeys) {
    if (key.compare(0, 8, shell::LowerCase(sk.key)) != 0) continue;
    double n = shell::RoundHalfEven(shell::Val(std::string_view(key).substr(8, 2)));
    if (n < 0 || n >= kOffsetSlots) throw PatchSetError("offset slot out of range: " + key);
    (record.*sk.member)[static_cast<int>(n)] = value;
    return;
  }
}

}  // namespace

std::vector<std::string> PatchLayoutLines(const PatchRecord& record, int omnipresence) {
  PatchRecord shown = record;
  shown.Omnipresence = static_cast<std::uint8_t>(omnipresence);
  std::vector<std::string> lines = {"DRACO=0.3", ""};
  AppendRecordBody(lines, shown, true);
  return lines;
}

void MergePatchLayout(const std::vector<std::string>& lines, PatchRecord& record) {
  for (const std::string& line : lines) {
    std::string value = shell::ParseConfigLine(line);
    const std::string key = shell::CfgKey;
    if (key.empty() || key == "draco") continue;
    if (!mergeRecordKey(record, key, value) && !mergeParamKey(record, key, value)) mergeSlotKey(record, key, value);
  }
}

}  // namespace olvex::draco
