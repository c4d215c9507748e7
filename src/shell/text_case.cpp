#include "shell/text_case.h"

#include <algorithm>

namespace olvex::shell {

std::string LowerCase(std::string_view s) {
  std::string r(s.size(), '\0');
  LowerCaseInto(s, r.data());
  return r;
}

void LowerCaseInto(std::string_view s, char* out) {
  std::size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    std::uint64_t w = text_case_detail::lowerWord(text_case_detail::load8(s.data() + i));
    std::memcpy(out + i, &w, 8);
  }
  for (; i < s.size(); ++i) out[i] = LowerChar(s[i]);
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
