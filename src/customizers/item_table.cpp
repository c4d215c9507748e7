#include "customizers/item_table.h"

#include <string_view>
#include <vector>


namespace olvex::customizers {

namespace {

// Rows that come in runs: items or their combination pieces ("... Combo 1", "... Combo 2") of
// consecutive item numbers. A "store" run sets the byte at address n of its run to 1; the other
// runs OR bit n into the byte at their address. Addresses are 0080DFxx.
struct Run {
  std::string_view name;
  int firstItem;
  int items;
  bool pieces;
  int address;
  bool store;
};

constexpr Run kRuns[] = {
    {"Puzzle Item", 1, 12, false, 0xE1, true},
    {"Puzzle Item", 1, 4, true, 0xED, false},
    {"Puzzle Item", 5, 4, true, 0xEE, false},
    {"Key Item", 1, 8, false, 0xEF, false},
    {"Key Item", 9, 4, false, 0xF0, false},
    {"Key Item", 1, 4, true, 0xF1, false},
    {"Key Item", 5, 4, true, 0xF2, false},
    {"Pickup Item", 1, 4, false, 0xF3, false},
    {"Pickup Item", 1, 4, true, 0xF5, false},
};
// The focus id of run row r is 0x25 + r.
constexpr int kFirstRunId = 0x25;

struct Single {
  std::string_view name, instruction, focusId;
};

constexpr Single kSingles[] = {
    {"Examine 1", "C605DEDF800001", "7400"},
    {"Examine 2", "C605DFDF800001", "7500"},
    {"Examine 3", "C605F0DF800001", "7600"},
    {"Clockwork Beetle", "C605DBDF800001", "7100"},
    {"Clockwork Beetle Combo 1", "800DDBDF800002", "7300"},
    {"Clockwork Beetle Combo 2", "800DDBDF800004", "7200"},
    {"Pistols", "C605D2DF800009", "0100"},
    {"Shotgun", "C605D4DF800009", "0200"},
    {"Uzis", "C605D3DF800009", "0000"},
    {"Revolver", "C605D7DF800009", "0300"},
    {"Crossbow", "C605D5DF800009", "0500"},
    {"Grenade Gun", "C605D6DF800009", "0700"},
    {"Big Medkit", "66FF05FBDF8000", "1400"},
    {"Small Medkit", "66FF05F9DF8000", "1500"},
    {"Binoculars", "C605D9DF800001", "1600"},
    {"Crowbar", "C605DADF800001", "7000"},
};

std::string hex2(int v) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[v >> 4 & 0xF], kDigits[v & 0xF]};
}

std::vector<ItemRow> buildItems() {
  std::vector<ItemRow> rows;
  for (const Run& run : kRuns) {
    int count = run.pieces ? 2 * run.items : run.items;
    for (int n = 0; n < count; ++n) {
      int item = run.firstItem + (run.pieces ? n / 2 : n);
      std::string name = std::string(run.name) + " " + std::to_string(item);
      if (run.pieces) name += " Combo " + std::to_string(n % 2 + 1);
      std::string code = run.store ? "C605" + hex2(run.address + n) + "DF800001"
                                   : "800D" + hex2(run.address) + "DF8000" + hex2(1 << n);
      rows.push_back({std::move(name), std::move(code), hex2(kFirstRunId + static_cast<int>(rows.size())) + "00"});
    }
  }
  for (const Single& s : kSingles) rows.push_back({std::string(s.name), std::string(s.instruction), std::string(s.focusId)});
  return rows;
}

std::vector<std::string> buildCombinations() {
  struct Group { std::string_view name; int count; };
  constexpr Group kGroups[] = {{"Puzzle Item", 8}, {"Key Item", 8}, {"Pickup Item", 4}};
  std::vector<std::string> names;
  for (const Group& g : kGroups)
    for (int i = 1; i <= g.count; ++i) names.push_back(std::string(g.name) + " " + std::to_string(i) + " Combo 1 + Combo 2");
  names.push_back("Clockwork Beetle Combo 1 + Combo 2");
  return names;
}

}  // namespace

std::span<const ItemRow> ItemTable() {
  static const std::vector<ItemRow> rows = buildItems();
  return rows;
}

std::span<const std::string> CombinationNames() {
  static const std::vector<std::string> names = buildCombinations();
  return names;
}

}  // namespace olvex::customizers
