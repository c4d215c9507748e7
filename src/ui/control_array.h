#pragma once
// A control array: elements share a name and handlers and are told apart by index. Indexes may
// have holes.
#include <functional>
#include <map>
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

  // Creates element i (at design time or in Load) and routes its events to the array's.
  T& add(int i) {
    auto& slot = items_[i];
    slot = std::make_unique<T>(form_, name_, i);
    wire(*slot, i);
    return *slot;
  }
  void remove(int i) { items_.erase(i); }
  bool exists(int i) const { return items_.count(i) != 0; }
  T& operator[](int i) {
    auto it = items_.find(i);
    if (it == items_.end()) throw std::out_of_range(name_ + "(" + std::to_string(i) + ") does not exist");
    return *it->second;
  }
  const T& operator[](int i) const { return const_cast<ControlArray&>(*this)[i]; }
  std::vector<int> indexes() const {
    std::vector<int> r;
    for (auto& [i, c] : items_) r.push_back(i);
    return r;
  }
  int count() const { return static_cast<int>(items_.size()); }
  int ubound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
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
  std::map<int, std::unique_ptr<T>> items_;
};

}  // namespace olvex::ui
