#pragma once
// A fresh configuration state in a temporary working folder, with a small built-in config text.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
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

// The program's built-in config with some [common] values replaced and the bodies of the
// [flipeffects] and [racetimer] sections (CR LF lines) given.
inline std::string builtInConfigWith(const std::vector<std::pair<std::string, std::string>>& values,
                                     const std::string& flips, const std::string& events) {
  std::string text(BuiltInConfigText());
  for (const auto& [key, value] : values) {
    std::size_t at = text.find("\n" + key + "=");
    EXPECT_NE(at, std::string::npos) << key;
    if (at == std::string::npos) continue;
    text.replace(at + 1, text.find_first_of("\r\n", at + 1) - at - 1, key + "=" + value);
  }
  for (auto [open, close, body] : {std::tuple{"\n[flipeffects]", "\n[end flipeffects]", flips},
                                   std::tuple{"\n[racetimer]", "\n[end racetimer]", events}}) {
    std::size_t from = text.find('\n', text.find(open) + 1) + 1;
    text.replace(from, text.find(close, from) + 1 - from, body);
  }
  return text;
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
