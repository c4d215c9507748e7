#include "customizers/enemies/dialog.h"

#include <vector>

#include "customizers/enemies/kinds.h"
#include "customizers/frame/column_layout.h"
#include "customizers/frame/picture.h"
#include "patcher/pass_hooks.h"
#include "shell/form1_hooks.h"
#include "shell/number_text.h"
#include "shell/shared_keys.h"
#include "shell/shared_tables.h"
#include "ui/host.h"

namespace olvex::customizers {

std::string_view FlagPicture(int code) {
  static constexpr std::string_view kPictures[] = {"flag-b.xpm", "flag-n.xpm", "flag-r.xpm",
                                                   "flag-s.xpm", "flag-c.xpm", "flag-c-grey.xpm"};
  return code >= 0 && code < static_cast<int>(std::size(kPictures)) ? kPictures[code] : "flag-unknown.xpm";
}

namespace {

constexpr int kFixedFlags[] = {14, 15};
constexpr int kLastFlag = 4;
constexpr int kBlinkAbove = 32767;
constexpr ui::Color kDarkRed = ui::rgb(64, 0, 0), kGrey = ui::rgb(128, 128, 128);
constexpr int kSetLabel = 7;

constexpr const char* kHelp =
    "Enemy flag option descriptor:\r\n"
    "  (B) - blood flag (usual enemy harm).\r\n"
    "  (N) - no action flag (no harm and effects at all).\r\n"
    "  (R) - ricochet flag (immortal enemy with ricochets).\r\n"
    "  (S) - smoke flag (immortal enemy with smoke).\r\n"
    "  (C) - clear damage. Harm without any blood and smoke.\r\n"
    "\r\n"
    "WARNING: some enemies have hardcoded \"shatter\" behaviour, when some have not.\r\n"
    "\r\n"
    "To change Small Scorpion HP, you must enable extra patch, which will modify level loading code a bit.\r\n"
    "To enable this patch, turn on \"Enable SS HP change\".\r\n"
    "\r\n"
    "NOTE: to disable autotargeting for specific enemy, enter HP value 49152.";

constexpr int kRows = 14, kRowStep = 330, kColumnWidth = 3300;

constexpr auto kLayout = StaticTable<[] {
  std::vector<Place> p;
  p.push_back({"Frame1", -1, 120, 120, 2 * kColumnWidth + 240, 300 + kRows * kRowStep + 60, "enemy HP"});
  for (int row = 0; row < kEnemyKindCount; ++row) {
    const EnemyKind& k = kEnemyKinds[row];
    int x = 120 + (row / kRows) * kColumnWidth, y = 300 + (row % kRows) * kRowStep;
    p.push_back({"Label1", k.flag, x, y + 30, 1500, 255, k.caption, "Frame1"});
    p.push_back({"Text1", k.hpBox, x + 1560, y, 900, 285, k.hpValue, "Frame1"});
    p.push_back({"Image1", k.flag, x + 2520, y + 15, 240, 240, {}, "Frame1"});
  }
  p.push_back({"Image2", -1, 1680, 300 + 8 * kRowStep, 720, 240, {}, "Frame1"});
  int below = 120 + 300 + kRows * kRowStep + 60 + 120;
  p.push_back({"Check1", -1, 120, below, 3000, 255, "Enable SS HP change"});
  int buttons = below + 360;
  p.push_back({"Command1", -1, 120, buttons, 1455, 375, "apply"});
  p.push_back({"Command2", -1, 1695, buttons, 1455, 375, "defaults"});
  p.push_back({"Command3", -1, 3270, buttons, 1455, 375, "AI"});
  p.push_back({"Command4", -1, 4845, buttons, 480, 375, "?"});
  return p;
}>();

const FieldRow kFields[] = {{"Text1", 0, 26, Filter::Digit, 5, clampTo(65535)}};
const Coupling kCouplings[] = {{"Check1", "Text1", 24, 24}};

void blinkTick(Dialog& d) { static_cast<CustEnemy&>(d).blink(); }
// The blinking runs while the dialog is on the screen.
const Preview kPreviews[] = {{"Timer1", 300, false, &blinkTick}};

const DialogTable& designSpec() {
  static const DialogTable s{.caption = "Enemy HP customizer", .scope = "enemies", .width = 2 * kColumnWidth + 600,
                            .height = DialogHeight(kLayout), .layout = kLayout, .fields = kFields,
                            .couplings = kCouplings, .previews = kPreviews};
  return s;
}

}  // namespace

CustEnemy::CustEnemy() : Dialog("CustEnemy", designSpec()) {
  for (const EnemyKind& k : kEnemyKinds) {
    Label1.add(k.flag);
    Text1.add(k.hpBox).setForeColor(kDarkRed);
    Image1.add(k.flag).setMouseIcon(ui::kHandCursor);
  }
  Label1[kSetLabel].setMouseIcon(ui::kHandCursor);
  Image2.setMouseIcon(ui::kHandCursor);
  LoadPicture(Image2, "set-picture.xpm");
  Image2.setVisible(false);
  Image2.setOnTop();  // shown over the Set HP box
  shownFlags_.fill(-1);
  showFlags();

  // A double click advances the flag twice: once for its click, once for itself.
  Image1.onClick = [this](int i) { RecalcFlags(i); };
  Image1.onDblClick = [this](int i) { RecalcFlags(i); };
  Label1.onClick = [this](int i) {
    if (i == kSetLabel) Image2.setVisible(true);
  };
  Image2.onClick = [this] { Image2.setVisible(false); };
  Command4.onClick = [] { ui::msgBox(kHelp); };
  build();
}

void CustEnemy::RecalcFlags(int index) {
  if (index < 0 || index >= shell::kEnemyFlagCount) return;
  for (int fixed : kFixedFlags)
    if (index == fixed) return;
  auto& flag = shell::EnemyFlags[index];
  flag = flag >= kLastFlag ? 0 : flag + 1;
  showFlag(index);
}

void CustEnemy::showFlags() {
  for (int i = 0; i < shell::kEnemyFlagCount; ++i) showFlag(i);
}

void CustEnemy::showFlag(int index) {
  int code = shell::EnemyFlags[static_cast<std::size_t>(index)];
  int& shown = shownFlags_[static_cast<std::size_t>(index)];
  if (shown == code) return;
  shown = code;
  LoadPicture(Image1[index], FlagPicture(code));
}

void CustEnemy::blink() {
  blinkState_ = !blinkState_;
  for (int i : Text1.indexes()) {
    bool large = shell::Val(Text1[i].text()) > kBlinkAbove;
    Text1[i].setForeColor(large && blinkState_ ? kGrey : kDarkRed);
  }
}

void InstallEnemiesDialog() {
  RegisterEnemiesKeys();
  shell::SharedHooks.enemyFlagsApplied = [] { ui::Forms::get<CustEnemy>().showFlags(); };
  shell::form1Hooks().ButtonActions["Command19"] = [] {
    auto& enemies = ui::Forms::get<CustEnemy>();
    enemies.Timer1.setEnabled(true);
    enemies.open();  // modal: returns once the dialog is hidden
    enemies.Timer1.setEnabled(false);
  };
  patcher::passHooks().StageWriters["ENEMY"] = WriteEnemies;
}

}  // namespace olvex::customizers
