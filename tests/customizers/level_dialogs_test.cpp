// The camera, sound, objects and secret-level conditions dialogs driven without a screen: their
// leave rules (some following the dialog's state), switches, read-out, swatch and placement, and
// their settings keys with the old-version upgrades.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "apply_line.h"
#include "customizers/camera/dialog.h"
#include "customizers/conditions/dialog.h"
#include "customizers/objects/dialog.h"
#include "customizers/sound/dialog.h"
#include "patcher/pass_hooks.h"
#include "platform/temp_folder.h"
#include "shell/config_state.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/settings_keys.h"
#include "support/test_host.h"

namespace olvex::customizers {
namespace {

using ui::Forms;

CustCamera& camera() { return Forms::get<CustCamera>(); }
CustSnd& sound() { return Forms::get<CustSnd>(); }
CustObj& objects() { return Forms::get<CustObj>(); }
SLevelConditions& conditions() { return Forms::get<SLevelConditions>(); }

class LevelDialogs : public ::testing::Test {
 protected:
  void TearDown() override { Forms::reset(); }
  platform::test_files::WorkingFolder folder;  // where a main window started here looks for its files
  // Types text into a box and leaves it for the next one; the box's text after leaving.
  std::string typeAndLeave(ui::TextBox& box, const std::string& text, ui::Control& next) {
    box.setFocus();
    box.setText("");
    box.typeText(text);
    next.setFocus();
    return box.text();
  }
  test::TestHost host;
};

struct LeaveCase {
  std::function<ui::TextBox&()> box;
  const char* typed;
  const char* after;
};

std::function<ui::TextBox&()> cameraBox(int i) { return [i]() -> ui::TextBox& { return camera().Text1[i]; }; }
std::function<ui::TextBox&()> objectBox(int i) { return [i]() -> ui::TextBox& { return objects().Text1[i]; }; }
template <auto Box>
ui::TextBox& conditionsBox() { return conditions().*Box; }

TEST_F(LevelDialogs, FieldsAreClampedSilentlyOnLeaving) {
  const LeaveCase cases[] = {
      {cameraBox(0), "-40000", "-32767"},
      {cameraBox(0), "-32768", "-32767"},
      {cameraBox(4), "40000", "32767"},
      {cameraBox(1), "200", "127"},
      {cameraBox(2), "40000", "32767"},
      {cameraBox(3), "0", "1"},
      {cameraBox(3), "", "1"},
      {cameraBox(3), "200", "150"},
      {cameraBox(5), "", "0"},
      {objectBox(19), "25", "20"},
      {objectBox(7), "70000", "65535"},
      {objectBox(15), "300", "255"},
      {objectBox(5), "-100", "-100"},
      {objectBox(6), "200", "127"},
      {objectBox(0), "", "0"},
      {objectBox(14), "200", "127"},
      {[]() -> ui::TextBox& { return conditions().Text6[1]; }, "75", "59"},
      {[]() -> ui::TextBox& { return conditions().Text6[1]; }, "", ""},
      {[]() -> ui::TextBox& { return conditions().Text6[0]; }, "9999", "9999"},
      {[]() -> ui::TextBox& { return conditions().Text6[0]; }, "", ""},
      {conditionsBox<&SLevelConditions::Text3>, "300", "255"},
      {conditionsBox<&SLevelConditions::Text5>, "", "0"},
      {conditionsBox<&SLevelConditions::Text1>, "", "0"},
      {conditionsBox<&SLevelConditions::Text2>, "99999999", "99999999"},
      {[]() -> ui::TextBox& { return sound().Text5[18]; }, "200", "127"},
      {[]() -> ui::TextBox& { return sound().Text5[0]; }, "", "0"},
  };
  camera().Check1.setValue(1);  // the field of view is typed in only while it is changed
  for (const LeaveCase& c : cases) {
    ui::TextBox& box = c.box();
    SCOPED_TRACE(box.form().name() + "." + box.name() + "(" + std::to_string(box.index()) + ") " + c.typed);
    // Any other box of the window takes the focus.
    ui::Control* next = nullptr;
    for (ui::Control* other : box.form().controls())
      if (other != &box && other->kind() == ui::ControlKind::TextBox && other->enabled()) next = other;
    EXPECT_EQ(typeAndLeave(box, c.typed, *next), c.after);
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(LevelDialogs, MinusSignsOnlyWhereValuesAreSigned) {
  camera().Check1.setValue(1);
  struct Case { ui::TextBox& box; bool signedBox; } cases[] = {
      {camera().Text1[0], true},  {camera().Text1[4], true},  {camera().Text1[5], true},
      {camera().Text1[1], false}, {camera().Text1[3], false}, {objects().Text1[5], true},
      {objects().Text1[6], true}, {objects().Text1[4], false}, {sound().Text1[2], false},
      {conditions().Text1, false},
  };
  for (auto& c : cases) {
    c.box.setText("");
    c.box.setFocus();
    c.box.typeText("-1");
    EXPECT_EQ(c.box.text(), c.signedBox ? "-1" : "1") << c.box.form().name() << "." << c.box.index();
  }
}

// Without the extension the tracks stop at 111 with a message and the focus back; extended at
// 127 silently. Changing the extension later changes no box until it is left again.
TEST_F(LevelDialogs, AudioTrackLimitFollowsTheExtension) {
  auto& s = sound();
  EXPECT_EQ(typeAndLeave(s.Text1[3], "115", s.Text1[4]), "111");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "You can't use audiotracks more than 111 if you haven't extended audiotracks!");
  EXPECT_EQ(s.activeControl(), &s.Text1[3]);
  s.Check1.setValue(1);
  EXPECT_EQ(s.Text1[3].text(), "111");
  EXPECT_EQ(typeAndLeave(s.Text1[3], "115", s.Text1[4]), "115");
  EXPECT_EQ(typeAndLeave(s.Text1[2], "130", s.Text1[4]), "127");
  EXPECT_EQ(host.messages.size(), 1u);
  s.Text1[0].setText("120");
  s.Check1.setValue(0);
  EXPECT_EQ(s.Text1[0].text(), "120");
  EXPECT_EQ(typeAndLeave(s.Text1[4], "", s.Text1[2]), "0");
}

TEST_F(LevelDialogs, SquishyTimerLimitFollowsMore) {
  auto& o = objects();
  o.Check2.setValue(1);
  EXPECT_EQ(typeAndLeave(o.Text1[14], "5000", o.Text1[18]), "5000");
  EXPECT_EQ(typeAndLeave(o.Text1[14], "40000", o.Text1[18]), "32767");
  o.Check2.setValue(0);
  EXPECT_EQ(o.Text1[14].text(), "127");
  o.Text1[14].setText("100");
  o.Check2.setValue(1);
  o.Check2.setValue(0);
  EXPECT_EQ(o.Text1[14].text(), "100");
}

TEST_F(LevelDialogs, SwitchesEnableTheirFields) {
  struct Case { ui::CheckBox& check; ui::TextBox& box; bool enabledWhenChecked; } cases[] = {
      {camera().Check1, camera().Text1[3], true},  {sound().Check2, sound().Text1[0], true},
      {sound().Check3, sound().Text1[2], false},   {sound().Check4, sound().Text1[3], false},
      {sound().Check8, sound().Text1[4], false},   {sound().Check7, sound().Text5[0], false},
      {sound().Check5, sound().Text5[18], false},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.check.form().name() + "." + c.check.name());
    c.box.setText("42");
    c.check.setValue(1);
    EXPECT_EQ(c.box.enabled(), c.enabledWhenChecked);
    c.check.setValue(0);
    EXPECT_EQ(c.box.enabled(), !c.enabledWhenChecked);
    EXPECT_EQ(c.box.text(), "42");
  }
}

TEST_F(LevelDialogs, OneBlockPlatformNeedsTheExtension) {
  shell::form1Hooks() = shell::Form1Hooks{};
  InstallSoundDialog();
  InstallObjectsDialog();
  auto& main = Forms::get<shell::Form1>();
  auto& o = objects();
  o.Check10.setValue(1);
  EXPECT_FALSE(o.Text1[21].enabled());
  EXPECT_FALSE(o.Check8.enabled());
  main.Check9.setValue(1);
  EXPECT_TRUE(o.Check10.enabled());
  for (int i : {21, 22, 23}) EXPECT_TRUE(o.Text1[i].enabled()) << i;
  EXPECT_TRUE(o.Check7.enabled() && o.Check8.enabled() && o.Check9.enabled());
  EXPECT_TRUE(sound().Check9.enabled() && sound().HScroll3.enabled());
  o.Check10.setValue(0);
  EXPECT_FALSE(o.Text1[22].enabled());
  o.Check10.setValue(1);
  main.Check9.setValue(0);
  EXPECT_FALSE(o.Check10.enabled());
  EXPECT_FALSE(o.Text1[23].enabled());
  EXPECT_FALSE(sound().Check9.enabled() || sound().HScroll3.enabled());
  shell::form1Hooks() = shell::Form1Hooks{};
  patcher::passHooks() = patcher::PassHooks{};
}

TEST_F(LevelDialogs, RateReadOutDartsSwatchAndHelp) {
  auto& s = sound();
  EXPECT_EQ(s.Text1[1].text(), "22050 Hz");
  s.HScroll3.setValue(3);
  EXPECT_EQ(s.Text1[1].text(), "48000 Hz");
  s.HScroll3.setValue(0);
  EXPECT_EQ(s.Text1[1].text(), "11025 Hz");

  auto& o = objects();
  EXPECT_EQ(o.Shape7.fillColor(), ui::rgb(120, 60, 20));
  o.Text1[16].setText("200");
  EXPECT_EQ(o.Shape7.fillColor(), ui::rgb(120, 200, 20));
  o.Text1[14].setText("1");
  EXPECT_EQ(o.Shape7.fillColor(), ui::rgb(120, 200, 20));
  o.Command4.userClick();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text.substr(0, 27), "2BP options descriptor:\r\n\r\n");
  EXPECT_NE(host.messages[0].text.find("\r\n  Repress speed - defines speed of repression (when Lara leaves it)."),
            std::string::npos);
}

TEST_F(LevelDialogs, ConditionsOpenBesideTheButtonAreDraggedAndHide) {
  shell::form1Hooks() = shell::Form1Hooks{};
  InstallConditionsDialog();
  auto& main = Forms::get<shell::Form1>();
  main.move(3000, 2000, main.width(), main.height());
  main.Command29.setEnabled(true);
  main.Command29.userClick();
  auto& c = conditions();
  EXPECT_TRUE(c.visible());
  EXPECT_EQ(c.left(), main.Command29.left() + 3000 + 340);
  EXPECT_EQ(c.top(), main.Command29.top() + 2000 + 400);
  int esc = 27;
  c.userKeyDown(esc, 0);
  EXPECT_FALSE(c.visible());
  main.Command29.userClick();
  // Borderless, dragged by its surface with the left button.
  EXPECT_TRUE(c.borderless());
  host.work = {0, 0, 1024, 768};
  c.userMouseMove({0, 0, 0, 0});
  host.cursor = {300, 200};
  c.userMouseMove({ui::kLeftButton, 0, 0, 0});
  EXPECT_EQ(c.left(), 300 * 15);
  EXPECT_EQ(c.top(), 200 * 15);
  c.userDeactivate();
  EXPECT_FALSE(c.visible());
  shell::form1Hooks() = shell::Form1Hooks{};
  patcher::passHooks() = patcher::PassHooks{};
}

class LevelKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    shell::ResetConfigState();
    shell::ClearKeyRegistry();
    RegisterCameraKeys();
    RegisterSoundKeys();
    RegisterObjectKeys();
    RegisterConditionsKeys();
  }
  void TearDown() override {
    shell::ClearKeyRegistry();
    Forms::reset();
  }
  bool apply(const char* version, const char* key, const char* value) { return test::ApplyLine(version, key, value); }
  test::TestHost host;
};

