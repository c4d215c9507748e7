#pragma once
// The one rule of every property setter: store the value and report whether it differed, so the
// caller raises its events and view update only on a real change.
#include <utility>

namespace olvex::ui {

template <class T, class V>
bool assign(T& field, V&& value) {
  if (field == value) return false;
  field = std::forward<V>(value);
  return true;
}

}  // namespace olvex::ui
