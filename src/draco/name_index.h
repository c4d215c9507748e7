#pragma once
// Where each name stands in the patch table or the patch list, found by one hash instead of a
// walk through every record. An index holds the names as they were when it was made: it is made
// once for the many look-ups of a preset load or a pass, while no name changes.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace olvex::draco {

class NameIndex {
 public:
  // Exact: byte for byte. IgnoreCase: equal but for the case of A to Z (shell::LowerChar).
  enum class Match { Exact, IgnoreCase };

  NameIndex(const std::vector<std::string_view>& names, Match match);

  // The first position holding the name, -1 when none does.
  int first(std::string_view name) const;
  // The next position after `position` holding the same name, -1 after the last.
  int next(int position) const { return next_[position]; }
  // No name longer than this is at any position.
  std::size_t longest() const { return longest_; }

 private:
  struct Positions {
    int first;
    int last;
  };
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::string key(std::string_view name) const;

  Match match_;
  std::unordered_map<std::string, Positions, Hash, std::equal_to<>> positions_;
  std::vector<int> next_;
  std::size_t longest_ = 0;
};

// The names of PatchList's records, and the texts of the patch list's items, as they are now.
NameIndex RecordNameIndex(NameIndex::Match match);
NameIndex ItemTextIndex();

}  // namespace olvex::draco
