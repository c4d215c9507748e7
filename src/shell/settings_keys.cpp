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
  std::vector<const KeyRow*> tables;  // first row of each registered table
  std::vector<KeyFamily> families;
};

// A row and the scope that registered it.
struct ScopedRow {
  int scope;
  const KeyRow* row;
};

// Every scope's rows in one map, so a key is looked up once whatever the scopes it is applied
// in. A key is the row of at most one scope (registering it twice is refused).
struct Registry {
  std::array<ScopeKeys, kScopeCount> scopes;
  std::unordered_map<std::string_view, ScopedRow, KeyHash, std::equal_to<>> rows;
};

Registry& registry() {
  static Registry r;
  return r;
}

// The row of a lower-case key and its scope; scope -1 and no row for a key no table has.
ScopedRow rowOf(const Registry& r, std::string_view key) {
  auto it = r.rows.find(key);
  return it == r.rows.end() ? ScopedRow{-1, nullptr} : it->second;
}

bool familyKnows(const KeyFamily& f, std::string_view key) {
  return key.size() > f.longerThan && key.substr(0, f.prefix.size()) == f.prefix;
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
  if (!familyKnows(f, key)) return false;
  std::string_view number = key.substr(f.prefix.size());
  int index = static_cast<int>(inRange(RoundHalfEven(Val(number)), 0, 255, key));
  f.apply(index, value);
  return true;
}

// CfgKey in one scope whose row for it, if any, is `row`: the row, else the first family that
// takes the key.
void applyIn(const ScopeKeys& scope, const KeyRow* row) {
  if (row) {
    applyRow(*row, CfgValue);
    return;
  }
  for (const auto& f : scope.families)
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
  auto& r = registry();
  auto& tables = r.scopes[static_cast<int>(scope)].tables;
  if (std::find(tables.begin(), tables.end(), rows.data()) != tables.end()) return;
  for (const auto& row : rows)
    if (ScopeOfKey(row.key)) throw std::logic_error("setting key registered twice: " + std::string(row.key));
  for (const auto& row : rows) r.rows.emplace(row.key, ScopedRow{static_cast<int>(scope), &row});
  tables.push_back(rows.data());
}

void RegisterKeyFamily(Scope scope, const KeyFamily& family) {
  auto& families = registry().scopes[static_cast<int>(scope)].families;
  for (const auto& f : families)
    if (f.prefix == family.prefix) return;
  families.push_back(family);
}

void ClearKeyRegistry() { registry() = Registry{}; }

void ApplyKey(Scope scope) {
  if (CfgKey.empty()) return;
  const auto& r = registry();
  const ScopedRow hit = rowOf(r, CfgKey);
  int s = static_cast<int>(scope);
  applyIn(r.scopes[s], hit.scope == s ? hit.row : nullptr);
}

void ApplyKeyInAll(void (*afterMain)()) {
  if (CfgKey.empty()) {
    if (afterMain) afterMain();
    return;
  }
  const std::string key = CfgKey;
  const auto& r = registry();
  const ScopedRow hit = rowOf(r, key);
  for (int s = 0; s < kScopeCount; ++s) {
    // A follow-up or the caller's hook may have read another line: look that key up afresh.
    if (CfgKey != key) ApplyKey(static_cast<Scope>(s));
    else applyIn(r.scopes[s], hit.scope == s ? hit.row : nullptr);
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
  for (const auto& [key, row] : registry().rows) keys.push_back(key);
  return keys;
}

const KeyRow* FindKeyRow(std::string_view lowerKey) { return rowOf(registry(), lowerKey).row; }

std::optional<Scope> ScopeOfKey(std::string_view lowerKey) {
  const auto& r = registry();
  const int rowScope = rowOf(r, lowerKey).scope;
  // The first scope whose families take the key, if it comes before the scope of its row.
  for (int s = 0; s < (rowScope < 0 ? kScopeCount : rowScope); ++s)
    for (const auto& f : r.scopes[s].families)
      if (familyKnows(f, lowerKey)) return static_cast<Scope>(s);
  if (rowScope < 0) return std::nullopt;
  return static_cast<Scope>(rowScope);
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
