#pragma once
// FURR parameter types and the one reader that turns a parameter text into its machine-code
// bytes. The checker asks it whether a text can be encoded (and gets the type's error code when
// not); the compiler takes the bytes. So a line that passes the check always compiles as written.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "furr/command_set.h"

namespace olvex::furr {

enum class ParamType {
  None,  // no parameter
  SignedByte,
  UnsignedByte,
  SignedInteger,
  UnsignedInteger,
  Long,
  Address,
  Flipeffect,
  Time,
  AssignByte,
  AssignInteger,
  AssignLong,
  AssignHex,
  CurrFlip,
  Unknown,
};

// The type named by a word of the command set ("" gives None, an unknown word Unknown).
ParamType ParseParamType(std::string_view word);
// Bytes the type writes into its template; 0 for None, Unknown and AssignHex (as long as the
// constant).
int ParamWidth(ParamType type);

// Which editor a source line belongs to: CURR_FLIP exists only in flipeffects.
enum class Dialect { Flipeffect, RaceEvent };

struct ParamContext {
  const CommandSet& set;
  std::string_view command;  // the line's command word, for the constants' allowed lists
  Dialect dialect = Dialect::Flipeffect;
  int flipNumber = 0;        // the flipeffect being compiled, for CURR_FLIP
};

struct EncodedParam {
  int error = 0;    // 0, or the checker code of the failure
  std::string hex;  // the bytes in template order, when error is 0
};

// Encodes a parameter text of a known type; None and Unknown give code 9. A hex constant whose
// value is not hex text gives code 17.
EncodedParam EncodeParam(ParamType type, std::string_view text, const ParamContext& context);

// The one constant resolver. Names compare without regard to case; the value is that of the
// first row of that name whose allowed list is empty or names the command (also without regard
// to case). code: 0 found, 17 the name exists but no row allows the command, else the table's
// not-found code (13 byte, 14 word, 15 dword, 17 hex).
struct ConstLookup {
  int code = 0;
  std::string value;
};
ConstLookup ResolveConstant(const CommandSet& set, ConstKind kind, std::string_view name,
                            std::string_view command);

// Game frames of a time text "minutes:seconds" (split at its last ":", each part read as its
// leading number): (minutes x 60 + seconds) x 30 + 1, rounded. None without a ":" or beyond the
// signed 32-bit range.
std::optional<std::int32_t> TimeFrames(std::string_view text);

// value as `bytes` little-endian bytes of its two's complement, in hex.
std::string LittleEndianHex(std::int64_t value, int bytes);

}  // namespace olvex::furr
