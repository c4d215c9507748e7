#pragma once
// The main window started over the reference executable (patcher's PassTest), with helpers to
// read a preset file and the console.
#include <string>

#include "patcher/pass_fixture.h"
#include "shell/form1.h"
#include "shell/script_slots.h"

namespace olvex::presets::test {

class MainWindowTest : public patcher::test::PassTest {
 protected:
  // The script slots outlive a test; the start-up sizes them again from the config.
  void SetUp() override {
    PassTest::SetUp();
    shell::ResetScriptSlots();
  }

  // Types a line into the open console and presses a key there.
  void consoleKey(shell::Form1& f, int key) {
    f.Text5.setFocus();
    f.userKeyDown(key, 0);
  }
  void consoleLine(shell::Form1& f, const std::string& line) {
    f.Text5.setText(line);
    consoleKey(f, 13);
  }
};

}  // namespace olvex::presets::test
