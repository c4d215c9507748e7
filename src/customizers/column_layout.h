#pragma once
// Lays out a frame of rows one under the other: a check box fills its row; a text box sits at
// the right with its caption in a label at the left.
#include <span>
#include <string_view>
#include <vector>

#include "customizers/dialog.h"

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

// Adds the places of the frame (at left, top, width twips wide, tall enough for its rows) and of
// its rows to `out`.
void AddColumn(std::vector<Place>& out, std::string_view frame, std::string_view caption, int left, int top,
               int width, int boxWidth, std::span<const ColumnRow> rows);

// The height of a dialog whose lowest control is the last place, with a margin and the title bar.
int DialogHeight(std::span<const Place> places);

}  // namespace olvex::customizers
