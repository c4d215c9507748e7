#pragma once
// Every module installed over fresh settings, without a main window: the dialogs are driven
// through TestHost, keys applied as the config reader applies them.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/modules.h"
#include "patcher/pass_hooks.h"
#include "shell/config_state.h"
#include "shell/form1_hooks.h"
#include "shell/settings_keys.h"
#include "shell/shared_keys.h"
#include "shell/shared_tables.h"
#include "support/test_host.h"
#include "ui/form.h"

namespace olvex::customizers::test {

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shell::ResetConfigState();
    shell::ResetSharedTables();
    shell::SharedHooks = {};
    shell::form1Hooks() = shell::Form1Hooks{};
    patcher::passHooks() = patcher::PassHooks{};
    shell::ClearKeyRegistry();
    app::InstallModules();
  }
  void TearDown() override {
    shell::ClearKeyRegistry();
    shell::SharedHooks = {};
    shell::form1Hooks() = shell::Form1Hooks{};
    patcher::passHooks() = patcher::PassHooks{};
  }

  // Applies key=value as a config line of the given version would; false on a key error.
  bool apply(std::string_view key, std::string_view value, std::string_view version = "0.76") {
    shell::CfgVersion = std::string(version);
    shell::CfgKey = std::string(key);
    shell::CfgValue = std::string(value);
    try {
      shell::ApplyKey("all");
      return true;
    } catch (const shell::SettingsKeyError&) {
      return false;
    }
  }

  template <class D>
  D& dialog() { return ui::Forms::get<D>(); }

  olvex::test::TestHost host;
};

}  // namespace olvex::customizers::test
