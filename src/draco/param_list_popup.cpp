#include "draco/param_list_popup.h"

#include <algorithm>

#include "draco/patch_list.h"
#include "draco/patch_list_window.h"
#include "shell/move_mouse.h"

namespace olvex::draco {
namespace {

constexpr int kEsc = 27;
constexpr int kLineHeight = 240;
constexpr int kCharWidth = 105;  // twips a character of the labels' font takes at most

}  // namespace

ParamList::ParamList() : Form("ParamList") {
  setCaption("Parameters");
  setBorderless(true);
  resize(2000, 370);
  for (int k = 0; k < kParamSlots; ++k) {
    ui::Label& label = Label1.add(k);
    label.move(120, 75 + kLineHeight * k, 1000, 195);
    label.setVisible(false);
  }
  for (ui::Line* l : {&Line1, &Line2, &Line3, &Line4}) l->setBorderColor(0x808080);
}

void ParamList::load() {
  for (int k : Label1.indexes()) Label1[k].setMouseIcon(ui::kHandCursor);
  Label1.onClick = [this](int k) {
    CurParamSlot = k;
    ui::Forms::get<Patches>().SelParamShowez();
    hide();
  };
  onKeyDown = [this](int& key, int) {
    if (key == kEsc) hide();
  };
  onMouseMove = [this](const ui::MouseEvent& e) { shell::DragForm(*this, e.x, e.y, e.button, 10); };
}

void ParamList::fill(const PatchRecord& record) {
  int widest = 0, height = 50, line = 0;
  for (int k = 0; k < kParamSlots; ++k) {
    ui::Label& label = Label1[k];
    label.setVisible(false);
    if (record.Params[k].Enabled != 1) continue;
    label.setCaption(record.Params[k].Name);
    int width = std::max<int>(1, static_cast<int>(label.caption().size())) * kCharWidth;
    label.move(120, 75 + kLineHeight * line, width, label.height());
    label.setVisible(true);
    widest = std::max(widest, width);
    height += kLineHeight;
    ++line;
  }
  int h = height + 80, w = widest + 220;
  move(left(), top(), w, h);
  Line1.setPoints(0, 0, 0, h);
  Line2.setPoints(0, 0, w, 0);
  Line3.setPoints(0, h - 10, w, h - 10);
  Line4.setPoints(widest + 210, 0, widest + 210, h);
}

}  // namespace olvex::draco
