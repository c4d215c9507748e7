#include "customizers/picture.h"

#include "resources/embedded.h"
#include "ui/xpm.h"

namespace olvex::customizers {

void LoadPicture(ui::PictureBox& picture, std::string_view resource, ui::Color background) {
  ui::DrawXpm(resources::get(resource), picture.canvas(), background);
  picture.repaint();
}

}  // namespace olvex::customizers
