#include "draco/patch_set_reader.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

#include "draco/patch_list.h"
#include "platform/files.h"
#include "shell/config_line.h"
#include "shell/config_state.h"
#include "shell/number_text.h"
#include "shell/text_case.h"
#include "ui/host.h"

namespace olvex::draco {
namespace {

constexpr int kMaxRecordIndex = 32767;
constexpr std::size_t kMaxParamValueLength = 50;

// A key and its value as the config reader splits them (key lower-cased; no key for blank,
// ";" and "[" lines).
struct KeyValue {
  std::string key;
  std::string value;
};

std::optional<KeyValue> splitKeyValue(std::string_view line) {
  std::string value = shell::ParseConfigLine(line);
  if (shell::CfgKey.empty()) return std::nullopt;
  return KeyValue{shell::CfgKey, std::move(value)};
}

std::uint8_t byteValue(std::string_view text) { return static_cast<std::uint8_t>(WholeNumber(text, 0, 255)); }

void storeParamField(PatchParam& param, ParamField field, const std::string& value) {
  switch (field) {
    case ParamField::Enabled: param.Enabled = byteValue(value); break;
    case ParamField::Offset: param.Offset = value; break;
    case ParamField::DefaultValue: param.DefaultValue = value; break;
    case ParamField::Name: param.Name = value; break;
    case ParamField::Type: param.Type = byteValue(value); break;
    case ParamField::DefaultAndCurrentValue: param.DefaultValue = param.CurrentValue = value; break;
  }
}

template <std::size_t N>
const ParamKey* findParamKey(const std::array<ParamKey, N>& keys, std::string_view key) {
  for (const ParamKey& k : keys)
    if (k.key == key) return &k;
  return nullptr;
}

struct ReadRules {
  bool oldParams;  // version 0.1: one parameter, slot 0
  bool newParams;  // newer versions: "k|value" parameter entries
};

bool applyRecordKey(PatchRecord& record, const KeyValue& kv) {
  for (const RecordKey& rk : kRecordKeys) {
    if (shell::LowerCase(rk.key) != kv.key) continue;
    std::visit([&](auto member) {
      if constexpr (std::is_same_v<decltype(member), std::string PatchRecord::*>) record.*member = kv.value;
      else record.*member = byteValue(kv.value);
    }, rk.member);
    return true;
  }
  return false;
}

bool applySlotKey(PatchRecord& record, const KeyValue& kv) {
  for (const SlotKey& sk : kSlotKeys) {
    if (kv.key.compare(0, 8, shell::LowerCase(sk.key)) != 0) continue;
    int slot = WholeNumber(std::string_view(kv.key).substr(8, 2), 0, kOffsetSlots - 1);
    (record.*sk.member)[slot] = kv.value;
    return true;
  }
  return false;
}

void applyLine(PatchRecord& record, std::string_view line, ReadRules rules) {
  std::optional<KeyValue> kv = splitKeyValue(line);
  if (!kv || applyRecordKey(record, *kv)) return;
  const ParamKey* oldKey = rules.oldParams ? findParamKey(kOldParamKeys, kv->key) : nullptr;
  const ParamKey* newKey = rules.newParams ? findParamKey(kParamKeys, kv->key) : nullptr;
  if (oldKey) storeParamField(record.Params[0], oldKey->field, kv->value);
  else if (newKey) ConvertParamEntry(kv->value, newKey->field, record.Params);
  else applySlotKey(record, *kv);
}

int recordIndex(std::string_view bgnLine) {
  double n = shell::RoundHalfEven(shell::Val(bgnLine.size() > 5 ? bgnLine.substr(5) : std::string_view{}));
  if (n < 0 || n > kMaxRecordIndex) throw PatchSetError("record index out of range");
  return static_cast<int>(n);
}

// The patch table as a set's records rebuild it: "/bgn n" makes it records 0..n, keeping the
// lower ones, and empties record n. Records above the table's length are held by number until
// they are placed, so the empty records a high number makes room for are not made one by one.
class RecordTable {
 public:
  PatchRecord& start(int n) {
    above_.erase(above_.upper_bound(n), above_.end());
    const auto count = static_cast<std::size_t>(n) + 1;
    if (count > PatchList.size()) return above_[n] = PatchRecord{};
    PatchList.resize(count);
    return PatchList[n] = PatchRecord{};
  }
  // Puts the held records into the table at their numbers, with the empty records between them,
  // up to position `emptyUpTo`; above it the held records follow each other without them.
  void place(std::size_t emptyUpTo) {
    for (auto& [n, record] : above_) {
      const std::size_t at = std::min(static_cast<std::size_t>(n), emptyUpTo);
      if (PatchList.size() < at) PatchList.resize(at);
      PatchList.push_back(std::move(record));
    }
    above_.clear();
  }

