#pragma once
// Files a process removes when a termination signal (SIGTERM, SIGINT, SIGHUP) ends it, or exit()
// (the window toolkit's own, when its display goes), while an object of this class lives: the
// lock and the working copy of a pass that is stopped from outside do not wait for the next run
// to be cleaned. SIGKILL cannot be caught; what it leaves, the next run removes.
#include <string>
#include <vector>

#include "platform/files.h"

namespace olvex::platform {

class RemoveOnSignal {
 public:
  explicit RemoveOnSignal(const std::vector<std::string>& paths);  // at most four paths
  ~RemoveOnSignal();  // the handlers before come back, and exit() removes nothing
  RemoveOnSignal(const RemoveOnSignal&) = delete;
  RemoveOnSignal& operator=(const RemoveOnSignal&) = delete;

  // From now on the file at path (one of the paths, or a further one while fewer than four are
  // held) is moved to a name of this run's first and removed only when it is `file` (its device
  // and inode); anything else found there goes back.
  void onlyIf(const std::string& path, const detail::FileIdentity& file);
};

}  // namespace olvex::platform
