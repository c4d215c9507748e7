#pragma once
// The controls of a form by name and index, gathered once for a run of lookups (a dialog's build
// reads its tables through one). It holds pointers: build it after the controls exist and drop it
// before any of them goes away.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <vector>

#include "ui/control.h"

namespace olvex::ui {

class ControlIndex {
 public:
  explicit ControlIndex(const std::vector<Control*>& controls);

  // The control (index -1: outside an array), or null. Of two controls with one name and index,
  // the one created first.
  Control* find(std::string_view name, int index = -1) const {
    const Group* g = group(name);
    if (!g || index < g->first || index > g->last) return nullptr;
    return slots_[g->offset + static_cast<std::size_t>(index - g->first)];
  }
  // Calls fn(Control&) for each control named `name` whose index lies in first..last, in index
  // order; returns how many there were. A callback that also takes a std::size_t gets the
  // control's slot too.
  template <class Fn>
  int forRange(std::string_view name, int first, int last, Fn fn) const {
    const Group* g = group(name);
    if (!g) return 0;
    int count = 0;
    for (int i = std::max(first, g->first); i <= std::min(last, g->last); ++i) {
      std::size_t slot = g->offset + static_cast<std::size_t>(i - g->first);
      if (Control* c = slots_[slot]) {
        if constexpr (std::is_invocable_v<Fn, Control&, std::size_t>) fn(*c, slot);
        else fn(*c);
        ++count;
      }
    }
    return count;
  }
  // Each control has its own slot below slotCount(), for tables kept beside the index; a slot
  // may be empty (null).
  std::size_t slotCount() const { return slots_.size(); }
  Control* atSlot(std::size_t slot) const { return slots_[slot]; }

 private:
  // The controls of one name: a slot for each index first..last, null for a hole.
  struct Group {
    std::string_view name;
    int first, last;
    std::size_t offset;  // of the slot of `first`
  };
  static std::uint32_t hash(std::string_view name) {
    // Names of one form differ mostly in their length and their last characters.
    if (name.empty()) return 0;
    std::uint32_t h = static_cast<std::uint32_t>(name.size());
    h = h * 31 + static_cast<unsigned char>(name.front());
    h = h * 31 + static_cast<unsigned char>(name.back());
    if (name.size() > 2) h = h * 31 + static_cast<unsigned char>(name[name.size() - 2]);
    return (h * 2654435769u) >> 12;  // the middle bits of the product mix every input bit
  }
  // The name's bucket, or the empty one it would take.
  std::size_t bucketOf(std::string_view name) const {
    std::size_t mask = buckets_.size() - 1;
    for (std::size_t b = hash(name) & mask;; b = (b + 1) & mask) {
      int g = buckets_[b];
      if (g == 0 || groups_[static_cast<std::size_t>(g - 1)].name == name) return b;
    }
  }
  const Group* group(std::string_view name) const {
    int g = buckets_.empty() ? 0 : buckets_[bucketOf(name)];
    return g == 0 ? nullptr : &groups_[static_cast<std::size_t>(g - 1)];
  }

  std::vector<Group> groups_;
  std::vector<int> buckets_;  // open addressing by name: group number + 1, 0 when empty
  std::vector<Control*> slots_;
};

}  // namespace olvex::ui
