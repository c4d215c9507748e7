// The two script editors under a window manager: values set by clicks, F2 and typing, closed
// with "proceed", and a pass; then each editor closed from its title bar, opened again, checked
// and closed the same way: the values are all there and the pass writes the same bytes.
#include <gtest/gtest.h>

#include "furr/feditor.h"
#include "furr/guide.h"
#include "furr/rteditor.h"
#include "program_fixture.h"

namespace olvex::test::x {
namespace {

constexpr char kFlip[] = "Flipeffect editor";
constexpr char kRace[] = "Race timer editor";

class ScriptEditors : public ProgramTest {
 protected:
  ScriptEditors() { windowManager = true; }

  // F2 opens the number popup; the number typed and Enter jump there.
  void jumpWithF2(const ui::ComboBox& selector, const std::string& number) {
    pressKey("F2");
    waitForForm<furr::Guide>();
    typeKeys(number);
    pressKey("Return");
    waitFor("the jump to " + number, [&] { return !ui::Forms::loaded<furr::Guide>() && selector.text() == number; });
  }

  // Opened again after its close box: its values are checked, and it is closed the same way.
  template <class Editor>
  void reopen(const ui::Control& button, const char* caption, const std::function<void(Editor&)>& check) {
    open<Editor>(button, caption);
    clickCloseBox(caption);
    waitClosed(caption);
    check(open<Editor>(button, caption));
    clickCloseBox(caption);
    waitClosed(caption);
  }
};

TEST_F(ScriptEditors, CloseBoxKeepsTheEditorsValuesForTheRun) {
  run([&] {
    auto& main = mainWindow();
    click(main.Check9);  // the editors need the extended executable
    waitFor("the executable to be extended", [&] { return main.Check9.value() == 1; });

    auto& flip = open<furr::FEditor>(main.Command26, kFlip);
    click(flip.Check1);
    waitFor("the editor to be enabled", [&] { return flip.Text1.enabled(); });
    jumpWithF2(flip.Combo1, "50");
    onGui([&] { flip.Text1.setText("KILL_LARA"); });
    clickText(kFlip, "proceed");
    waitClosed(kFlip);
    auto& race = open<furr::RTEditor>(main.Command27, kRace);
    click(race.Check1);
    click(race.Check2);
    click(race.Text3);
    for (const char* key : {"End", "BackSpace", "1", "2"}) pressKey(key);
    waitFor("the font effect ID", [&] { return race.Text3.text() == "12"; });
    clickText(kRace, "proceed");
    waitClosed(kRace);
    std::string proceeded = modify(main);
    EXPECT_TRUE(proceeded != reflayout::referenceExecutable()) << "the pass wrote nothing";
    platform::test_files::putBytes(exe(), reflayout::referenceExecutable());

    reopen<furr::FEditor>(main.Command26, kFlip, [&](furr::FEditor& f) {
      onGui([&] { EXPECT_EQ(f.Check1.value(), 1); });
      jumpWithF2(f.Combo1, "50");
      onGui([&] { EXPECT_EQ(f.Text1.text(), "KILL_LARA"); });
    });
    reopen<furr::RTEditor>(main.Command27, kRace, [&](furr::RTEditor& r) {
      onGui([&] {
        EXPECT_EQ(r.Check1.value(), 1);
        EXPECT_EQ(r.Check2.value(), 1);
        EXPECT_EQ(r.Text3.text(), "12");
      });
    });
    EXPECT_TRUE(modify(main) == proceeded) << "the pass after the close boxes wrote other bytes";
  });
}

}  // namespace
}  // namespace olvex::test::x
