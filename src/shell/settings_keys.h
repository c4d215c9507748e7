#pragma once
// The settings key table: routes a key and value (CfgKey, CfgValue) to the field that holds the
// setting. Each scope's keys are rows {key, conversion, target, follow-up}; each window's module
// registers its scope's rows with RegisterKeys, and ApplyKey runs one loop over them.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::shell {

// The scopes in the order a read with "all" applies them.
enum class Scope {
  Main, Creds, Snd, Camera, Phys, Weapons, Inv, Items, Bars, Gfx, Gfx2, Lite, Enemy, Fonts,
  LaraHP, Limits, Obj, Flip, Race
};
inline constexpr int kScopeCount = 19;
std::string_view ScopeWord(Scope s);  // "main", "creds", "sound", ... "rt"
std::optional<Scope> ScopeFromWord(std::string_view word);

// A value the table could not store: a conversion error or a value the control rejects.
struct SettingsKeyError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum class Conversion {
  Text,        // the value unchanged
  Number,      // leading number, as decimal text
  Check,       // leading number rounded (0, 1, 2)
  Option,      // leading number rounded: index of the option button
  OptionByte,  // the whole value as a number 0..255: index of the option button
  Scroll,      // leading number rounded: scroll position (must lie in the bar's range)
  List,        // leading number rounded: combo list index
  Byte,        // leading number rounded to 0..255
  Integer,     // leading number rounded to a signed 32-bit integer
  First4,      // the first four characters
  OldHex,      // ConvertOldHex
  OldByte,     // ConvertOldNeg(ConvertOldByte)
  OldWord,     // ConvertOldNeg(ConvertOldWord)
  OldRange,    // ConvertOldRange for the row's key
};

// A converted value: its text, and its number (Val of the text for text conversions).
struct Converted {
  std::string text;
  double number = 0;
};

// Targets resolve their window's default instance when the key is applied (creating it hidden).
struct TextBoxOf { ui::TextBox& (*get)(); };       // text = converted text
struct CheckBoxOf { ui::CheckBox& (*get)(); };     // value = converted number
struct OptionOf { ui::ControlArray<ui::OptionButton>& (*get)(); };  // button(number) selected
struct ScrollBarOf { ui::HScrollBar& (*get)(); };  // position = converted number
struct ListIndexOf { ui::ComboBox& (*get)(); };    // list index = converted number
struct ComboTextOf { ui::ComboBox& (*get)(); };    // text = converted text
// A shared table or variable; `get` reads the value back as a key's value (for preset files).
struct Setter {
  void (*set)(const Converted&);
  std::string (*get)() = nullptr;
};
using Target = std::variant<TextBoxOf, CheckBoxOf, OptionOf, ScrollBarOf, ListIndexOf, ComboTextOf, Setter>;

struct KeyRow {
  std::string_view key;  // lower case
  Conversion conversion;
  Target target;
  void (*followUp)() = nullptr;  // runs after the store
};

// Keys "<prefix><number>" longer than `longerThan` characters: apply(index, value), the index
// being the key's number rounded to 0..255 (an error otherwise).
struct KeyFamily {
  std::string_view prefix;  // lower case
  std::size_t longerThan;
  void (*apply)(int index, std::string_view value);
};

// Adds rows to a scope. The rows must live for the whole run (static tables). Registering the
// same table again does nothing; a key already registered in any scope is a std::logic_error.
void RegisterKeys(Scope scope, std::span<const KeyRow> rows);
void RegisterKeyFamily(Scope scope, const KeyFamily& family);
void ClearKeyRegistry();

// Applies CfgKey / CfgValue with the rows of one scope; a key that is not the scope's does
// nothing. Errors throw SettingsKeyError.
void ApplyKey(Scope scope);
// Every scope in order, calling `afterMain` (if any) once the main scope has had the key (also
// for a line without one); the key is looked up once for all scopes.
void ApplyKeyInAll(void (*afterMain)());
// "all": every scope in order; a scope word: that scope; any other word: nothing.
void ApplyKey(std::string_view scopeWord);

// Every key of every scope's rows (not the families), in no particular order.
std::vector<std::string_view> RegisteredKeys();
// The row of a lower-case key in any scope, or null.
const KeyRow* FindKeyRow(std::string_view lowerKey);

// The scope whose rows or families know a lower-case key.
std::optional<Scope> ScopeOfKey(std::string_view lowerKey);

// Converts a value as a row with this conversion and key would (throws SettingsKeyError).
Converted Convert(Conversion c, std::string_view value, std::string_view lowerKey = {});

// Upgrades of values written by older config versions (they read CfgVersion).
std::string ConvertOldHex(std::string_view value);
std::string ConvertOldByte(std::string_view value);
std::string ConvertOldWord(std::string_view value);
std::string ConvertOldNeg(std::string_view value);
// "drawingdistancerange" / "distantfogrange": an old slider position mapped to a range.
std::string ConvertOldRange(std::string_view value, std::string_view lowerKey);

// A number as plain decimal text: 5, -3, 1.5, 16.
std::string NumberText(double x);

// Helpers that give a target the control of a window's default instance:
//   TextBoxOf{&control<CustCredits, &CustCredits::Text2>}
//   TextBoxOf{&element<CustCamera, &CustCamera::Text1, 2>}
template <class F, auto Member>
auto& control() {
  return ui::Forms::get<F>().*Member;
}
template <class F, auto Member, int Index>
auto& element() {
  return (ui::Forms::get<F>().*Member)[Index];
}

}  // namespace olvex::shell
