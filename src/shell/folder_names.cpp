#include "shell/folder_names.h"

#include <string>

#include "ui/host.h"

namespace olvex::shell {

bool AcceptFolderFileName(std::string_view key, std::string_view name) {
  if (name.find_first_of("/\\") == std::string_view::npos && name != "..") return true;
  ui::msgBox(std::string(key) + "=" + std::string(name) +
             ": a file of the program's folder is named without a path or \"..\"; the line is ignored.");
  return false;
}

}  // namespace olvex::shell
