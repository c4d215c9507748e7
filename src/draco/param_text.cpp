#include "draco/param_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "shell/conversions.h"
#include "shell/key_filters.h"
#include "shell/number_text.h"

namespace olvex::draco {
namespace {

constexpr ui::Color kBlack = 0, kDarkRed = ui::rgb(64, 0, 0), kDarkBlue = ui::rgb(0, 0, 192);

constexpr std::array<ParamBoxRule, 8> kRules = {{
    {shell::FilterHexKey, 2, kBlack},
    {shell::FilterHexKey, 4, kBlack},
    {shell::FilterHexKey, 8, kBlack},
    {shell::FilterDigitKey, 3, kDarkRed},
    {shell::FilterDigitKey, 5, kDarkRed},
    {shell::FilterSignedKey, 4, kDarkBlue},
    {shell::FilterSignedKey, 6, kDarkBlue},
    {shell::FilterDigitKey, 10, kDarkRed},
}};

struct Range {
  std::int64_t lo, hi;
};

// Types 3..7.
constexpr std::array<Range, 5> kRanges = {{
    {0, 255}, {0, 65535}, {-128, 127}, {-32768, 32767}, {0, 4294967295LL},
}};

bool plainInteger(std::string_view s) {
  if (!s.empty() && s.front() == '-') s.remove_prefix(1);
  return !s.empty() && s.size() <= 18 && s.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

const ParamBoxRule* ParamBoxRuleOf(int type) {
  return type >= 0 && type < static_cast<int>(kRules.size()) ? &kRules[type] : nullptr;
}

std::string NormaliseParamText(std::string_view text, int type) {
  if (type >= 0 && type <= 2) {
    int width = kRules[type].maxLength;
    return static_cast<int>(text.size()) >= width ? std::string(text) : shell::PadLeftZeros(text, width);
  }
  if (type < 3 || type > 7) return std::string(text);
  const Range& range = kRanges[type - 3];
  double leading = std::trunc(shell::Val(text));
  std::int64_t value = static_cast<std::int64_t>(std::clamp(leading, static_cast<double>(range.lo), static_cast<double>(range.hi)));
  if (plainInteger(text) && std::stoll(std::string(text)) == value) return std::string(text);
  return std::to_string(value);
}

}  // namespace olvex::draco
