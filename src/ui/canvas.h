#pragma once
// A pixel buffer that picture boxes and images draw into; colours are &HBBGGRR.
#include <cstdint>
#include <functional>
#include <vector>

#include "ui/control.h"

namespace olvex::ui {

// A pixel of this value lets what lies beneath the picture show through (a button's face, the
// screen under a mouse pointer).
inline constexpr Color kSeeThrough = 0xFF000000;

class Canvas {
 public:
  int width() const { settle(); return width_; }
  int height() const { settle(); return height_; }
  void resize(int w, int h, Color fill = 0xFFFFFF);  // pixels; drops a drawing not yet made
  Color pixel(int x, int y) const;                   // 0 outside
  void setPixel(int x, int y, Color c);              // ignored outside
  void fill(Color c);
  void fillRect(int x, int y, int w, int h, Color c);  // clipped to the canvas
  void line(int x1, int y1, int x2, int y2, Color c);
  // Each pixel ANDed with the one at the same place of source (a block transfer with SRCAND);
  // pixels source lacks become 0.
  void andWith(const Canvas& source);
  const std::vector<Color>& pixels() const { settle(); return pixels_; }
  // Has `draw` make the whole canvas (it begins with resize) when the canvas is first used
  // rather than now: a picture loaded into a window that is never shown is never drawn.
  void drawLater(std::function<void(Canvas&)> draw);
 private:
  void settle() const {
    if (pending_) drawPending();
  }
  void drawPending() const;
  // The canvas as drawn; a pending drawing is a part of its value, made on first use.
  mutable int width_ = 0, height_ = 0;
  mutable std::vector<Color> pixels_;
  mutable std::function<void(Canvas&)> pending_;
};

}  // namespace olvex::ui
