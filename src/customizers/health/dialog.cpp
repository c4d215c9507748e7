#include "customizers/health/dialog.h"

#include "customizers/frame/field_grid.h"
#include "customizers/limits/dialog.h"
#include "patcher/pass_hooks.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers {

namespace {

constexpr FieldLine kEnemyLines[] = {
    {"Baddy UZI:", "Text1", 4, "15"},
    {"SAS Machinegun:", "Text1", 18, "15"},
    {"Turret:", "Text1", 20, "5"},
    {"Bat:", "Text1", 6, "2"},
    {"Crocodile UW:", "Text1", 9, "120"},
    {"Crocodile LAND:", "Text1", 19, "120"},
    {"Locust:", "Text1", 8, "3"},
    {"Mummy:", "Text1", 11, "100"},
    {"Baddy sword:", "Text1", 7, "120"},
    {"Small Scorpion:", "Text1", 5, "20"},
    {"Dog:", "Text1", 16, "10"},
    {"Skeleton att. 1:", "Text1", 12, "80"},
    {"Skeleton att. 2:", "Text1", 13, "80"},
    {"Wild Boar:", "Text1", 24, "30"},
    {"Harpy:", "Text1", 10, "10"},
    {"Scorpion:", "Text1", 15, "120"},
    {"Hammerhead:", "Text1", 17, "120"},
    {"Knight Templar:", "Text1", 21, "120"},
    {"Big Beetle:", "Text1", 22, "50"},
    {"Sphinx:", "Text2", 6, "200"},
    {"Set attack (?) 1:", "Text2", 8, "200"},
    {"Set attack 2:", "Text2", 7, "250"},
    {"Little beetle (dispersion):", "Text2", 5, "0400"},
    {"Magic attack (divider):", "Text1", 14, "02"},
    {"", "Check1", -1, "Disable mutant locust attack"},
};
constexpr FieldLine kDrainLines[] = {
    {"No air:", "Text1", 0, "5"},          {"On fire:", "Text1", 1, "7"},  {"In spikes:", "Text1", 2, "8"},
    {"In prong spikes:", "Text1", 25, "8"}, {"In steam:", "Text1", 3, "2"}, {"In darts:", "Text1", 23, "25"},
};
constexpr int kLabels = static_cast<int>(std::size(kEnemyLines) + std::size(kDrainLines)) - 1;  // the check box line has no caption

constexpr auto kLayout = StaticTable<[] {
  std::vector<Place> p = {
      {"Frame1", -1, 120, 120, 6240, 4500, "enemy damage / behaviour"},
      {"Frame2", -1, 6480, 120, 3240, 2310, "HP drain"},
      {"Frame3", -1, 6480, 2520, 3240, 2100, "SAS grenades bugfix"},
      {"Check2", -1, 120, 300, 3000, 285, "enable SAS grenades damage", "Frame3"},
      {"Label3", -1, 120, 660, 1900, 240, "Damage / threshold:", "Frame3"},
      {"Text1", 26, 2040, 615, 480, 285, "50", "Frame3"},
      {"Text1", 27, 2580, 615, 480, 285, "50", "Frame3"},
      {"Check3", -1, 120, 1000, 3000, 285, "fast kill", "Frame3"},
      {"Check4", -1, 120, 1340, 3000, 285, "blow-up fatality", "Frame3"},
      {"Command5", -1, 120, 4800, 2200, 375, "customize limits..."},
      {"Command2", -1, 6480, 4800, 1500, 375, "defaults"},
      {"Command1", -1, 8220, 4800, 1500, 375, "apply"},
  };
  int label = LayOutLines(p, kEnemyLines, {"Frame1", 120, 300, 13, 3000, 2340, 600}, "Label1", 0);
  LayOutLines(p, kDrainLines, {"Frame2", 120, 300, 6, 3000, 2280, 600}, "Label1", label);
  return p;
}>();

// Bytes -128..127 (typed signed, or digits only where noted), words -32767..32767; the divider
// two digits, the beetle dispersion four hex digits.
const FieldRow kFields[] = {
    {"Text1", 0, 27, Filter::Signed, 4, clampTo(-128, 127)},
    {"Text1", 4, 4, Filter::Digit, 4, clampTo(-128, 127)},
    {"Text1", 18, 18, Filter::Digit, 4, clampTo(-128, 127)},
    {"Text1", 20, 20, Filter::Digit, 4, clampTo(-128, 127)},
    {"Text1", 14, 14, Filter::Digit, 2, hexWidth(2)},
    {"Text1", 26, 27, Filter::Digit, 3, clampTo(-128, 127)},
    {"Text2", 6, 8, Filter::Signed, 4, clampTo(-32767, 32767)},
    {"Text2", 5, 5, Filter::Hex, 4, hexWidth(4)},
};

const Coupling kCouplings[] = {
    {"Check2", "Label3", -1, -1},
    {"Check2", "Text1", 26, 27},
    {"Check2", "Check3", -1, -1},
};

DialogTable table() {
  return {
      .caption = "HP \\ Damage customizer",
      .scope = "larahp",
      .width = 9840,
      .height = 5340,
      .layout = kLayout,
      .fields = kFields,
      .couplings = kCouplings,
  };
}

const DialogTable& kTable() {
  static const DialogTable s = table();
  return s;
}

}  // namespace

CustLaraHP::CustLaraHP() : Dialog("CustLaraHP", kTable()) {
  addRange(Text1, 0, 27);
  addRange(Text2, 5, 8);
  addRange(Label1, 0, kLabels - 1);
  Check2.onClick = [this] { followSasFix(); };
  Command5.onClick = [] { ui::Forms::get<CustLimits>().open(); };
  build();
  followSasFix();
}

void CustLaraHP::followSasFix() {
  // The main window is not created for this: without it the executable is not extended.
  bool extended = shell::ExtendExeChecked();
  Check4.setEnabled(Check2.value() == 1 && extended);
}

void CustLaraHP::extendedChanged(bool extended) {
  if (!extended) Check4.setEnabled(false);
  else if (Check2.value() == 1) Check4.setEnabled(true);
}

void InstallHealthDialog() {
  RegisterHealthKeys();
  auto& pass = patcher::passHooks();
  pass.StageWriters["DAMAGE"] = WriteDamage;
  pass.CustLaraHPCheck2 = [] { return ui::Forms::get<CustLaraHP>().Check2.value(); };
  pass.CustLaraHPCheck4 = [] { return ui::Forms::get<CustLaraHP>().Check4.value(); };
  auto& hooks = shell::form1Hooks();
  hooks.ButtonActions["Command10"] = [] { ui::Forms::get<CustLaraHP>().open(); };  // "damage \\ HP..."
  hooks.ExtendExeFollowers.push_back(
      [](bool extended) { ui::Forms::get<CustLaraHP>().extendedChanged(extended); });
}

}  // namespace olvex::customizers
