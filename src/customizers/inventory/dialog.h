#pragma once
// The inventory dialog: start-up inventory, pick-up quantities, the small medkit, rotate speeds,
// load / save / compass switches, savegame slots, secrets and the fly-cheat magic word. Its
// "items..." opens the item combinations dialog.
#include "customizers/frame/dialog.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class CustInv : public Dialog {
 public:
  CustInv();

  // "Enable limited pistol ammo" (Check1(4)) decides: the two pistol ammo boxes are enabled and
  // the two hidden switches set exactly while it is checked.
  void followLimitedAmmo();
  // The enabled states the settings key table sets after PickUpShowDur.
  void followPistolSwitches();

  ui::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"}, Frame4{*this, "Frame4"};
  ui::ControlArray<ui::CheckBox> Check1{*this, "Check1"};
  ui::CheckBox Check2{*this, "Check2"}, Check3{*this, "Check3"}, Check4{*this, "Check4"},
      Check5{*this, "Check5"}, Check6{*this, "Check6"}, Check7{*this, "Check7"},
      Check8{*this, "Check8"}, Check9{*this, "Check9"}, Check10{*this, "Check10"};
  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"}, Text2{*this, "Text2"};
  ui::TextBox Text3{*this, "Text3"};
  ui::ControlArray<ui::Label> Label1{*this, "Label1"}, Label2{*this, "Label2"};
  ui::Label Label3{*this, "Label3"};
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"}, Command3{*this, "Command3"};
};

// Its settings keys, scope "inventory" (keys.cpp).
void RegisterInventoryKeys();
// INVENTORY, with the pistol ammo function that needs the extended executable (stage.cpp).
void WriteInventory(platform::RandomAccessFile& file);
// Keys, the main window's button and options, and the INVENTORY stage.
void InstallInventoryDialog();

}  // namespace olvex::customizers
