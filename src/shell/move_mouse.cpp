#include "shell/move_mouse.h"

#include <cmath>

#include "shell/number_text.h"
#include "ui/host.h"

namespace olvex::shell {

namespace {
struct DragState {
  bool dragging = false;
  int grabX = 0, grabY = 0;  // pixels inside the window where the drag started
  ui::ScreenRect work;
};
DragState drag;

// One axis: snap to the near edge (the test on the absolute position is strict), to the far edge
// (inclusive), or follow the cursor.
int place(int pos, int extentTwips, int nearEdge, int farEdge, int twipsPerPixel, int snap) {
  if (std::abs(pos) - nearEdge < snap) return nearEdge * twipsPerPixel;
  double extent = static_cast<double>(extentTwips) / twipsPerPixel;
  if (std::abs(extent + pos - farEdge) <= snap) return farEdge * twipsPerPixel - extentTwips;
  return pos * twipsPerPixel;
}
}  // namespace

void DragForm(ui::Form& form, double x, double y, int button, int snap) {
  if (button != ui::kLeftButton) {
    drag.dragging = false;
    return;
  }
  ui::Host& h = ui::host();
  int tx = h.twipsPerPixelX(), ty = h.twipsPerPixelY();
  if (!drag.dragging) {
    drag.grabX = static_cast<int>(RoundHalfEven(x / tx));
    drag.grabY = static_cast<int>(RoundHalfEven(y / ty));
    drag.work = h.workArea();
    drag.dragging = true;
  }
  ui::ScreenPoint cursor = h.cursorPos();
  int nx = cursor.x - drag.grabX, ny = cursor.y - drag.grabY;
  form.move(place(nx, form.width(), drag.work.left, drag.work.right, tx, snap),
            place(ny, form.height(), drag.work.top, drag.work.bottom, ty, snap), form.width(), form.height());
}

}  // namespace olvex::shell
