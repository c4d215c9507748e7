#pragma once
// Caption-and-box lines laid out in columns, for dialogs whose fields are long lists: each
// line's caption is an element of a label array with its box beside it; a line without a
// caption is a check box across the column.
#include <span>
#include <string_view>
#include <vector>

#include "customizers/frame/dialog.h"

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
constexpr int LayOutLines(std::vector<Place>& out, std::span<const FieldLine> lines, const Grid& g,
                          std::string_view labels, int firstLabel) {
  constexpr int kCaptionDrop = 45;  // a caption's text sits level with its box's text
  constexpr int kCaptionHeight = 240;
  int label = firstLabel;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const FieldLine& l = lines[i];
    int row = static_cast<int>(i) % g.rows, column = static_cast<int>(i) / g.rows;
    int x = g.left + column * g.columnWidth, y = g.top + row * kLinePitch;
    if (l.caption.empty()) {
      out.push_back({l.box, l.index, x, y, g.captionWidth + g.boxWidth, kBoxHeight, l.text, g.container});
      continue;
    }
    out.push_back({labels, label++, x, y + kCaptionDrop, g.captionWidth, kCaptionHeight, l.caption, g.container});
    out.push_back({l.box, l.index, x + g.captionWidth, y, g.boxWidth, kBoxHeight, l.text, g.container});
  }
  return label;
}

}  // namespace olvex::customizers
