#pragma once
// The main window started over the reference executable (patcher's PassTest).
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
};

}  // namespace olvex::presets::test
