#include "customizers/colour_rows.h"

namespace olvex::customizers {

void AddColourRows(std::vector<Place>& layout, std::span<const ColourRow> rows, std::string_view boxes,
                   std::string_view labels, int& labelIndex) {
  for (const ColourRow& r : rows) {
    layout.push_back({labels, labelIndex++, kRowCaptionLeft, r.top + 45, kRowCaptionWidth, 240, r.caption, r.container});
    int left = kRowCaptionLeft + kRowCaptionWidth;
    for (int index : {r.red, r.green, r.blue}) {
      layout.push_back({boxes, index, left, r.top, kRowBoxWidth, kRowHeight, {}, r.container});
      left += kRowBoxStep;
    }
    if (!r.swatch.empty())
      layout.push_back({r.swatch, -1, left + 30, r.top, kRowSwatchWidth, kRowHeight, {}, r.container});
  }
}

void AddCaptions(ui::ControlArray<ui::Label>& captions, int last) {
  for (int i = 0; i <= last; ++i) captions.add(i).setTransparent(true);
}

std::vector<Swatch> SwatchesOf(std::span<const ColourRow> rows, std::string_view boxes) {
  std::vector<Swatch> swatches;
  for (const ColourRow& r : rows)
    if (!r.swatch.empty()) swatches.push_back({r.swatch, boxes, r.red, r.green, r.blue});
  return swatches;
}

}  // namespace olvex::customizers
