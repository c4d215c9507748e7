#include "draco/offset_map.h"

#include <algorithm>
#include <cmath>

#include "draco/patch_list.h"
#include "shell/conversions.h"
#include "shell/move_mouse.h"
#include "shell/version_table.h"
#include "ui/host.h"

namespace olvex::draco {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kStripTop = 120, kStripHeight = 615;
constexpr ui::Color kRed = ui::rgb(255, 0, 0), kBlue = ui::rgb(0, 0, 255), kGreen = ui::rgb(0, 255, 0);
constexpr ui::Color kExtendedBack = ui::rgb(0xE0, 0xE0, 0xFF), kFirstBack = 0xF0F0F0;
constexpr int kWidth = 6855, kHeight = 1905;

void readOut(ui::Label& label, std::string prefix, long long position) {
  label.setCaption(prefix + shell::TrueHex2(std::to_string(position), 6));
}

}  // namespace

std::optional<MapMark> MapPlace(long long v) {
  if (v <= 0) return std::nullopt;
  if (v < kExtendedStart) return MapMark{0, v * 10 / kFirstStripTenthBytesPerTwip};
  return MapMark{1, (v - kExtendedStart) / kExtendedStripBytesPerTwip};
}

long long MapPosition(int strip, double x) {
  if (strip == 0) return static_cast<long long>(std::trunc(x * kFirstStripTenthBytesPerTwip / 10));
  return static_cast<long long>(std::trunc(x * kExtendedStripBytesPerTwip)) + kExtendedStart;
}

Form3::Form3() : Form("Form3") {
  setCaption("Offset map");
  setBorderless(true);
  setBackColor(kFirstBack);
  resize(kWidth, kHeight);
  Picture1.move(120, kStripTop, 4575, kStripHeight);
  Picture2.move(4680, kStripTop, 2055, kStripHeight);
  Label4.setCaption("000000");
  Label4.setFont(ui::Font{"Courier New", 9});
  Label4.move(4680, 840, 2055, 240);
  struct Legend {
    ui::Shape* shape;
    ui::Label* label;
    ui::Color colour;
    const char* caption;
  };
  int top = 840;
  for (const Legend& row : {Legend{&Shape1, &Label1, kRed, "Native OLVEX offsets"},
                            Legend{&Shape2, &Label2, kBlue, "DRACO patch offsets"},
                            Legend{&Shape3, &Label3, kGreen, "DRACO parameter offsets"}}) {
    row.shape->setFilled(true);
    row.shape->setFillColor(row.colour);
    row.shape->move(120, top + 30, 150, 150);
    row.label->setCaption(row.caption);
    row.label->move(360, top, 3000, 225);
    top += 300;
  }
  Label5.setCaption("close");
  Label5.setForeColor(ui::rgb(0, 0, 192));
  Label5.setFont(ui::Font{"MS Sans Serif", 8, false, false, true});
  Label5.move(6135, 1500, 600, 225);
  Line1.setPoints(0, 0, 0, kHeight);
  Line2.setPoints(0, 0, kWidth, 0);
  Line3.setPoints(0, kHeight - 15, kWidth, kHeight - 15);
  Line4.setPoints(kWidth - 15, 0, kWidth - 15, kHeight);
}

void Form3::mark(long long v, ui::Color colour) {
  std::optional<MapMark> place = MapPlace(v);
  if (!place) return;
  ui::Canvas& c = (place->strip == 0 ? Picture1 : Picture2).canvas();
  // A mark at the very end of a strip stays visible on its last column.
  int x = std::min(static_cast<int>(place->x / kTwipsPerPixel), c.width() - 1);
  c.line(x, 0, x, c.height() - 1, colour);
}

void Form3::load() {
  Label5.setMouseIcon(ui::kHandCursor);
  ui::host().yield();
  Picture1.canvas().resize(Picture1.width() / kTwipsPerPixel, kStripHeight / kTwipsPerPixel, kFirstBack);
  Picture2.canvas().resize(Picture2.width() / kTwipsPerPixel, kStripHeight / kTwipsPerPixel, kExtendedBack);
  for (std::int32_t v : shell::Offsets) mark(v, kRed);
  for (const PatchRecord& r : PatchList) {
    for (const std::string& offset : r.Offffset)
      if (!offset.empty()) mark(shell::HexToLong(offset), kBlue);
    for (const PatchParam& p : r.Params)
      if (!p.Offset.empty()) mark(shell::HexToLong(p.Offset), kGreen);
  }
  Picture1.repaint();
  Picture2.repaint();

  Picture1.onMouseMove = [this](const ui::MouseEvent& e) {
    readOut(Label4, "", MapPosition(0, e.x));
  };
  Picture2.onMouseMove = [this](const ui::MouseEvent& e) {
    readOut(Label4, "EXT:", MapPosition(1, e.x));
  };
  Label5.onClick = [this] { unload(); };
  onMouseMove = [this](const ui::MouseEvent& e) { shell::DragForm(*this, e.x, e.y, e.button, 10); };
}

}  // namespace olvex::draco
