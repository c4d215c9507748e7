#pragma once
// The ways a value becomes the hex text that a write puts into the working copy. Every stage
// builds its values with these.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace olvex::patcher {

// A write the pass cannot make: it rolls the pass back.
struct PassError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The hex text of a version data field; an empty field (the loaded section lacks the key) is a
// PassError.
std::string Field(std::string_view dataKey);
// The same with its byte pairs reversed (fields the config gives in reading order).
std::string ReversedField(std::string_view dataKey);
// A number as `width` hex digits (2, 4 or 8) of its 32-bit two's complement, wider ones in
// little-endian byte order. Out-of-range values wrap; a text that is no number warns and gives 0.
std::string IntHex(std::string_view number, int width);
// The negative of the leading number of text, as IntHex.
std::string NegatedHex(std::string_view text, int width);
// The whole text as a number (the strict reader); a text that is not one, or a number too large
// to hold, is a PassError.
double StrictValue(std::string_view text);
// The negative of StrictValue(text), as IntHex.
std::string StrictNegatedHex(std::string_view text, int width);
// A hex text made exactly `digits` long: "0"s put in front, or only its last digits kept.
std::string FixedHex(std::string_view hex, std::size_t digits);
// A number as the four little-endian bytes of its single-precision pattern; a value the
// conversion refuses warns and gives four zero bytes.
std::string FloatHex(double x);

}  // namespace olvex::patcher
