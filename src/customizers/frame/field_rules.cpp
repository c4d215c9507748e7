#include "customizers/frame/field_rules.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "shell/key_filters.h"
#include "shell/number_text.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

std::string widthWord(int width) {
  switch (width) {
    case 2: return "two";
    case 4: return "four";
    case 8: return "eight";
  }
  throw std::logic_error("no message for a hex width of " + std::to_string(width));
}

// No number at all: no digit, and no &H / &O number either.
bool holdsNoNumber(std::string_view text, double value) {
  return value == 0 && text.find_first_of("0123456789") == std::string_view::npos;
}

constexpr const char* kRequiredText = "You must fill this field with at least one digit!";

}  // namespace

int FilterKey(Filter f, int key) {
  switch (f) {
    case Filter::Hex: return shell::FilterHexKey(key);
    case Filter::Digit: return shell::FilterDigitKey(key);
    case Filter::Signed: return shell::FilterSignedKey(key);
    case Filter::Letter: return shell::FilterLetterKey(key);
    case Filter::Decimal: return shell::FilterDecimalKey(key);
    case Filter::Swallow: return 0;
    case Filter::LineValue: return key == ';' ? 0 : key;
  }
  return key;
}

LeaveOutcome CheckLeave(const LeaveRule& rule, std::string_view text) {
  LeaveOutcome out{std::string(text), {}};
  double v = shell::Val(text);
  switch (rule.kind) {
    case LeaveRule::Kind::None:
      break;
    case LeaveRule::Kind::HexWidth:
      if (static_cast<int>(text.size()) < rule.width)
        out.message = "You must fill this field with " + widthWord(rule.width) + " hexadecimal symbols!";
      break;
    case LeaveRule::Kind::Clamp:
      // The lower bound holds for a number typed; an empty box takes its own text. A text that is
      // no number as a whole (a lone sign, a sign after the digits) keeps its leading number, so
      // the pass, which may convert strictly, can write what the box lets go.
      if (holdsNoNumber(text, v)) out.text = rule.emptyText;
      else if (v > rule.max) out.text = shell::NumberText(rule.max);
      else if (v < rule.min) out.text = shell::NumberText(rule.min);
      else if (!shell::StrictNumber(text)) out.text = shell::NumberText(v);
      break;
    case LeaveRule::Kind::Trimmed: {
      const std::size_t first = text.find_first_not_of(' ');
      out.text = first == std::string_view::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
      break;
    }
    case LeaveRule::Kind::Limited:
      if (text.empty()) {
        out.text = rule.emptyText;
      } else if (v > rule.max) {
        out.text = shell::NumberText(rule.max);
        out.message = rule.message;
      }
      break;
    case LeaveRule::Kind::Required:
    case LeaveRule::Kind::Announced:
      if (text.empty()) {
        out.message = kRequiredText;
      } else if (v > rule.max) {
        out.text = shell::NumberText(rule.max);
        if (rule.kind == LeaveRule::Kind::Announced)
          out.message = "Maximum value for this field is " + out.text + "!";
      }
      break;
  }
  return out;
}

int SwatchComponent(std::string_view text) {
  double v = shell::RoundHalfEven(shell::Val(text));
  return static_cast<int>(std::clamp(v, 0.0, 255.0));
}

ui::Color SwatchColour(std::string_view red, std::string_view green, std::string_view blue) {
  return ui::rgb(SwatchComponent(red), SwatchComponent(green), SwatchComponent(blue));
}

}  // namespace olvex::customizers
