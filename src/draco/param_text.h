#pragma once
// What a parameter's value box accepts by parameter type: key filter, length, colour, and the
// correction of a text when the box is left.
#include <string>
#include <string_view>

#include "ui/control.h"

namespace olvex::draco {

struct ParamBoxRule {
  int (*filter)(int key);
  int maxLength;
  ui::Color colour;
};

// The rule of a type 0..7; null for any other type (no filter, limit and colour kept).
const ParamBoxRule* ParamBoxRuleOf(int type);

// The text a value box of that type holds once left: hex types padded with leading zeros to 2,
// 4 or 8 digits; number types 3..7 the decimal text of the leading number clamped to the type's
// range ("" and "-" give "0", "5-3" gives "5"). A plain number inside the range stays as typed;
// any other type leaves the text alone.
std::string NormaliseParamText(std::string_view text, int type);

}  // namespace olvex::draco
