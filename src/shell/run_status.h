#pragma once
// How a run ends, as the process's exit status for a calling script.
namespace olvex::shell {

enum class ExitStatus : int {
  Done = 0,           // a silent run committed its pass, or a windowed run was quit
  PassFailed = 1,     // a silent run's pass rolled back (or found the executable in use)
  StartUpFailed = 2,  // a silent run could not reach its pass, or the start-up failed
  NoScreen = 3,       // the main window would wait for a user on a platform without a screen
};

// The status the run ends with; Done until something else is noted.
ExitStatus RunExitStatus();
// Notes how the run ends; the first failure noted stays.
void NoteExitStatus(ExitStatus s);
void ResetExitStatus();  // tests

}  // namespace olvex::shell
