#include "customizers/puzzles/dialog.h"

#include "customizers/frame/column_layout.h"
#include "customizers/puzzles/item_table.h"
#include "patcher/pass_hooks.h"
#include "shell/shared_keys.h"
#include "shell/shared_tables.h"

namespace olvex::customizers {

namespace {

// Results below this index ("Puzzle Item 1" to "Puzzle Item 12") may take the add flag.
constexpr int kAddableItems = 12;

const Place kLayout[] = {
    {"Frame1", -1, 120, 120, 7200, 900, "puzzle combo editor"},
    {"Combo2", -1, 120, 360, 3600, 315, {}, "Frame1"},
    {"Label1", -1, 3780, 390, 240, 255, "=", "Frame1"},
    {"Combo1", -1, 4080, 360, 3000, 315, {}, "Frame1"},
    // The add flag lies outside the visible area: only config, preset and console values set it.
    {"Check1", -1, 120, 2400, 1200, 255, "add"},
    {"Command1", -1, 120, 1140, 1455, 375, "apply"},
    {"Command2", -1, 1695, 1140, 1455, 375, "defaults"},
};

const FieldRow kFields[] = {
    {"Combo1", -1, -1, Filter::Swallow, 0},
    {"Combo2", -1, -1, Filter::Swallow, 0},
};

const DialogTable& designSpec() {
  static const DialogTable s{.caption = "Item configurator", .scope = "items", .width = 7560, .height = 2220,
                            .layout = kLayout, .fields = kFields};
  return s;
}

}  // namespace

PuzzleConf::PuzzleConf() : Dialog("PuzzleConf", designSpec()) {
  for (const ItemRow& item : ItemTable()) Combo1.addItem(std::string(item.name));
  for (std::string_view name : CombinationNames()) Combo2.addItem(std::string(name));
  Combo1.setStyle(ui::ComboBox::Style::DropDownList);
  Combo2.setStyle(ui::ComboBox::Style::DropDownList);

  // The table is the only store: choosing a combination shows its entries. A stored item
  // outside the list shows no selection and keeps its value.
  Combo2.onClick = [this] {
    int i = Combo2.listIndex();
    if (i < 0) return;
    int item = shell::PuzzleCombos[i];
    Combo1.setListIndex(item < Combo1.listCount() ? item : -1);
    int flag = shell::PuzzleCombos[shell::kComboCount + i];
    Check1.setValue(flag <= 2 ? flag : 1);
  };
  Combo1.onClick = [this] {
    int item = Combo1.listIndex();
    Check1.setEnabled(item >= 0 && item < kAddableItems);
    int i = Combo2.listIndex();
    if (item >= 0 && i >= 0) shell::PuzzleCombos[i] = static_cast<std::uint8_t>(item);
  };
  Check1.onMouseUp = [this](const ui::MouseEvent&) {
    int item = Combo1.listIndex(), i = Combo2.listIndex();
    if (item < 0 || i < 0) return;
    shell::PuzzleCombos[i] = static_cast<std::uint8_t>(item);
    shell::PuzzleCombos[shell::kComboCount + i] = static_cast<std::uint8_t>(Check1.value());
  };
  build();
}

void PuzzleConf::defaults() {
  Dialog::defaults();
  Combo2.setListIndex(0);
}

void PuzzleConf::showFirstCombination() {
  Combo2.setListIndex(1);
  Combo2.setListIndex(0);
}

void InstallPuzzlesDialog() {
  shell::SharedHooks.combosApplied = [] { ui::Forms::get<PuzzleConf>().showFirstCombination(); };
  patcher::passHooks().StageWriters["ITEMS"] = WriteItems;
}

}  // namespace olvex::customizers
