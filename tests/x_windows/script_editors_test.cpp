// The two script editors opened with the mouse on a real X server: each is painted with its
// controls, a bad line typed into the code box shows its syntax message, and F2 opens the number
// popup, which jumps to the number typed.
#include <gtest/gtest.h>

#include "furr/feditor.h"
#include "furr/guide.h"
#include "furr/rteditor.h"
#include "program_fixture.h"
#include "shell/form1.h"

namespace olvex::test::x {
namespace {

class ScriptEditors : public ProgramTest {
 protected:
  void typeKeys(const std::string& keys) {
    for (char c : keys) pressKey(std::string(1, c));
  }

  // Types a bad line and a line break into the code box: the check runs and shows its message.
  void typeBadLine(const std::string& caption, const ui::TextBox& code, const ui::Label& status) {
    click(code);
    typeKeys("bogus");
    pressKey("Return");
    waitFor("the syntax message", [&] { return status.caption() == "unknown command at line 1"; });
    EXPECT_TRUE(expectPainted(caption).shows("unknown command at line 1"));
  }

  // F2 opens the popup over the editor; typing a number and Enter jumps there.
  void jumpWithF2(const ui::ComboBox& selector, const std::string& number) {
    pressKey("F2");
    waitForForm<furr::Guide>();
    typeKeys(number);
    pressKey("Return");
    waitFor("the popup to close", [] { return !ui::Forms::loaded<furr::Guide>(); });
    waitFor("the jump to " + number, [&] { return selector.text() == number; });
  }
};

TEST_F(ScriptEditors, EachEditorOpensPaintedChecksWhatIsTypedAndJumpsWithF2) {
  run([&] {
    EXPECT_TRUE(expectPainted("OLVEX").shows("Can't find patch set file (patches.drc)"));
    pressKey("Return");
    auto& main = waitForForm<shell::Form1>();
    std::string caption;
    onGui([&] { caption = main.caption(); });
    expectPainted(caption);
    onGui([&] { main.Check9.setValue(1); });  // the editors' keys and the race timer need it

    click(main.Command26);
    auto& flip = waitForForm<furr::FEditor>();
    Shot editor = expectPainted("Flipeffect editor");
    for (const char* text : {"Enable flipeffect editor", "Current flipeffect:", "Description:", "One shot", "pre",
                             "post", "spellcheck OK", "LIST", "import", "export", "defaults", "proceed"})
      EXPECT_TRUE(editor.shows(text)) << text;
    click(flip.Check1);
    waitFor("the editor to be enabled", [&] { return flip.Text1.enabled(); });
    typeBadLine("Flipeffect editor", flip.Text1, flip.Label2);
    jumpWithF2(flip.Combo1, "52");
    click(flip.Command1);
    waitClosed("Flipeffect editor");

    click(main.Command27);
    auto& race = waitForForm<furr::RTEditor>();
    Shot timer = expectPainted("Race timer editor");
    for (const char* text : {"Enable race timer workaround", "Invert race timer", "jump", "call",
                             "Timer font effect ID:", "Timer becomes visible at:", "Event number:",
                             "If race timer value =", "Then (description):", "[1]", "proceed"})
      EXPECT_TRUE(timer.shows(text)) << text;
    click(race.Check1);
    waitFor("the events to be enabled", [&] { return race.Text2.enabled(); });
    typeBadLine("Race timer editor", race.Text2, race.Label11);
    jumpWithF2(race.Combo2, "7");
    click(race.Command1);
    waitClosed("Race timer editor");
  });
}

}  // namespace
}  // namespace olvex::test::x
