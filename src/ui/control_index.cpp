#include "ui/control_index.h"

#include <bit>

namespace olvex::ui {

ControlIndex::ControlIndex(const std::vector<Control*>& controls) {
  if (controls.empty()) return;
  // At most half full, so that every probe ends.
  buckets_.assign(std::bit_ceil(2 * controls.size()), 0);
  groups_.reserve(controls.size());
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
