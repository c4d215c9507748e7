#include "customizers/inventory_dialog.h"

#include "customizers/column_layout.h"
#include "customizers/dialog_stages.h"
#include "customizers/puzzle_dialog.h"
#include "patcher/pass_hooks.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "customizers/key_targets.h"
#include "shell/settings_keys.h"
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

namespace {

template <int I>
constexpr shell::TextBoxOf text1 = keys::textAt<&CustInv::Text1, I>();
template <int I>
constexpr shell::TextBoxOf text2 = keys::textAt<&CustInv::Text2, I>();
template <int I>
constexpr shell::CheckBoxOf check1 = keys::checkAt<&CustInv::Check1, I>();
using keys::check;

void pistolSwitches() { ui::Forms::get<CustInv>().followPistolSwitches(); }

using C = shell::Conversion;

const shell::KeyRow kKeys[] = {
    {"disableinventory", C::Check, check<&CustInv::Check7>()},
    {"disableload", C::Check, check<&CustInv::Check5>()},
    {"disablesave", C::Check, check<&CustInv::Check6>()},
    {"secrets", C::Number, text1<4>},
    {"defgetpistols", C::Check, check1<0>},
    {"defgetbinoculars", C::Check, check1<1>},
    {"defgetcrowbar", C::Check, check1<2>},
    {"defbigmedkits", C::Number, text1<0>},
    {"defsmallmedkits", C::Number, text1<1>},
    {"defflares", C::Number, text1<2>},
    {"seperateamount", C::Check, check<&CustInv::Check2>()},
    {"disableunlpistammolabel", C::Check, check1<4>},
    {"removepistolammo", C::Check, check1<3>},
    {"replacepistolswithammo", C::Check, check<&CustInv::Check4>()},
    {"startuppistolammo", C::Number, text1<17>},
    {"disableshotgunammodivider", C::Check, check1<5>},
    {"startuphealth", C::OldHex, text2<0>},
    {"startupair", C::OldHex, text2<1>},
    {"startupsprint", C::OldHex, text2<2>},
    {"pistolammo", C::Number, text1<16>},
    {"shotgunnormalammo", C::Number, text1<6>},
    {"shotgunwideammo", C::Number, text1<5>},
    {"uziammo", C::Number, text1<7>},
    {"revolverammo", C::Number, text1<8>},
    {"xbownormalammo", C::Number, text1<9>},
    {"xbowpoisonammo", C::Number, text1<10>},
    {"xbowexplosiveammo", C::Number, text1<11>},
    {"grenadegundefammo", C::Number, text1<3>},
    {"grenadenormalammo", C::Number, text1<13>},
    {"grenadesuperammo", C::Number, text1<14>},
    {"grenadeflashammo", C::Number, text1<15>},
    {"flares", C::Number, text1<12>},
    {"smallmedieffect", C::OldHex, text2<4>},
    {"invertsmallmedieffect", C::Check, check<&CustInv::Check3>()},
    {"fixcompassbug", C::Check, check<&CustInv::Check9>()},
    {"disablecompasscheats", C::Check, check<&CustInv::Check8>()},
    {"itemrotatespeed", C::Text, text2<3>},
    {"ammorotatespeed", C::Text, text2<5>},
    {"pickupshowdur", C::Number, text2<6>, &pistolSwitches},
    {"addsavegameslots", C::Check, check<&CustInv::Check10>()},
    {"flycheatmagicword", C::First4, {keys::box<&CustInv::Text3>()}},
};

}  // namespace

void InstallInventoryDialog() {
  shell::RegisterKeys(shell::Scope::Inv, kKeys);
  auto& main = shell::form1Hooks();
  main.ButtonActions["Command17"] = [] { ui::Forms::get<CustInv>().open(); };
  main.ExtendExeFollowers.push_back([](bool on) { ui::Forms::get<CustInv>().Check1[4].setEnabled(on); });
  main.FE4041SaveFollowers.push_back([](bool on) { ui::Forms::get<CustInv>().Check6.setEnabled(!on); });
  patcher::passHooks().CustInvCheck7 = [] { return ui::Forms::get<CustInv>().Check7.value(); };
  patcher::passHooks().StageWriters["INVENTORY"] = WriteInventory;
  InstallPuzzleDialog();
}

}  // namespace olvex::customizers
