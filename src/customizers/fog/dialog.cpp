#include "customizers/fog/dialog.h"

#include <algorithm>
#include <cmath>

#include "customizers/frame/picture.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/shared_tables.h"
#include "ui/host.h"

namespace olvex::customizers {

namespace {

constexpr int kBarMax = 208;
constexpr int px = 15;  // designer twips per pixel

const Place kLayout[] = {
    {"Shape1", -1, 0, 0, 264 * px, 40 * px},
    {"Picture2", -1, 6 * px, 4 * px, 12 * px, 12 * px},
    {"Line1", -1, 8 * px, 30 * px, 1 * px, 6 * px},
    {"Line2", -1, 223 * px, 30 * px, 1 * px, 6 * px},
    {"Picture1", -1, 8 * px, 16 * px, 216 * px, 14 * px},
    {"Image1", -1, kBarMax * px, 0, 5 * px, 14 * px, {}, "Picture1"},
    {"Label1", -1, 230 * px, 16 * px, 30 * px, 14 * px, "208"},
};

const DialogTable kTable{
    .caption = "Fog Tuner",
    .modal = false,
    .width = 264 * px,
    .height = 40 * px,
    .layout = kLayout,
};

}  // namespace

FogTuner::FogTuner() : Dialog("fogtuner", kTable) {
  Shape1.setBorderColor(0x404040);
  Line1.setPoints(0, 0, 0, 6 * px);
  Line2.setPoints(0, 0, 0, 6 * px);
  auto bar = [this](const ui::MouseEvent& e) { DoBars(e.button, e.x / ui::host().twipsPerPixelX()); };
  Picture1.onMouseDown = bar;
  Picture1.onMouseMove = bar;
  onMouseMove = [this](const ui::MouseEvent& e) {
    if (e.button == ui::kLeftButton) moved_ = true;
  };
  onActivate = [this] { activate(); };
  onDeactivate = [this] { shell::FogBulbRange = markerLeft(); };
  build();
}

void FogTuner::load() {
  LoadPicture(Picture1, "fog-bar.xpm");
  LoadPicture(Image1, "fog-marker.xpm");
  LoadPicture(Picture2, "fog-bulb.xpm");
  Picture1.setMouseIcon(ui::kHandCursor);
}

int FogTuner::markerLeft() const {
  return static_cast<int>(std::lround(static_cast<double>(Image1.left()) / ui::host().twipsPerPixelX()));
}

void FogTuner::setMarker(int left) {
  Image1.setLeft(left * ui::host().twipsPerPixelX());
  Label1.setCaption(std::to_string(left));
}

void FogTuner::DoBars(int button, double x) {
  if (button != ui::kLeftButton) return;
  setMarker(std::clamp(static_cast<int>(std::floor(x)) - 2, 0, kBarMax));
}

// Beside the main window's "edit..." button unless the user placed it.
void FogTuner::placeBesideButton() {
  if (moved_) return;
  auto& main = ui::Forms::get<shell::Form1>();
  int tx = ui::host().twipsPerPixelX(), ty = ui::host().twipsPerPixelY();
  setLeft((main.Command23.left() / tx - 210) * tx + main.left());
  setTop((main.Command23.top() / ty + 20) * ty + main.top());
}

// Placed before it is shown too, so a window manager puts it there at once rather than moving it
// just after it appeared, which may not take.
void FogTuner::openBeside() {
  placeBesideButton();
  open();
}

// Placed; the range shown, held to the bar's end.
void FogTuner::activate() {
  placeBesideButton();
  shell::FogBulbRange = std::min(shell::FogBulbRange, kBarMax);
  setMarker(shell::FogBulbRange);
}

void InstallFogDialog() {
  shell::form1Hooks().ButtonActions["Command23"] = [] { ui::Forms::get<FogTuner>().openBeside(); };
}

}  // namespace olvex::customizers
