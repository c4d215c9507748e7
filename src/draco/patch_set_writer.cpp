#include "draco/patch_set_writer.h"

#include <type_traits>
#include <variant>

#include "draco/patch_list.h"
#include "draco/patch_set_keys.h"
#include "platform/files.h"
#include "shell/conversions.h"
#include "ui/host.h"

namespace olvex::draco {
namespace {

std::string fieldText(const PatchParam& param, ParamField field) {
  switch (field) {
    case ParamField::Enabled: return std::to_string(param.Enabled);
    case ParamField::Offset: return param.Offset;
    case ParamField::DefaultValue:
    case ParamField::DefaultAndCurrentValue: return param.DefaultValue;
    case ParamField::Name: return param.Name;
    case ParamField::Type: return std::to_string(param.Type);
  }
  return {};
}

std::string twoDigits(int n) { return shell::PadLeftZeros(std::to_string(n), 2); }

void appendRecord(std::vector<std::string>& lines, const PatchRecord& record, int index) {
  std::string number = shell::PadLeftZeros(std::to_string(index), 3);
  lines.push_back("/bgn " + number);
  AppendRecordBody(lines, record, false);
  lines.push_back("/end " + number);
  lines.emplace_back();
}

}  // namespace

void AppendRecordBody(std::vector<std::string>& lines, const PatchRecord& record, bool blankAfterFields) {
  for (const RecordKey& rk : kRecordKeys) {
    std::visit([&](auto member) {
      if constexpr (std::is_same_v<decltype(member), std::string PatchRecord::*>)
        lines.push_back(std::string(rk.key) + "=" + record.*member);
      else
        lines.push_back(std::string(rk.key) + "=" + std::to_string(record.*member));
    }, rk.member);
    if (rk.blankLineAfter) lines.emplace_back();
  }
  if (blankAfterFields) lines.emplace_back();
  for (int j = 0; j < kOffsetSlots; ++j) {
    if (record.Offffset[j].empty()) continue;
    for (const SlotKey& sk : kSlotKeys) lines.push_back(std::string(sk.key) + twoDigits(j) + "=" + (record.*sk.member)[j]);
    lines.emplace_back();
  }
  for (int k = 0; k < kParamSlots; ++k) {
    const PatchParam& param = record.Params[k];
    if (param.Enabled != 1) continue;
    for (const ParamKey& pk : kParamKeys)
      lines.push_back(std::string(pk.key) + "=" + std::to_string(k) + "|" + fieldText(param, pk.field));
  }
}

std::vector<std::string> PatchSetLines() {
  std::vector<std::string> lines = {"DRACO=0.3", ""};
  for (std::size_t i = 0; i < PatchList.size(); ++i) appendRecord(lines, PatchList[i], static_cast<int>(i));
  return lines;
}

bool SavePatchSet(const std::string& path) {
  try {
    platform::writeLinesAtomic(path, PatchSetLines());
    return true;
  } catch (const platform::FileError&) {
    ui::msgBox("Error saving patch set (" + path + ").");
    return false;
  }
}

void SavePatchSetAs() {
  std::optional<std::string> path = ui::host().saveFile(
      {"Save Patch Set", "DRACO Patch Set (*.drc)|*.drc|All Files (*.*)|*.*", {}, {}});
  if (path) SavePatchSet(*path);
}

}  // namespace olvex::draco
