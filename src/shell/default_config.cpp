#include "shell/default_config.h"

#include "platform/files.h"
#include "resources/embedded.h"
#include "shell/config_state.h"
#include "ui/host.h"

namespace olvex::shell {
namespace {

std::optional<std::string>& overrideText() {
  static std::optional<std::string> text;
  return text;
}

}  // namespace

std::string BuiltInConfigFile() {
  std::string text(BuiltInConfigText());
  return text += "\r\n";
}

bool ConfigFromMemory = false;

std::string_view BuiltInConfigText() {
  if (overrideText()) return *overrideText();
  return resources::get(kConfigFileName);
}

void OverrideBuiltInConfigText(std::optional<std::string> text) { overrideText() = std::move(text); }

bool KeepUnreadableConfig() {
  if (!platform::pathExists(ConfigPath) || platform::fileExists(ConfigPath)) return false;
  ui::msgBox("Can't read config file " + ConfigPath +
             ". It is left as it is; the built-in config is used for now.");
  ConfigFromMemory = true;
  return true;
}

void RecreateConfig() {
  if (KeepUnreadableConfig()) return;
  const std::string text = BuiltInConfigFile();
  try {
    // The user's own file is kept; a file that already holds the built-in text is not, so a
    // second recovery never overwrites the backup with the default text.
    if (platform::fileExists(ConfigPath) && platform::readFile(ConfigPath) != text)
      platform::copyFile(ConfigPath, ConfigPath + ".bak");
    // The program restores its own file in its folder: a link at the name is replaced, never
    // written through to a file elsewhere.
    platform::writeFileAtomicNoFollow(ConfigPath, text);
    ConfigFromMemory = false;
  } catch (const platform::FileError&) {
    ui::msgBox("Can't write config file " + ConfigPath + ". Using the built-in config for now.");
    ConfigFromMemory = true;
  }
}

std::string ConfigText() { return ConfigFromMemory ? BuiltInConfigFile() : platform::readFile(ConfigPath); }

}  // namespace olvex::shell
