// The console: its key opens and closes it, Up recalls the last line, Enter applies a settings
// line through the key table or runs a command, and a command never starts a second pass or
// reload inside a running one.
#include <gtest/gtest.h>

#include "presets/console.h"
#include "presets/main_window_fixture.h"
#include "shell/form1_hooks.h"
#include "ui/form.h"

namespace olvex::presets::test {
namespace {

class ConsoleTest : public MainWindowTest {
 protected:
  shell::Form1& open() {
    shell::Form1& f = start();
    LastCmd.clear();
    int key = kConsoleToggleKey;
    f.userKeyDown(key, 0);
    return f;
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

TEST_F(ConsoleTest, LinesApplyThroughTheKeyTableAndTheToggleKeyClosesIt) {
  shell::Form1& f = open();
  EXPECT_EQ(f.height(), 7815);  // 435 twips below the closed height
  EXPECT_EQ(f.activeControl(), &f.Text5);
  consoleLine(f, "bonuslevelnumber=  13 ; a comment");
  consoleLine(f, "BonusLevelNumber =14");  // the key is taken untrimmed: no such key
  consoleLine(f, "ClippingMode=9");        // no such option: the line changes nothing
  EXPECT_EQ(f.Text4.text(), "13");
  EXPECT_TRUE(f.Option2[0].value());
  consoleLine(f, "ClippingMode=1");
  EXPECT_TRUE(f.Option2[1].value());
  EXPECT_EQ(f.Text5.text(), "");
  EXPECT_EQ(host.texts(), std::vector<std::string>{});
  // Up recalls the last line without its trailing blanks, and one blank, the caret at the end.
  consoleLine(f, "BonusLevelNumber=3   ");
  consoleKey(f, kRecallKey);
  EXPECT_EQ(f.Text5.text(), "BonusLevelNumber=3 ");
  EXPECT_EQ(f.Text5.selStart(), 19);
  int key = kConsoleToggleKey;
  f.userKeyDown(key, 0);
  EXPECT_EQ(key, 0);  // swallowed: it types nothing
  EXPECT_EQ(f.height(), 7380);
  consoleLine(f, "BonusLevelNumber=12");  // a closed console takes no line
  EXPECT_EQ(f.Text4.text(), "3");
  key = kConsoleToggleKey;
  f.userKeyDown(key, 0);
  EXPECT_EQ(f.Text5.text(), "");  // it opens empty
}

TEST_F(ConsoleTest, CommandWords) {
  struct Case {
    const char* line;
    int passes, reloads;
    bool quits;
  } cases[] = {
      {"Patch  ", 1, 0, false},
      {" mod", 0, 0, false},
      {"modify=1", 0, 0, false},
      {"DEFAULTS", 0, 1, false},
      {"QuIt  ", 0, 0, true},
  };
  for (const Case& c : cases) {
    ui::Forms::reset();
    shell::Form1& f = open();
    int passes = 0, reloads = 0;
    shell::form1Hooks().ModifyExe = [&passes] { return ++passes > 0; };
    shell::form1Hooks().DracoResetPatches = [&reloads] { ++reloads; };
    consoleLine(f, c.line);
    EXPECT_EQ((std::array<int, 2>{passes, reloads}), (std::array<int, 2>{c.passes, c.reloads})) << c.line;
    EXPECT_EQ(ui::Forms::loaded<shell::Form1>(), !c.quits) << c.line;
    EXPECT_TRUE(c.quits || f.activeControl() == &f.Text5) << c.line;
  }
}

TEST_F(ConsoleTest, ACommandTypedDuringAPassOrReloadStartsNoSecondOne) {
  shell::Form1& f = open();
  int passes = 0, reloads = 0;
  shell::form1Hooks().ModifyExe = [&] {
    ++passes;
    consoleLine(f, "modify");
    consoleLine(f, "defaults");
    return true;
  };
  shell::form1Hooks().DracoResetPatches = [&] { ++reloads; };
  consoleLine(f, "modify");
  EXPECT_EQ(passes, 1);
  EXPECT_EQ(reloads, 0);
  EXPECT_TRUE(f.Command3.enabled());
  host.answers.push_back(ui::MsgAnswer::Cancel);  // a cancelled confirmation runs no pass
  consoleLine(f, "mod");
  EXPECT_EQ(passes, 1);
}

}  // namespace
}  // namespace olvex::presets::test
