#pragma once
// The two ways the program reads a number from text.
#include <optional>
#include <string_view>

namespace olvex::shell {

// The leading number of s: leading blanks skipped; an optional sign, digits with at most one
// ".", an optional exponent, or &H hex / &O octal digits; blanks inside skipped; stops at the
// first other character; no number gives 0.
double Val(std::string_view s);

// The whole of s as a number: optional surrounding blanks, optional sign, digits with at most
// one ".", optional exponent, or the &H / &O forms. Anything else, or nothing, gives no value.
std::optional<double> StrictNumber(std::string_view s);

// Rounds to the nearest integer, halves to the even neighbour.
double RoundHalfEven(double x);

}  // namespace olvex::shell
