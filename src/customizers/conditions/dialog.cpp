#include "customizers/conditions/dialog.h"

#include "patcher/pass_hooks.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers {

namespace {

constexpr int kEsc = 27;
constexpr int kCaption = 1980, kBox = 1020;
constexpr int kWidth = 120 + kCaption + kBox + 120;

const Place kLayout[] = {
    {"Shape1", -1, 0, 0, kWidth, 120 + 6 * 315 + 60},
    {"Label1", 0, 120, 165, kCaption, 240, "Time taken:"},
    {"Text6", 0, 120 + kCaption, 120, 540, 285, "480"},
    {"Label1", 1, 120 + kCaption + 555, 165, 90, 240, ":"},
    {"Text6", 1, 120 + kCaption + 660, 120, 360, 285, "0"},
    {"Label1", 2, 120, 480, kCaption, 240, "Distance travelled (m):"},
    {"Text1", -1, 120 + kCaption, 435, kBox, 285, "100000"},
    {"Label1", 3, 120, 795, kCaption, 240, "Ammo used:"},
    {"Text2", -1, 120 + kCaption, 750, kBox, 285, "100000"},
    {"Label1", 4, 120, 1110, kCaption, 240, "Medkits used:"},
    {"Text3", -1, 120 + kCaption, 1065, kBox, 285, "255"},
    {"Label1", 5, 120, 1425, kCaption, 240, "Secrets:"},
    {"Text5", -1, 120 + kCaption, 1380, kBox, 285, "3"},
};

constexpr LeaveRule kEmptyIsZero{LeaveRule::Kind::Clamp};

// Digits only; the minutes are never changed, an emptied seconds box stays empty.
const FieldRow kFields[] = {
    {"Text6", 0, 0, Filter::Digit, 4},
    {"Text6", 1, 1, Filter::Digit, 2, clampTo(LeaveRule{}.min, 59, "")},
    {"Text1", -1, -1, Filter::Digit, 8, kEmptyIsZero},
    {"Text2", -1, -1, Filter::Digit, 8, kEmptyIsZero},
    {"Text3", -1, -1, Filter::Digit, 3, clampTo(255)},
    {"Text5", -1, -1, Filter::Digit, 3, clampTo(255)},
};

const DialogTable kTable{
    .caption = "Secret level conditions",
    .modal = false,
    .width = kWidth,
    .height = 120 + 1380 + 285 + 120,
    .layout = kLayout,
    .fields = kFields,
};

}  // namespace

SLevelConditions::SLevelConditions() : Dialog("SLevelConditions", kTable) {
  Text6.add(0);
  Text6.add(1);
  addRange(Label1, 0, 5);
  Shape1.setBorderColor(0x404040);
  onKeyDown = [this](int& key, int) {
    if (key == kEsc && leaveField()) hide();
  };
  build();
}

// The button's place in the main window plus a small offset, so the window opens just below and
// right of the button.
void SLevelConditions::openBeside(const ui::Control& button, const ui::Form& owner) {
  setLeft(button.left() + owner.left() + 340);
  setTop(button.top() + owner.top() + 400);
  open();
}

void InstallConditionsDialog() {
  RegisterConditionsKeys();
  patcher::passHooks().StageWriters["SIZE"] = WriteBonusLevel;
  shell::form1Hooks().ButtonActions["Command29"] = [] {  // "conditions..."
    auto& main = ui::Forms::get<shell::Form1>();
    ui::Forms::get<SLevelConditions>().openBeside(main.Command29, main);
  };
}

}  // namespace olvex::customizers
