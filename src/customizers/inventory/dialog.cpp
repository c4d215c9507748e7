#include "customizers/inventory/dialog.h"

#include "customizers/frame/column_layout.h"
#include "customizers/puzzles/dialog.h"
#include "patcher/pass_hooks.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "ui/host.h"

namespace olvex::customizers {

namespace {

constexpr int kFrameWidth = 4900, kBoxWidth = 900;
constexpr int kLeft = 120, kRight = kLeft + kFrameWidth + 120;

constexpr ColumnRow kStartUp[] = {
    {"Check1", 0, "Pistols"},
    {"Check1", 1, "Binoculars"},
    {"Check1", 2, "Crowbar"},
    {"Text1", 0, "Amount of Big Medkits:", "Label1", 0, "01"},
    {"Text1", 1, "Amount of Small Medkits:", "Label1", 1, "3"},
    {"Text1", 2, "Amount of Flares:", "Label1", 2, "3"},
    {"Check2", -1, "Separate Small Medi / Flare amount"},
    {"Check1", 4, "Enable limited pistol ammo"},
    {"Text1", 17, "Start-up pistol ammo:", "Label1", 17, "100"},
    {"Check1", 5, "Disable shotgun ammo 6x divider"},
    {"Text2", 0, "Health at startup:", "Label2", 0, "1000"},
    {"Text2", 1, "Air at startup:", "Label2", 1, "1800"},
    {"Text2", 2, "Sprint energy at startup:", "Label2", 2, "120"},
};

constexpr ColumnRow kPickUps[] = {
    {"Text1", 16, "Pistols default ammo:", "Label1", 16, "40"},
    {"Text1", 6, "Shotgun normal ammo:", "Label1", 6, "6"},
    {"Text1", 5, "Shotgun wideshot ammo:", "Label1", 5, "6"},
    {"Text1", 7, "UZI ammo:", "Label1", 7, "30"},
    {"Text1", 8, "Revolver ammo:", "Label1", 8, "6"},
    {"Text1", 9, "Crossbow normal ammo:", "Label1", 9, "10"},
    {"Text1", 10, "Crossbow poison ammo:", "Label1", 10, "10"},
    {"Text1", 11, "Crossbow expl. ammo:", "Label1", 11, "10"},
    {"Text1", 3, "Grenade gun default ammo:", "Label1", 3, "10"},
    {"Text1", 13, "Grenade normal ammo:", "Label1", 13, "4"},
    {"Text1", 14, "Grenade super ammo:", "Label1", 14, "4"},
    {"Text1", 15, "Grenade flash ammo:", "Label1", 15, "4"},
    {"Text1", 12, "Flares:", "Label1", 12, "12"},
};

constexpr ColumnRow kItemEffect[] = {
    {"Text2", 4, "Small Medkit effect:", "Label2", 4, "500"},
    {"Check3", -1, "Invert Small Medkit effect"},
    {"Text2", 3, "Item rotate speed:", "Label2", 3, "03FE"},
    {"Text2", 5, "Ammo rotate speed:", "Label2", 5, "03FE"},
    {"Text2", 6, "Pick-up showing duration:", "Label2", 6, "45"},
};

constexpr ColumnRow kMisc[] = {
    {"Check5", -1, "Disable in-game load"},
    {"Check6", -1, "Disable in-game save"},
    {"Check7", -1, "Disable inventory key"},
    {"Check8", -1, "Disable compass cheats"},
    {"Check9", -1, "Fix compass direction bug"},
    {"Check10", -1, "More savegame slots (24)"},
    {"Text1", 4, "Overall secrets:", "Label1", 4, "70"},
    {"Text3", -1, "FlyCheat magic word:", "Label3", -1, "QUAB"},
};

constexpr auto kLayout = StaticTable<[] {
  std::vector<Place> p;
  int leftBottom = 120 + ColumnHeight(std::size(kStartUp)) + 120;
  int rightBottom = 120 + ColumnHeight(std::size(kPickUps)) + 120;
  AddColumn(p, "Frame1", "start-up inventory", kLeft, 120, kFrameWidth, kBoxWidth, kStartUp);
  AddColumn(p, "Frame2", "pick-ups quantity", kRight, 120, kFrameWidth, kBoxWidth, kPickUps);
  AddColumn(p, "Frame3", "item effect", kLeft, leftBottom, kFrameWidth, kBoxWidth, kItemEffect);
  AddColumn(p, "Frame4", "misc", kRight, rightBottom, kFrameWidth, kBoxWidth, kMisc);
  int buttons = leftBottom + ColumnHeight(std::size(kItemEffect)) + 180;
  p.push_back({"Command3", -1, kLeft, buttons, 1455, 375, "items..."});
  p.push_back({"Command1", -1, kLeft + 1575, buttons, 1455, 375, "apply"});
  p.push_back({"Command2", -1, kLeft + 3150, buttons, 1455, 375, "defaults"});
  return p;
}>();

// One row per box: digits with their maximum (empty asks for a digit), the energies and the
// small medkit clamped, the rotate speeds hex.
const FieldRow kFields[] = {
    {"Text1", 0, 2, Filter::Digit, 3, required(255)},
    {"Text1", 3, 3, Filter::Digit, 3, required(127)},
    {"Text1", 4, 4, Filter::Digit, 2, required(99)},
    {"Text1", 5, 6, Filter::Digit, 3, required(21)},
    {"Text1", 7, 16, Filter::Digit, 3, required(127)},
    {"Text1", 17, 17, Filter::Digit, 3, required(255)},
    {"Text2", 0, 2, Filter::Digit, 5, clampTo(32767)},
    {"Text2", 3, 3, Filter::Hex, 4, hexWidth(2)},
    {"Text2", 4, 4, Filter::Digit, 4, clampTo(32767)},
    {"Text2", 5, 5, Filter::Hex, 4, hexWidth(2)},
    {"Text2", 6, 6, Filter::Digit, 5, clampTo(32767)},
    {"Text3", -1, -1, Filter::Letter, 4},
};

const DialogTable& designSpec() {
  static const DialogTable s{.caption = "Inventory customizer", .scope = "inventory", .width = kRight + kFrameWidth + 240,
                            .height = DialogHeight(kLayout), .layout = kLayout, .fields = kFields};
  return s;
}

bool checked(const ui::CheckBox& c) { return c.value() == 1; }

}  // namespace

CustInv::CustInv() : Dialog("CustInv", designSpec()) {
  addRange(Check1, 0, 5);
  addRange(Text1, 0, 17);
  addRange(Text2, 0, 6);
  for (int i : Text1.indexes()) Label1.add(i);
  for (int i : Text2.indexes()) Label2.add(i);
  Check1[0].setValue(1);
  Check1[1].setValue(1);
  // Two switches that follow "Enable limited pistol ammo"; they are not shown.
  Check1[3].setCaption("Change start-up pistol ammo:");
  Check1[3].setVisible(false);
  Check4.setCaption("Add Pistol Ammo functionality");
  Check4.setVisible(false);
  Text1[16].setEnabled(false);
  Text1[17].setEnabled(false);
  // "Enable limited pistol ammo" needs the extended executable; "FE 40/41 save" takes the save
  // switch over.
  bool mainLoaded = ui::Forms::loaded<shell::Form1>();
  Check1[4].setEnabled(shell::ExtendExeChecked());
  Check6.setEnabled(!mainLoaded || ui::Forms::get<shell::Form1>().Check13.value() != 1);

  Check1.onClick = [this](int) { followLimitedAmmo(); };
  // While the amounts are not separate, small medkits and flares are one value.
  Check2.onClick = [this] {
    if (Check2.value() == 0) Text1[2].setText(Text1[1].text());
  };
  Text1.onChange = [this](int i) {
    if (Check2.value() != 0 || (i != 1 && i != 2)) return;
    Text1[i == 1 ? 2 : 1].setText(Text1[i].text());
  };
  Text3.onLostFocus = [this] {
    if (Text3.text().size() >= 4) return;
    ui::msgBox("Magic word should be 4 characters long!");
    Text3.setFocus();
  };
  Command3.onClick = [] { ui::Forms::get<PuzzleConf>().open(); };
  build();
}

void CustInv::followLimitedAmmo() {
  bool on = checked(Check1[4]);
  Text1[16].setEnabled(on);
  Text1[17].setEnabled(on);
  Check4.setValue(on ? 1 : 0);
  Check1[3].setValue(on ? 1 : 0);
}

void CustInv::followPistolSwitches() {
  Text1[17].setEnabled(checked(Check1[3]));
  Text1[16].setEnabled(checked(Check1[4]));
}

void InstallInventoryDialog() {
  RegisterInventoryKeys();
  auto& main = shell::form1Hooks();
  main.ButtonActions["Command17"] = [] { ui::Forms::get<CustInv>().open(); };
  main.ExtendExeFollowers.push_back([](bool on) { ui::Forms::get<CustInv>().Check1[4].setEnabled(on); });
  main.FE4041SaveFollowers.push_back([](bool on) { ui::Forms::get<CustInv>().Check6.setEnabled(!on); });
  patcher::passHooks().CustInvCheck7 = [] { return ui::Forms::get<CustInv>().Check7.value(); };
  patcher::passHooks().StageWriters["INVENTORY"] = WriteInventory;
}

}  // namespace olvex::customizers
