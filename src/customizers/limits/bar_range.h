#pragma once
// The recalculation of the limits dialog: a bar's maximum becomes the fixed-point reciprocal
// (an eight-digit hex multiplier) and the shift with which the game scales the raw value to the
// bar without a division.
#include <string>
#include <string_view>

namespace olvex::customizers {

enum class Bar { Health, Air, Sprint };

struct BarRange {
  std::string message;   // "You have set too low Max. HP bar value." ...; empty when in range
  std::string maximum;   // the corrected maximum; empty when the text stands
  std::string multiplier;  // eight hex digits
  std::string shift;       // two hex digits (the health bar's divider 00, 01 or 02)
};

BarRange RecalculateBar(Bar bar, std::string_view maximumText);

}  // namespace olvex::customizers
