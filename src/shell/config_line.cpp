#include "shell/config_line.h"

#include <algorithm>

#include "shell/config_state.h"
#include "shell/text_case.h"

namespace olvex::shell {
namespace {

std::string_view trimLeft(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return s.substr(i);
}

std::string_view trimRight(std::string_view s) {
  std::size_t n = s.size();
  while (n > 0 && s[n - 1] == ' ') --n;
  return s.substr(0, n);
}

// Sets CfgKey and gives the value as a part of `line`.
std::string_view splitLine(std::string_view line) {
  CfgKey.clear();
  if (trimLeft(line).empty() || line.front() == ';' || line.front() == '[') return {};

  // Without "=" in its reach the key is cut at its longest, and the value follows the one
  // character after it, as it would follow the "=".
  std::size_t keyEnd = std::min(line.find('='), kMaxKeyLength);
  std::string_view key = line.substr(0, keyEnd);
  CfgKey.resize(key.size());
  LowerCaseInto(key, CfgKey.data());
  if (CfgKey.size() >= 4 && CfgKey.compare(CfgKey.size() - 4, 4, "data") == 0) ++DataKeyCount;
  if (keyEnd >= line.size()) return {};

  std::string_view value = trimLeft(line.substr(keyEnd + 1));
  if (auto semi = value.find(';'); semi != std::string_view::npos)
    value = trimRight(value.substr(0, semi));
  return value;
}

}  // namespace

std::string ParseConfigLine(std::string_view line) { return std::string(splitLine(line)); }

void ParseConfigLine(std::string_view line, std::string& value) { value.assign(splitLine(line)); }

}  // namespace olvex::shell
