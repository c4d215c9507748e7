#pragma once
// Dragging a borderless window by its surface, snapping it to the screen's work-area edges.
#include "ui/form.h"

namespace olvex::shell {

// Called on every mouse move over the window: x, y in twips inside the window, button the mouse
// buttons held (1 = left alone), snap the snap distance in pixels. One drag state serves every
// window, since only one can be dragged at a time.
void DragForm(ui::Form& form, double x, double y, int button, int snap);

}  // namespace olvex::shell
