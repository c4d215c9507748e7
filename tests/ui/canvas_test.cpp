#include <gtest/gtest.h>

#include "ui/canvas.h"

namespace olvex::ui {
namespace {

// A drawing left for later is made once, on first use, and what is drawn afterwards lies on it.
TEST(Canvas, ADrawingLeftForLaterIsMadeOnceOnFirstUse) {
  int drawn = 0;
  auto picture = [&drawn](Canvas& c) {
    ++drawn;
    c.resize(2, 1, 0x111111);
  };
  const struct {
    const char* name;
    std::function<std::vector<Color>(Canvas&)> use;
    std::vector<Color> seen;
    int drawn;
  } cases[] = {
      {"pixels", [](Canvas& c) { return c.pixels(); }, {0x111111, 0x111111}, 1},
      {"width", [](Canvas& c) { return std::vector<Color>(c.width(), 0); }, {0, 0}, 1},
      {"pixel", [](Canvas& c) { return std::vector<Color>{c.pixel(1, 0)}; }, {0x111111}, 1},
      {"set pixel on top", [](Canvas& c) { c.setPixel(0, 0, 7); return c.pixels(); }, {7, 0x111111}, 1},
      {"fill rectangle on top", [](Canvas& c) { c.fillRect(1, 0, 1, 1, 7); return c.pixels(); }, {0x111111, 7}, 1},
      {"resize drops it", [](Canvas& c) { c.resize(1, 1, 5); return c.pixels(); }, {5}, 0},
  };
  for (const auto& c : cases) {
    drawn = 0;
    Canvas canvas;
    canvas.drawLater(picture);
    EXPECT_EQ(drawn, 0) << c.name;
    EXPECT_EQ(c.use(canvas), c.seen) << c.name;
    canvas.pixels();
    EXPECT_EQ(drawn, c.drawn) << c.name;
  }
}

}  // namespace
}  // namespace olvex::ui
