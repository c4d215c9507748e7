#pragma once
// The patch pass: the executable is copied to a working copy beside it (its name + "0"), every
// stage writes into the copy, and one atomic rename puts the complete copy in the executable's
// place. Any failure before the rename leaves the executable as it was, removes the working copy
// and says "Cannot modify file". A lock beside the executable (its name + ".olvex-lock") keeps
// a second run out for the whole pass; a symbolic link is followed to the file it leads to.
namespace olvex::patcher {

// Runs one pass over the main window's executable (Form1::ExePath) with the current settings.
// True when it committed.
bool ModifyExe();

// Makes ModifyExe the pass behind the main window's "modify" and silent mode.
void Install();

}  // namespace olvex::patcher
