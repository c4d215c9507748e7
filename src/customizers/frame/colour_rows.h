#pragma once
// Layout of the colour rows the bar and font dialogs share: a caption, the red, green and blue
// boxes of one text box array, and the swatch that shows their colour.
#include <span>
#include <string_view>
#include <vector>

#include "customizers/frame/dialog.h"

namespace olvex::customizers {

struct ColourRow {
  std::string_view container;  // the frame of the row's group
  std::string_view caption;
  int red, green, blue;        // indexes of the boxes
  std::string_view swatch;     // empty: none
  int top;                     // twips, inside the container
};

// Twips of a colour row: caption, three boxes, swatch.
inline constexpr int kRowCaptionLeft = 120, kRowCaptionWidth = 1080;
inline constexpr int kRowBoxWidth = 420, kRowBoxStep = 450, kRowHeight = 285;
inline constexpr int kRowSwatchWidth = 330;

// Appends the places of each row: its caption as element `labelIndex` onward of the label array
// `labels`, its boxes of `boxes`, its swatch.
constexpr void AddColourRows(std::vector<Place>& layout, std::span<const ColourRow> rows, std::string_view boxes,
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
// Creates the caption labels 0..last, transparent so that they take the colour of their frame.
void AddCaptions(ui::ControlArray<ui::Label>& captions, int last);
// The swatches of the rows that have one.
constexpr std::vector<Swatch> SwatchesOf(std::span<const ColourRow> rows, std::string_view boxes) {
  std::vector<Swatch> swatches;
  for (const ColourRow& r : rows)
    if (!r.swatch.empty()) swatches.push_back({r.swatch, boxes, r.red, r.green, r.blue});
  return swatches;
}

}  // namespace olvex::customizers
