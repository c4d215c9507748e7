#include "reflayout/layout.h"

namespace olvex::reflayout {

namespace {
// The numeric keys of the version section: the appended size, the address of the game's
// character array, and the load addresses of the race-timer procedure (appended area + 0x40000,
// standard and remapped).
const NumericKey kNumericKeys[] = {
    {"ExtendedSizeNum", kExtendedSizeNum},
    {"CharArrayBaseOffset", 4930080},
    {"RaceExtRVANoRel", 8728576},
    {"RaceExtRVAYoRel", 12922880},
};
}  // namespace

std::span<const NumericKey> numericKeys() { return kNumericKeys; }

}  // namespace olvex::reflayout
