#pragma once
// The program's built-in config text with chosen values and script sections, for tests that
// run whole passes over it.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "shell/default_config.h"

namespace olvex::shell::testing {

// The program's built-in config with some [common] values replaced and the bodies of the
// [flipeffects] and [racetimer] sections (CR LF lines) given.
inline std::string builtInConfigWith(const std::vector<std::pair<std::string, std::string>>& values,
                                     const std::string& flips, const std::string& events) {
  std::string text(BuiltInConfigText());
  for (const auto& [key, value] : values) {
    std::size_t at = text.find("\n" + key + "=");
    EXPECT_NE(at, std::string::npos) << key;
    if (at == std::string::npos) continue;
    text.replace(at + 1, text.find_first_of("\r\n", at + 1) - at - 1, key + "=" + value);
  }
  for (auto [open, close, body] : {std::tuple{"\n[flipeffects]", "\n[end flipeffects]", flips},
                                   std::tuple{"\n[racetimer]", "\n[end racetimer]", events}}) {
    std::size_t from = text.find('\n', text.find(open) + 1) + 1;
    text.replace(from, text.find(close, from) + 1 - from, body);
  }
  return text;
}

}  // namespace olvex::shell::testing
