#pragma once
// Caption-and-box lines laid out in columns, for dialogs whose fields are long lists: each
// line's caption is an element of a label array with its box beside it; a line without a
// caption is a check box across the column.
#include <span>
#include <string_view>
#include <vector>

#include "customizers/dialog.h"

namespace olvex::customizers {

struct FieldLine {
  std::string_view caption;  // empty: `box` is a check box and `text` its caption
  std::string_view box;
  int index;
  std::string_view text;     // the box's designer text
};

struct Grid {
  std::string_view container;  // empty: the form itself
  int left, top;               // of the first line, twips
  int rows;                    // lines per column
  int columnWidth, captionWidth, boxWidth;
};

// Twips between two lines, and the height of a box.
inline constexpr int kLinePitch = 315;
inline constexpr int kBoxHeight = 285;

// Appends the places of `lines`; their captions take the elements of `labels` from `firstLabel`
// on. Returns the next free label index.
int LayOutLines(std::vector<Place>& out, std::span<const FieldLine> lines, const Grid& grid,
                std::string_view labels, int firstLabel);

}  // namespace olvex::customizers
