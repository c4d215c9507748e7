#include "customizers/column_layout.h"

namespace olvex::customizers {

void AddColumn(std::vector<Place>& out, std::string_view frame, std::string_view caption, int left, int top,
               int width, int boxWidth, std::span<const ColumnRow> rows) {
  constexpr int kMargin = 120, kFirstRow = 300, kBoxHeight = 285, kLabelHeight = 255;
  int height = kFirstRow + static_cast<int>(rows.size()) * kColumnRowHeight + kMargin;
  out.push_back({frame, -1, left, top, width, height, caption});
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

int DialogHeight(std::span<const Place> places) {
  constexpr int kMarginAndTitle = 600;
  return places.back().top + places.back().height + kMarginAndTitle;
}

}  // namespace olvex::customizers
