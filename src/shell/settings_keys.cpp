#include "shell/settings_keys.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "shell/config_state.h"
#include "shell/conversions.h"
#include "shell/number_text.h"
#include "shell/text_case.h"

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

// A row or a family and the scope that registered it.
struct ScopedRow {
  int scope = -1;
  const KeyRow* row = nullptr;
};
struct ScopedFamily {
  int scope;
  KeyFamily family;
};

// Every scope's rows by key, so a key is looked up once whatever the scopes it is applied in:
// open addressing over a power-of-two table kept at most half full.
class RowTable {
 public:
  RowTable() : slots_(2048) {}  // room for the program's tables without growing

  // The row of a key; scope -1 and no row when no table has it.
  ScopedRow find(std::string_view key) const {
    std::size_t at = placeOf(key);
    while (slots_[at].row && slots_[at].row->key != key) at = nextPlace(at);
    return slots_[at];
  }
  // Adds a row unless its key is there already.
  void add(ScopedRow row) {
    if (2 * (count_ + 1) > slots_.size()) rebuild(2 * slots_.size());
    std::size_t at = placeOf(row.row->key);
    while (slots_[at].row && slots_[at].row->key != row.row->key) at = nextPlace(at);
    if (slots_[at].row) return;
    slots_[at] = row;
    ++count_;
  }
  template <class F>
  void forEach(F f) const {
    for (const auto& slot : slots_)
      if (slot.row) f(slot);
  }

 private:
  std::size_t placeOf(std::string_view key) const { return std::hash<std::string_view>{}(key) & (slots_.size() - 1); }
  std::size_t nextPlace(std::size_t at) const { return (at + 1) & (slots_.size() - 1); }
  void rebuild(std::size_t size) {
    std::vector<ScopedRow> old = std::exchange(slots_, std::vector<ScopedRow>(size));
    count_ = 0;
    for (const auto& slot : old)
      if (slot.row) add(slot);
  }

  std::vector<ScopedRow> slots_;
  std::size_t count_ = 0;
};

// A key is the row of at most one scope (registering it twice is refused).
struct Registry {
  std::array<std::vector<const KeyRow*>, kScopeCount> tables;  // first row of each table
  std::vector<ScopedFamily> families;                          // in scope order
  std::array<bool, kScopeCount> hasFamilies{};
  RowTable rows;
};

Registry& registry() {
  static Registry r;
  return r;
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
// takes the key. False when neither applies (nothing ran).
bool applyIn(const Registry& r, int scope, const KeyRow* row) {
  if (row) {
    applyRow(*row, CfgValue);
    return true;
  }
  for (const auto& f : r.families)
    if (f.scope == scope && applyFamily(f.family, CfgKey, CfgValue)) return true;
  return false;
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
  auto& tables = r.tables[static_cast<int>(scope)];
  if (std::find(tables.begin(), tables.end(), rows.data()) != tables.end()) return;
  for (const auto& row : rows)
    if (ScopeOfKey(row.key)) throw std::logic_error("setting key registered twice: " + std::string(row.key));
  for (const auto& row : rows) r.rows.add({static_cast<int>(scope), &row});
  tables.push_back(rows.data());
}

void RegisterKeyFamily(Scope scope, const KeyFamily& family) {
  auto& r = registry();
  const int s = static_cast<int>(scope);
  for (const auto& f : r.families)
    if (f.scope == s && f.family.prefix == family.prefix) return;
  auto after = std::find_if(r.families.begin(), r.families.end(), [s](const ScopedFamily& f) { return f.scope > s; });
  r.families.insert(after, {s, family});
  r.hasFamilies[s] = true;
}

void ClearKeyRegistry() { registry() = Registry{}; }

void ApplyKey(Scope scope) {
  if (CfgKey.empty()) return;
  const auto& r = registry();
  const ScopedRow hit = r.rows.find(CfgKey);
  int s = static_cast<int>(scope);
  applyIn(r, s, hit.scope == s ? hit.row : nullptr);
}

void ApplyKeyInAll(void (*afterMain)()) {
  if (CfgKey.empty()) {
    if (afterMain) afterMain();
    return;
  }
  const std::string key = CfgKey;
  const auto& r = registry();
  const ScopedRow hit = r.rows.find(key);
  bool ran = false;  // code ran that may have changed CfgKey
  for (int s = 0; s < kScopeCount; ++s) {
    // A follow-up or the caller's hook may have read another line: look that key up afresh.
    if (ran && CfgKey != key) ApplyKey(static_cast<Scope>(s));
    else ran = (hit.scope == s || r.hasFamilies[s]) && applyIn(r, s, hit.scope == s ? hit.row : nullptr);
    if (s == static_cast<int>(Scope::Main) && afterMain) {
      afterMain();
      ran = true;
    }
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
  registry().rows.forEach([&keys](const ScopedRow& r) { keys.push_back(r.row->key); });
  return keys;
}

const KeyRow* FindKeyRow(std::string_view lowerKey) { return registry().rows.find(lowerKey).row; }

std::optional<Scope> ScopeOfKey(std::string_view lowerKey) {
  const auto& r = registry();
  const int rowScope = r.rows.find(lowerKey).scope;
  // The first scope whose families take the key, if it comes before the scope of its row.
  for (const auto& f : r.families) {
    if (rowScope >= 0 && f.scope >= rowScope) break;
    if (familyKnows(f.family, lowerKey)) return static_cast<Scope>(f.scope);
  }
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
  std::string s = UpperCase(GeneralText(x));
  // Drop the zeros that pad the exponent: "1.5E-5", not "1.5E-05".
  auto e = s.find('E');
  if (e != std::string::npos) {
    std::size_t digits = e + 2;
    while (digits + 1 < s.size() && s[digits] == '0') s.erase(digits, 1);
  }
  return s;
}

}  // namespace olvex::shell
