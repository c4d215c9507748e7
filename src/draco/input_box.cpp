#include "draco/input_box.h"

#include "draco/patch_list.h"
#include "draco/pictures.h"
#include "shell/key_filters.h"
#include "shell/move_mouse.h"

namespace olvex::draco {
namespace {

constexpr ui::Color kBack = 0xE0E0E0;
constexpr ui::Color kFrame = 0x808080;
constexpr int kEnter = 13, kEsc = 27;
constexpr int kWidth = 4335, kHeight = 435;

struct ModeRow {
  const char* mode;
  const char* prompt;
  int maxLength;
};

constexpr ModeRow kModes[] = {
    {"offsethex", "Add offset:", 8},
    {"offsethex_edit", "Edit offset:", 8},
    {"patchname", "Please enter name:", 255},
};

const ModeRow* modeRow() {
  for (const ModeRow& row : kModes)
    if (InputMode == row.mode) return &row;
  return nullptr;
}

}  // namespace

InputKor::InputKor() : Form("InputKor") {
  setCaption("Input");
  setBorderless(true);
  setBackColor(kBack);
  resize(kWidth, kHeight);
  Label1.setCaption("Input:");
  Label1.setBackColor(kBack);
  Label1.move(105, 105, 1785, 225);
  Text1.move(1905, 75, 1935, 285);
  Image1.move(3930, 120, 195, 195);
  Line1.setPoints(0, 0, 0, kHeight);
  Line2.setPoints(0, 0, kWidth, 0);
  Line3.setPoints(0, kHeight - 15, kWidth, kHeight - 15);
  Line4.setPoints(kWidth - 15, 0, kWidth - 15, kHeight);
  for (ui::Line* l : {&Line1, &Line2, &Line3, &Line4}) l->setBorderColor(kFrame);
}

bool InputKor::offsetMode() const { return InputMode == "offsethex" || InputMode == "offsethex_edit"; }

void InputKor::narrow() {
  move(left(), top(), 2100, height());
  Label1.move(60, Label1.top(), 880, Label1.height());
  Label1.setFont(ui::Font{"MS Sans Serif", 7});
  Text1.move(950, Text1.top(), 800, Text1.height());
  Image1.setLeft(1750);
  Line2.setPoints(0, 0, 2100, 0);
  Line3.setPoints(0, Line3.y1(), 2100, Line3.y2());
  Line4.setPoints(2090, Line4.y1(), 2090, Line4.y2());
}

void InputKor::load() {
  ShowPicture(Image1, "input-ok.xpm", kBack);
  if (const ModeRow* row = modeRow()) {
    Label1.setCaption(row->prompt);
    Text1.setMaxLength(row->maxLength);
  }
  if (offsetMode()) narrow();
  Text1.onKeyPress = [this](int& key) {
    if (key == kEnter) KillMeNow();
    if (offsetMode()) key = shell::FilterHexKey(key);
    else if (key == ';') key = 0;  // a patch set cannot hold a name with ";"
  };
  onKeyDown = [this](int& key, int) {
    if (key != kEsc) return;
    key = 0;
    Text1.setText("");
    KillMeNow();
  };
  Image1.onClick = [this] { KillMeNow(); };
  onMouseMove = [this](const ui::MouseEvent& e) { shell::DragForm(*this, e.x, e.y, e.button, 10); };
}

void InputKor::KillMeNow() {
  InputResult = Text1.text().empty() ? "EMPTY" : Text1.text();
  unload();
}

std::string AskInput(const std::string& mode, const ui::Form& owner, const ui::Control& anchor,
                     const std::string& text) {
  InputMode = mode;
  InputResult = "EMPTY";
  InputKor& box = ui::Forms::get<InputKor>();
  box.move(owner.left() + anchor.left() + 340, owner.top() + anchor.top() + 400, box.width(), box.height());
  box.Text1.setText(text);
  box.Text1.setFocus();
  box.show(true);
  if (ui::Forms::isLoaded(box)) box.unload();  // closed without an answer
  return InputResult;
}

}  // namespace olvex::draco
