// The main window's own rules, on a window built without the start-up.
#include "shell/form1.h"

#include <gtest/gtest.h>

#include <vector>

#include "shell/form1_hooks.h"
#include "shell/shared_tables.h"
#include "support/test_host.h"

namespace olvex::shell {
namespace {

class Form1Rules : public ::testing::Test {
 protected:
  void SetUp() override { form1Hooks() = Form1Hooks{}; }
  void TearDown() override { form1Hooks() = Form1Hooks{}; }
  test::TestHost host;
  Form1 f;
};

// Each step sets an option and checks a group of controls it enables or disables; disabling
// never changes a value, and the other windows' controls follow through the hooks.
TEST_F(Form1Rules, OptionsEnableTheControlsThatNeedThem) {
  std::vector<bool> followers;
  for (auto* list : {&form1Hooks().ExtendExeFollowers, &form1Hooks().AdvancedSaveFollowers, &form1Hooks().FE4041SaveFollowers})
    list->push_back([&](bool on) { followers.push_back(on); });
  using Group = std::vector<ui::Control*>;
  const Group extended{&f.Check21, &f.Command26, &f.Check19, &f.Check20};
  const Group bonus{&f.Text4, &f.Text7, &f.Command29, &f.Label12, &f.Label16};
  const Group remap{&f.Check7, &f.Check18, &f.Check10};
  const Group fogBulb{&f.Command23};
  struct Step {
    ui::CheckBox Form1::*box;
    int value;
    const Group& controls;
    bool enabled;
  } steps[] = {
      {&Form1::Check9, 1, extended, true},
      {&Form1::Check20, 1, bonus, false},  // the bonus level option is still clear
      {&Form1::Check19, 1, bonus, true},
      {&Form1::Check9, 0, extended, false},
      {&Form1::Check9, 0, bonus, false},  // although the bonus option stays checked
      {&Form1::Check9, 1, bonus, true},
      {&Form1::Check19, 2, bonus, true},  // grey changes nothing
      {&Form1::Check19, 0, bonus, false},
      {&Form1::Check5, 1, remap, true},
      {&Form1::Check5, 2, remap, false},
      {&Form1::Check11, 1, fogBulb, false},
  };
  for (const Step& s : steps) {
    (f.*s.box).setValue(s.value);
    for (ui::Control* c : s.controls)
      EXPECT_EQ(c->enabled(), s.enabled) << (f.*s.box).name() << "=" << s.value << " " << c->name();
  }
  EXPECT_EQ(f.Check20.value(), 1);
  f.Check21.setValue(1);
  f.Check21.setValue(2);
  f.Check13.setValue(1);
  EXPECT_EQ(followers, (std::vector<bool>{true, false, true, true, false, true}));
}

// Without "Remap scene memory" a drawing distance above 22000 makes the option blink; the fog
// box turns light red while the fog reaches beyond the drawing distance.
TEST_F(Form1Rules, DistanceBoxesBlinkAndColour) {
  struct Row {
    const char *drawing, *fog;
    int remap;
    bool blinking;
    ui::Color back;
  } rows[] = {
      {"22000", "22000", 0, false, 0xFFFFFF},
      {"22001abc", "22002", 0, true, 0xC0C0FF},
      {"25000", "1", 2, false, 0xFFFFFF},
  };
  for (const Row& r : rows) {
    f.Check5.setValue(r.remap);
    f.Text3.setText(r.fog);
    f.Text2.setText(r.drawing);
    EXPECT_EQ(f.Timer1.enabled(), r.blinking) << r.drawing;
    EXPECT_EQ(f.Text3.backColor(), r.back) << r.drawing;
  }
  f.Check5.setValue(0);
  std::vector<ui::Color> colours;
  for (int i = 0; i < 3; ++i) {
    host.tickTimers();
    colours.push_back(f.Check5.foreColor());
  }
  EXPECT_EQ(colours, (std::vector<ui::Color>{0xC0C0C0, 0, 0xC0C0C0}));
  f.Check5.setValue(1);
  EXPECT_FALSE(f.Timer1.enabled());
  EXPECT_EQ(f.Check5.foreColor(), 0u);
}

TEST_F(Form1Rules, NumberBoxesAreCheckedOnLeavingAndTakeDigits) {
  f.Text4.setEnabled(true);
  f.Text7.setEnabled(true);
  for (ui::TextBox* box : {&f.Text1, &f.Text3, &f.Text4, &f.Text7}) {
    box->setFocus();
    box->setText("");
    box->typeText("2a00");
    f.Command28.setFocus();
  }
  // No filter on the clipping box; the level numbers get their maximum silently.
  EXPECT_EQ(f.Text1.text() + " " + f.Text3.text() + " " + f.Text4.text() + " " + f.Text7.text(), "2a00 200 127 127");
  for (auto [box, typed] : {std::pair{&f.Text1, "131072"}, std::pair{&f.Text2, "0"}}) {
    box->setFocus();
    box->setText(typed);
    f.Command28.setFocus();
    EXPECT_TRUE(box->hasFocus());  // a message keeps the focus in the box
  }
  EXPECT_EQ(f.Text1.text() + " " + f.Text2.text(), "131071 1");
  EXPECT_EQ(host.texts(), (std::vector<std::string>{"Maximum value for this field is 131071!",
                                                    "Minimum value for this field is 1!"}));
}

TEST_F(Form1Rules, DistancePresetsAndForeignButtons) {
  struct Row {
    ui::CommandButton Form1::*button;
    const char* ranges;
    int fogBulb, remap;
  } rows[] = {
      {&Form1::Command7, "81920 204800 194560", 208, 1},
      {&Form1::Command4, "5024 5024 2048", 5, 0},
      {&Form1::Command6, "50176 50176 46080", 50, 1},
      {&Form1::Command5, "28160 28160 24064", 28, 1},
      {&Form1::Command2, "20480 20480 12288", 20, 0},
  };
  for (const Row& r : rows) {
    f.Text1.setFocus();
    (f.*r.button).userClick();
    EXPECT_EQ(f.Text1.text() + " " + f.Text2.text() + " " + f.Text3.text(), r.ranges);
    EXPECT_EQ(FogBulbRange, r.fogBulb);
    EXPECT_EQ(f.Check5.value(), r.remap);
    EXPECT_TRUE(f.Command28.hasFocus());
  }
  std::vector<std::string> ran;
  for (const char* name : {"Command10", "Command23", "Image2"})
    form1Hooks().ButtonActions[name] = [&ran, name] { ran.push_back(name); };
  for (ui::Control* c : std::vector<ui::Control*>{&f.Command10, &f.Command23, &f.Image2, &f.Command18}) c->userClick();
  EXPECT_EQ(ran, (std::vector<std::string>{"Command10", "Command23", "Image2"}));
}

}  // namespace
}  // namespace olvex::shell