TEST_F(LevelKeys, ValuesReachTheirFieldsWithOldVersionsUpgraded) {
  struct Case {
    const char* version;
    const char* key;
    const char* value;
    std::function<std::string()> field;
    std::optional<std::string> shows;
  } cases[] = {
      // The sound IDs: hex without a Version line, as stored after.
      {"", "uwdoorbugsoundid", "32", [] { return sound().Text5[18].text(); }, "50"},
      {"", "noammobugsoundid", "7F", [] { return sound().Text5[0].text(); }, "127"},
      {"0.5", "noammobugsoundid", "48", [] { return sound().Text5[0].text(); }, "48"},
      {"0.76", "loopedmarker", "105.0x", [] { return sound().Text1[0].text(); }, "105"},
      {"0.76", "samplerate", "0", [] { return sound().Text1[1].text(); }, "11025 Hz"},
      {"0.76", "samplerate", "3", [] { return sound().Text1[1].text(); }, "48000 Hz"},
      {"0.76", "samplerate", "4", [] { return sound().Text1[1].text(); }, std::nullopt},
      // The camera's two tops are taken as text, the others as numbers.
      {"0.76", "normcameratop", "1820a", [] { return camera().Text1[4].text(); }, "1820a"},
      {"0.76", "lookbattlecameradist", "-7", [] { return camera().Text1[0].text(); }, "-7"},
      {"0.76", "fov", "90abc", [] { return camera().Text1[3].text(); }, "90"},
      {"0.76", "addonbattlecameray", "x", [] { return camera().Text1[5].text(); }, "0"},
      // The objects' numbers are not held to the dialog's limits.
      {"0.76", "sqyishytimer", "300", [] { return objects().Text1[14].text(); }, "300"},
      {"", "slicerdicerradius", "25", [] { return objects().Text1[19].text(); }, "25"},
      {"0.76", "1bpdepressdistance", "0128", [] { return objects().Text1[21].text(); }, "128"},
      // The conditions are the main window's keys.
      {"0.76", "bonuslevelminutes", "8", [] { return conditions().Text6[0].text(); }, "8"},
      {"0.76", "bonuslevelseconds", "30", [] { return conditions().Text6[1].text(); }, "30"},
      {"0.76", "bonuslevelsecrets", "5", [] { return conditions().Text5.text(); }, "5"},
      {"0.76", "bonusleveldistance", "250", [] { return conditions().Text1.text(); }, "250"},
      {"0.76", "bonuslevelmedkitsused", "2", [] { return conditions().Text3.text(); }, "2"},
      {"0.76", "bonuslevelammoused", "60", [] { return conditions().Text2.text(); }, "60"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + "=" + c.value + " version '" + c.version + "'");
    bool ok = apply(c.version, c.key, c.value);
    EXPECT_EQ(ok, c.shows.has_value());
    if (ok) {
      EXPECT_EQ(c.field(), *c.shows);
    }
  }
}

