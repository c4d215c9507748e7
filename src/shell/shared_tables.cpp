#include "shell/shared_tables.h"

#include <cmath>
#include <optional>

#include "shell/number_text.h"

namespace olvex::shell {
namespace {

constexpr std::uint8_t kFogDefaults[kFogUnitCount][3] = {
    {0, 0, 0},       {245, 200, 60},  {120, 196, 112}, {202, 204, 230}, {128, 64, 0},
    {64, 64, 64},    {243, 232, 236}, {0, 64, 192},    {0, 128, 0},     {150, 172, 157},
    {128, 128, 128}, {204, 163, 123}, {177, 162, 140}, {0, 223, 191},   {111, 255, 223},
    {244, 216, 152}, {248, 192, 60},  {252, 0, 0},     {198, 95, 87},   {226, 151, 118},
    {248, 235, 206}, {0, 30, 16},     {250, 222, 167}, {218, 175, 117}, {225, 191, 78},
    {77, 140, 141},  {4, 181, 154},   {255, 174, 0}};

constexpr std::uint8_t kComboItemDefaults[kComboCount] = {0,  1,  2,  3,  4,  5,  6,  7,  28, 29, 30,
                                                          31, 32, 33, 34, 35, 56, 57, 58, 59, 71};

constexpr std::array<std::uint8_t, kEnemyFlagCount> kEnemyFlagDefaults = {
    3, 0, 0, 0, 3, 3, 2, 1, 2, 0, 0, 2, 3, 2, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0};

constexpr std::array<std::uint8_t, kFogUnitCount> fogColumn(int c) {
  std::array<std::uint8_t, kFogUnitCount> r{};
  for (int i = 0; i < kFogUnitCount; ++i) r[i] = kFogDefaults[i][c];
  return r;
}

constexpr std::array<std::uint8_t, 2 * kComboCount> comboDefaults() {
  std::array<std::uint8_t, 2 * kComboCount> r{};
  for (int i = 0; i < kComboCount; ++i) r[i] = kComboItemDefaults[i];
  return r;
}

// The leading number of a field as a byte; nothing when it is not in 0..255.
std::optional<std::uint8_t> fieldByte(std::string_view field) {
  double v = RoundHalfEven(Val(field));
  if (!(v >= 0 && v <= 255)) return std::nullopt;
  return static_cast<std::uint8_t>(v);
}

// Splits value at commas and hands each of the first `count` fields' byte to store(f, byte);
// a missing field or a value out of range ends the walk.
template <class Store>
void storeFields(std::string_view value, int count, Store store) {
  for (int f = 0; f < count; ++f) {
    std::size_t comma = value.find(',');
    auto b = fieldByte(value.substr(0, comma));
    if (!b) return;
    store(f, *b);
    if (comma == std::string_view::npos) return;
    value.remove_prefix(comma + 1);
  }
}

std::array<std::string, 3> letters(std::array<double*, 3> flags, std::string_view byCode) {
  std::array<std::string, 3> r;
  for (int i = 0; i < 3; ++i) {
    double v = *flags[i];
    bool known = v >= 2 && v < byCode.size() + 1 && v == std::floor(v);
    if (!known) *flags[i] = 1;
    r[i] = std::string(1, byCode[known ? static_cast<std::size_t>(v) - 1 : 0]);
  }
  return r;
}

}  // namespace

// Built-in defaults from the start of the run (constant initialisation).
std::array<std::uint8_t, kFogUnitCount> FogUnitR = fogColumn(0), FogUnitG = fogColumn(1),
                                        FogUnitB = fogColumn(2);
std::array<std::uint8_t, 2 * kComboCount> PuzzleCombos = comboDefaults();
std::array<std::uint8_t, kEnemyFlagCount> EnemyFlags = kEnemyFlagDefaults;
std::int32_t FogBulbRange = 20;
double XBowNormFlag = 1, XBowPoisonFlag = 2, GrenNormFlag = 1, GrenSupaFlag = 2;
std::uint8_t XBowExplFlag = 3, GrenFlshFlag = 3;

int ParseFogUnit(std::string_view value, int index) {
  if (index < 0 || index >= kFogUnitCount) return 1;
  std::array<std::uint8_t, kFogUnitCount>* tables[] = {&FogUnitR, &FogUnitG, &FogUnitB};
  storeFields(value, 3, [&](int f, std::uint8_t b) { (*tables[f])[index] = b; });
  return 1;
}

int ParseCombo(std::string_view value, int index) {
  if (index < 0 || index >= kComboCount) return 1;
  storeFields(value, 2, [&](int f, std::uint8_t b) { PuzzleCombos[index + f * kComboCount] = b; });
  return 1;
}

std::array<std::string, 3> RefreshCrossbowLetters() {
  double expl = XBowExplFlag;
  auto r = letters({&XBowNormFlag, &XBowPoisonFlag, &expl}, "npe");
  XBowExplFlag = static_cast<std::uint8_t>(expl);
  return r;
}

std::array<std::string, 3> RefreshGrenadeLetters() {
  double flash = GrenFlshFlag;
  auto r = letters({&GrenNormFlag, &GrenSupaFlag, &flash}, "nsfux");
  GrenFlshFlag = static_cast<std::uint8_t>(flash);
  return r;
}

void ResetSharedTables() {
  FogUnitR = fogColumn(0);
  FogUnitG = fogColumn(1);
  FogUnitB = fogColumn(2);
  PuzzleCombos = comboDefaults();
  EnemyFlags = kEnemyFlagDefaults;
  FogBulbRange = 20;
  XBowNormFlag = 1;
  XBowPoisonFlag = 2;
  XBowExplFlag = 3;
  GrenNormFlag = 1;
  GrenSupaFlag = 2;
  GrenFlshFlag = 3;
}

}  // namespace olvex::shell
