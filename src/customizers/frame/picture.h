#pragma once
// Pictures of the dialogs: embedded XPM images drawn into a picture box or image.
#include <string_view>

#include "ui/controls.h"

namespace olvex::customizers {

// Draws the embedded picture `resource` on `background` and shows it; a missing picture throws
// now, a malformed one when it is first shown (it is drawn then).
void LoadPicture(ui::PictureBox& picture, std::string_view resource, ui::Color background = 0xD8E9EC);

}  // namespace olvex::customizers
