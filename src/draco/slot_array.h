#pragma once
// A fixed number of slots that takes no memory until one is written: most patch records use a
// few slots or none, and a set numbered high makes many records that use none. An untouched
// array reads as N default values. Any non-const access (operator[], begin, end) makes the
// slots, so code that only looks at a record reads it through a const reference.
#include <array>
#include <cstddef>
#include <memory>

namespace olvex::draco {

template <class T, std::size_t N>
class SlotArray {
 public:
  SlotArray() = default;
  SlotArray(const SlotArray& other) : slots_(other.slots_ ? std::make_unique<Slots>(*other.slots_) : nullptr) {}
  SlotArray& operator=(const SlotArray& other) {
    if (this != &other) slots_ = other.slots_ ? std::make_unique<Slots>(*other.slots_) : nullptr;
    return *this;
  }
  SlotArray(SlotArray&&) noexcept = default;
  SlotArray& operator=(SlotArray&&) noexcept = default;

  const T& operator[](std::size_t i) const { return view()[i]; }
  T& operator[](std::size_t i) { return made()[i]; }
  auto begin() const { return view().begin(); }
  auto end() const { return view().end(); }
  auto begin() { return made().begin(); }
  auto end() { return made().end(); }

  bool operator==(const SlotArray& other) const { return view() == other.view(); }

 private:
  using Slots = std::array<T, N>;
  static inline const Slots kUntouched{};

  const Slots& view() const { return slots_ ? *slots_ : kUntouched; }
  Slots& made() {
    if (!slots_) slots_ = std::make_unique<Slots>();
    return *slots_;
  }

  std::unique_ptr<Slots> slots_;
};

}  // namespace olvex::draco
