// The flipeffect and race-timer editors driven headless after the program's start-up.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "furr/command_list.h"
#include "furr/feditor.h"
#include "furr/furr_module.h"
#include "furr/guide.h"
#include "furr/rteditor.h"
#include "patcher/pass_hooks.h"
#include "shell/config_fixture.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/main_keys.h"

namespace olvex::furr {
namespace {

constexpr int kF1 = 112, kF2 = 113, kF3 = 114, kEnter = 13, kEsc = 27;

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shell::ResetConfigState();
    shell::ResetVersionTables();
    shell::ResetScriptSlots();
    shell::ResetSharedTables();
    shell::ReaderHooks = {};
    shell::form1Hooks() = shell::Form1Hooks{};
    patcher::passHooks() = patcher::PassHooks{};
    shell::ClearKeyRegistry();
    shell::RegisterSharedKeys();
    shell::RegisterMainKeys();
    InstallFurr();
    SetLoadedCommandSet(BuiltInCommandSet());
  }
  void TearDown() override { shell::ClearKeyRegistry(); }

  // Starts the program in a folder without an executable, over the built-in config with both
  // editors on and these values and script sections.
  void start(std::vector<std::pair<std::string, std::string>> values = {}, const std::string& flips = "",
             const std::string& events = "") {
    values.insert(values.begin(), {{"EnableFlipeffectEditor", "1"}, {"EnableRaceTimerWorkaround", "1"}});
    platform::test_files::putBytes(dir.file("olvex.cfg"), shell::testing::builtInConfigWith(values, flips, events));
    ui::Forms::get<shell::Form1>();
    host.messages.clear();
  }
  // F1..F3 to the flipeffect editor; true when it took the key.
  bool press(int key) {
    flip().userKeyDown(key, 0);
    return key == 0;
  }

  FEditor& flip() { return ui::Forms::get<FEditor>(); }
  RTEditor& race() { return ui::Forms::get<RTEditor>(); }
  shell::Form1& main() { return ui::Forms::get<shell::Form1>(); }

  platform::test_files::WorkingFolder dir;
  test::TestHost host;
};

