#include "furr/parameters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "shell/conversions.h"
#include "shell/number_text.h"
#include "shell/text_case.h"

namespace olvex::furr {
namespace {

struct TypeInfo {
  std::string_view word;
  ParamType type;
  int width;  // bytes written
  int error;  // checker code when the text cannot be encoded
  std::int64_t min, max;  // range of the numeric types
};

constexpr std::int64_t kNoRange = 0;
constexpr std::array<TypeInfo, 13> kTypes = {{
    {"SIGNEDBYTE", ParamType::SignedByte, 1, 4, -127, 127},
    {"UNSIGNEDBYTE", ParamType::UnsignedByte, 1, 5, 0, 255},
    {"SIGNEDINTEGER", ParamType::SignedInteger, 2, 6, -32767, 32767},
    {"UNSIGNEDINTEGER", ParamType::UnsignedInteger, 2, 7, 0, 65535},
    {"LONG", ParamType::Long, 4, 8, -2147483647, 2147483647},
    {"ADDRESS", ParamType::Address, 4, 12, kNoRange, kNoRange},
    {"FLIPEFFECT", ParamType::Flipeffect, 4, 16, 0, 46},
    {"TIME", ParamType::Time, 4, 18, kNoRange, kNoRange},
    {"ASSIGN_BYTE", ParamType::AssignByte, 1, 13, kNoRange, kNoRange},
    {"ASSIGN_INTEGER", ParamType::AssignInteger, 2, 14, kNoRange, kNoRange},
    {"ASSIGN_LONG", ParamType::AssignLong, 4, 15, kNoRange, kNoRange},
    {"ASSIGN_HEX", ParamType::AssignHex, 0, 17, kNoRange, kNoRange},
    {"CURR_FLIP", ParamType::CurrFlip, 2, 10, kNoRange, kNoRange},
}};

const TypeInfo& info(ParamType type) {
  return *std::find_if(kTypes.begin(), kTypes.end(), [&](const TypeInfo& t) { return t.type == type; });
}

// The engine's table of its own flipeffect routines, four bytes per entry.
constexpr std::int64_t kFlipRoutineTable = 0x4ABE80;
constexpr int kErrUnknownType = 9;
constexpr int kErrWrongConstant = 17;
// Codes of a constant name that is not in its table, by ConstKind.
constexpr std::array<int, 4> kConstNotFound = {13, 14, 15, 17};


// A whole number written as the text, rounded as every conversion of the program rounds.
std::optional<std::int64_t> wholeNumber(std::string_view text) {
  std::optional<double> x = shell::StrictNumber(text);
  if (!x) return std::nullopt;
  double r = shell::RoundHalfEven(*x);
  if (!(r > -9.2e18 && r < 9.2e18)) return std::nullopt;
  return static_cast<std::int64_t>(r);
}

EncodedParam fail(int error) { return {error, {}}; }

EncodedParam numeric(const TypeInfo& t, std::string_view text) {
  std::optional<std::int64_t> v = wholeNumber(text);
  if (!v || *v < t.min || *v > t.max) return fail(t.error);
  return {0, LittleEndianHex(*v, t.width)};
}

EncodedParam flipeffect(const TypeInfo& t, std::string_view text) {
  std::optional<double> x = shell::StrictNumber(text);
  if (!x || *x != std::floor(*x) || *x < t.min || *x > t.max) return fail(t.error);
  return {0, LittleEndianHex(kFlipRoutineTable + 4 * static_cast<std::int64_t>(*x), t.width)};
}

EncodedParam address(const TypeInfo& t, std::string_view text) {
  if (text.empty() || text.size() > 8 || !std::all_of(text.begin(), text.end(), shell::IsHexDigit))
    return fail(t.error);
  return {0, shell::Invrt(shell::UpperCase(shell::PadLeftZeros(text, 8)))};
}

EncodedParam constant(const TypeInfo& t, ConstKind kind, std::string_view text, const ParamContext& c) {
  ConstLookup found = ResolveConstant(c.set, kind, text, c.command);
  if (found.code != 0) return fail(found.code);
  if (kind == ConstKind::Hex) {
    // A value that is no hex text would turn into wrong bytes (or a stray "//" target) unseen.
    if (!std::all_of(found.value.begin(), found.value.end(), shell::IsHexDigit)) return fail(kErrWrongConstant);
    return {0, shell::Invrt(found.value)};
  }
  return {0, LittleEndianHex(wholeNumber(found.value).value_or(0), t.width)};
}

}  // namespace

ParamType ParseParamType(std::string_view word) {
  if (word.empty()) return ParamType::None;
  for (const TypeInfo& t : kTypes)
    if (t.word == word) return t.type;
  return ParamType::Unknown;
}

int ParamWidth(ParamType type) {
  if (type == ParamType::None || type == ParamType::Unknown) return 0;
  return info(type).width;
}

std::string LittleEndianHex(std::int64_t value, int bytes) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  auto v = static_cast<std::uint64_t>(value);
  std::string r;
  for (int i = 0; i < bytes; ++i, v >>= 8) {
    r += kDigits[(v >> 4) & 0xF];
    r += kDigits[v & 0xF];
  }
  return r;
}

std::optional<std::int32_t> TimeFrames(std::string_view text) {
  std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos) return std::nullopt;
  double minutes = shell::Val(text.substr(0, colon));
  double seconds = shell::Val(text.substr(colon + 1, 999));
  double frames = shell::RoundHalfEven((minutes * 60 + seconds) * 30 + 1);
  if (!(frames >= std::numeric_limits<std::int32_t>::min() && frames <= std::numeric_limits<std::int32_t>::max()))
    return std::nullopt;
  return static_cast<std::int32_t>(frames);
}

ConstLookup ResolveConstant(const CommandSet& set, ConstKind kind, std::string_view name, std::string_view command) {
  bool named = false;
  for (const Constant& row : set.table(kind)) {
    if (!shell::EqualNoCase(row.name, name)) continue;
    named = true;
    bool allowed = row.allowsEveryCommand() ||
                   std::any_of(row.allowed.begin(), row.allowed.end(),
                               [&](const std::string& cmd) { return shell::EqualNoCase(cmd, command); });
    if (allowed) return {0, row.value};
  }
  return {named ? kErrWrongConstant : kConstNotFound[static_cast<std::size_t>(kind)], {}};
}

EncodedParam EncodeParam(ParamType type, std::string_view text, const ParamContext& c) {
  if (type == ParamType::None || type == ParamType::Unknown) return fail(kErrUnknownType);
  const TypeInfo& t = info(type);
  switch (type) {
    case ParamType::Address: return address(t, text);
    case ParamType::Flipeffect: return flipeffect(t, text);
    case ParamType::Time: {
      std::optional<std::int32_t> frames = TimeFrames(text);
      if (!frames) return fail(t.error);
      return {0, LittleEndianHex(*frames, t.width)};
    }
    case ParamType::AssignByte: return constant(t, ConstKind::Byte, text, c);
    case ParamType::AssignInteger: return constant(t, ConstKind::Word, text, c);
    case ParamType::AssignLong: return constant(t, ConstKind::Dword, text, c);
    case ParamType::AssignHex: return constant(t, ConstKind::Hex, text, c);
    case ParamType::CurrFlip:
      if (c.dialect != Dialect::Flipeffect) return fail(kErrUnknownType);
      if (!text.empty()) return fail(t.error);
      return {0, LittleEndianHex(c.flipNumber, t.width)};
    default: return numeric(t, text);
  }
}

}  // namespace olvex::furr
