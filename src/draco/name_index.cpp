#include "draco/name_index.h"

#include <algorithm>

#include "draco/patch_list.h"
#include "shell/text_case.h"

namespace olvex::draco {

NameIndex::NameIndex(const std::vector<std::string_view>& names, Match match)
    : match_(match), next_(names.size(), -1) {
  positions_.reserve(names.size());
  for (int i = 0; i < static_cast<int>(names.size()); ++i) {
    longest_ = std::max(longest_, names[i].size());
    auto [at, added] = positions_.try_emplace(key(names[i]), Positions{i, i});
    if (added) continue;
    next_[at->second.last] = i;
    at->second.last = i;
  }
}

int NameIndex::first(std::string_view name) const {
  auto at = match_ == Match::Exact ? positions_.find(name) : positions_.find(key(name));
  return at == positions_.end() ? -1 : at->second.first;
}

std::string NameIndex::key(std::string_view name) const {
  return match_ == Match::Exact ? std::string(name) : shell::LowerCase(name);
}

NameIndex RecordNameIndex(NameIndex::Match match) {
  std::vector<std::string_view> names;
  names.reserve(PatchList.size());
  for (const PatchRecord& r : PatchList) names.emplace_back(r.Name);
  return NameIndex(names, match);
}

NameIndex ItemTextIndex() {
  std::vector<std::string_view> texts;
  texts.reserve(ItemCount());
  for (int k = 0; k < ItemCount(); ++k) texts.emplace_back(ItemText(k));
  return NameIndex(texts, NameIndex::Match::Exact);
}

}  // namespace olvex::draco