TEST_F(EditorTest, ConfigSectionsFillTheSlotsTheEditorsShowThemAndDefaultsReadThemAgain) {
  const std::string flips = "/Effect00\r\n/Annotation=first\r\nNOP\r\n/Effect07\r\n/DoOnlyOnce=1\r\nKILL_LARA\r\nRET\r\n";
  const std::string events = "/Event01\r\n/Annotation=tick\r\n/Time=2:05\r\nSTOP_TIMER\r\n";
  start({{"TriggerSlots", "3"}, {"OneShotMode", "1"}}, flips, events);
  FEditor& f = flip();
  RTEditor& r = race();
  ASSERT_EQ(f.Combo1.listCount(), 3);
  EXPECT_EQ(f.Combo1.list(2) + "|" + shell::FlipCode[2], "49|KILL_LARA\r\nRET");  // "/Effect07" lands in the last
  EXPECT_EQ(shell::FlipDoOnlyOnce[2], 1);
  EXPECT_EQ(f.Combo1.text() + "|" + f.Text1.text() + "|" + f.Text2.text(), "47|NOP|first");
  EXPECT_TRUE(f.Option1[1].value());
  EXPECT_EQ(r.Combo2.listCount(), 100);
  EXPECT_EQ(r.Combo2.text() + "|" + r.Text2.text() + "|" + r.Text7.text() + "|" + r.Text1[0].text() + ":" +
                r.Text1[1].text() + "|" + r.Label12.caption(),
            "1|STOP_TIMER|tick|2:5|[3751]");

  f.Text1.setText("RET");
  r.Text2.setText("");
  start({{"TriggerSlots", "2"}, {"OneShotMode", "1"}}, flips, events);  // the config changed on disk
  f.Command28.userClick();
  EXPECT_EQ(f.Combo1.list(1) + "|" + std::to_string(f.Combo1.listCount()), "48|2");
  r.Command2.userClick();
  EXPECT_EQ(shell::FlipCode[0] + "|" + f.Text1.text() + "|" + r.Text2.text(), "NOP|NOP|STOP_TIMER");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(EditorTest, EveryEditIsStoredInTheShownSlotAndProceedShowsTheFirst) {
  start({{"ExtendExeSize", "1"}});
  FEditor& f = flip();
  f.Text1.typeText("nop");  // typed letters are upper case
  f.Text2.setText("a");
  f.Check2.setValue(1);
  SelectEntry(f.Combo1, "48");
  EXPECT_EQ(f.Text1.text() + "|" + f.Text2.text() + "|" + std::to_string(f.Check2.value()), "||0");
  f.Text1.typeText("ret");
  SelectEntry(f.Combo1, "47");
  EXPECT_EQ(f.Text1.text() + "|" + f.Text2.text() + "|" + std::to_string(f.Check2.value()), "NOP|a|1");
  EXPECT_EQ(shell::FlipCode[1], "RET");

  RTEditor& r = race();
  SelectEntry(r.Combo2, "2");
  r.Text1[0].setText("");
  r.Text1[1].setText("");
  r.Text1[0].typeText("1.x");  // minutes: digits only
  r.Text1[1].typeText("3a0");
  EXPECT_EQ(r.Text1[0].text() + " " + r.Label12.caption(), "1 [2701]");
  r.Text2.typeText("stop_timer");
  SelectEntry(r.Combo2, "1");
  EXPECT_EQ(r.Text2.text(), "");
  r.Text1[1].setText("");
  r.Text1[1].typeText("12.5");
  EXPECT_EQ(r.Label12.caption(), "[376]");
  SelectEntry(r.Combo2, "2");
  EXPECT_EQ(r.Text2.text() + "|" + r.Text1[1].text(), "STOP_TIMER|30");
  EXPECT_EQ(shell::RaceTime[0][1], 12.5f);

  r.show();
  f.show();
  r.Command1.userClick();
  f.Command1.userClick();
  EXPECT_EQ(r.Combo2.text() + "|" + f.Combo1.text(), "1|47");
  EXPECT_FALSE(f.visible() || r.visible());
}

TEST_F(EditorTest, TheCaretsLineDecidesWhenToCheckAndCheckingEverySlotStopsAtTheFirstError) {
  start({{"TriggerSlots", "4"}}, "/Effect00\r\nNOP\r\n/Effect02\r\nNOP 1\r\n/Effect03\r\nBOGUS\r\n");
  FEditor& f = flip();
  SelectEntry(f.Combo1, "48");
  f.Text1.typeText("bogus");  // within one line: no check yet
  EXPECT_EQ(f.Label2.caption(), "spellcheck OK");
  f.Text1.setText("NOP\r\nKILL_LARA 1\r\nNOP");
  EXPECT_EQ(f.Label2.foreColor(), 255u);
  f.Label2.setCaption("");
  f.Text1.setSelection(5, 0);
  f.Text1.userKeyUp(40);  // the caret moved to another line: checked again
  EXPECT_EQ(f.Label3.caption() + " " + f.Label2.caption(), "2 / 3 unnecessary parameters in line 2");

  f.Text1.setText("");
  EXPECT_EQ(f.Label2.foreColor(), 0u);
  f.Command2.userClick();
  EXPECT_EQ(f.Combo1.text() + " " + f.Label2.caption(), "49 unnecessary parameters in line 1");
  f.Text1.setText("NOP");
  SelectEntry(f.Combo1, "50");
  f.Text1.setText("");
  SelectEntry(f.Combo1, "48");
  f.Command2.userClick();
  EXPECT_EQ(f.Combo1.text() + " " + f.Label2.caption(), "48 spellcheck OK");

  race().Text2.setText("SET_TIMER 1\r\n");
  EXPECT_EQ(race().Label11.caption(), "incomplete time parameter in line 1");
}

TEST_F(EditorTest, KeysWorkOnlyWithTheExtendedExecutableAndTheEditorOnAndThePopupJumpsInRange) {
  start();
  EXPECT_FALSE(press(kF2));
  main().Check9.setValue(1);
  EXPECT_TRUE(press(kF1) && press(kF2));
  EXPECT_EQ(host.shown, (std::vector<std::string>{"FLListCmd", "Guide"}));
  flip().Text1.setText("NOP 1");
  flip().Label2.setCaption("");
  EXPECT_TRUE(press(kF3));
  EXPECT_EQ(flip().Label2.caption(), "unnecessary parameters in line 1");
  flip().Check1.setValue(0);
  EXPECT_FALSE(press(kF3));
  flip().Check1.setValue(1);

  const std::vector<std::tuple<bool, std::string, std::string>> jumps = {
      {true, "46", "47"}, {true, "48", "48"}, {true, "146", "146"}, {true, "147", "47"}, {true, "", "47"},
      {false, "0", "1"},  {false, "1", "1"},  {false, "100", "100"}, {false, "101", "1"},
  };
  for (const auto& [flipeffect, typed, shows] : jumps) {
    SelectEntry(flip().Combo1, "47");
    SelectEntry(race().Combo2, "1");
    (flipeffect ? flip().Label33 : race().Label5).userClick();
    Guide& guide = ui::Forms::get<Guide>();
    EXPECT_EQ(guide.Text1.text(), flipeffect ? "47" : "1");
    guide.Text1.setText("");
    guide.Text1.typeText(typed + "x");  // letters are not taken
    guide.Text1.typeKey(kEnter);
    EXPECT_FALSE(ui::Forms::loaded<Guide>()) << typed;
    EXPECT_EQ(flipeffect ? flip().Combo1.text() : race().Combo2.text(), shows) << typed;
  }
  // Esc closes the popup without a change, the image accepts.
  for (int close : {kEsc, 0}) {
    flip().Label33.userClick();
    Guide& guide = ui::Forms::get<Guide>();
    guide.Text1.setText("60");
    if (close) guide.userKeyDown(close, 0);
    else guide.Image1.userClick();
    EXPECT_FALSE(ui::Forms::loaded<Guide>());
    EXPECT_EQ(flip().Combo1.text(), close ? "47" : "60");
  }
}

TEST_F(EditorTest, CommandListShowsTheLoadedSet) {
  start();
  const std::string path = dir.file("small.fln");
  platform::test_files::putBytes(path, "90 0 0 NOP\r\n"
                                       "66C7052AE18000000000 6 0 EQUIP ASSIGN_INTEGER\r\n"
                                       "1 2 3 4 5 6 7\r\n"
                                       "6605000000000000 2 6 INC_HP SIGNEDINTEGER SIGNEDINTEGER\r\n");
  host.fileAnswers = {path, dir.file("missing.fln")};
  flip().Command5.userClick();
  EXPECT_EQ(host.dialogs.back().title, "Load Command Set");
  flip().Command3.userClick();
  EXPECT_EQ(ui::Forms::get<FLListCmd>().Text1.text(),
            "List of commands available:\r\n\r\nNOP\r\nEQUIP [ASSIGN_INTEGER] \r\n\r\n"
            "INC_HP [SIGNEDINTEGER]  [SIGNEDINTEGER]\r\n");
  int esc = kEsc;
  ui::Forms::get<FLListCmd>().userKeyDown(esc, 0);
  EXPECT_FALSE(ui::Forms::loaded<FLListCmd>());
  // A file that cannot be read is reported and the loaded set stays.
  flip().Command5.userClick();
  ASSERT_EQ(host.messages.size(), 1u) << host.texts().front();
  EXPECT_NE(host.messages[0].text.find("the loaded command set is kept"), std::string::npos);
  EXPECT_EQ(LoadedCommandSet().commands.size(), 4u);
}

TEST_F(EditorTest, ExportThenImportGivesBackTheScript) {
  start();
  FEditor& f = flip();
  f.Text1.setText("NOP\r\n\r\nKILL_LARA");
  f.Text2.setText("word");
  f.Check2.setValue(1);
  const std::string file = dir.file("flip.txt");
  platform::test_files::putBytes(dir.file("bad.txt"), "/DoOnlyOnce=7\r\nNOP\r\n");
  host.fileAnswers = {file, file, file, std::nullopt, dir.file("none.txt"), dir.file("bad.txt"),
                      dir.file("no/such/folder/flip.txt")};
  f.Command16.userClick();
  EXPECT_EQ(platform::test_files::bytesOf(file), "/Annotation=word\r\n/DoOnlyOnce=1\r\nNOP\r\n\r\nKILL_LARA\r\n");
  SelectEntry(f.Combo1, "50");
  f.Command12.userClick();
  EXPECT_EQ(shell::FlipCode[3] + "|" + shell::FlipAnnotation[3], "NOP\r\n\r\nKILL_LARA|word");
  EXPECT_EQ(shell::FlipDoOnlyOnce[3], 1);

  // The race-timer event keeps its moment; a "/DoOnlyOnce=" line is code there.
  RTEditor& r = race();
  SelectEntry(r.Combo2, "3");
  r.Text1[0].setText("4");
  r.Command12.userClick();
  EXPECT_EQ(r.Text2.text() + "|" + r.Text7.text(), "/DoOnlyOnce=1\r\nNOP\r\n\r\nKILL_LARA|word");
  EXPECT_EQ(shell::RaceTime[2][0], 4.0f);

  // Cancelling does nothing; a file that cannot be read, or a flag other than 0 or 1, says so;
  // so does an export that cannot be written.
  for (int i = 0; i < 3; ++i) f.Command12.userClick();
  f.Command16.userClick();
  EXPECT_EQ(shell::FlipCode[3], "NOP\r\n\r\nKILL_LARA");
  std::vector<std::string> texts = host.texts();
  ASSERT_EQ(texts.size(), 3u);
  const std::string importError = "Error opening file! Make sure that selected file isn't corrupted.";
  EXPECT_EQ(texts[0] + texts[1], importError + importError);
  EXPECT_EQ(texts[2].rfind("The script could not be saved to ", 0), 0u);
}

TEST_F(EditorTest, EnablingFollowsTheEditorBoxesAndTheMainWindow) {
  start({{"EnableFlipeffectEditor", "0"}, {"EnableRaceTimerWorkaround", "0"}});
  FEditor& f = flip();
  RTEditor& r = race();
  EXPECT_FALSE(f.Text1.enabled() || r.Check1.enabled());  // the race timer needs the extended executable
  main().Check9.setValue(1);
  EXPECT_TRUE(r.Check1.enabled() && !r.Text2.enabled());
  r.Check1.setValue(1);
  EXPECT_TRUE(r.Text2.enabled() && r.Option1[0].enabled());
  EXPECT_EQ(r.Shape2.borderColor(), 0xC0C0C0u);
  // The one-shot controls need the editor and advanced savegame management, set in either order.
  const std::vector<std::tuple<ui::CheckBox*, int, bool>> steps = {
      {&main().Check21, 1, false}, {&f.Check1, 1, true}, {&main().Check21, 0, false},
      {&main().Check21, 1, true},  {&f.Check1, 0, false}};
  for (const auto& [box, value, oneShot] : steps) {
    box->setValue(value);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&f.Check2, &f.Label4, &f.Option1[0], &f.Option1[1]})
      EXPECT_EQ(c->enabled(), oneShot) << box->name() << "=" << value << " " << c->name();
  }
  // The font effect id is at most 255.
  r.Text3.setFocus();
  r.Text3.setText("");
  r.Text3.typeText("3x00");
  r.Text2.setFocus();
  EXPECT_EQ(r.Text3.text(), "255");
}

}  // namespace
}  // namespace olvex::furr
