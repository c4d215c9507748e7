#pragma once
// The program's start-up in a working folder (built-in config with the given script sections,
// no executable) with the FURR module installed, and the two editors it fills.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "furr/command_set.h"
#include "furr/feditor.h"
#include "furr/furr_module.h"
#include "furr/rteditor.h"
#include "patcher/pass_hooks.h"
#include "shell/config_fixture.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/main_keys.h"

namespace olvex::furr::testing {

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shell::ResetConfigState();
    shell::ResetVersionTables();
    shell::ResetScriptSlots();
    shell::ResetSharedTables();
    shell::ReaderHooks = {};
    shell::form1Hooks() = shell::Form1Hooks{};
    patcher::passHooks() = patcher::PassHooks{};
    shell::ClearKeyRegistry();
    shell::RegisterSharedKeys();
    shell::RegisterMainKeys();
    InstallFurr();
    SetLoadedCommandSet(BuiltInCommandSet());
    platform::test_files::putBytes(dir.file("syntax.fln"), std::string(BuiltInCommandSetText()) + "\r\n");
  }
  void TearDown() override { shell::ClearKeyRegistry(); }

  // Starts the program over the built-in config with these values and sections.
  void start(const std::vector<std::pair<std::string, std::string>>& values = {}, const std::string& flips = "",
             const std::string& events = "") {
    platform::test_files::putBytes(dir.file("olvex.cfg"), shell::testing::builtInConfigWith(values, flips, events));
    ui::Forms::get<shell::Form1>();
    host.messages.clear();
  }

  FEditor& flip() { return ui::Forms::get<FEditor>(); }
  RTEditor& race() { return ui::Forms::get<RTEditor>(); }

  platform::test_files::WorkingFolder dir;
  test::TestHost host;
};

}  // namespace olvex::furr::testing
