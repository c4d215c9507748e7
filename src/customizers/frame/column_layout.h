#pragma once
// Lays out a frame of rows one under the other: a check box fills its row; a text box sits at
// the right with its caption in a label at the left.
#include <span>
#include <string_view>
#include <vector>

#include "customizers/frame/dialog.h"

namespace olvex::customizers {

struct ColumnRow {
  std::string_view name;
  int index;
  std::string_view caption;
  std::string_view label = {};  // the caption's label; empty: the control carries the caption
  int labelIndex = -1;
  std::string_view value = {};  // the box's designer text
};

inline constexpr int kColumnRowHeight = 330;

// The height of a column's frame with `rows` rows.
constexpr int ColumnHeight(std::size_t rows) {
  constexpr int kFirstRow = 300, kMargin = 120;
  return kFirstRow + static_cast<int>(rows) * kColumnRowHeight + kMargin;
}

// Adds the places of the frame (at left, top, width twips wide, tall enough for its rows) and of
// its rows to `out`.
constexpr void AddColumn(std::vector<Place>& out, std::string_view frame, std::string_view caption, int left,
                         int top, int width, int boxWidth, std::span<const ColumnRow> rows) {
  constexpr int kMargin = 120, kFirstRow = 300, kBoxHeight = 285, kLabelHeight = 255;
  out.push_back({frame, -1, left, top, width, ColumnHeight(rows.size()), caption});
  int y = kFirstRow;
  for (const ColumnRow& r : rows) {
    if (r.label.empty()) {
      out.push_back({r.name, r.index, kMargin, y, width - 2 * kMargin, kLabelHeight, r.caption, frame});
    } else {
      int boxLeft = width - kMargin - boxWidth;
      out.push_back({r.label, r.labelIndex, kMargin, y + 30, boxLeft - 2 * kMargin, kLabelHeight, r.caption, frame});
      out.push_back({r.name, r.index, boxLeft, y, boxWidth, kBoxHeight, r.value, frame});
    }
    y += kColumnRowHeight;
  }
}

// The height of a dialog whose lowest control is the last place, with a margin and the title bar.
constexpr int DialogHeight(std::span<const Place> places) {
  constexpr int kMarginAndTitle = 600;
  return places.back().top + places.back().height + kMarginAndTitle;
}

}  // namespace olvex::customizers
