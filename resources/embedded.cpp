#include "resources/embedded.h"

#include <cstddef>
#include <stdexcept>
#include <string>

namespace olvex::resources::detail {
struct Entry { std::string_view name; std::string_view bytes; };
extern const Entry entries[];
extern const std::size_t entryCount;
}  // namespace olvex::resources::detail

namespace olvex::resources {

std::string_view get(std::string_view name) {
  for (std::size_t i = 0; i < detail::entryCount; ++i)
    if (detail::entries[i].name == name) return detail::entries[i].bytes;
  throw std::out_of_range("no embedded resource " + std::string(name));
}

}  // namespace olvex::resources
