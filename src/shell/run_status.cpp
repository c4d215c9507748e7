#include "shell/run_status.h"

namespace olvex::shell {

namespace {
ExitStatus status = ExitStatus::Done;
}

ExitStatus RunExitStatus() { return status; }

void NoteExitStatus(ExitStatus s) {
  if (status == ExitStatus::Done) status = s;
}

void ResetExitStatus() { status = ExitStatus::Done; }

}  // namespace olvex::shell
