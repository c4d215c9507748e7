// The main window's own rules, on a window built without the start-up.
#include "shell/form1.h"

#include <gtest/gtest.h>

#include <vector>

#include "shell/form1_hooks.h"
#include "shell/shared_tables.h"
#include "support/test_host.h"

namespace olvex::shell {
namespace {

constexpr ui::Color kLightGrey = 0xC0C0C0;

class Form1Rules : public ::testing::Test {
 protected:
  void SetUp() override {
    form1Hooks() = Form1Hooks{};
    auto record = [](std::vector<bool>& log) { return [&log](bool on) { log.push_back(on); }; };
    form1Hooks().ExtendExeFollowers.push_back(record(extend));
    form1Hooks().AdvancedSaveFollowers.push_back(record(advanced));
    form1Hooks().FE4041SaveFollowers.push_back(record(fe4041));
    ResetSharedTables();
  }
  void TearDown() override { form1Hooks() = Form1Hooks{}; }

  // Moves the focus into box, types over its text and leaves it for the off-screen button.
  void enterAndLeave(ui::TextBox& box, const std::string& text) {
    box.setFocus();
    box.setText(text);
    f.Command28.setFocus();
  }

  test::TestHost host;
  Form1 f;
  std::vector<bool> extend, advanced, fe4041;
};

TEST_F(Form1Rules, ExtendedExecutableEnablesWhatNeedsIt) {
  f.Check20.setValue(1);
  f.Check9.setValue(1);
  for (ui::Control* c : std::vector<ui::Control*>{&f.Check21, &f.Command26, &f.Check19, &f.Check20})
    EXPECT_TRUE(c->enabled()) << c->name();
  EXPECT_FALSE(f.Text4.enabled());  // the bonus level option is still clear
  f.Check9.setValue(0);
  for (ui::Control* c : std::vector<ui::Control*>{&f.Check21, &f.Command26, &f.Check19, &f.Check20})
    EXPECT_FALSE(c->enabled()) << c->name();
  EXPECT_EQ(f.Check20.value(), 1);  // disabling keeps the value
  EXPECT_EQ(extend, (std::vector<bool>{true, false}));
}

TEST_F(Form1Rules, BonusLevelBoxesNeedBothOptions) {
  std::vector<ui::Control*> bonus{&f.Text4, &f.Text7, &f.Command29, &f.Label12, &f.Label16};
  auto bonusEnabled = [&] {
    bool all = true, none = true;
    for (ui::Control* c : bonus) (c->enabled() ? none : all) = false;
    EXPECT_TRUE(all || none) << "bonus controls disagree";
    return all;
  };
  struct Step {
    ui::CheckBox Form1::*box;
    int value;
    bool enabled;
  } steps[] = {
      {&Form1::Check9, 1, false},   // extension alone
      {&Form1::Check19, 1, true},   // and the bonus option
      {&Form1::Check9, 0, false},   // extension off: off although the bonus option stays
      {&Form1::Check9, 1, true},    // back because the bonus option is checked
      {&Form1::Check19, 2, true},   // grey changes nothing
      {&Form1::Check19, 0, false},
      {&Form1::Check9, 0, false},
      {&Form1::Check9, 1, false},   // bonus option clear: stays off
  };
  for (const Step& s : steps) {
    (f.*s.box).setValue(s.value);
    EXPECT_EQ(bonusEnabled(), s.enabled) << (f.*s.box).name() << "=" << s.value;
  }
}

TEST_F(Form1Rules, SingleOptionInterlocks) {
  struct Row {
    ui::CheckBox Form1::*box;
    int value;
    std::vector<ui::Control*> controls;
    bool enabled;
  } rows[] = {
      {&Form1::Check5, 1, {&f.Check7, &f.Check18, &f.Check10}, true},
      {&Form1::Check5, 2, {&f.Check7, &f.Check18, &f.Check10}, false},
      {&Form1::Check5, 1, {&f.Check7, &f.Check18, &f.Check10}, true},
      {&Form1::Check5, 0, {&f.Check7, &f.Check18, &f.Check10}, false},
      {&Form1::Check11, 1, {&f.Command23}, false},
      {&Form1::Check11, 0, {&f.Command23}, true},
  };
  for (const Row& r : rows) {
    (f.*r.box).setValue(r.value);
    for (ui::Control* c : r.controls)
      EXPECT_EQ(c->enabled(), r.enabled) << (f.*r.box).name() << "=" << r.value << " " << c->name();
  }
  f.Check21.setValue(1);
  f.Check21.setValue(2);
  f.Check13.setValue(1);
  f.Check13.setValue(0);
  EXPECT_EQ(advanced, (std::vector<bool>{true, false}));
  EXPECT_EQ(fe4041, (std::vector<bool>{true, false}));
}

TEST_F(Form1Rules, RemapSceneMemoryBlinksWhileTheDrawingDistanceIsFar) {
  struct Row {
    const char* distance;
    int remap;
    bool blinking;
  } rows[] = {
      {"22000", 0, false}, {"22001", 0, true}, {"25000", 1, false},
      {"25000", 2, false}, {"25000abc", 0, true}, {"", 0, false},
  };
  for (const Row& r : rows) {
    f.Check5.setValue(r.remap);
    f.Text2.setText(r.distance);
    EXPECT_EQ(f.Timer1.enabled(), r.blinking) << r.distance << " remap " << r.remap;
    if (!r.blinking) {
      EXPECT_EQ(f.Check5.foreColor(), 0u);
    }
  }
}

TEST_F(Form1Rules, BlinkAlternatesAndStopsBlackOnceChecked) {
  f.Text2.setText("25000");
  ASSERT_TRUE(f.Timer1.enabled());
  std::vector<ui::Color> colours;
  for (int i = 0; i < 3; ++i) {
    host.tickTimers();
    colours.push_back(f.Check5.foreColor());
  }
  EXPECT_EQ(colours, (std::vector<ui::Color>{kLightGrey, 0, kLightGrey}));
  f.Check5.setValue(1);
  EXPECT_FALSE(f.Timer1.enabled());
  EXPECT_EQ(f.Check5.foreColor(), 0u);
  f.Check5.setValue(0);  // still far: blinks again
  EXPECT_TRUE(f.Timer1.enabled());
}

TEST_F(Form1Rules, FogBoxTurnsRedBeyondTheDrawingDistance) {
  struct Row {
    const char* drawing;
    const char* fog;
    ui::Color back;
  } rows[] = {
      {"20480", "20480", 0xFFFFFF}, {"20480", "20481", 0xC0C0FF}, {"", "1", 0xC0C0FF},
      {"100", "", 0xFFFFFF},        {"20481", "20481", 0xFFFFFF},
  };
  for (const Row& r : rows) {
    f.Text3.setText(r.fog);
    f.Text2.setText(r.drawing);
    EXPECT_EQ(f.Text3.backColor(), r.back) << r.drawing << " / " << r.fog;
  }
}

TEST_F(Form1Rules, NumberBoxesAreCheckedOnLeaving) {
  struct Row {
    ui::TextBox Form1::*box;
    const char* typed;
    const char* after;
    const char* message;  // "" for none
  } rows[] = {
      {&Form1::Text1, "131072", "131071", "Maximum value for this field is 131071!"},
      {&Form1::Text1, "131071", "131071", ""},
      {&Form1::Text1, "-5", "-5", ""},
      {&Form1::Text2, "0", "1", "Minimum value for this field is 1!"},
      {&Form1::Text2, "", "1", "Minimum value for this field is 1!"},
      {&Form1::Text3, "0", "1", "Minimum value for this field is 1!"},
      {&Form1::Text3, "7", "7", ""},
      {&Form1::Text4, "200", "127", ""},
      {&Form1::Text4, "", "0", ""},
      {&Form1::Text7, "127", "127", ""},
      {&Form1::Text7, "128", "127", ""},
  };
  f.Text4.setEnabled(true);
  f.Text7.setEnabled(true);
  for (const Row& r : rows) {
    ui::TextBox& box = f.*r.box;
    host.messages.clear();
    enterAndLeave(box, r.typed);
    EXPECT_EQ(box.text(), r.after) << box.name() << " " << r.typed;
    bool warned = *r.message != 0;
    EXPECT_EQ(host.texts(), warned ? std::vector<std::string>{r.message} : std::vector<std::string>{})
        << box.name() << " " << r.typed;
    // A warning keeps the focus in the box.
    EXPECT_EQ(box.hasFocus(), warned) << box.name() << " " << r.typed;
    f.Command28.setFocus();
  }
}

TEST_F(Form1Rules, DistanceBoxesTakeDigitsOnly) {
  f.Text4.setEnabled(true);
  f.Text7.setEnabled(true);
  for (ui::TextBox* box : {&f.Text2, &f.Text3, &f.Text4, &f.Text7}) {
    box->setText("");
    box->setFocus();
    box->typeText("1a-2.3");
    EXPECT_EQ(box->text(), "123") << box->name();
  }
  f.Text1.setText("");
  f.Text1.setFocus();
  f.Text1.typeText("1a");
  EXPECT_EQ(f.Text1.text(), "1a");  // no filter on the clipping box
}

TEST_F(Form1Rules, DistancePresetsSetAllThreeRangesTheFogBulbAndRemap) {
  struct Row {
    ui::CommandButton Form1::*button;
    const char *clipping, *drawing, *fog;
    int fogBulb, remap;
  } rows[] = {
      {&Form1::Command7, "81920", "204800", "194560", 208, 1},
      {&Form1::Command4, "5024", "5024", "2048", 5, 0},
      {&Form1::Command6, "50176", "50176", "46080", 50, 1},
      {&Form1::Command5, "28160", "28160", "24064", 28, 1},
      {&Form1::Command2, "20480", "20480", "12288", 20, 0},
  };
  for (const Row& r : rows) {
    f.Text1.setFocus();
    (f.*r.button).userClick();
    EXPECT_EQ(f.Text1.text(), r.clipping);
    EXPECT_EQ(f.Text2.text(), r.drawing);
    EXPECT_EQ(f.Text3.text(), r.fog);
    EXPECT_EQ(FogBulbRange, r.fogBulb);
    EXPECT_EQ(f.Check5.value(), r.remap);
    EXPECT_EQ(f.Check7.enabled(), r.remap == 1);
    EXPECT_FALSE(f.Timer1.enabled());  // far presets remap the scene memory
    EXPECT_EQ(f.Text3.backColor(), 0xFFFFFFu);
    EXPECT_TRUE(f.Command28.hasFocus());
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Form1Rules, ForeignButtonsRunTheirRegisteredAction) {
  std::vector<std::string> ran;
  for (const char* name : {"Command14", "Command23", "Image2"})
    form1Hooks().ButtonActions[name] = [&ran, name] { ran.push_back(name); };
  f.Command14.userClick();
  f.Command23.userClick();
  f.Image2.userClick();
  f.Command18.userClick();  // nothing registered: nothing happens
  EXPECT_EQ(ran, (std::vector<std::string>{"Command14", "Command23", "Image2"}));
  EXPECT_TRUE(f.Command28.hasFocus());  // "edit..." moves the focus away first
}

}  // namespace
}  // namespace olvex::shell
