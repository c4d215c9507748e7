// The weapons and enemies dialogs shown from the main window: their timers stop when they close.
#include "customizers/dialog_fixture.h"
#include "customizers/enemies/dialog.h"
#include "customizers/weapons/dialog.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers::test {
namespace {

// Shown from the main window, the dialogs' timers run until the dialog is hidden again (the
// test host's modal show returns at once, as if the user had pressed "apply").
TEST_F(DialogTest, PreviewAndBlinkingStopWhenTheDialogCloses) {
  auto& weapons = dialog<CustWeapons>();
  weapons.Command10.userClick();
  ASSERT_TRUE(weapons.Timer1.enabled());
  shell::form1Hooks().ButtonActions.at("Command20")();
  EXPECT_EQ(host.shown.back(), "CustWeapons");
  EXPECT_FALSE(weapons.Timer1.enabled());
  EXPECT_FALSE(dialog<CustEnemy>().Timer1.enabled());
  shell::form1Hooks().ButtonActions.at("Command19")();
  EXPECT_EQ(host.shown.back(), "CustEnemy");
  EXPECT_FALSE(dialog<CustEnemy>().Timer1.enabled());
}

}  // namespace
}  // namespace olvex::customizers::test
