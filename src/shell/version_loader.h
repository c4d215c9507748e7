#pragma once
// Loads every version section whose signature equals VersionSig into the offset table and the
// version data fields.
#include <string>

namespace olvex::shell {

extern bool VersionFound;         // a matching section was read by the last load
extern std::string FoundCaption;  // "Found: " & the matching section's label

// Resets DataKeyCount and VersionFound, then loads. No matching section: the message "Current
// config file have no support for your " & ExeName & "."; the caller shows the status. A read
// error recreates the config and loads again; a second one throws ConfigReadError.
void LoadConfig();

}  // namespace olvex::shell
