#pragma once
// The FURR line checker: one source line against a command set, codes 0 (correct) to 18, and
// the status text the editors show for the first failing line of a script.
#include <string>
#include <string_view>
#include <vector>

#include "furr/command_set.h"
#include "furr/parameters.h"

namespace olvex::furr {

// A source line cut at its first two spaces; a third space ends the reading.
struct SourceWords {
  std::string_view command, param1, param2;
};
SourceWords SplitWords(std::string_view line);

// The lines of a script (CR LF, LF or CR between lines).
std::vector<std::string> SourceLines(std::string_view code);

int CheckLine(const CommandSet& set, std::string_view line, Dialect dialect);

// "spellcheck OK" for code 0, else the code's text with the 1-based line number appended.
std::string CheckStatusText(int code, int lineNumber);

struct ScriptCheck {
  int code = 0;  // of the first failing line, 0 when every line passes
  int line = 0;  // 1-based number of that line
  std::string status = CheckStatusText(0, 0);
  bool ok() const { return code == 0; }
};
ScriptCheck CheckScript(const CommandSet& set, std::string_view code, Dialect dialect);

}  // namespace olvex::furr
