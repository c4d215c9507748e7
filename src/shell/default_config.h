#pragma once
// The built-in config text and the one writer of the config file.
#include <optional>
#include <string>
#include <string_view>

namespace olvex::shell {

// The built-in default config text (resource "olvex.cfg"); throws when the resource is missing
// and no override is set.
std::string_view BuiltInConfigText();
// Replaces the built-in text (tests); nullopt returns to the resource.
void OverrideBuiltInConfigText(std::optional<std::string> text);
// The config file as RecreateConfig writes it: the built-in text plus CR LF.
std::string BuiltInConfigFile();

// True while the config in force is the built-in text held in memory because the file could not
// be written; cleared by the next successful RecreateConfig.
extern bool ConfigFromMemory;

// A config file that exists but cannot be read is the user's and is never overwritten: a message
// names it and ConfigFromMemory is set for the rest of the run. True when that is the case.
bool KeepUnreadableConfig();

// Writes the built-in text plus CR LF to ConfigPath, atomically (an unreadable file is kept as
// KeepUnreadableConfig says). An existing file that differs
// from it is kept first as ConfigPath & ".bak". A link at ConfigPath is replaced by a file of its
// own; what it leads to stays as it was. When the file cannot be written, says so in a
// message box and sets ConfigFromMemory, so the readers take the built-in text instead.
void RecreateConfig();

// The config text the readers read: the built-in text while ConfigFromMemory, else the file at
// ConfigPath (throws platform::FileError when it cannot be read).
std::string ConfigText();

}  // namespace olvex::shell
