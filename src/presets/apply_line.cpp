#include "presets/apply_line.h"

#include "shell/config_line.h"
#include "shell/config_state.h"
#include "shell/settings_keys.h"
#include "ui/host.h"

namespace olvex::presets {

void ApplySettingsLine(std::string_view line) {
  shell::CfgValue = shell::ParseConfigLine(line);
  shell::ApplyKey(shell::Scope::Main);
  ui::host().yield();
  for (int s = 1; s < shell::kScopeCount; ++s) shell::ApplyKey(static_cast<shell::Scope>(s));
}

}  // namespace olvex::presets
