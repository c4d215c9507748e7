#include "shell/silent_request.h"

#include <string>
#include <string_view>

#include "platform/files.h"
#include "shell/config_lines.h"
#include "shell/number_text.h"
#include "shell/text_case.h"

namespace olvex::shell {

bool SilentRunRequested() {
  std::string text;
  try {
    text = platform::readFile(platform::currentDirectory() + "/olvex.cfg");
  } catch (const std::exception&) {
    return false;
  }
  ConfigLines lines(text);
  std::string_view line;
  bool common = false;
  while (lines.next(line)) {
    if (!line.empty() && line.front() == '[') {
      common = EqualNoCase(line, "[common]");
      continue;
    }
    std::size_t eq = line.find('=');
    if (common && eq != std::string_view::npos && EqualNoCase(line.substr(0, eq), "SilentPatch"))
      return RoundHalfEven(Val(line.substr(eq + 1))) == 1;
  }
  return false;
}

}  // namespace olvex::shell
