#pragma once
// Hex and value conversions shared by the patch pass, the settings keys, the compilers and the
// patch writer. All hex output is upper case. Warnings go through ui::msgBox and the function
// returns its substitute value; DecToHex32 and TextToHex throw ConversionError instead.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace olvex::shell {

struct ConversionError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Set once HexToLong has shown its error box; the preset loader clears it.
extern bool HexErrShown;

std::string Invrt(std::string_view s);  // pairs in reverse order; odd length gets a leading "0"
std::string TrueHex1(std::string_view s, int width);         // unsigned 32-bit, padded, never cut
std::string TrueHex2(std::string_view s, int width);         // signed 32-bit, padded and cut
std::string wb(std::string_view s);                          // hex text to bytes
// Replaces each "//" + eight hex digits (a target address) by the 4-byte little-endian
// displacement target - (base + bytes emitted + 0x2104). Throws ConversionError when a target is
// not eight hex digits or the arithmetic leaves the 32-bit range.
std::string ConvertRVA(std::string_view s, std::int32_t base);
std::int32_t HexToLong(std::string_view s);
// Unsigned 32-bit hex without leading zeros, "-1" when the number is negative or 2^32 or more;
// throws ConversionError when v is not a number.
std::string DecToHex32(std::string_view v);
// Two hex digits per character; throws ConversionError for 255 characters or more.
std::string TextToHex(std::string_view s);
std::int32_t SingleToBits(double d);
std::string PadLeftZeros(std::string_view s, int width);
std::string DecodeLineBreaks(std::string_view s);  // each "//" to CR LF; a lone "/" stays
std::string EncodeLineBreaks(std::string_view s);  // each CR LF, lone CR or lone LF to "//"
std::string ParamToHex(std::string_view value, int type);
int CountNonSlash(std::string_view s);
std::string LetterToScanCode(std::string_view s);

}  // namespace olvex::shell
