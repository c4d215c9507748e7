#include "customizers/frame/dialog_rows.h"

#include "patcher/value_paths.h"
#include "shell/conversions.h"
#include "shell/number_text.h"
#include "shell/settings_keys.h"

namespace olvex::customizers::rows {

std::string Byte(const std::string& number) { return patcher::IntHex(number, 2); }
std::string LeadingByte(const std::string& text) { return patcher::IntHex(shell::NumberText(shell::Val(text)), 2); }
std::string Word(const std::string& number) { return patcher::IntHex(number, 4); }
std::string Long(const std::string& number) { return patcher::IntHex(number, 8); }
std::string NegByte(const std::string& number) { return patcher::StrictNegatedHex(number, 2); }
std::string NegWord(const std::string& number) { return patcher::StrictNegatedHex(number, 4); }
std::string NegLong(const std::string& number) { return patcher::StrictNegatedHex(number, 8); }
std::string LenientNegByte(const std::string& text) { return patcher::NegatedHex(text, 2); }
std::string LenientNegWord(const std::string& text) { return patcher::NegatedHex(text, 4); }
std::string LenientNegLong(const std::string& text) { return patcher::NegatedHex(text, 8); }
// Hex texts are written at the field's width whatever their own length.
std::string Hex2(const std::string& hex) { return patcher::FixedHex(hex, 2); }
std::string SwappedHex4(const std::string& hex) { return shell::Invrt(patcher::FixedHex(hex, 4)); }
std::string SwappedHex8(const std::string& hex) { return shell::Invrt(patcher::FixedHex(hex, 8)); }

}  // namespace olvex::customizers::rows
