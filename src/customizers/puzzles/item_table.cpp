#include "customizers/puzzles/item_table.h"

#include <array>
#include <string_view>


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

// Text of a fixed capacity, written at compile time.
template <std::size_t N>
struct Text {
  char chars[N] = {};
  std::size_t size = 0;
  constexpr Text& operator<<(std::string_view s) {
    for (char c : s) chars[size++] = c;
    return *this;
  }
  constexpr Text& operator<<(int n) {  // a whole number 0..99
    if (n >= 10) chars[size++] = static_cast<char>('0' + n / 10);
    chars[size++] = static_cast<char>('0' + n % 10);
    return *this;
  }
  constexpr Text& hex2(int v) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    chars[size++] = kDigits[v >> 4 & 0xF];
    chars[size++] = kDigits[v & 0xF];
    return *this;
  }
  constexpr std::string_view view() const { return {chars, size}; }
};

struct ItemText {
  Text<32> name;
  Text<16> instruction;
  Text<8> focusId;
};

constexpr auto kItemTexts = [] {
  std::array<ItemText, kItemCount> rows{};
  std::size_t r = 0;
  for (const Run& run : kRuns) {
    int count = run.pieces ? 2 * run.items : run.items;
    for (int n = 0; n < count; ++n, ++r) {
      int item = run.firstItem + (run.pieces ? n / 2 : n);
      rows[r].name << run.name << " " << item;
      if (run.pieces) rows[r].name << " Combo " << n % 2 + 1;
      auto& code = rows[r].instruction;
      code << (run.store ? "C605" : "800D");
      code.hex2(run.store ? run.address + n : run.address) << "DF8000";
      if (run.store) code << "01";
      else code.hex2(1 << n);
      rows[r].focusId.hex2(kFirstRunId + static_cast<int>(r)) << "00";
    }
  }
  for (const Single& s : kSingles) {
    rows[r].name << s.name;
    rows[r].instruction << s.instruction;
    rows[r].focusId << s.focusId;
    ++r;
  }
  if (r != kItemCount) throw "the runs and singles do not make kItemCount items";  // stops the build
  return rows;
}();

constexpr auto kItems = [] {
  std::array<ItemRow, kItemCount> rows{};
  for (std::size_t i = 0; i < rows.size(); ++i)
    rows[i] = {kItemTexts[i].name.view(), kItemTexts[i].instruction.view(), kItemTexts[i].focusId.view()};
  return rows;
}();

constexpr int kCombinationCount = 21;

constexpr auto kCombinationTexts = [] {
  struct Group { std::string_view name; int count; };
  constexpr Group kGroups[] = {{"Puzzle Item", 8}, {"Key Item", 8}, {"Pickup Item", 4}};
  std::array<Text<40>, kCombinationCount> names{};
  std::size_t r = 0;
  for (const Group& g : kGroups)
    for (int i = 1; i <= g.count; ++i) names[r++] << g.name << " " << i << " Combo 1 + Combo 2";
  names[r++] << "Clockwork Beetle Combo 1 + Combo 2";
  if (r != names.size()) throw "the groups do not make kCombinationCount names";  // stops the build
  return names;
}();

constexpr auto kCombinations = [] {
  std::array<std::string_view, kCombinationCount> names{};
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = kCombinationTexts[i].view();
  return names;
}();

}  // namespace

std::span<const ItemRow> ItemTable() { return kItems; }

std::span<const std::string_view> CombinationNames() { return kCombinations; }

}  // namespace olvex::customizers
