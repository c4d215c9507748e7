#include "draco/patch_writer.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "draco/patch_list.h"
#include "platform/files.h"
#include "shell/conversions.h"
#include "ui/host.h"

namespace olvex::draco {

std::function<RequirementChecks()> MainWindowOptions;

RequirementChecks CurrentMainOptions() { return MainWindowOptions ? MainWindowOptions() : RequirementChecks{}; }
namespace {

// 1 to 8 hex digits of a 0-based offset, as a 1-based file position.
std::optional<long long> filePosition(std::string_view offset) {
  constexpr std::string_view kHexDigits = "0123456789ABCDEFabcdef";
  if (offset.empty() || offset.size() > 8 || offset.find_first_not_of(kHexDigits) != std::string_view::npos)
    return std::nullopt;
  return static_cast<long long>(std::stoull(std::string(offset), nullptr, 16)) + 1;
}

// The writes of one patch, checked and converted before any of them reaches the file.
class PatchWrites {
 public:
  PatchWrites(long long fileLength, int& errors) : fileLength_(fileLength), errors_(errors) {}

  // Adds the bytes convert() gives at offset; a position at or above `below` (when given) is
  // left out silently.
  template <class Convert>
  void add(std::string_view offset, Convert convert, long long below = -1) {
    std::optional<long long> pos = filePosition(offset);
    if (!pos) {
      ++errors_;
      return;
    }
    if (below >= 0 && *pos >= below) return;
    std::string bytes = convert();
    if (*pos + static_cast<long long>(bytes.size()) - 1 > fileLength_) {
      ++errors_;
      return;
    }
    writes_.push_back({*pos, std::move(bytes)});
  }

  void writeTo(platform::RandomAccessFile& file) const {
    for (const auto& [pos, bytes] : writes_) file.write(pos, bytes);
  }

 private:
  struct Write {
    long long pos;
    std::string bytes;
  };
  long long fileLength_;
  int& errors_;
  std::vector<Write> writes_;
};

// The check mark of the last item showing each name: a patch goes by the last item of its name.
using CheckMarks = std::unordered_map<std::string_view, bool>;

CheckMarks checkMarksByName() {
  CheckMarks marks;
  for (int k = 0; k < ItemCount(); ++k) marks[ItemText(k)] = IsItemSelected(k);
  return marks;
}

// `records` indexes the records' names for the dependencies when the first selected patch needs
// them, so a pass that applies nothing indexes nothing.
bool isApplied(int index, const CheckMarks& marks, std::optional<NameIndex>& records, const RequirementChecks& checks) {
  const PatchRecord& record = PatchList[index];
  auto mark = marks.find(record.Name);
  if (mark == marks.end() || !mark->second) return false;
  for (const Requirement& r : kRequirements)
    if (record.*r.flag == 1 && !(checks.*r.met)) return false;
  if (!records) records.emplace(RecordNameIndex(NameIndex::Match::Exact));
  return CheckDependencies(index, *records) != 1;
}

// Modified bytes first, then the current parameter values, which override bytes they overlap.
void planApplied(const PatchRecord& record, bool remapped, PatchWrites& writes) {
  for (int j = 0; j < kOffsetSlots; ++j) {
    if (record.Offffset[j].empty()) continue;
    const std::string& data = remapped && !record.ModRData[j].empty() ? record.ModRData[j] : record.ModNData[j];
    if (data.empty()) continue;
    writes.add(record.Offffset[j], [&] { return shell::wb(data); });
  }
  for (const PatchParam& p : record.Params) {
    if (p.Enabled != 1 || p.CurrentValue.empty()) continue;
    writes.add(p.Offset, [&] { return ParamBytes(p.CurrentValue, p.Type); });
  }
}

// Default parameter values first, then the default bytes, which override values they overlap;
// only in the executable's own part.
void planRestored(const PatchRecord& record, PatchWrites& writes) {
  for (const PatchParam& p : record.Params) {
    if (p.Enabled != 1 || p.DefaultValue.empty()) continue;
    writes.add(p.Offset, [&] { return ParamBytes(p.DefaultValue, p.Type); }, kExtendedAreaStart);
  }
  for (int j = 0; j < kOffsetSlots; ++j) {
    if (record.Offffset[j].empty() || record.DeflData[j].empty()) continue;
    writes.add(record.Offffset[j], [&] { return shell::wb(record.DeflData[j]); }, kExtendedAreaStart);
  }
}

}  // namespace

std::string ParamBytes(std::string_view value, int type) {
  return shell::wb(shell::ParamToHex(value, type));
}

bool WriteDraco(platform::RandomAccessFile& file, const RequirementChecks& checks) {
  const long long length = file.length();
  int errors = 0;
  const CheckMarks marks = checkMarksByName();
  std::optional<NameIndex> records;
  for (int i = 0; i < static_cast<int>(PatchList.size()); ++i) {
    const PatchRecord& record = PatchList[i];
    if (record.Name.empty() || record.Omnipresence != 1) continue;
    PatchWrites writes(length, errors);
    if (isApplied(i, marks, records, checks)) planApplied(record, checks.remapped, writes);
    else if (record.CondBehave == 1) planRestored(record, writes);
    writes.writeTo(file);
  }
  if (errors > 0) ui::msgBox("DRACO: errors when writing custom patch codes.");
  return errors == 0;
}

}  // namespace olvex::draco
