#pragma once
// The code that sets a text's alignment: entry 0, 1, 2 pushes 4000 (hex), 8000 (hex) or 0 (the
// last followed by three no-operation bytes). The main menu and the credits share it.
#include <array>

#include "patcher/write_rows.h"

namespace olvex::customizers {

inline constexpr std::array<patcher::Hex, 3> kAlignCodes = {
    patcher::L("6800400000"), patcher::L("6800800000"), patcher::L("6A00909090")};

}  // namespace olvex::customizers
