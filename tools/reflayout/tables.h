#pragma once
// The layout tables behind the accessors of layout.h.
#include <iterator>

#include "reflayout/layout.h"

namespace olvex::reflayout {

extern const OffsetKey kOffsetKeys[];
extern const std::size_t kOffsetKeyCount;
extern const DataKey kDataKeys[];
extern const std::size_t kDataKeyCount;
extern const LocationData kLocationData[];
extern const std::size_t kLocationDataCount;

}  // namespace olvex::reflayout
