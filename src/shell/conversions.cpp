#include "shell/conversions.h"

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

#include "shell/number_text.h"
#include "shell/text_case.h"
#include "ui/host.h"

namespace olvex::shell {

bool HexErrShown = false;

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr std::string_view kCrLf = "\r\n";

std::string hexNoLeadingZeros(std::uint32_t v) {
  std::string r;
  do {
    r.insert(r.begin(), kHexDigits[v & 0xF]);
    v >>= 4;
  } while (v != 0);
  return r;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Exactly eight hex digits as a 32-bit two's-complement value.
std::optional<std::int32_t> hex8(std::string_view s) {
  if (s.size() != 8) return std::nullopt;
  std::uint32_t v = 0;
  for (char c : s) {
    int d = hexDigit(c);
    if (d < 0) return std::nullopt;
    v = v << 4 | static_cast<std::uint32_t>(d);
  }
  return static_cast<std::int32_t>(v);
}

void warnDecToHex(std::string_view s) {
  ui::msgBox("Warning: possible error during DEC>HEX conversion. You have entered incorrect value (" +
             std::string(s) + ").");
}

std::string cutToLast(std::string r, int width) {
  if (width < 0) width = 0;
  if (r.size() > static_cast<std::size_t>(width)) r.erase(0, r.size() - width);
  return r;
}

std::optional<std::int32_t> toInt32(double v) {
  double r = RoundHalfEven(v);
  if (!(r >= std::numeric_limits<std::int32_t>::min() && r <= std::numeric_limits<std::int32_t>::max()))
    return std::nullopt;
  return static_cast<std::int32_t>(r);
}

std::optional<std::int32_t> checkedInt32(std::int64_t v) {
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(v);
}

// Replaces a hex text shorter than one pair by "00" after the caller's warning.
std::string_view atLeastOnePair(std::string_view s, std::string_view warning) {
  if (s.size() >= 2) return s;
  ui::msgBox(std::string(warning) + std::string(kCrLf) + "Source string: ''" + std::string(s) + "''");
  return "00";
}

}  // namespace

std::string Invrt(std::string_view s) {
  std::string even = s.size() % 2 ? "0" + std::string(s) : std::string(s);
  std::string r;
  r.reserve(even.size());
  for (std::size_t i = even.size(); i >= 2; i -= 2) r.append(even, i - 2, 2);
  return r;
}

std::string DecToHex32(std::string_view v) {
  std::optional<double> x = StrictNumber(v);
  if (!x) throw ConversionError("not a number: " + std::string(v));
  constexpr double k2p32 = 4294967296.0;
  double r = RoundHalfEven(*x);
  if (*x < 0 || r >= k2p32) return "-1";
  return hexNoLeadingZeros(static_cast<std::uint32_t>(r));
}

std::string TrueHex1(std::string_view s, int width) {
  std::string r;
  try {
    r = DecToHex32(s);
  } catch (const ConversionError&) {
  }
  if (r.empty() || r == "-1") {
    warnDecToHex(s);
    r = "0";
  }
  return PadLeftZeros(r, width);
}

std::string TrueHex2(std::string_view s, int width) {
  std::optional<double> x = StrictNumber(s);
  std::optional<std::int32_t> v = x ? toInt32(*x) : std::nullopt;
  if (!v) {
    warnDecToHex(s);
    v = 0;
  }
  return cutToLast(PadLeftZeros(hexNoLeadingZeros(static_cast<std::uint32_t>(*v)), width), width);
}

std::string wb(std::string_view s) {
  s = atLeastOnePair(s, "Warning: error during byte array conversion. Source hex string length is less than 2 chars.");
  std::string bytes(s.size() / 2, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const int high = hexDigit(s[2 * i]), low = hexDigit(s[2 * i + 1]);
    // A pair that is not two hex digits goes through HexToLong for its message.
    bytes[i] = static_cast<char>(high >= 0 && low >= 0 ? high << 4 | low : HexToLong(s.substr(2 * i, 2)) & 0xFF);
  }
  return bytes;
}

std::string ConvertRVA(std::string_view s, std::int32_t base) {
  s = atLeastOnePair(s, "Warning: error during hex string scan. Source hex string length is less than 2 chars. (ConvertRVA)");
  constexpr std::int64_t kCodeAreaOffset = 0x2104;
  std::string r;
  std::int64_t emitted = 0;
  for (std::size_t i = 0; i < s.size();) {
    std::string_view unit = s.substr(i, 2);
    if (unit != "//") {
      r += unit;
      ++emitted;
      i += 2;
      continue;
    }
    std::optional<std::int32_t> target = hex8(s.substr(i + 2, 8));
    if (!target)
      throw ConversionError("jump target is not eight hex digits: " + std::string(s.substr(i, 10)));
    std::optional<std::int32_t> from = checkedInt32(base + emitted + kCodeAreaOffset);
    std::optional<std::int32_t> d = from ? checkedInt32(std::int64_t{*target} - *from) : std::nullopt;
    if (!d) throw ConversionError("jump displacement out of 32-bit range: " + std::string(s.substr(i, 10)));
    r += Invrt(TrueHex2(std::to_string(*d), 8));
    emitted += 4;
    i += 10;
  }
  return r;
}

std::int32_t HexToLong(std::string_view s) {
  if (s.empty()) s = "00";
  std::uint32_t v = 0;
  int significant = 0;
  bool ok = true;
  for (char c : s) {
    int d = hexDigit(c);
    if (significant > 0 || d > 0) ++significant;
    if (d < 0 || significant > 8) {
      ok = false;
      break;
    }
    v = v << 4 | static_cast<std::uint32_t>(d);
  }
  if (ok) return static_cast<std::int32_t>(v);
  if (!HexErrShown) {
    HexErrShown = true;
    ui::msgBox("There was an error when converting some hexadecimal value to a decimal." + std::string(kCrLf) +
               "Make sure that you haven't entered wrong data." + std::string(kCrLf) + "Source string: ''" +
               std::string(s) + "''");
  }
  return 0;
}

std::string TextToHex(std::string_view s) {
  // The character count is a byte: 255 characters or more do not fit.
  if (s.size() >= 255) throw ConversionError("text too long for hex conversion (255 characters or more)");
  std::string r;
  r.reserve(2 * s.size());
  for (unsigned char c : s) {
    r += kHexDigits[c >> 4];
    r += kHexDigits[c & 0xF];
  }
  return r;
}

std::int32_t SingleToBits(double d) {
  float f = static_cast<float>(d);
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  if (!std::isfinite(f) || (bits & 0x80000000u)) {
    ui::msgBox("Error during DEC>IEEE-754 float conversion. Check if you have set correct value.");
    return 0;
  }
  return static_cast<std::int32_t>(bits);
}

std::string PadLeftZeros(std::string_view s, int width) {
  std::string r(s);
  if (width > 0 && r.size() < static_cast<std::size_t>(width)) r.insert(0, width - r.size(), '0');
  return r;
}

std::string DecodeLineBreaks(std::string_view s) {
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s.compare(i, 2, "//") == 0) {
      r += kCrLf;
      ++i;
    } else {
      r += s[i];
    }
  }
  return r;
}

