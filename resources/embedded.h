#pragma once
#include <string_view>

namespace olvex::resources {

// Bytes of the embedded file `name` (a file name under resources/data); throws when absent.
std::string_view get(std::string_view name);

}  // namespace olvex::resources
