#include "shell/settings_keys.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <unordered_map>
#include <vector>

#include "shell/config_state.h"
#include "shell/conversions.h"
#include "shell/number_text.h"

namespace olvex::shell {
namespace {

constexpr std::array<std::string_view, kScopeCount> kScopeWords = {
    "main", "creds", "sound", "camera", "physics", "weapons", "inventory", "items", "bars", "gfx",
    "gfx2", "lite", "enemies", "fonts", "larahp", "limits", "obj", "flip", "rt"};

// Configs of this version or older wrote damage values as positive numbers.
constexpr double kLastPositiveDamageVersion = 0.672;
// Configs older than this stored the two ranges as slider positions.
constexpr double kFirstRangeVersion = 0.678;

struct RangePosition { int position; std::string_view drawing, fog; };
constexpr RangePosition kOldRanges[] = {
    {-3, "5024", ""},       {-2, "10240", "2048"},  {-1, "15360", "5024"},  {0, "16384", "8192"},
    {1, "19072", "10048"},  {2, "20480", "12288"},  {3, "22400", "14016"},  {4, "25600", "18048"},
    {5, "28160", "20096"},  {6, "30080", "22016"},  {7, "40192", "24064"},  {8, "50176", "28032"},
    {9, "80384", "30080"},  {10, "102400", "32000"}, {11, "", "34048"},     {12, "", "36352"},
    {13, "", "38144"},      {14, "", "40192"},      {15, "", "42240"},      {16, "", "44032"},
    {17, "", "46080"},      {18, "", "48128"},      {19, "", "50176"},      {20, "", "55040"},
    {21, "", "60160"},      {22, "", "65024"},      {23, "", "70144"},      {24, "", "75264"},
    {25, "", "80384"},      {26, "", "84992"},      {27, "", "90112"},      {28, "", "95232"},
    {29, "", "102400"}};

struct KeyHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

struct ScopeKeys {
  std::unordered_map<std::string_view, const KeyRow*, KeyHash, std::equal_to<>> rows;
  std::vector<const KeyRow*> tables;  // first row of each registered table
  std::vector<KeyFamily> families;
};

std::array<ScopeKeys, kScopeCount>& registry() {
  static std::array<ScopeKeys, kScopeCount> r;
  return r;
}

// Every scope's rows in one map, so a key applied in all scopes is looked up once. A key is the
// row of at most one scope (registering it twice is refused).
struct ScopedRow {
  int scope;
  const KeyRow* row;
};
std::unordered_map<std::string_view, ScopedRow, KeyHash, std::equal_to<>>& allRows() {
  static std::unordered_map<std::string_view, ScopedRow, KeyHash, std::equal_to<>> r;
  return r;
}

[[noreturn]] void fail(std::string_view what, std::string_view value) {
  throw SettingsKeyError(std::string(what) + ": '" + std::string(value) + "'");
}

// A whole number in [lo, hi], or a conversion error.
double inRange(double v, double lo, double hi, std::string_view value) {
  if (!(v >= lo && v <= hi)) fail("value out of range", value);
  return v;
}

// A number too large for a double is an overflow, as it would be for the controls.
double finite(double v, std::string_view value) {
  if (!std::isfinite(v)) fail("number overflow", value);
  return v;
}

double strictNumber(std::string_view value) {
  auto n = StrictNumber(value);
  if (!n) fail("not a number", value);
  return finite(*n, value);
}

int toInt(double v, std::string_view value) {
  return static_cast<int>(inRange(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), value));
}

Converted fromNumber(double n) { return {NumberText(n), n}; }
Converted fromText(std::string t) {
  double n = Val(t);
  return {std::move(t), n};
}

// The old hex value minus `span` when the file has no "Version" line, else the value.
std::string oldSigned(std::string_view value, double span) {
  if (!CfgVersion.empty()) return std::string(value);
  return NumberText(static_cast<double>(HexToLong(value)) - span);
}

// Stores a converted value into its target.
struct Store {
  const Converted& v;
  std::string_view raw;
  void operator()(const TextBoxOf& t) const { t.get().setText(v.text); }
  void operator()(const CheckBoxOf& t) const { t.get().setValue(toInt(RoundHalfEven(v.number), raw)); }
  void operator()(const OptionOf& t) const { t.get()[toInt(RoundHalfEven(v.number), raw)].setValue(true); }
  void operator()(const ScrollBarOf& t) const {
    auto& bar = t.get();
    int pos = toInt(RoundHalfEven(v.number), raw);
    if (pos < std::min(bar.min(), bar.max()) || pos > std::max(bar.min(), bar.max()))
      fail("scroll position out of range", raw);
    bar.setValue(pos);
  }
  void operator()(const ListIndexOf& t) const { t.get().setListIndex(toInt(RoundHalfEven(v.number), raw)); }
  void operator()(const ComboTextOf& t) const { t.get().setText(v.text); }
  void operator()(const Setter& t) const { t.set(v); }
};

void applyRow(const KeyRow& row, std::string_view value) {
  try {
    Converted v = Convert(row.conversion, value, row.key);
    std::visit(Store{v, value}, row.target);
    if (row.followUp) row.followUp();
  } catch (const SettingsKeyError&) {
    throw;
  } catch (const std::exception& e) {
    // A control rejected the value, or a conversion failed.
    throw SettingsKeyError(std::string(row.key) + ": " + e.what());
  }
}

bool applyFamily(const KeyFamily& f, std::string_view key, std::string_view value) {
  if (key.size() <= f.longerThan || key.substr(0, f.prefix.size()) != f.prefix) return false;
  std::string_view number = key.substr(f.prefix.size());
  int index = static_cast<int>(inRange(RoundHalfEven(Val(number)), 0, 255, key));
  f.apply(index, value);
  return true;
}

// CfgKey in one scope whose row for it, if any, is `row`: the row, else the first family that
// takes the key.
void applyIn(int scope, const KeyRow* row) {
  if (row) {
    applyRow(*row, CfgValue);
    return;
  }
  for (const auto& f : registry()[scope].families)
    if (applyFamily(f, CfgKey, CfgValue)) return;
}

}  // namespace