TEST_F(LevelKeys, SwitchesSetTheirBoxesAndFollowUps) {
  EXPECT_TRUE(apply("0.76", "changefov", "1"));
  EXPECT_TRUE(camera().Text1[3].enabled());
  EXPECT_TRUE(apply("0.76", "changefov", "0"));
  EXPECT_FALSE(camera().Text1[3].enabled());
  EXPECT_TRUE(apply("0.76", "insidejeeptrackdisable", "1"));
  EXPECT_FALSE(sound().Text1[2].enabled());
  EXPECT_TRUE(apply("0.76", "lockfreecamera", "2"));
  EXPECT_EQ(camera().Check10.value(), 2);
  EXPECT_FALSE(apply("0.76", "stickfreecamera", "3"));
  struct Case { const char* key; ui::CheckBox& box; } checks[] = {
      {"unifybattlecamera", camera().Check2},   {"stickfreecamera", camera().Check9},
      {"extendaudiotracks", sound().Check1},    {"changeloopedrange", sound().Check2},
      {"outsidejeeptrackdisable", sound().Check4}, {"secrettrackdisable", sound().Check8},
      {"fixnoammobug", sound().Check7},         {"fixuwdoorbug", sound().Check5},
      {"extendsamplesize", sound().Check6},     {"enablericochetsound", sound().Check9},
      {"2bpfixvisibility", objects().Check5},   {"2bpinvertit", objects().Check1},
      {"2bpinvertittoo", objects().Check4},     {"sqyishyextendtimer", objects().Check2},
      {"sqyishynotremble", objects().Check3},   {"raiselinkfakeheight", objects().Check6},
      {"1bpenable", objects().Check10},         {"1bpinvertit", objects().Check9},
      {"1bpinvertittoo", objects().Check8},
  };
  for (auto& c : checks) {
    EXPECT_TRUE(apply("0.76", c.key, "1")) << c.key;
    EXPECT_EQ(c.box.value(), 1) << c.key;
  }
}

TEST_F(LevelKeys, KeysBelongToTheirScopes) {
  EXPECT_EQ(shell::ScopeOfKey("bonuslevelsecrets"), shell::Scope::Main);
  EXPECT_EQ(shell::ScopeOfKey("lockfreecamera"), shell::Scope::Camera);
  EXPECT_EQ(shell::ScopeOfKey("samplerate"), shell::Scope::Snd);
  EXPECT_EQ(shell::ScopeOfKey("1bpenable"), shell::Scope::Obj);
  shell::CfgVersion = "0.76";
  shell::CfgKey = "spikestimer";
  shell::CfgValue = "99";
  shell::ApplyKey("sound");
  EXPECT_EQ(objects().Text1[0].text(), "64");
  shell::ApplyKey("obj");
  EXPECT_EQ(objects().Text1[0].text(), "99");
}

}  // namespace
}  // namespace olvex::customizers
