#pragma once
// Temporary files beside a file being saved. Their names say which machine and process made
// them, ".olvex-<host>-<process id>-<n>.tmp", so that a later run can remove the files of a run
// that was killed, and only those. Internal to src/platform.
#include <string>

#include "platform/posix_io.h"

namespace olvex::platform::detail {

// The next name of this process's pattern in folder; nothing is created there.
std::string nextTemporaryName(const std::string& folder);

// Creates a new, empty temporary file in folder (for a save of target); tempPath gets its name.
UniqueFd createTemporaryFile(const std::string& folder, const std::string& target, std::string& tempPath);

}  // namespace olvex::platform::detail
