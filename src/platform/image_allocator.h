#pragma once
// The allocator of a file's bytes held in memory. Growing does not zero the new bytes (each is
// read or written before it is used), and a large buffer is mapped with its pages already in
// place, so that reading a whole file into it takes no page fault per page.
#include <cstddef>
#include <new>
#include <utility>

namespace olvex::platform::detail {

class ImageAllocator {
 public:
  using value_type = char;
  template <class U>
  struct rebind {
    using other = ImageAllocator;
  };

  char* allocate(std::size_t n);
  void deallocate(char* p, std::size_t n) noexcept;

  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
  friend bool operator==(const ImageAllocator&, const ImageAllocator&) { return true; }
};

}  // namespace olvex::platform::detail
