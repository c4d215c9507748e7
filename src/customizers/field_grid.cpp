#include "customizers/field_grid.h"

namespace olvex::customizers {

namespace {
constexpr int kCaptionDrop = 45;  // a caption's text sits level with its box's text
constexpr int kCaptionHeight = 240;
}  // namespace

int LayOutLines(std::vector<Place>& out, std::span<const FieldLine> lines, const Grid& g, std::string_view labels,
                int firstLabel) {
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
