#include "furr/guide.h"

#include "furr/feditor.h"
#include "furr/rteditor.h"
#include "furr/script_editor.h"
#include "shell/key_filters.h"
#include "shell/move_mouse.h"
#include "shell/number_text.h"
#include "shell/script_slots.h"
#include "shell/settings_keys.h"

namespace olvex::furr {

GuideFor GuideMode = GuideFor::None;

namespace {
constexpr int kWidth = 1500, kHeight = 450;
constexpr int kEnter = 13, kEsc = 27;
constexpr int kSnap = 10;

// The OK image: a check mark.
void drawOk(ui::Image& image) {
  ui::Canvas& c = image.canvas();
  c.resize(16, 16, 0xF0F0F0);
  for (int i = 0; i < 4; ++i) c.line(3 + i, 7 + i, 3 + i, 9 + i, 0x008000);
  for (int i = 0; i < 7; ++i) c.line(7 + i, 10 - i, 7 + i, 12 - i, 0x008000);
  image.repaint();
}
}  // namespace

Guide::Guide() : Form("Guide") {
  setBorderless(true);
  resize(kWidth, kHeight);
  Text1.move(75, 75, 1035, 300);
  Image1.move(1170, 97, 240, 240);
  drawOk(Image1);
  const int r = kWidth - 15, b = kHeight - 15;
  Line1.setPoints(0, 0, r, 0);
  Line2.setPoints(r, 0, r, b);
  Line3.setPoints(0, b, r, b);
  Line4.setPoints(0, 0, 0, b);
  Text1.onKeyPress = [this](int& key) {
    if (key == kEnter) {
      key = 0;
      accept();
      return;
    }
    key = shell::FilterDigitKey(key);
  };
  Image1.onClick = [this] { accept(); };
  onKeyDown = [this](int& key, int) {
    if (key == kEsc) unload();
  };
  onMouseMove = [this](const ui::MouseEvent& e) { shell::DragForm(*this, e.x, e.y, e.button, kSnap); };
}

void Guide::load() { Image1.setMouseIcon(ui::kHandCursor); }

void Guide::accept() {
  auto number = shell::StrictNumber(Text1.text());
  if (number) {
    double v = *number;
    if (GuideMode == GuideFor::Flipeffect && v > 46 && v <= 46 + shell::TriggerSlots())
      SelectEntry(ui::Forms::get<FEditor>().Combo1, shell::NumberText(v));
    if (GuideMode == GuideFor::RaceEvent && v > 0 && v <= shell::RaceTimerSlots())
      SelectEntry(ui::Forms::get<RTEditor>().Combo2, shell::NumberText(v));
  }
  unload();
}

void OpenGuide(GuideFor mode, const std::string& number, int left, int top) {
  GuideMode = mode;
  Guide& guide = ui::Forms::get<Guide>();
  guide.Text1.setText(number);
  guide.Text1.setSelection(0, static_cast<int>(number.size()));  // typing replaces the number
  guide.move(left, top, guide.width(), guide.height());
  guide.Text1.setFocus();
  guide.show(true);
}

}  // namespace olvex::furr
