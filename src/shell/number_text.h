#pragma once
// The two ways the program reads a number from text, and the general form it writes one in. None
// depends on the process's locale: the view layer sets it from the user's.
#include <optional>
#include <string>
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

// x in 15 significant digits as printf's "%.15g" writes it in the C locale: "1.5", "1e+20".
std::string GeneralText(double x);

}  // namespace olvex::shell