std::string EncodeLineBreaks(std::string_view s) {
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' || s[i] == '\n') {
      r += "//";
      if (s.compare(i, 2, kCrLf) == 0) ++i;
    } else {
      r += s[i];
    }
  }
  return r;
}

std::string ParamToHex(std::string_view value, int type) {
  // Hex width of each parameter type; 0 passes the value through as hex text.
  constexpr std::array<int, 8> kWidth = {0, 0, 0, 2, 4, 2, 4, 8};
  constexpr int kLong = 7;
  if (type < 0 || type >= static_cast<int>(kWidth.size())) return "00";
  if (kWidth[type] == 0) return std::string(value);
  // A long holds 0 to 4294967295 (or a negative value as its two's complement).
  std::optional<double> x = StrictNumber(value);
  bool unsignedLong = type == kLong && x && *x >= 0;
  return Invrt(unsignedLong ? TrueHex1(value, 8) : TrueHex2(value, kWidth[type]));
}

int CountNonSlash(std::string_view s) {
  if (s.empty()) return 0;
  int n = 1;
  for (char c : s.substr(0, s.size() - 1)) n += c != '/';
  return n;
}

std::string LetterToScanCode(std::string_view s) {
  // Keyboard rows with the scan code (minus 16) of their first key.
  struct Row {
    std::string_view keys;
    int first;
  };
  constexpr std::array<Row, 3> kRows = {{{"QWERTYUIOP[]", 0}, {"ASDFGHJKL;", 14}, {"ZXCVBNM", 28}}};
  if (s.empty()) return "";
  char c = UpperChar(s[0]);
  for (const Row& row : kRows)
    if (auto at = row.keys.find(c); at != std::string_view::npos) return std::to_string(row.first + at);
  return "";
}

}  // namespace olvex::shell
