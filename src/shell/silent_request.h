#pragma once
// Whether the config in the current directory asks for a silent run, read ahead of the start-up
// without messages or repairs: a run that will patch silently need not show its splash window
// (nor start the window toolkit). False when there is no readable config.
namespace olvex::shell {

bool SilentRunRequested();

}  // namespace olvex::shell
