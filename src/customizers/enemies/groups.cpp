#include "customizers/enemies/groups.h"

namespace olvex::customizers {

namespace {

constexpr std::array<std::string_view, kFlagCodes> kShortCodes = {"06", "12", "1E", "3A", "02"};
constexpr std::array<std::string_view, kFlagCodes> kZeroCodes = {"0004", "0010", "001C", "0038", "0000"};
constexpr std::array<std::string_view, kFlagCodes> k72Codes = {"7204", "7210", "721C", "7238", "7200"};
constexpr std::array<std::string_view, kFlagCodes> k7ACodes = {"7A04", "7A10", "7A1C", "7A38", "7A00"};

constexpr EnemyGroup kGroups[] = {
    {3, "Type1FlagDefData", "Type125FlagModData", 1, kShortCodes},  // 1
    {0, "Type2FlagDefData", "Type125FlagModData", 1, kShortCodes},  // 2
    {0, "Type3FlagDefData", "Type3FlagModData", 2, kZeroCodes},     // 3
    {1, "Type4FlagDefData", "Type478FlagModData", 3, k72Codes},     // 4
    {2, "Type5FlagDefData", "Type125FlagModData", 1, kShortCodes},  // 5
    {0, "Type6FlagDefData", "Type6FlagModData", 1, k7ACodes},       // 6
    {2, "Type7FlagDefData", "Type478FlagModData", 3, kZeroCodes},   // 7
    {2, "Type8FlagDefData", "Type478FlagModData", 3, k72Codes},     // 8
    {2, "Type9FlagDefData", "Type9FlagModData", 2, k72Codes},       // 9
};

// Group number (1..9) of each kind; 0: the flag is fixed and never written.
constexpr int kGroupOfKind[27] = {1, 2, 2, 3, 1, 1, 7, 4, 8, 2, 2, 5, 1, 9,
                                  0, 0, 2, 2, 3, 2, 2, 2, 6, 2, 2, 1, 3};

}  // namespace

std::optional<EnemyGroup> GroupOfKind(int kind) {
  if (kind < 0 || kind >= static_cast<int>(std::size(kGroupOfKind)) || kGroupOfKind[kind] == 0) return std::nullopt;
  return kGroups[kGroupOfKind[kind] - 1];
}

}  // namespace olvex::customizers
