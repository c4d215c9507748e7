#pragma once
// Letter case of the program's texts: keys, section markers, command names. Only A to Z change
// case, whatever the locale, so code-page bytes above 127 are kept as they are.
#include <string>
#include <string_view>

namespace olvex::shell {

char LowerChar(char c);
char UpperChar(char c);
std::string LowerCase(std::string_view s);
std::string UpperCase(std::string_view s);
bool EqualNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view s, std::string_view prefix);
bool IsHexDigit(char c);  // 0-9, A-F, a-f

}  // namespace olvex::shell
