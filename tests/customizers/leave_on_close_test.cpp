// Closing a dialog from its title bar leaves the box with the focus: its check runs as for Tab,
// in the dialogs whose checks live in the frame's table and in those with handlers of their own.
#include "customizers/conditions/dialog.h"
#include "customizers/dialog_fixture.h"
#include "customizers/gfx/dialog.h"
#include "customizers/gfx2/dialog.h"
#include "customizers/inventory/dialog.h"
#include "customizers/objects/dialog.h"
#include "customizers/sound/dialog.h"

namespace olvex::customizers::test {
namespace {

TEST_F(DialogTest, ClosingADialogChecksTheBoxWithTheFocus) {
  auto& gfx2 = dialog<CustGfx2>();
  const LeaveCase cases[] = {
      {dialog<CustGfx>().Text1[0], "5", "5", "You must fill this field with two hexadecimal symbols!", "55"},
      {dialog<CustInv>().Text3, "AB", "AB", "Magic word should be 4 characters long!", "ABCD"},
      {dialog<CustSnd>().Text1[3], "115", "111",
       "You can't use audiotracks more than 111 if you haven't extended audiotracks!", "100"},
      {dialog<CustObj>().Text1[14], "200", "127"},
      {dialog<SLevelConditions>().Text3, "300", "255"},  // modeless: the close hides it as losing activation does
      {gfx2.Text1[15], "300", "255"},  // the fog unit's red, written back to its table
  };
  expectClosing(cases);
  EXPECT_EQ(shell::FogUnitR[gfx2.Combo1.listIndex()], 255);
}

}  // namespace
}  // namespace olvex::customizers::test
