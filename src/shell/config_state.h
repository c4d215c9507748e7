#pragma once
// Module-wide values of the configuration: paths, the [common] keys the reader keeps itself, and
// the key and value of the config, preset or console line being applied.
#include <cstdint>
#include <string>

namespace olvex::shell {

// The config format this build reads and writes; any other "Version" makes the reader replace the
// config file with the built-in text.
inline constexpr const char* kConfigVersion = "0.76";
inline constexpr const char* kConfigFileName = "olvex.cfg";

extern std::string WorkDir;      // current directory with a trailing "/"
extern std::string ConfigPath;   // WorkDir & "olvex.cfg"
extern std::string ExeName;      // game executable, relative to the current directory
extern std::int16_t NumBytesToRead;
extern std::uint8_t SilentPatch;
extern bool DeveloperMode;       // a DeveloperMode=1 line was read this run
extern std::string DefaultPatchSet;
extern std::string VersionSig;   // signature of the game executable, built at start-up

extern std::string CfgLine;      // raw line being applied
extern std::string CfgKey;       // its key, lower case ("" for none)
extern std::string CfgValue;     // its value
extern std::string CfgVersion;   // value of the last "Version" line applied
extern std::string LoadScope;    // "all" or one scope word: which keys a config read applies
extern std::int32_t DataKeyCount;  // parsed keys ending in "data"

// Sets WorkDir and ConfigPath from a folder (without trailing separator).
void SetWorkDir(const std::string& folder);

// Back to the values before any read (for tests and a fresh start).
void ResetConfigState();

}  // namespace olvex::shell
