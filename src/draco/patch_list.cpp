#include "draco/patch_list.h"

#include <algorithm>
#include <utility>

#include "platform/files.h"

namespace olvex::draco {

std::vector<PatchRecord> PatchList;
std::string PatchSetVersion;
int CurParamSlot = 0;
std::string DependencyText;
std::string InputMode;
std::string InputResult;

namespace {

// First record with exactly that name, -1 when none.
int recordNamed(std::string_view name) {
  for (std::size_t i = 0; i < PatchList.size(); ++i)
    if (PatchList[i].Name == name) return static_cast<int>(i);
  return -1;
}

std::vector<std::string_view> splitAt(std::string_view text, char sep) {
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    std::size_t at = text.find(sep, from);
    parts.push_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
    if (at == std::string_view::npos) return parts;
    from = at + 1;
  }
}

// CheckDependencies, finding the first record of a name with firstRecord (-1 when none).
template <class FirstRecord>
int checkDependencies(int n, FirstRecord firstRecord) {
  DependencyText.clear();
  if (n < 0 || n >= static_cast<int>(PatchList.size())) return 0;
  const std::string& deps = PatchList[n].Dependencies;
  for (char c : deps) DependencyText += c == ',' ? std::string("\r\n") : std::string(1, c);
  if (deps.empty()) return 0;
  for (std::string_view name : splitAt(deps, ',')) {
    if (name.empty()) continue;
    int record = firstRecord(name);
    if (record >= 0 && !IsItemSelected(record)) return 1;
  }
  return 0;
}

}  // namespace

void ClearPatchList() {
  PatchList.assign(1, PatchRecord{});
  PatchList[0].Omnipresence = 1;
  PatchList[0].Name = kEmptyPatchName;
  RefreshPatchList();
}

void RefreshPatchList() {
  // One pass: each present record moves down once to the next free place and takes the check
  // mark of the item at its old position, so the many empty records a high record number makes
  // cost a look each, not a move of every record after them.
  std::vector<ListItem> items;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < PatchList.size(); ++i) {
    if (PatchList[i].Omnipresence != 1) continue;
    items.push_back({PatchList[i].Name, IsItemSelected(static_cast<int>(i))});
    if (kept != i) PatchList[kept] = std::move(PatchList[i]);
    ++kept;
  }
  PatchList.resize(kept);
  ReplaceItems(std::move(items));
}

void ResetPatches() {
  for (int k = 0; k < ItemCount(); ++k) SetItemSelected(k, false);
  // Read through a const view, so that a record without parameters is not given its slots.
  for (PatchRecord& record : PatchList)
    for (int k = 0; k < kParamSlots; ++k)
      if (std::as_const(record.Params)[k].Enabled == 1) record.Params[k].CurrentValue = record.Params[k].DefaultValue;
  RefreshPatchList();
}

int FindPatchByName(std::string_view name) { return std::max(recordNamed(name), 0); }

void SetPatchSelected(std::string_view name, int flag) {
  if (recordNamed(name) < 0) return;
  for (int k = 0; k < ItemCount(); ++k) {
    if (ItemText(k) != name) continue;
    SetItemSelected(k, flag == 1);
    return;
  }
}

int CheckDependencies(int n, const NameIndex& records) {
  return checkDependencies(n, [&records](std::string_view name) { return records.first(name); });
}

int CheckDependencies(int n) { return checkDependencies(n, recordNamed); }

void ParseParamValues(std::string_view values, int index) {
  if (index < 0 || index >= static_cast<int>(PatchList.size())) return;
  std::vector<std::string_view> fields = splitAt(values, ';');
  fields.pop_back();  // the text after the last ";" (or the whole text without one)
  for (int k = 0; k < std::min<int>(fields.size(), kParamSlots); ++k)
    if (!fields[k].empty()) PatchList[index].Params[k].CurrentValue = fields[k];
}

bool FileExists(const std::string& path) { return platform::fileExists(path); }

}  // namespace olvex::draco
