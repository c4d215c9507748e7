#pragma once
// Names the config gives to files in the program's folder (the executable, the command set). A
// config may be handed over by someone else, so such a name must not lead out of the folder.
#include <string_view>

namespace olvex::shell {

// True when name names a file in the folder itself: no path separator ("/" or "\") and not "..".
// Otherwise a message names the key and the value, and the caller keeps what it had.
bool AcceptFolderFileName(std::string_view key, std::string_view name);

}  // namespace olvex::shell
