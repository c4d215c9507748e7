// The flipeffect and race-timer editors driven headless: the config sections in the slot
// tables and on screen, slot switching, the syntax status as the user types, the editors' keys,
// enabling, import and export.
#include <gtest/gtest.h>

#include "furr/command_list.h"
#include "furr/editor_fixture.h"
#include "furr/guide.h"
#include "shell/script_slots.h"

namespace olvex::furr::testing {
namespace {

constexpr int kF1 = 112, kF2 = 113, kF3 = 114, kEnter = 13;

bool shown(const test::TestHost& host, const std::string& form) {
  return std::find(host.shown.begin(), host.shown.end(), form) != host.shown.end();
}

TEST_F(EditorTest, ConfigSectionsFillTheSlotsAndTheEditorsShowThem) {
  start({{"TriggerSlots", "3"}, {"EnableFlipeffectEditor", "1"}, {"OneShotMode", "1"}, {"InvertRaceTimer", "1"},
         {"TimerFontEffectID", "7"}, {"EnableRaceTimerWorkaround", "1"}, {"RaceTimerWorkaroundMethod", "0"},
         {"TimerVisibleThresh", "5:30"}},
        "/Effect00\r\n/Annotation=first\r\nNOP\r\n/Effect07\r\n/DoOnlyOnce=1\r\nKILL_LARA\r\nRET\r\n",
        "/Event01\r\n/Annotation=tick\r\n/Time=2:05\r\nSTOP_TIMER\r\n");
  FEditor& f = flip();
  ASSERT_EQ(f.Combo1.listCount(), 3);
  EXPECT_EQ(f.Combo1.list(2), "49");
  // "/Effect07" lies beyond the three slots: the last one takes it.
  EXPECT_EQ(shell::FlipCode[2], "KILL_LARA\r\nRET");
  EXPECT_EQ(shell::FlipDoOnlyOnce[2], 1);
  EXPECT_EQ(f.Combo1.text(), "47");
  EXPECT_EQ(f.Text1.text(), "NOP");
  EXPECT_EQ(f.Text2.text(), "first");
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_TRUE(f.Option1[1].value());

  RTEditor& r = race();
  EXPECT_EQ(r.Combo2.listCount(), 100);
  EXPECT_EQ(r.Combo2.text(), "1");
  EXPECT_EQ(r.Text2.text(), "STOP_TIMER");
  EXPECT_EQ(r.Text7.text(), "tick");
  EXPECT_EQ(r.Text1[0].text(), "2");
  EXPECT_EQ(r.Text1[1].text(), "5");
  EXPECT_EQ(r.Label12.caption(), "[3751]");
  EXPECT_EQ(r.Check2.value(), 1);
  EXPECT_EQ(r.Text3.text(), "7");
  EXPECT_EQ(r.Check1.value(), 1);
  EXPECT_TRUE(r.Option1[0].value());
  EXPECT_EQ(r.Text4[0].text(), "5");
  EXPECT_EQ(r.Text4[1].text(), "30");

  // "defaults" reads the section again: the edited slot is back, the editor shows it.
  f.Text1.setText("RET");
  r.Text2.setText("");
  f.Command28.userClick();
  r.Command2.userClick();
  EXPECT_EQ(shell::FlipCode[0], "NOP");
  EXPECT_EQ(f.Text1.text(), "NOP");
  EXPECT_EQ(r.Text2.text(), "STOP_TIMER");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(EditorTest, SwitchingSlotsKeepsEverySlotsText) {
  start({{"EnableFlipeffectEditor", "1"}, {"EnableRaceTimerWorkaround", "1"}, {"ExtendExeSize", "1"}});
  FEditor& f = flip();
  f.Text1.typeText("nop");  // typed letters are upper case
  f.Text2.setText("a");
  f.Check2.setValue(1);
  SelectEntry(f.Combo1, "48");
  EXPECT_EQ(f.Text1.text(), "");
  EXPECT_EQ(f.Check2.value(), 0);
  f.Text1.typeText("ret");
  SelectEntry(f.Combo1, "47");
  EXPECT_EQ(f.Text1.text(), "NOP");
  EXPECT_EQ(f.Text2.text(), "a");
  EXPECT_EQ(f.Check2.value(), 1);
  EXPECT_EQ(shell::FlipCode[1], "RET");

  RTEditor& r = race();
  SelectEntry(r.Combo2, "2");
  r.Text1[0].setText("");
  r.Text1[1].setText("");
  r.Text1[0].typeText("1.x");  // minutes: digits only
  r.Text1[1].typeText("3a0");
  EXPECT_EQ(r.Text1[0].text(), "1");
  EXPECT_EQ(r.Label12.caption(), "[2701]");
  r.Text2.typeText("stop_timer");
  SelectEntry(r.Combo2, "1");
  EXPECT_EQ(r.Text2.text(), "");
  r.Text1[1].setText("");
  r.Text1[1].typeText("12.5");
  EXPECT_EQ(r.Label12.caption(), "[376]");
  SelectEntry(r.Combo2, "2");
  EXPECT_EQ(r.Text2.text(), "STOP_TIMER");
  EXPECT_EQ(r.Text1[1].text(), "30");
  EXPECT_EQ(shell::RaceTime[0][1], 12.5f);

  // "proceed" leaves the editors at their first slot, hidden.
  r.Command1.userClick();
  f.Command1.userClick();
  EXPECT_EQ(r.Combo2.text(), "1");
  EXPECT_EQ(f.Combo1.text(), "47");
  EXPECT_FALSE(f.visible());
}

TEST_F(EditorTest, TheStatusFollowsTheCaretLine) {
  start({{"EnableFlipeffectEditor", "1"}});
  FEditor& f = flip();
  f.Text1.typeText("bogus");  // within one line: no check yet
  EXPECT_EQ(f.Label2.caption(), "spellcheck OK");
  f.Text1.typeKey(kEnter);
  EXPECT_EQ(f.Label3.caption(), "2 / 2");
  EXPECT_EQ(f.Label2.caption(), "unknown command at line 1");
  EXPECT_EQ(f.Label2.foreColor(), 255u);
  f.Text1.setText("NOP\r\nNOP 5\r\nCALL_FLIP 47");
  EXPECT_EQ(f.Label2.caption(), "unnecessary parameters in line 2");
  f.Text1.setText("NOP");
  EXPECT_EQ(f.Label2.caption(), "spellcheck OK");
  EXPECT_EQ(f.Label2.foreColor(), 0u);
  // Moving the caret to another line checks again.
  f.Text1.setText("NOP\r\nKILL_LARA 1\r\nNOP");
  f.Label2.setCaption("");
  f.Text1.setSelection(5, 0);
  f.Text1.userKeyUp(40);
  EXPECT_EQ(f.Label3.caption(), "2 / 3");
  EXPECT_EQ(f.Label2.caption(), "unnecessary parameters in line 2");

  // CURR_FLIP belongs to flipeffects only.
  RTEditor& r = race();
  r.Text2.setText("SET_TIMER 1\r\n");
  EXPECT_EQ(r.Label11.caption(), "incomplete time parameter in line 1");
}

TEST_F(EditorTest, CheckingEverySlotStopsAtTheFirstError) {
  start({{"TriggerSlots", "4"}, {"EnableFlipeffectEditor", "1"}},
        "/Effect00\r\nNOP\r\n/Effect02\r\nNOP 1\r\n/Effect03\r\nBOGUS\r\n");
  FEditor& f = flip();
  SelectEntry(f.Combo1, "48");
  f.Command2.userClick();
  EXPECT_EQ(f.Combo1.text(), "49");
  EXPECT_EQ(f.Label2.caption(), "unnecessary parameters in line 1");
  f.Text1.setText("NOP");
  SelectEntry(f.Combo1, "50");
  f.Text1.setText("");
  SelectEntry(f.Combo1, "48");
  f.Command2.userClick();
  EXPECT_EQ(f.Combo1.text(), "48");
  EXPECT_EQ(f.Label2.caption(), "spellcheck OK");
}

TEST_F(EditorTest, EditorKeysWorkOnlyWithTheExtendedExecutableAndTheEditorOn) {
  start({{"EnableFlipeffectEditor", "1"}});
  FEditor& f = flip();
  int key = kF2;
  f.userKeyDown(key, 0);
  EXPECT_EQ(key, kF2);
  EXPECT_FALSE(ui::Forms::loaded<Guide>());

  ui::Forms::get<shell::Form1>().Check9.setValue(1);
  for (int k : {kF1, kF2}) {
    key = k;
    f.userKeyDown(key, 0);
    EXPECT_EQ(key, 0);
  }
  EXPECT_TRUE(shown(host, "FLListCmd"));
  EXPECT_TRUE(shown(host, "Guide"));
  f.Text1.setText("NOP 1");
  f.Label2.setCaption("");
  key = kF3;
  f.userKeyDown(key, 0);
  EXPECT_EQ(f.Label2.caption(), "unnecessary parameters in line 1");

  f.Check1.setValue(0);
  key = kF3;
  f.userKeyDown(key, 0);
  EXPECT_EQ(key, kF3);
}

struct Jump {
  bool flipeffect;
  const char* typed;
  const char* shows;
};

TEST_F(EditorTest, ThePopupJumpsToNumbersInRangeOnly) {
  start({{"EnableFlipeffectEditor", "1"}, {"EnableRaceTimerWorkaround", "1"}});
  const Jump jumps[] = {
      {true, "46", "47"}, {true, "48", "48"}, {true, "146", "146"}, {true, "147", "47"}, {true, "", "47"},
      {false, "0", "1"},  {false, "1", "1"},  {false, "100", "100"}, {false, "101", "1"},
  };
  for (const Jump& j : jumps) {
    SCOPED_TRACE(j.typed);
    SelectEntry(flip().Combo1, "47");
    SelectEntry(race().Combo2, "1");
    ui::Label& label = j.flipeffect ? flip().Label33 : race().Label5;
    label.userClick();
    Guide& guide = ui::Forms::get<Guide>();
    EXPECT_EQ(guide.Text1.text(), j.flipeffect ? "47" : "1");
    guide.Text1.setText("");
    guide.Text1.typeText(std::string(j.typed) + "x");  // letters are not taken
    guide.Text1.typeKey(kEnter);
    EXPECT_FALSE(ui::Forms::loaded<Guide>());
    EXPECT_EQ(j.flipeffect ? flip().Combo1.text() : race().Combo2.text(), j.shows);
  }
  // Esc closes without a change; the image accepts.
  flip().Label33.userClick();
  Guide& guide = ui::Forms::get<Guide>();
  EXPECT_EQ(guide.left(), flip().left() + flip().Label33.left() + 1570);
  guide.Text1.setText("60");
  int esc = 27;
  guide.userKeyDown(esc, 0);
  EXPECT_EQ(flip().Combo1.text(), "47");
  flip().Label33.userClick();
  ui::Forms::get<Guide>().Text1.setText("60");
  ui::Forms::get<Guide>().Image1.userClick();
  EXPECT_EQ(flip().Combo1.text(), "60");
}

TEST_F(EditorTest, CommandListShowsTheLoadedSet) {
  start({{"EnableFlipeffectEditor", "1"}});
  const std::string path = dir.file("small.fln");
  platform::test_files::putBytes(path, "90 0 0 NOP\r\n"
                                       "66C7052AE18000000000 6 0 EQUIP ASSIGN_INTEGER\r\n"
                                       "1 2 3 4 5 6 7\r\n"
                                       "6605000000000000 2 6 INC_HP SIGNEDINTEGER SIGNEDINTEGER\r\n");
  host.fileAnswers = {path};
  flip().Command5.userClick();
  EXPECT_EQ(host.dialogs.back().title, "Load Command Set");
  flip().Command3.userClick();
  EXPECT_EQ(ui::Forms::get<FLListCmd>().Text1.text(),
            "List of commands available:\r\n\r\nNOP\r\nEQUIP [ASSIGN_INTEGER] \r\n\r\n"
            "INC_HP [SIGNEDINTEGER]  [SIGNEDINTEGER]\r\n");
  int esc = 27;
  ui::Forms::get<FLListCmd>().userKeyDown(esc, 0);
  EXPECT_FALSE(ui::Forms::loaded<FLListCmd>());

  // A file that cannot be read is reported and the loaded set stays.
  host.fileAnswers = {dir.file("missing.fln")};
  flip().Command5.userClick();
  ASSERT_EQ(host.messages.size(), 1u) << host.texts().front();
  EXPECT_NE(host.messages[0].text.find("the loaded command set is kept"), std::string::npos);
  EXPECT_EQ(LoadedCommandSet().commands.size(), 4u);
}

TEST_F(EditorTest, ExportThenImportGivesBackTheScript) {
  start({{"EnableFlipeffectEditor", "1"}, {"EnableRaceTimerWorkaround", "1"}});
  FEditor& f = flip();
  f.Text1.setText("NOP\r\n\r\nKILL_LARA");
  f.Text2.setText("word");
  f.Check2.setValue(1);
  const std::string file = dir.file("flip.txt");
  host.fileAnswers = {file};
  f.Command16.userClick();
  EXPECT_EQ(platform::test_files::bytesOf(file), "/Annotation=word\r\n/DoOnlyOnce=1\r\nNOP\r\n\r\nKILL_LARA\r\n");
  SelectEntry(f.Combo1, "50");
  host.fileAnswers = {file};
  f.Command12.userClick();
  EXPECT_EQ(shell::FlipCode[3], "NOP\r\n\r\nKILL_LARA");
  EXPECT_EQ(shell::FlipAnnotation[3], "word");
  EXPECT_EQ(shell::FlipDoOnlyOnce[3], 1);

  // The race-timer event keeps its moment; a "/DoOnlyOnce=" line is code there.
  RTEditor& r = race();
  SelectEntry(r.Combo2, "3");
  r.Text1[0].setText("4");
  host.fileAnswers = {file};
  r.Command12.userClick();
  EXPECT_EQ(r.Text2.text(), "/DoOnlyOnce=1\r\nNOP\r\n\r\nKILL_LARA");
  EXPECT_EQ(r.Text7.text(), "word");
  EXPECT_EQ(shell::RaceTime[2][0], 4.0f);

  // Cancelling does nothing; a file that cannot be read, or a flag other than 0 or 1, says so.
  host.fileAnswers = {std::nullopt};
  f.Command12.userClick();
  platform::test_files::putBytes(dir.file("bad.txt"), "/DoOnlyOnce=7\r\nNOP\r\n");
  host.fileAnswers = {dir.file("none.txt"), dir.file("bad.txt")};
  f.Command12.userClick();
  f.Command12.userClick();
  EXPECT_EQ(host.texts(), std::vector<std::string>(2, "Error opening file! Make sure that selected file isn't corrupted."));
  EXPECT_EQ(shell::FlipCode[3], "NOP\r\n\r\nKILL_LARA");

  // An export that cannot be written says so.
  host.messages.clear();
  host.fileAnswers = {dir.file("no/such/folder/flip.txt")};
  f.Command16.userClick();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text.rfind("The script could not be saved to ", 0), 0u);
}

TEST_F(EditorTest, EnablingFollowsTheEditorBoxesAndTheMainWindow) {
  start();
  FEditor& f = flip();
  RTEditor& r = race();
  EXPECT_FALSE(f.Text1.enabled());
  EXPECT_FALSE(r.Check1.enabled());  // needs the extended executable
  f.Check1.setValue(1);
  EXPECT_TRUE(f.Text1.enabled() && f.Combo1.enabled() && f.Command5.enabled());
  auto& main = ui::Forms::get<shell::Form1>();
  main.Check9.setValue(1);
  // The one-shot controls need the editor and advanced savegame management, set in either order.
  struct Step {
    ui::CheckBox& box;
    int value;
    bool oneShot;
  } steps[] = {{main.Check21, 1, true}, {f.Check1, 0, false}, {main.Check21, 0, false}, {main.Check21, 1, false},
               {f.Check1, 1, true},     {main.Check21, 0, false}, {main.Check21, 1, true}};
  for (const Step& s : steps) {
    s.box.setValue(s.value);
    SCOPED_TRACE(std::string(s.box.name()) + "=" + std::to_string(s.value));
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&f.Check2, &f.Label4, &f.Label5, &f.Option1[0], &f.Option1[1]})
      EXPECT_EQ(c->enabled(), s.oneShot) << c->name();
  }
  EXPECT_TRUE(r.Check1.enabled());
  EXPECT_FALSE(r.Text2.enabled());
  r.Check1.setValue(1);
  EXPECT_TRUE(r.Text2.enabled() && r.Option1[0].enabled());
  EXPECT_EQ(r.Shape2.borderColor(), 0xC0C0C0u);

  // The font effect id is at most 255.
  r.Text3.setFocus();
  r.Text3.setText("");
  r.Text3.typeText("3x00");
  r.Text2.setFocus();
  EXPECT_EQ(r.Text3.text(), "255");

  // The main window's buttons open the editors modally.
  main.Command26.userClick();
  main.Command27.userClick();
  EXPECT_TRUE(shown(host, "FEditor") && shown(host, "RTEditor"));
}

}  // namespace
}  // namespace olvex::furr::testing
