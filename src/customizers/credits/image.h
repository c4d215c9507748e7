#pragma once
// The credits text as the fixed-layout byte image the game reads: S slots of C + 1 bytes, slot k
// holding the first C characters of text line k and zero bytes after them.
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/controls.h"

namespace olvex::customizers {

// The game's credits text area, in bytes.
inline constexpr int kCreditsAreaBytes = 1562;
inline constexpr int kMinLineChars = 1;
inline constexpr int kMaxLineChars = 50;

// C from the characters-per-line text: its leading number truncated, 1 for anything below 1
// (empty, zero, negative, fraction below 1, no number), 50 for anything above 50.
int LineCharsOf(std::string_view text);
// S: the slots of C + 1 bytes that fit the credits area.
int SlotCount(int lineChars);

struct CreditsImage {
  std::string hex;     // S x (C + 1) bytes as upper-case hex
  std::int16_t count;  // slots that hold a line: min(lines, S)
};

// The image of a multi-line box's text (its lines as the box counts them).
CreditsImage BuildCreditsImage(const ui::TextBox& text, int lineChars);

}  // namespace olvex::customizers