std::string_view ScopeWord(Scope s) { return kScopeWords[static_cast<int>(s)]; }

std::optional<Scope> ScopeFromWord(std::string_view word) {
  auto it = std::find(kScopeWords.begin(), kScopeWords.end(), word);
  if (it == kScopeWords.end()) return std::nullopt;
  return static_cast<Scope>(it - kScopeWords.begin());
}

void RegisterKeys(Scope scope, std::span<const KeyRow> rows) {
  if (rows.empty()) return;
  auto& keys = registry()[static_cast<int>(scope)];
  if (std::find(keys.tables.begin(), keys.tables.end(), rows.data()) != keys.tables.end()) return;
  for (const auto& row : rows)
    if (ScopeOfKey(row.key)) throw std::logic_error("setting key registered twice: " + std::string(row.key));
  for (const auto& row : rows) {
    keys.rows.emplace(row.key, &row);
    allRows().emplace(row.key, ScopedRow{static_cast<int>(scope), &row});
  }
  keys.tables.push_back(rows.data());
}

void RegisterKeyFamily(Scope scope, const KeyFamily& family) {
  auto& families = registry()[static_cast<int>(scope)].families;
  for (const auto& f : families)
    if (f.prefix == family.prefix) return;
  families.push_back(family);
}

void ClearKeyRegistry() {
  for (auto& s : registry()) s = ScopeKeys{};
  allRows().clear();
}

void ApplyKey(Scope scope) {
  if (CfgKey.empty()) return;
  const auto& rows = registry()[static_cast<int>(scope)].rows;
  auto it = rows.find(std::string_view(CfgKey));
  applyIn(static_cast<int>(scope), it == rows.end() ? nullptr : it->second);
}

void ApplyKeyInAll(void (*afterMain)()) {
  if (CfgKey.empty()) {
    if (afterMain) afterMain();
    return;
  }
  const std::string key = CfgKey;
  const auto& rows = allRows();
  auto it = rows.find(std::string_view(key));
  const ScopedRow hit = it == rows.end() ? ScopedRow{-1, nullptr} : it->second;
  for (int s = 0; s < kScopeCount; ++s) {
    // A follow-up or the caller's hook may have read another line: look that key up afresh.
    if (CfgKey != key) ApplyKey(static_cast<Scope>(s));
    else applyIn(s, hit.scope == s ? hit.row : nullptr);
    if (s == static_cast<int>(Scope::Main) && afterMain) afterMain();
  }
}

