#include "shell/text_case.h"

#include <algorithm>

namespace olvex::shell {

std::string LowerCase(std::string_view s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), LowerChar);
  return r;
}

std::string UpperCase(std::string_view s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), UpperChar);
  return r;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && EqualNoCase(s.substr(0, prefix.size()), prefix);
}

bool IsHexDigit(char c) {
  char u = UpperChar(c);
  return (c >= '0' && c <= '9') || (u >= 'A' && u <= 'F');
}

}  // namespace olvex::shell
