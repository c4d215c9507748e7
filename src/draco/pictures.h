#pragma once
// The small pictures of the DRACO windows (markers, arrows, buttons), embedded as XPM text.
#include <string_view>

#include "ui/controls.h"

namespace olvex::draco {

// Draws the embedded picture `name` ("marker-remap.xpm", ...) into image over its window's
// background colour, sizes the image to it (15 twips a pixel) and gives it the hand cursor.
void ShowPicture(ui::Image& image, std::string_view name, ui::Color background);
// Gives the button the embedded picture `name`; the button's face shows where it has no colour.
void ShowPicture(ui::CommandButton& button, std::string_view name);

}  // namespace olvex::draco
