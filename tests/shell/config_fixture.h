#pragma once
// A fresh configuration state in a temporary working folder, with a small built-in config text.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/temp_folder.h"
#include "shell/config_reader.h"
#include "shell/config_state.h"
#include "shell/default_config.h"
#include "shell/script_slots.h"
#include "shell/settings_keys.h"
#include "shell/shared_keys.h"
#include "shell/shared_tables.h"
#include "shell/version_loader.h"
#include "shell/version_table.h"
#include "support/built_in_config.h"
#include "support/test_host.h"

namespace olvex::shell::testing {

inline constexpr const char* kSig = "65636B005F494E495400000057696E50";

inline std::string crlf(const std::vector<std::string>& lines) {
  std::string r;
  for (std::size_t i = 0; i < lines.size(); ++i) r += (i ? "\r\n" : "") + lines[i];
  return r;
}

// The [common] part with the reader's own keys, then the text sections, then `tail`.
inline std::string configText(const std::vector<std::string>& commonExtra = {},
                              const std::string& version = "Version=0.76",
                              const std::vector<std::string>& tail = {}) {
  std::vector<std::string> lines = {"; test config", "[common]", "ExeName=tomb4.exe", version,
                                    "VersionCheckOffset=730225", "NumBytesToRead=16",
                                    "SilentPatch=0", "DeveloperMode=0",
                                    "DefaultPatchSet=patches.drc", "RaceTimerSlots=100",
                                    "TriggerSlots=100"};
  lines.insert(lines.end(), commonExtra.begin(), commonExtra.end());
  for (const char* l : {"[end common]", "[credits]", "%01", "Built In", "[end credits]", "[flipeffects]",
                        "/Effect00", "/Annotation=", "/DoOnlyOnce=0", "[end flipeffects]", "[racetimer]",
                        "/Event01", "/Annotation=", "/Time=0:0", "[end racetimer]"})
    lines.push_back(l);
  lines.insert(lines.end(), tail.begin(), tail.end());
  return crlf(lines);
}

inline std::string versionSection(const std::string& sig, const std::string& label,
                                  const std::vector<std::string>& body, bool closed = true) {
  std::vector<std::string> lines = {"[version " + sig + ";" + label + "]"};
  lines.insert(lines.end(), body.begin(), body.end());
  if (closed) lines.push_back("[end version]");
  return crlf(lines);
}

inline std::string builtInText() {
  return configText({}, "Version=0.76", {versionSection(kSig, "Built-in build", {"DDOffset=100", "LockCameraData=AA"})});
}

class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetConfigState();
    ResetVersionTables();
    ResetScriptSlots();
    ResetSharedTables();
    ConfigFromMemory = false;
    ReaderHooks = {};
    SharedHooks = {};
    ClearKeyRegistry();
    RegisterSharedKeys();
    SetWorkDir(dir.path());
    VersionSig = kSig;
    OverrideBuiltInConfigText(builtInText());
    host.messages.clear();
  }
  void TearDown() override {
    OverrideBuiltInConfigText(std::nullopt);
    ClearKeyRegistry();
    ConfigFromMemory = false;
  }
  void writeConfig(const std::string& text) { platform::test_files::putBytes(ConfigPath, text); }
  std::string configFile() const { return platform::test_files::bytesOf(ConfigPath); }
  std::vector<std::string> messages() const { return host.texts(); }

  test::TestHost host;
  platform::test_files::TempFolder dir;
};

}  // namespace olvex::shell::testing
