#pragma once
// The program as it starts, on a private X server: a folder holding the reference executable,
// its config and its command set made the current directory, every module installed, the splash window shown first.
#include <string>

#include "app/modules.h"
#include "furr/command_set.h"
#include "patcher/pass_hooks.h"
#include "platform/temp_folder.h"
#include "reflayout/layout.h"
#include "shell/config_state.h"
#include "shell/default_config.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/shared_tables.h"
#include "shell/splash.h"
#include "shell/version_table.h"
#include "ui_qt/xserver/x_session.h"

namespace olvex::test::x {

class ProgramTest : public XSession {
 protected:
  void SetUp() override {
    XSession::SetUp();
    if (IsSkipped()) return;
    platform::test_files::putBytes(exe(), reflayout::referenceExecutable());
    platform::test_files::putBytes(dir.file("olvex.cfg"), std::string(shell::BuiltInConfigText()));
    platform::test_files::putBytes(dir.file("syntax.fln"), std::string(furr::BuiltInCommandSetText()) + "\r\n");
    shell::ResetConfigState();
    shell::ResetVersionTables();
    shell::ResetSharedTables();
    shell::form1Hooks() = shell::Form1Hooks{};
    patcher::passHooks() = patcher::PassHooks{};
    app::InstallModules();
    start<shell::Splash>();
  }

  // From the scenario: answers the start-up's notice of the missing patch set and returns the
  // main window once it is painted.
  shell::Form1& mainWindow() {
    expectPainted("OLVEX");
    clickButton("OLVEX", "OK");
    auto& main = waitForForm<shell::Form1>();
    std::string caption;
    onGui([&] { caption = main.caption(); });
    expectPainted(caption);
    return main;
  }

  std::string exe() const { return dir.file("tomb4.exe"); }
  std::string exeBytes() const { return platform::test_files::bytesOf(exe()); }

  platform::test_files::WorkingFolder dir;
};

}  // namespace olvex::test::x
