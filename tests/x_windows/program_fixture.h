#pragma once
// The program as it starts, on a private X server: a folder holding the reference executable,
// its config and its command set made the current directory, every module installed, the splash
// window shown first; and the steps the scenarios share.
#include <filesystem>
#include <string>
#include <vector>

#include "app/modules.h"
#include "furr/command_set.h"
#include "patcher/pass_hooks.h"
#include "platform/files.h"
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

inline constexpr char kMain[] = "OLVEX 0.76 rev. 4";
inline constexpr char kQuestion[] = "Confirm file modifying";

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
    ui::Forms::get<shell::Splash>().show();
  }

  // Answers the start-up's notice of the missing patch set (with a click or Enter) and returns
  // the main window once it is painted.
  shell::Form1& mainWindow(bool byKey = false) {
    EXPECT_TRUE(expectPainted("OLVEX").shows("Can't find patch set file (patches.drc)"));
    if (byKey)
      pressKey("Return");
    else
      clickText("OLVEX", "OK");
    auto& main = waitForForm<shell::Form1>();
    expectPainted(kMain);
    return main;
  }

  // Opens a window with a click on `button` and waits until it is painted.
  template <class F>
  F& open(const ui::Control& button, const std::string& caption) {
    click(button);
    auto& f = waitForForm<F>();
    expectPainted(caption);
    return f;
  }

  // A message box with that text, answered with Enter.
  void expectMessage(const std::string& text) {
    EXPECT_TRUE(expectPainted("OLVEX").shows(text)) << text;
    pressKey("Return");
    waitClosed("OLVEX");
  }

  // "modify" clicked and its question answered: the executable as the pass left it.
  std::string modify(shell::Form1& main, const std::string& answer = "OK") {
    click(main.Command3);
    EXPECT_TRUE(expectPainted(kQuestion).shows("Are you sure you want to update tomb4.exe file?"));
    clickText(kQuestion, answer);
    waitClosed(kQuestion);
    waitFor("\"modify\" to be enabled again", [&] { return main.Command3.enabled(); });
    return exeBytes();
  }

  // The model's focus and the keyboard's are on `c`.
  void waitFocus(const ui::Control& c) {
    waitFor("the model's focus on " + c.name() + "(" + std::to_string(c.index()) + ")",
            [&] { return c.form().activeControl() == &c; });
    waitKeyboardOn(c);
  }

  // "save preset" clicked and the file dialog answered with mine.ovp: the preset's lines.
  std::vector<std::string> savePreset(shell::Form1& main) {
    click(main.Command16);
    expectPainted("Save OLVEX preset");
    typeKeys("mine");
    pressKey("period");
    typeKeys("ovp");
    pressKey("Return");
    waitClosed("Save OLVEX preset");
    waitFor("the preset", [&] { return std::filesystem::exists(dir.file("mine.ovp")) && main.Command16.enabled(); });
    return platform::readLines(dir.file("mine.ovp"));
  }

  std::string exe() const { return dir.file("tomb4.exe"); }
  std::string exeBytes() const { return platform::test_files::bytesOf(exe()); }
  // n bytes of the file at the position of a version section's offset key.
  static std::string bytesAt(const std::string& file, std::string_view key, std::size_t n) {
    return file.substr(reflayout::findOffsetKey(key)->position - 1, n);
  }

  platform::test_files::WorkingFolder dir;
};

// The screen colour at pixel (dx, dy) of a control, in the window whose client area `shot` holds.
inline std::uint32_t colourIn(const Shot& shot, const ui::Control& c, int dx, int dy) {
  int x = 0, y = 0;
  for (const ui::Control* p = &c; p; p = p->container()) {
    x += p->left();
    y += p->top();
  }
  return shot.screen.at(x / 15 + dx, y / 15 + dy);
}

// Whether any part of the control lies in its window's client area.
inline bool inView(const ui::Control& c) {
  int x = 0, y = 0;
  for (const ui::Control* p = &c; p; p = p->container()) {
    x += p->left();
    y += p->top();
  }
  return x + c.width() > 0 && y + c.height() > 0 && x < c.form().width() && y < c.form().height();
}

// Visible and enabled, with every container it lies in.
inline bool shown(const ui::Control& c) {
  for (const ui::Control* p = &c; p; p = p->container())
    if (!p->visible() || !p->enabled()) return false;
  return true;
}

inline bool takesFocus(ui::ControlKind k) {
  using K = ui::ControlKind;
  return k == K::TextBox || k == K::CheckBox || k == K::OptionButton || k == K::CommandButton ||
         k == K::ComboBox || k == K::ListBox || k == K::HScrollBar;
}

// Runs each test without a window manager and under one.
class OnBothScreens : public ProgramTest, public ::testing::WithParamInterface<bool> {
 protected:
  OnBothScreens() { windowManager = GetParam(); }
};

}  // namespace olvex::test::x
