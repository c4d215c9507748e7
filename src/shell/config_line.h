#pragma once
// One line of the config, a preset or the console: "key=value".
#include <string>
#include <string_view>

namespace olvex::shell {

inline constexpr std::size_t kMaxKeyLength = 255;

// Sets CfgKey (lower case, "" for a blank, ";" or "[" line) and returns the value: the text after
// the first "=", left-trimmed, and when it holds ";" cut there and right-trimmed. The key is the
// untrimmed text before "=", at most 255 characters; a line without "=" in that range gives its
// first 255 characters as key and the text from character 257 on as value (empty when the line
// is shorter). A key ending in "data" counts in DataKeyCount.
std::string ParseConfigLine(std::string_view line);
// The same, the value stored into `value` (which keeps its buffer).
void ParseConfigLine(std::string_view line, std::string& value);

}  // namespace olvex::shell
