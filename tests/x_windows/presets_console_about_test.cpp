// On a real X server: the console opened with its key runs "mod" up to the question, the about
// box opens painted from its button and animates, and "save preset" and "load preset" go through
// the real file dialogs by mouse clicks and typing.
#include <gtest/gtest.h>

#include <filesystem>

#include "program_fixture.h"
#include "shell/about_box.h"
#include "shell/form1.h"

namespace olvex::test::x {
namespace {

class PresetsOnScreen : public ProgramTest {
 protected:
  shell::Form1& mainWindow() {
    EXPECT_TRUE(expectPainted("OLVEX").shows("Can't find patch set file (patches.drc)"));
    clickButton("OLVEX", "OK");
    auto& main = waitForForm<shell::Form1>();
    expectPainted("OLVEX 0.76 rev. 4");
    return main;
  }
  void type(const std::vector<std::string>& keysyms) {
    for (const std::string& k : keysyms) pressKey(k);
  }
};

TEST_F(PresetsOnScreen, ConsoleKeyOpensItAndItsLineRunsModify) {
  run([&] {
    auto& main = mainWindow();
    click(main.Text4);
    pressKey("grave");
    waitFor("the console to open", [&] {
      return main.height() == shell::Form1::kConsoleOpenHeight && main.Text5.enabled() && main.activeControl() == &main.Text5;
    });
    EXPECT_TRUE(expectPainted("OLVEX 0.76 rev. 4").shows("CONSOLE"));
    type({"m", "o", "d", "Return"});
    Shot question = expectPainted("Confirm file modifying");
    EXPECT_TRUE(question.shows("Are you sure you want to update tomb4.exe file?"));
    clickButton("Confirm file modifying", "Cancel");
    waitClosed("Confirm file modifying");
    waitFor("the line to be cleared and recalled by Up", [&] { return main.Text5.text().empty(); });
    pressKey("Up");
    waitFor("the last line", [&] { return main.Text5.text() == "mod "; });
    pressKey("grave");
    waitFor("the console to close", [&] { return main.height() == shell::Form1::kConsoleClosedHeight; });
  });
  EXPECT_TRUE(exeBytes() == reflayout::referenceExecutable());
}

TEST_F(PresetsOnScreen, AboutBoxPaintsAndAnimates) {
  run([&] {
    auto& main = mainWindow();
    click(main.Command8);
    auto& about = waitForForm<shell::Form2>();
    Shot first = expectPainted("About OLVEX");
    waitFor("the bands to appear", [&] { return about.scrollCounter() > shell::Form2::kBandsFrom + 40; });
    waitFor("a page to be bright", [&] { return about.fadeLevel() > 200 && about.fadeLevel() < 300; });
    Shot later = expectPainted("About OLVEX");
    EXPECT_FALSE(later.screen.rgb == first.screen.rgb) << "the picture did not change";
    // The page text, drawn by the toolkit, shows in the colours of the bands beneath it.
    onGui([&] {
      const auto &shown = about.Picture1.canvas().pixels(), &text = about.Picture3.canvas().pixels(),
                 &bands = about.Picture2.canvas().pixels();
      std::size_t lit = 0, mixed = 0;
      for (std::size_t i = 0; i < shown.size(); ++i) {
        lit += shown[i] != 0;
        mixed += shown[i] == (text[i] & bands[i]);
      }
      EXPECT_EQ(mixed, shown.size());
      EXPECT_GT(lit, 100u) << "no page text";
    });
    click(about.Label2);
    waitClosed("About OLVEX");
  });
}

TEST_F(PresetsOnScreen, SaveAndLoadPresetThroughTheFileDialogs) {
  run([&] {
    auto& main = mainWindow();
    onGui([&] { main.Text4.setText("42"); });
    click(main.Command16);
    expectPainted("Save OLVEX preset");
    type({"m", "i", "n", "e", "period", "o", "v", "p", "Return"});
    waitClosed("Save OLVEX preset");
    waitFor("the preset file", [&] { return std::filesystem::exists(dir.file("mine.ovp")); });
    onGui([&] { main.Text4.setText("7"); });
    click(main.Command12);
    expectPainted("Load OLVEX preset");
    type({"m", "i", "n", "e", "period", "o", "v", "p", "Return"});
    waitClosed("Load OLVEX preset");
    waitFor("the loaded value", [&] { return main.Text4.text() == "42" && main.Command12.enabled(); });
  });
}

}  // namespace
}  // namespace olvex::test::x
