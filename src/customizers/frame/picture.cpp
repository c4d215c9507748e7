#include "customizers/frame/picture.h"

#include "resources/embedded.h"
#include "ui/xpm.h"

namespace olvex::customizers {

void LoadPicture(ui::PictureBox& picture, std::string_view resource, ui::Color background) {
  // Drawn when first shown: a dialog loaded only for its values never draws its pictures.
  picture.canvas().drawLater([xpm = resources::get(resource), background](ui::Canvas& canvas) {
    ui::DrawXpm(xpm, canvas, background);
  });
  picture.repaint();
}

}  // namespace olvex::customizers
