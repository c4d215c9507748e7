#include "customizers/credits/image.h"

#include <algorithm>
#include <cmath>

#include "shell/conversions.h"
#include "shell/number_text.h"
#include "ui/box_lines.h"

namespace olvex::customizers {

int LineCharsOf(std::string_view text) {
  double c = std::trunc(shell::Val(text));
  if (!(c >= kMinLineChars)) return kMinLineChars;  // NaN included
  return static_cast<int>(std::min<double>(c, kMaxLineChars));
}

int SlotCount(int lineChars) { return kCreditsAreaBytes / (lineChars + 1); }

CreditsImage BuildCreditsImage(const ui::TextBox& text, int lineChars) {
  const int slots = SlotCount(lineChars);
  const std::size_t slotDigits = 2 * static_cast<std::size_t>(lineChars + 1);
  CreditsImage image{{}, 0};
  image.hex.reserve(slotDigits * slots);
  ui::BoxLines lines(text.text());
  std::string_view line;
  for (int k = 0; k < slots; ++k) {
    std::string slot;
    if (lines.next(line)) {
      slot = shell::TextToHex(line.substr(0, lineChars));
      ++image.count;
    }
    slot.resize(slotDigits, '0');
    image.hex += slot;
  }
  return image;
}

}  // namespace olvex::customizers