void ApplyKey(std::string_view scopeWord) {
  if (scopeWord == "all") {
    ApplyKeyInAll(nullptr);
  } else if (auto s = ScopeFromWord(scopeWord)) {
    ApplyKey(*s);
  }
}

std::vector<std::string_view> RegisteredKeys() {
  std::vector<std::string_view> keys;
  for (const auto& scope : registry())
    for (const auto& [key, row] : scope.rows) keys.push_back(key);
  return keys;
}

const KeyRow* FindKeyRow(std::string_view lowerKey) {
  for (const auto& keys : registry())
    if (auto it = keys.rows.find(lowerKey); it != keys.rows.end()) return it->second;
  return nullptr;
}

std::optional<Scope> ScopeOfKey(std::string_view lowerKey) {
  for (int s = 0; s < kScopeCount; ++s) {
    const auto& keys = registry()[s];
    bool known = keys.rows.count(lowerKey) != 0;
    for (const auto& f : keys.families)
      known = known || (lowerKey.size() > f.longerThan && lowerKey.substr(0, f.prefix.size()) == f.prefix);
    if (known) return static_cast<Scope>(s);
  }
  return std::nullopt;
}

Converted Convert(Conversion c, std::string_view value, std::string_view lowerKey) {
  switch (c) {
    case Conversion::Text: return fromText(std::string(value));
    case Conversion::Number: return fromNumber(finite(Val(value), value));
    case Conversion::Check:
    case Conversion::Option:
    case Conversion::Scroll:
    case Conversion::List: return fromNumber(RoundHalfEven(Val(value)));
    case Conversion::OptionByte: return fromNumber(inRange(RoundHalfEven(strictNumber(value)), 0, 255, value));
    case Conversion::Byte: return fromNumber(inRange(RoundHalfEven(Val(value)), 0, 255, value));
    case Conversion::Integer:
      return fromNumber(inRange(RoundHalfEven(Val(value)), std::numeric_limits<std::int32_t>::min(),
                                std::numeric_limits<std::int32_t>::max(), value));
    case Conversion::First4: return fromText(std::string(value.substr(0, 4)));
    case Conversion::OldHex: return fromText(ConvertOldHex(value));
    case Conversion::OldByte: return fromText(ConvertOldNeg(ConvertOldByte(value)));
    case Conversion::OldWord: return fromText(ConvertOldNeg(ConvertOldWord(value)));
    case Conversion::OldRange: return fromText(ConvertOldRange(value, lowerKey));
  }
  return fromText(std::string(value));
}

std::string ConvertOldHex(std::string_view value) {
  if (!CfgVersion.empty()) return std::string(value);
  return NumberText(HexToLong(value));
}

std::string ConvertOldByte(std::string_view value) { return oldSigned(value, 256); }
std::string ConvertOldWord(std::string_view value) { return oldSigned(value, 65536); }

std::string ConvertOldNeg(std::string_view value) {
  if (Val(CfgVersion) > kLastPositiveDamageVersion) return std::string(value);
  return NumberText(-strictNumber(value));
}

std::string ConvertOldRange(std::string_view value, std::string_view lowerKey) {
  double n = strictNumber(value);
  if (Val(CfgVersion) >= kFirstRangeVersion) return NumberText(n);
  bool drawing = lowerKey == "drawingdistancerange";
  for (const auto& r : kOldRanges)
    if (r.position == n) return std::string(drawing ? r.drawing : r.fog);
  return {};
}

std::string NumberText(double x) {
  if (x == 0) return "0";  // also -0
  if (std::fabs(x) < 1e15 && x == std::trunc(x)) return std::to_string(static_cast<long long>(x));
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15G", x);
  std::string s = buf;
  // Drop the zeros %G leaves in the exponent ("1E+020" style is not ours: "1E+20").
  auto e = s.find('E');
  if (e != std::string::npos) {
    std::size_t digits = e + 2;
    while (digits + 1 < s.size() && s[digits] == '0') s.erase(digits, 1);
  }
  return s;
}

}  // namespace olvex::shell
