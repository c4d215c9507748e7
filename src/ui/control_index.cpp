#include "ui/control_index.h"

#include <bit>

namespace olvex::ui {

std::uint32_t ControlIndex::hash(std::string_view name) {
  std::uint32_t h = 2166136261u;  // FNV-1a
  for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

std::size_t ControlIndex::bucketOf(std::string_view name) const {
  std::size_t mask = buckets_.size() - 1;
  for (std::size_t b = hash(name) & mask;; b = (b + 1) & mask) {
    int g = buckets_[b];
    if (g == 0 || groups_[static_cast<std::size_t>(g - 1)].name == name) return b;
  }
}

ControlIndex::ControlIndex(const std::vector<Control*>& controls) {
  if (controls.empty()) return;
  // At most half full, so that every probe ends.
  buckets_.assign(std::bit_ceil(2 * controls.size()), 0);
  std::vector<int> groupOf(controls.size());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const Control& c = *controls[i];
    // Elements of an array are mostly created one after another.
    if (i > 0 && c.name() == controls[i - 1]->name()) {
      groupOf[i] = groupOf[i - 1];
    } else {
      int& bucket = buckets_[bucketOf(c.name())];
      if (bucket == 0) {
        groups_.push_back({c.name(), c.index(), c.index(), 0});
        bucket = static_cast<int>(groups_.size());
      }
      groupOf[i] = bucket - 1;
    }
    Group& g = groups_[static_cast<std::size_t>(groupOf[i])];
    g.first = std::min(g.first, c.index());
    g.last = std::max(g.last, c.index());
  }
  std::size_t slots = 0;
  for (Group& g : groups_) {
    g.offset = slots;
    slots += static_cast<std::size_t>(g.last - g.first + 1);
  }
  slots_.assign(slots, nullptr);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const Group& g = groups_[static_cast<std::size_t>(groupOf[i])];
    Control*& slot = slots_[g.offset + static_cast<std::size_t>(controls[i]->index() - g.first)];
    if (!slot) slot = controls[i];
  }
}

}  // namespace olvex::ui
