#include "platform/image_allocator.h"

#include <sys/mman.h>

namespace olvex::platform::detail {
namespace {

constexpr std::size_t kMappedFrom = 256 * 1024;  // smaller buffers come from the heap

}  // namespace

char* ImageAllocator::allocate(std::size_t n) {
  if (n < kMappedFrom) return static_cast<char*>(::operator new(n));
  void* p = ::mmap(nullptr, n, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
  if (p == MAP_FAILED) throw std::bad_alloc();
  return static_cast<char*>(p);
}

void ImageAllocator::deallocate(char* p, std::size_t n) noexcept {
  if (n < kMappedFrom) ::operator delete(p);
  else ::munmap(p, n);
}

}  // namespace olvex::platform::detail
