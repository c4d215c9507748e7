#include "patcher/value_paths.h"

#include <cmath>
#include <optional>

#include "shell/conversions.h"
#include "shell/number_text.h"
#include "shell/settings_keys.h"
#include "shell/version_table.h"

namespace olvex::patcher {

std::string Field(std::string_view dataKey) {
  const std::string& hex = shell::VersionData(dataKey);
  if (hex.empty()) throw PassError("the version section lacks " + std::string(dataKey));
  return hex;
}

std::string ReversedField(std::string_view dataKey) { return shell::Invrt(Field(dataKey)); }

std::string IntHex(std::string_view number, int width) {
  std::string hex = shell::TrueHex2(number, width);
  return width > 2 ? shell::Invrt(hex) : hex;
}

std::string NegatedHex(std::string_view text, int width) {
  return IntHex(shell::NumberText(-shell::Val(text)), width);
}

double StrictValue(std::string_view text) {
  std::optional<double> x = shell::StrictNumber(text);
  if (!x || !std::isfinite(*x)) throw PassError("not a number: '" + std::string(text) + "'");
  return *x;
}

std::string StrictNegatedHex(std::string_view text, int width) {
  return IntHex(shell::NumberText(-StrictValue(text)), width);
}

std::string FixedHex(std::string_view hex, std::size_t digits) {
  if (hex.size() >= digits) return std::string(hex.substr(hex.size() - digits));
  return std::string(digits - hex.size(), '0') + std::string(hex);
}

std::string FloatHex(double x) { return IntHex(std::to_string(shell::SingleToBits(x)), 8); }

}  // namespace olvex::patcher