 private:
  std::map<int, PatchRecord> above_;  // every key at or above the table's length
};

void readRecords(const std::vector<std::string>& lines, ReadRules rules) {
  RecordTable table;
  try {
    for (std::size_t i = 1; i < lines.size(); ++i) {
      if (!shell::StartsWithNoCase(lines[i], "/BGN")) continue;
      PatchRecord& record = table.start(recordIndex(lines[i]));
      for (++i;; ++i) {
        if (i >= lines.size()) throw PatchSetError("the file ends inside a record");
        if (shell::StartsWithNoCase(lines[i], "/END")) break;
        applyLine(record, lines[i], rules);
      }
    }
  } catch (...) {
    table.place(SIZE_MAX);  // the records read so far stay, each at its number
    throw;
  }
  // The refresh after the load drops the empty records and gives each record left the check mark
  // of the item at its number; beyond the last item no number has one.
  table.place(static_cast<std::size_t>(ItemCount()));
}

void reportLoadError(const std::string& path) {
  ui::msgBox("Error loading custom patch set (" + path + ")." + "\r\n" + "Make sure file is not corrupted or empty.");
}

}  // namespace

int WholeNumber(std::string_view text, int lo, int hi) {
  std::optional<double> x = shell::StrictNumber(text);
  double r = x ? shell::RoundHalfEven(*x) : 0;
  if (!x || r < lo || r > hi) throw PatchSetError("not a number in range: " + std::string(text));
  return static_cast<int>(r);
}

int ConvertParamEntry(std::string_view entry, ParamField field, ParamSlots& params) {
  std::size_t bar = entry.find('|');
  if (bar == std::string_view::npos) throw PatchSetError("parameter entry without '|': " + std::string(entry));
  if (bar == 0) return 0;
  int k = WholeNumber(entry.substr(0, bar), 0, kParamSlots - 1);
  storeParamField(params[k], field, std::string(entry.substr(bar + 1, kMaxParamValueLength)));
  return k;
}

void LoadPatchSet(const std::string& path) {
  if (path.empty()) return;
  if (!FileExists(path)) {
    ui::msgBox("Can't find patch set file (" + path + ")");
    return;
  }
  try {
    std::vector<std::string> lines = platform::readLines(path);
    if (lines.empty()) throw PatchSetError("empty file");
    if (!shell::StartsWithNoCase(lines[0], "DRACO=")) {
      ui::msgBox("Patch set header not found! Must be ''DRACO=[version]''");
      return;
    }
    PatchSetVersion = lines[0].substr(6);
    readRecords(lines, ReadRules{PatchSetVersion == "0.1", shell::Val(PatchSetVersion) > 0.1});
  } catch (const platform::FileError&) {
    reportLoadError(path);
    return;
  } catch (const PatchSetError&) {
    reportLoadError(path);
    return;
  }
  RefreshPatchList();
}

void StartPatchList(const std::string& defaultPatchSet) {
  ClearPatchList();
  LoadPatchSet(defaultPatchSet);
  ResetPatches();
}

}  // namespace olvex::draco
