#include "customizers/limits/bar_range.h"

#include <cmath>

#include "shell/conversions.h"
#include "shell/number_text.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

constexpr double kHighest = 32767;

// The lowest maximum of each bar; for air and sprint the shift of the lowest power-of-two range
// and the base of that shift (each further shift doubles it). The sprint base is the game's own
// constant, a little above 2 to the power 38.
struct BarRule {
  const char* name;
  double lowest;
  int firstShift;
  double firstBase;
};
constexpr BarRule kRules[] = {
    {"HP", 201, 0, 0},
    {"AP", 129, 7, 549755813888.0},
    {"SP", 65, 6, 274877907000.0},
};

// Health: the divider keeps the multiplier below 2 to the power 31.
constexpr double kHealthBase = 429496729750.0;
int healthDivider(double h) { return h >= 805 ? 2 : h < 403 ? 0 : 1; }

std::string hex8(double x) { return shell::TrueHex1(shell::NumberText(x), 8); }

}  // namespace

BarRange RecalculateBar(Bar bar, std::string_view maximumText) {
  const BarRule& rule = kRules[static_cast<int>(bar)];
  BarRange r;
  double m = shell::Val(maximumText);
  auto correct = [&](const char* how, double to) {
    r.message = std::string("You have set too ") + how + " Max. " + rule.name + " bar value.";
    r.maximum = shell::NumberText(to);
    m = to;
  };
  if (m < rule.lowest) correct("low", rule.lowest);
  else if (m > kHighest) correct("high", kHighest);

  if (bar == Bar::Health) {
    int divider = healthDivider(m);
    r.shift = shell::TrueHex2(std::to_string(divider), 2);
    r.multiplier = hex8(std::ldexp(kHealthBase, divider) / m);
    return r;
  }
  double whole = shell::RoundHalfEven(m);
  int shift = rule.firstShift;
  while (whole > std::ldexp(1.0, shift + 1)) ++shift;
  r.shift = shell::TrueHex2(std::to_string(shift), 2);
  r.multiplier = hex8(std::ldexp(rule.firstBase, shift - rule.firstShift) / whole);
  return r;
}

}  // namespace olvex::customizers
