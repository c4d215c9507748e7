#include "shell/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace olvex::shell {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c, int radix) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  return v >= 0 && v < radix ? v : -1;
}

// Walks a text character by character; in the lenient mode blanks anywhere are invisible.
class Cursor {
 public:
  Cursor(std::string_view s, bool skipBlanks) : s_(s), skipBlanks_(skipBlanks) {}
  char peek() {
    if (skipBlanks_)
      while (pos_ < s_.size() && isBlank(s_[pos_])) ++pos_;
    return pos_ < s_.size() ? s_[pos_] : '\0';
  }
  void next() { ++pos_; }
  bool atEnd() {
    peek();
    return pos_ >= s_.size();
  }
  std::size_t pos() const { return pos_; }
  void reset(std::size_t pos) { pos_ = pos; }

 private:
  std::string_view s_;
  std::size_t pos_ = 0;
  bool skipBlanks_;
};

// The common text: an optional sign and up to 18 digits, nothing else. Such a number fits an
// int64 exactly, and its conversion to double rounds as from_chars does.
std::optional<double> plainWholeNumber(std::string_view s) {
  const bool signed_ = !s.empty() && (s[0] == '-' || s[0] == '+');
  std::string_view digits = s.substr(signed_ ? 1 : 0);
  if (digits.empty() || digits.size() > 18 || !std::all_of(digits.begin(), digits.end(), isDigit))
    return std::nullopt;
  std::int64_t whole = 0;
  for (char digit : digits) whole = whole * 10 + (digit - '0');
  const auto value = static_cast<double>(whole);
  return s[0] == '-' ? -value : value;
}

// A decimal number taken apart, blanks already removed.
struct Decimal {
  bool negative = false;
  std::string intDigits, fracDigits;
  long exponent = 0;
};

// Decimal power of the leading significant digit; only its sign matters, to tell an overflow
// from an underflow when the value does not fit a double.
long magnitude(const Decimal& d) {
  auto first = d.intDigits.find_first_not_of('0');
  if (first != std::string::npos) return static_cast<long>(d.intDigits.size() - first) + d.exponent;
  auto frac = d.fracDigits.find_first_not_of('0');
  if (frac == std::string::npos) return std::numeric_limits<long>::min();  // zero
  return d.exponent - static_cast<long>(frac);
}

// Locale-independent: a program whose view layer sets the C locale from the user's must not read
// "1.5" as 1.
double toDouble(const Decimal& d) {
  std::string text = (d.intDigits.empty() ? "0" : d.intDigits) + "." + d.fracDigits + "0e" +
                     std::to_string(d.exponent);
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range)
    value = magnitude(d) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return d.negative ? -value : value;
}

// Optional sign, digits with at most one ".", optional exponent. Consumes nothing and gives no
// value when no digit is found.
std::optional<double> scanDecimal(Cursor& c) {
  std::size_t start = c.pos();
  Decimal d;
  if (c.peek() == '+' || c.peek() == '-') {
    d.negative = c.peek() == '-';
    c.next();
  }
  for (; isDigit(c.peek()); c.next()) d.intDigits += c.peek();
  if (c.peek() == '.') {
    c.next();
    for (; isDigit(c.peek()); c.next()) d.fracDigits += c.peek();
  }
  if (d.intDigits.empty() && d.fracDigits.empty()) {
    c.reset(start);
    return std::nullopt;
  }
  if (c.peek() == 'E' || c.peek() == 'e') {
    std::size_t beforeExponent = c.pos();
    c.next();
    bool negativeExponent = false;
    if (c.peek() == '+' || c.peek() == '-') {
      negativeExponent = c.peek() == '-';
      c.next();
    }
    if (!isDigit(c.peek())) {
      c.reset(beforeExponent);  // "1e" is the number 1 followed by other text
    } else {
      constexpr long kSaturate = 1'000'000;
      for (; isDigit(c.peek()); c.next())
        d.exponent = std::min(kSaturate, d.exponent * 10 + (c.peek() - '0'));
      if (negativeExponent) d.exponent = -d.exponent;
    }
  }
  return toDouble(d);
}

// &H followed by hex digits or &O followed by octal digits; the digits' value. Gives no value
// when the prefix is missing; a prefix without digits gives no value either, but is consumed.
std::optional<double> scanRadix(Cursor& c, bool& prefixSeen) {
  prefixSeen = false;
  if (c.peek() != '&') return std::nullopt;
  std::size_t start = c.pos();
  c.next();
  int radix = 0;
  switch (c.peek()) {
    case 'H': case 'h': radix = 16; break;
    case 'O': case 'o': radix = 8; break;
    default: c.reset(start); return std::nullopt;
  }
  c.next();
  prefixSeen = true;
  double value = 0;
  bool any = false;
  for (int v; (v = digitValue(c.peek(), radix)) >= 0; c.next()) {
    value = value * radix + v;
    any = true;
  }
  return any ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

double Val(std::string_view s) {
  if (auto v = plainWholeNumber(s)) return *v;
  Cursor c(s, true);
  bool prefixSeen = false;
  if (auto v = scanRadix(c, prefixSeen)) return *v;
  if (prefixSeen) return 0;
  return scanDecimal(c).value_or(0.0);
}

std::optional<double> StrictNumber(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  if (auto v = plainWholeNumber(s)) return v;
  Cursor c(s, false);
  bool prefixSeen = false;
  std::optional<double> v = scanRadix(c, prefixSeen);
  if (!v && !prefixSeen) v = scanDecimal(c);
  if (!v || !c.atEnd() || !std::isfinite(*v)) return std::nullopt;
  return v;
}

double RoundHalfEven(double x) {
  if (!std::isfinite(x)) return x;
  double lower = std::floor(x);
  double diff = x - lower;
  if (diff < 0.5) return lower;
  if (diff > 0.5) return lower + 1;
  return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

std::string GeneralText(double x) {
  char buf[32];
  auto end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15).ptr;
  return std::string(buf, end);
}

}  // namespace olvex::shell
