#include "furr/command_list.h"

#include "shell/move_mouse.h"

namespace olvex::furr {

namespace {
constexpr int kWidth = 4800, kHeight = 6000;
constexpr int kEsc = 27;
constexpr int kSnap = 10;
}  // namespace

std::string CommandListText(const CommandSet& set) {
  std::string text = "List of commands available:\r\n\r\n";
  for (const Command& c : set.commands) {
    text += c.name;
    if (!c.type1.empty()) text += " [" + c.type1 + "] ";
    if (!c.type2.empty()) text += " [" + c.type2 + "]";
    text += "\r\n";
  }
  return text;
}

FLListCmd::FLListCmd() : Form("FLListCmd") {
  setBorderless(true);
  resize(kWidth, kHeight);
  Text1.setMultiLine(true);
  Text1.setLocked(true);
  Text1.move(120, 120, kWidth - 240, kHeight - 600);
  Label1.setCaption("close");
  Label1.setAlignment(ui::Align::Right);
  Label1.move(kWidth - 1000, kHeight - 390, 855, 255);
  // The border: four lines along the window's edges.
  const int r = kWidth - 15, b = kHeight - 15;
  Line1.setPoints(0, 0, r, 0);
  Line2.setPoints(r, 0, r, b);
  Line3.setPoints(0, b, r, b);
  Line4.setPoints(0, 0, 0, b);
  onKeyDown = [this](int& key, int) {
    if (key == kEsc) unload();
  };
  onMouseMove = [this](const ui::MouseEvent& e) { shell::DragForm(*this, e.x, e.y, e.button, kSnap); };
  Label1.onClick = [this] { unload(); };
}

void FLListCmd::load() {
  Text1.setText(CommandListText(LoadedCommandSet()));
  Label1.setMouseIcon(ui::kHandCursor);
}

void ShowCommandList() { ui::Forms::get<FLListCmd>().show(true); }

}  // namespace olvex::furr
