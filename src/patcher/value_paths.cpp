#include "patcher/value_paths.h"

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

std::string FloatHex(double x) { return IntHex(std::to_string(shell::SingleToBits(x)), 8); }

}  // namespace olvex::patcher
