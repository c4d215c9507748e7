#pragma once
// One settings line applied with every scope, as a config, preset or console line is.
#include <string>

#include "shell/config_state.h"
#include "shell/settings_keys.h"

namespace olvex::test {

// Applies key=value; false when the value was refused.
inline bool ApplyLine(const std::string& key, const std::string& value) {
  shell::CfgKey = key;
  shell::CfgValue = value;
  try {
    shell::ApplyKey("all");
    return true;
  } catch (const shell::SettingsKeyError&) {
    return false;
  }
}

// The same under a Version line (empty: none).
inline bool ApplyLine(const std::string& version, const std::string& key, const std::string& value) {
  shell::CfgVersion = version;
  return ApplyLine(key, value);
}

}  // namespace olvex::test
