#pragma once
// Pictures kept as XPM text (the quoted strings of an XPM file: "width height colours
// characters-per-pixel", the colour lines, then one string per row). Colours are "#RRGGBB" or
// "None"; a "None" pixel keeps the canvas's background.
#include <stdexcept>
#include <string_view>

#include "ui/canvas.h"

namespace olvex::ui {

struct PictureError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Resizes the canvas to the picture, filled with background, and draws the picture on it.
// Throws PictureError for a text that is not such a picture.
void DrawXpm(std::string_view xpm, Canvas& canvas, Color background);

// The point of a mouse pointer's picture that aims: the two numbers after the four of the
// header ("32 32 2 1 4 0"), or the top left corner when the header gives none.
struct HotSpot {
  int x = 0, y = 0;
  bool operator==(const HotSpot&) const = default;
};
HotSpot XpmHotSpot(std::string_view xpm);

}  // namespace olvex::ui
