#pragma once
// A temporary folder, made the current directory, holding the reference executable, an empty
// default patch set and the command set (so the start-up shows no message) and the built-in
// config, asking for the silent run or not.
#include <string>

#include "furr/command_set.h"
#include "platform/files.h"
#include "platform/temp_folder.h"
#include "reflayout/layout.h"
#include "shell/default_config.h"

namespace olvex::bench {

class RunFolder : public platform::test_files::WorkingFolder {
 public:
  explicit RunFolder(bool silent = true) {
    platform::writeFileAtomic(exe(), reflayout::referenceExecutable());
    std::string config(shell::BuiltInConfigText());
    if (silent) config.replace(config.find("SilentPatch=0"), 13, "SilentPatch=1");
    platform::writeFileAtomic(file("olvex.cfg"), config);
    platform::writeFileAtomic(file("patches.drc"), "DRACO=0.3\r\n");
    platform::writeFileAtomic(file("syntax.fln"), std::string(furr::BuiltInCommandSetText()) + "\r\n");
  }
  std::string exe() const { return file("tomb4.exe"); }
};

}  // namespace olvex::bench
