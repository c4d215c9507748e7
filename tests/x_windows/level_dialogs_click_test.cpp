// The camera, sound, objects and secret-level conditions dialogs opened with the mouse on a real
// X server: each is painted with its controls; the conditions pop-up opens beside its button and
// hides on Esc.
#include <gtest/gtest.h>

#include "customizers/camera/dialog.h"
#include "customizers/conditions/dialog.h"
#include "customizers/objects/dialog.h"
#include "customizers/sound/dialog.h"
#include "program_fixture.h"
#include "shell/form1.h"

namespace olvex::test::x {
namespace {

using customizers::CustCamera;
using customizers::CustObj;
using customizers::CustSnd;
using customizers::SLevelConditions;

class LevelDialogsClick : public ProgramTest {};

TEST_F(LevelDialogsClick, EachDialogOpensPaintedFromItsButton) {
  run([&] {
    clickButton("OLVEX", "OK");  // the start-up's notice of the missing patch set
    auto& main = waitForForm<shell::Form1>();

    click(main.Command22);
    waitForForm<CustCamera>();
    Shot c = expectPainted("Camera customizer");
    for (const char* text : {"Normal camera distance:", "Look camera distance:", "Change FOV (buggy):",
                             "Unify normal / battle camera", "Free camera (test):", "Lock", "Stick", "1536"})
      EXPECT_TRUE(c.shows(text)) << text;
    clickButton("Camera customizer", "apply");
    waitClosed("Camera customizer");

    click(main.Command24);
    waitForForm<CustSnd>();
    Shot s = expectPainted("Sound \\ music customizer");
    for (const char* text : {"Extend audiotracks from 111 to 127", "Change looped audiotracks range:",
                             "Secret audiotrack:", "do not use", "[lara being hit] sound ID:", "remove sound",
                             "Overall SFX sample rate:", "22050 Hz"})
      EXPECT_TRUE(s.shows(text)) << text;
    clickButton("Sound \\ music customizer", "apply");
    waitClosed("Sound \\ music customizer");

    click(main.Command25);
    auto& objects = waitForForm<CustObj>();
    Shot o = expectPainted("Object (trap) customizer");
    for (const char* text : {"spikes", "raising \\ expanding block", "two-block platform", "one-block platform",
                             "squishy block 2", "darts", "other objects", "Slicer-dicer radius:", "Link fake height",
                             "Fix visibility (experimental)", "ocb 0 mode only:"})
      EXPECT_TRUE(o.shows(text)) << text;
    click(objects.Command4);
    Shot help = expectPainted("OLVEX");
    EXPECT_TRUE(help.shows("2BP options descriptor:"));
    clickButton("OLVEX", "OK");
    clickButton("Object (trap) customizer", "apply");
    waitClosed("Object (trap) customizer");

    // The conditions button needs the extension and the bonus level.
    click(main.Check9);
    click(main.Check19);
    waitFor("the conditions button", [&] { return main.Command29.enabled(); });
    click(main.Command29);
    auto& conditions = waitForForm<SLevelConditions>();
    Shot k = expectPainted("Secret level conditions");
    for (const char* text : {"Time taken:", "Distance travelled (m):", "Ammo used:", "Medkits used:", "Secrets:",
                             "100000"})
      EXPECT_TRUE(k.shows(text)) << text;
    EXPECT_EQ(conditions.left(), main.Command29.left() + main.left() + 340);
    click(conditions.Text5);
    pressKey("Escape");
    waitClosed("Secret level conditions");
  });
}

}  // namespace
}  // namespace olvex::test::x
