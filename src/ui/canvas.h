#pragma once
// A pixel buffer that picture boxes and images draw into; colours are &HBBGGRR.
#include <cstdint>
#include <vector>

#include "ui/control.h"

namespace olvex::ui {

class Canvas {
 public:
  int width() const { return width_; }
  int height() const { return height_; }
  void resize(int w, int h, Color fill = 0xFFFFFF);  // pixels
  Color pixel(int x, int y) const;                   // 0 outside
  void setPixel(int x, int y, Color c);              // ignored outside
  void fill(Color c);
  void fillRect(int x, int y, int w, int h, Color c);  // clipped to the canvas
  void line(int x1, int y1, int x2, int y2, Color c);
  const std::vector<Color>& pixels() const { return pixels_; }
 private:
  int width_ = 0, height_ = 0;
  std::vector<Color> pixels_;
};

}  // namespace olvex::ui
