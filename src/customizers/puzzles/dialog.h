#pragma once
// The item combinations dialog: for the combination chosen in Combo2, the item it yields
// (Combo1) and its add flag (Check1), all kept in PuzzleCombos.
#include "customizers/frame/dialog.h"

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

class PuzzleConf : public Dialog {
 public:
  PuzzleConf();

  // "defaults" shows combination 0 afterwards.
  void defaults() override;
  // Shows combination 1 and then 0, as after every combination key.
  void showFirstCombination();

  ui::Frame Frame1{*this, "Frame1"};
  ui::ComboBox Combo1{*this, "Combo1"}, Combo2{*this, "Combo2"};
  ui::Label Label1{*this, "Label1"};
  ui::CheckBox Check1{*this, "Check1"};
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"};
};

// ITEMS: for each of the 21 combination slots, the instruction that yields the chosen
// item and the id of the item that takes the focus (stage.cpp).
void WriteItems(platform::RandomAccessFile& file);
// The combination shown after every Combo key (a shared key family), and the ITEMS stage.
void InstallPuzzlesDialog();

}  // namespace olvex::customizers
