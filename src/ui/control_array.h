#pragma once
// A control array: elements share a name and handlers and are told apart by index (0 or more).
// Indexes may have holes.
#include <functional>
#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace olvex::ui {

template <class T>
class ControlArray {
 public:
  ControlArray(Form& f, std::string name) : form_(f), name_(std::move(name)) {}
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;
  // Elements go last first, the reverse of the usual order of their creation.
  ~ControlArray() {
    while (!items_.empty()) items_.pop_back();
  }

  // Creates element i (at design time or in Load) and routes its events to the array's.
  T& add(int i) {
    if (i < 0) throw std::out_of_range(name_ + ": control array index " + std::to_string(i) + " below 0");
    if (i >= static_cast<int>(items_.size())) items_.resize(static_cast<std::size_t>(i) + 1);
    auto& slot = items_[static_cast<std::size_t>(i)];
    slot = std::make_unique<T>(form_, name_, i);
    wire(*slot, i);
    return *slot;
  }
  void remove(int i) {
    if (!exists(i)) return;
    items_[static_cast<std::size_t>(i)].reset();
    while (!items_.empty() && !items_.back()) items_.pop_back();
  }
  bool exists(int i) const { return i >= 0 && i < static_cast<int>(items_.size()) && items_[static_cast<std::size_t>(i)]; }
  T& operator[](int i) {
    if (!exists(i)) throw std::out_of_range(name_ + "(" + std::to_string(i) + ") does not exist");
    return *items_[static_cast<std::size_t>(i)];
  }
  const T& operator[](int i) const { return const_cast<ControlArray&>(*this)[i]; }
  std::vector<int> indexes() const {
    std::vector<int> r;
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (items_[i]) r.push_back(static_cast<int>(i));
    return r;
  }
  int count() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](auto& c) { return c != nullptr; }));
  }
  // The last slot is never a hole.
  int ubound() const { return static_cast<int>(items_.size()) - 1; }
  const std::string& name() const { return name_; }

  std::function<void(int)> onClick, onDblClick, onGotFocus, onLostFocus, onChange, onScroll, onTimer;
  std::function<void(int, int&)> onKeyPress;
  std::function<void(int, int)> onKeyUp;
  std::function<void(int, const MouseEvent&)> onMouseDown, onMouseMove, onMouseUp;

 private:
  void wire(T& c, int i) {
    c.onClick = [this, i] { if (onClick) onClick(i); };
    c.onDblClick = [this, i] { if (onDblClick) onDblClick(i); };
    c.onGotFocus = [this, i] { if (onGotFocus) onGotFocus(i); };
    c.onLostFocus = [this, i] { if (onLostFocus) onLostFocus(i); };
    c.onMouseDown = [this, i](const MouseEvent& e) { if (onMouseDown) onMouseDown(i, e); };
    c.onMouseMove = [this, i](const MouseEvent& e) { if (onMouseMove) onMouseMove(i, e); };
    c.onMouseUp = [this, i](const MouseEvent& e) { if (onMouseUp) onMouseUp(i, e); };
    if constexpr (requires { c.onChange; }) c.onChange = [this, i] { if (onChange) onChange(i); };
    if constexpr (requires { c.onScroll; }) c.onScroll = [this, i] { if (onScroll) onScroll(i); };
    if constexpr (requires { c.onTimer; }) c.onTimer = [this, i] { if (onTimer) onTimer(i); };
    if constexpr (requires { c.onKeyUp; })
      c.onKeyUp = [this, i](int k) { if (onKeyUp) onKeyUp(i, k); };
    if constexpr (requires { c.onKeyPress; })
      c.onKeyPress = [this, i](int& k) { if (onKeyPress) onKeyPress(i, k); };
  }

  Form& form_;
  std::string name_;
  std::vector<std::unique_ptr<T>> items_;  // by index; null: a hole
};

}  // namespace olvex::ui
