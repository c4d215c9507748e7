#include "shell/text_case.h"

#include <algorithm>

namespace olvex::shell {

std::string LowerCase(std::string_view s) {
  std::string r(s.size(), '\0');
  LowerCaseInto(s, r.data());
  return r;
}

void LowerCaseInto(std::string_view s, char* out) {
  using namespace text_case_detail;
  if (s.size() < 8) {
    for (std::size_t i = 0; i < s.size(); ++i) out[i] = LowerChar(s[i]);
    return;
  }
  auto lowerEight = [&](std::size_t i) {
    std::uint64_t w = lowerWord(load8(s.data() + i));
    std::memcpy(out + i, &w, 8);
  };
  for (std::size_t i = 0; i + 8 < s.size(); i += 8) lowerEight(i);
  lowerEight(s.size() - 8);  // the last eight, overlapping the words before when need be
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
  return IsDigit(c) || (u >= 'A' && u <= 'F');
}

}  // namespace olvex::shell
