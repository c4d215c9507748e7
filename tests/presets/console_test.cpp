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
};

TEST_F(ConsoleTest, ToggleKeyOpensAndClosesAndEmptiesOnOpening) {
  shell::Form1& f = start();
  EXPECT_FALSE(f.Text5.enabled());
  for (int round = 0; round < 2; ++round) {
    int key = kConsoleToggleKey;
    f.userKeyDown(key, 0);
    EXPECT_EQ(key, kConsoleToggleKey);  // the key goes on
    EXPECT_EQ(f.height(), shell::Form1::kConsoleOpenHeight);
    EXPECT_TRUE(f.Text5.enabled());
    EXPECT_EQ(f.Text5.text(), "");
    EXPECT_EQ(f.activeControl(), &f.Text5);
    f.Text5.setText("typed");
    f.userKeyDown(key, 0);
    EXPECT_EQ(f.height(), shell::Form1::kConsoleClosedHeight);
    EXPECT_FALSE(f.Text5.enabled());
  }
}

TEST_F(ConsoleTest, LinesApplyThroughTheKeyTableAndRejectedOnesChangeNothing) {
  shell::Form1& f = open();
  struct Case {
    const char* line;
    std::string text4;  // the bonus level number box afterwards
    int clipping;       // the option of the clipping mode that is on
  };
  const std::string before = f.Text4.text();
  int clipping = 0;
  for (int i : f.Option2.indexes())
    if (f.Option2[i].value()) clipping = i;
  const Case cases[] = {
      {"BonusLevelNumber=12", "12", clipping},
      {"bonuslevelnumber=  13 ; a comment", "13", clipping},
      {"BonusLevelNumber =14", "13", clipping},  // the key is taken untrimmed: no such key
      {"BonusLevelNumber=07abc", "7", clipping},
      {"ClippingMode=9", "7", clipping},  // no such option: nothing changes
      {"ClippingMode=1", "7", 1},
      {"; BonusLevelNumber=20", "7", 1},
      {"[BonusLevelNumber=20]", "7", 1},
      {"NoSuchKey=20", "7", 1},
      {"", "7", 1},
  };
  EXPECT_NE(before, "12");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    consoleLine(f, c.line);
    EXPECT_EQ(f.Text4.text(), c.text4);
    EXPECT_TRUE(f.Option2[c.clipping].value());
    EXPECT_EQ(f.Text5.text(), "");
    EXPECT_TRUE(host.messages.empty());
  }
}

TEST_F(ConsoleTest, UpRecallsTheLastLineWithoutTrailingBlanks) {
  shell::Form1& f = open();
  consoleKey(f, kRecallKey);
  EXPECT_EQ(f.Text5.text(), " ");
  consoleLine(f, "BonusLevelNumber=3   ");
  consoleKey(f, kRecallKey);
  EXPECT_EQ(f.Text5.text(), "BonusLevelNumber=3 ");
  EXPECT_EQ(f.Text5.selStart(), 19);
}

TEST_F(ConsoleTest, CommandWords) {
  struct Case {
    const char* line;
    int passes, reloads;
    bool quits;
  };
  const Case cases[] = {
      {"mod", 1, 0, false},        {"Patch  ", 1, 0, false},     {"MODIFY", 1, 0, false},
      {" modify", 0, 0, false},    {"modify=1", 0, 0, false},    {"defaults", 0, 1, false},
      {"Reset", 0, 1, false},      {"DEFAULT", 0, 1, false},     {"QuIt  ", 0, 0, true},
      {"exit", 0, 0, true},        {"kill", 0, 0, true},         {" quit", 0, 0, false},
      {"quit=1", 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ui::Forms::reset();
    shell::Form1& f = open();
    int passes = 0, reloads = 0;
    shell::form1Hooks().ModifyExe = [&] { return ++passes, true; };
    shell::form1Hooks().DracoResetPatches = [&] { ++reloads; };
    consoleLine(f, c.line);
    EXPECT_EQ(passes, c.passes);
    EXPECT_EQ(reloads, c.reloads);
    EXPECT_EQ(ui::Forms::loaded<shell::Form1>(), !c.quits);
    if (!c.quits) {
      EXPECT_EQ(f.Text5.text(), "");
      EXPECT_EQ(f.activeControl(), &f.Text5);
      EXPECT_EQ(LastCmd.find_last_not_of(' ') + 1, LastCmd.size());
    }
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

  // A cancelled confirmation runs no pass.
  host.answers.push_back(ui::MsgAnswer::Cancel);
  consoleLine(f, "mod");
  EXPECT_EQ(passes, 1);
}

}  // namespace
}  // namespace olvex::presets::test
