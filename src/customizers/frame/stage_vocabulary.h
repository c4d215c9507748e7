#pragma once
// The vocabulary the stage tables are written in: row parts, selectors and the empty value.
// Stage files bring it in with `using namespace stage;`.
#include "patcher/selectors.h"
#include "patcher/write_rows.h"
#include "shell/form1.h"

namespace olvex::customizers::stage {

using patcher::At;
using patcher::C;
using patcher::F;
using patcher::Hex;
using patcher::kNothing;
using patcher::L;
using patcher::Row;
using patcher::select::always;
using patcher::select::choiceOf;
using shell::Form1;

// A row part that writes nothing.
inline constexpr patcher::Hex kNone{};

}  // namespace olvex::customizers::stage
