#include "draco/pictures.h"

#include "resources/embedded.h"
#include "ui/xpm.h"

namespace olvex::draco {

void ShowPicture(ui::Image& image, std::string_view name, ui::Color background) {
  constexpr int kTwipsPerPixel = 15;
  ui::DrawXpm(resources::get(name), image.canvas(), background);
  image.setWidth(image.canvas().width() * kTwipsPerPixel);
  image.setHeight(image.canvas().height() * kTwipsPerPixel);
  image.setMouseIcon(ui::kHandCursor);
  image.repaint();
}

void ShowPicture(ui::CommandButton& button, std::string_view name) {
  ui::Canvas picture;
  ui::DrawXpm(resources::get(name), picture, ui::kSeeThrough);
  button.setPicture(picture);
}

}  // namespace olvex::draco
