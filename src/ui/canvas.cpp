#include "ui/canvas.h"

#include <algorithm>
#include <cstdlib>

namespace olvex::ui {

void Canvas::drawLater(std::function<void(Canvas&)> draw) { pending_ = std::move(draw); }

void Canvas::drawPending() const {
  std::function<void(Canvas&)> draw = std::move(pending_);
  pending_ = nullptr;
  draw(const_cast<Canvas&>(*this));  // only mutable members change
}

void Canvas::resize(int w, int h, Color fill) {
  pending_ = nullptr;
  width_ = std::max(0, w);
  height_ = std::max(0, h);
  pixels_.assign(static_cast<std::size_t>(width_) * height_, fill);
}

Color Canvas::pixel(int x, int y) const {
  settle();
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Canvas::setPixel(int x, int y, Color c) {
  settle();
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

void Canvas::fill(Color c) {
  settle();
  std::fill(pixels_.begin(), pixels_.end(), c);
}

void Canvas::fillRect(int x, int y, int w, int h, Color c) {
  settle();
  int x0 = std::max(0, x), y0 = std::max(0, y);
  int x1 = std::min(width_, x + w), y1 = std::min(height_, y + h);
  for (int j = y0; j < y1; ++j)
    std::fill(pixels_.begin() + static_cast<std::ptrdiff_t>(j) * width_ + x0,
              pixels_.begin() + static_cast<std::ptrdiff_t>(j) * width_ + x1, c);
}

void Canvas::andWith(const Canvas& source) {
  settle();
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) pixels_[static_cast<std::size_t>(y) * width_ + x] &= source.pixel(x, y);
}

void Canvas::line(int x1, int y1, int x2, int y2, Color c) {
  int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
  int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    setPixel(x1, y1, c);
    if (x1 == x2 && y1 == y2) break;
    int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x1 += sx; }
    if (e2 <= dx) { err += dx; y1 += sy; }
  }
}

}  // namespace olvex::ui
