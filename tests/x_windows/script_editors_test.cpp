// The two script editors opened with the mouse on a real X server: each is painted with its
// controls, a bad line typed into the code box shows its syntax message, and F2 opens the number
// popup, which jumps to the number typed. Under a window manager, an editor closed from its title
// bar keeps its values for the run.
#include <gtest/gtest.h>

#include "furr/feditor.h"
#include "furr/guide.h"
#include "furr/rteditor.h"
#include "program_fixture.h"
#include "reflayout/layout.h"
#include "shell/form1.h"

namespace olvex::test::x {
namespace {

constexpr char kFlip[] = "Flipeffect editor";
constexpr char kRace[] = "Race timer editor";

class ScriptEditors : public ProgramTest {
 protected:
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

  // Runs "modify" and answers its question with OK: the executable as the pass left it.
  std::string modify(shell::Form1& main) {
    click(main.Command3);
    clickButton("Confirm file modifying", "OK");
    waitClosed("Confirm file modifying");
    waitFor("\"modify\" to be enabled again", [&] { return main.Command3.enabled(); });
    return exeBytes();
  }

  // Opens an editor with its button and waits for it on the screen.
  template <class Editor>
  Editor& open(const ui::Control& button, const std::string& caption) {
    click(button);
    auto& editor = waitForForm<Editor>();
    expectPainted(caption);
    return editor;
  }
};

class ScriptEditorsUnderWindowManager : public ScriptEditors {
 protected:
  ScriptEditorsUnderWindowManager() { windowManager = true; }
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
    Shot editor = expectPainted(kFlip);
    for (const char* text : {"Enable flipeffect editor", "Current flipeffect:", "Description:", "One shot", "pre",
                             "post", "spellcheck OK", "LIST", "import", "export", "defaults", "proceed"})
      EXPECT_TRUE(editor.shows(text)) << text;
    click(flip.Check1);
    waitFor("the editor to be enabled", [&] { return flip.Text1.enabled(); });
    typeBadLine(kFlip, flip.Text1, flip.Label2);
    jumpWithF2(flip.Combo1, "52");
    click(flip.Command1);
    waitClosed(kFlip);

    click(main.Command27);
    auto& race = waitForForm<furr::RTEditor>();
    Shot timer = expectPainted(kRace);
    for (const char* text : {"Enable race timer workaround", "Invert race timer", "jump", "call",
                             "Timer font effect ID:", "Timer becomes visible at:", "Event number:",
                             "If race timer value =", "Then (description):", "[1]", "proceed"})
      EXPECT_TRUE(timer.shows(text)) << text;
    click(race.Check1);
    waitFor("the events to be enabled", [&] { return race.Text2.enabled(); });
    typeBadLine(kRace, race.Text2, race.Label11);
    jumpWithF2(race.Combo2, "7");
    click(race.Command1);
    waitClosed(kRace);
  });
}

// Edits closed with "proceed" and a pass; then each editor closed from its title bar, opened
// again, checked and closed the same way: the values are all there and the pass writes the same.
TEST_F(ScriptEditorsUnderWindowManager, CloseBoxKeepsTheEditorsValuesForTheRun) {
  run([&] {
    auto& main = mainWindow();
    click(main.Check9);  // the editors need the extended executable
    waitFor("the executable to be extended", [&] { return main.Check9.value() == 1; });

    auto& flip = open<furr::FEditor>(main.Command26, kFlip);
    click(flip.Check1);
    waitFor("the editor to be enabled", [&] { return flip.Text1.enabled(); });
    jumpWithF2(flip.Combo1, "50");
    onGui([&] { flip.Text1.setText("KILL_LARA"); });
    click(flip.Command1);
    waitClosed(kFlip);
    auto& race = open<furr::RTEditor>(main.Command27, kRace);
    click(race.Check1);
    click(race.Check2);
    click(race.Text3);
    for (const char* key : {"End", "BackSpace", "1", "2"}) pressKey(key);
    waitFor("the font effect ID", [&] { return race.Text3.text() == "12"; });
    click(race.Command1);
    waitClosed(kRace);
    std::string proceeded = modify(main);
    EXPECT_TRUE(proceeded != reflayout::referenceExecutable()) << "the pass wrote nothing";
    platform::test_files::putBytes(exe(), reflayout::referenceExecutable());

    open<furr::FEditor>(main.Command26, kFlip);
    clickCloseBox(kFlip);
    waitClosed(kFlip);
    auto& flipAgain = open<furr::FEditor>(main.Command26, kFlip);
    onGui([&] { EXPECT_EQ(flipAgain.Check1.value(), 1); });
    jumpWithF2(flipAgain.Combo1, "50");
    onGui([&] { EXPECT_EQ(flipAgain.Text1.text(), "KILL_LARA"); });
    clickCloseBox(kFlip);
    waitClosed(kFlip);
    open<furr::RTEditor>(main.Command27, kRace);
    clickCloseBox(kRace);
    waitClosed(kRace);
    auto& raceAgain = open<furr::RTEditor>(main.Command27, kRace);
    onGui([&] {
      EXPECT_EQ(raceAgain.Check1.value(), 1);
      EXPECT_EQ(raceAgain.Check2.value(), 1);
      EXPECT_EQ(raceAgain.Text3.text(), "12");
    });
    clickCloseBox(kRace);
    waitClosed(kRace);
    EXPECT_TRUE(modify(main) == proceeded) << "the pass after the close boxes wrote other bytes";
  });
}

}  // namespace
}  // namespace olvex::test::x
