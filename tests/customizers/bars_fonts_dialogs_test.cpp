// The bar and font dialogs' own behaviour: swatches, leave rules, the poisoned and legend
// previews, the style sample, the help box, and the buttons that open the dialogs.
#include <gtest/gtest.h>

#include <string>

#include "customizers/bars/dialog.h"
#include "customizers/credits/dialog.h"
#include "customizers/fonts/dialog.h"
#include "shell/form1_hooks.h"
#include "support/test_host.h"

namespace olvex::customizers {
namespace {

CustBars& bars() { return ui::Forms::get<CustBars>(); }
CustFonts& fonts() { return ui::Forms::get<CustFonts>(); }

class TextDialogs : public ::testing::Test {
 protected:
  // Types text into a box and leaves it for the next one.
  void typeAndLeave(ui::TextBox& box, const std::string& text, ui::Control& next) {
    box.setFocus();
    box.setText("");
    box.typeText(text);
    next.setFocus();
  }
  test::TestHost host;
};

TEST_F(TextDialogs, SwatchesFollowTheirBoxes) {
  EXPECT_EQ(bars().Shape4.fillColor(), ui::rgb(255, 0, 0));
  bars().Text1[41].setText("200");  // music fade red
  EXPECT_EQ(bars().Shape20.fillColor(), ui::rgb(200, 31, 31));
  bars().Text1[50].setText("10");  // border red: fill of Shape22, outline of Shape25
  EXPECT_EQ(bars().Shape22.fillColor(), ui::rgb(10, 63, 63));
  EXPECT_EQ(bars().Shape25.borderColor(), ui::rgb(10, 63, 63));
  fonts().Text1[11].setText("300");  // option title fade red, above 255 while typing
  EXPECT_EQ(fonts().Shape2.fillColor(), ui::rgb(255, 16, 0));
}

TEST_F(TextDialogs, LeavingAFieldClampsItSilently) {
  struct Case {
    ui::TextBox* box;
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {
      {&bars().Text1[7], "300", "255"},  {&bars().Text1[7], "", "0"},     {&bars().Text2[8], "200", "127"},
      {&bars().Text2[9], "40000", "32767"}, {&bars().Text2[9], "9000", "9000"}, {&bars().Text2[11], "999", "127"},
      {&bars().Text2[1], "300", "255"},  {&fonts().Text1[25], "12", "10"}, {&fonts().Text1[18], "300", "255"},
      {&fonts().Text1[3], "", "0"},
  };
  for (const Case& c : cases) {
    auto& next = c.box->form().name() == "CustBars" ? static_cast<ui::Control&>(bars().Text1[0])
                                                     : static_cast<ui::Control&>(fonts().Text1[0]);
    typeAndLeave(*c.box, c.typed, next);
    EXPECT_EQ(c.box->text(), c.kept) << c.box->name() << "(" << c.box->index() << ") " << c.typed;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(TextDialogs, TitleTakesAnyKeyAndStaysAsTyped) {
  auto& title = fonts().Text1[29];
  typeAndLeave(title, "999 Level!", fonts().Text1[0]);
  EXPECT_EQ(title.text(), "999 Level!");
  typeAndLeave(title, "", fonts().Text1[0]);
  EXPECT_EQ(title.text(), "");
  title.setFocus();
  title.typeText(std::string(40, 'x'));
  EXPECT_EQ(title.text().size(), 33u);
  auto& digits = fonts().Text1[0];
  typeAndLeave(digits, "1a2", fonts().Text1[1]);
  EXPECT_EQ(digits.text(), "12");
}

TEST_F(TextDialogs, PoisonedPreviewAlternates) {
  const struct { const char* main[3]; const char* poison[3]; ui::Color first, second; } cases[] = {
      {{"255", "0", "0"}, {"0", "255", "0"}, ui::rgb(255, 255, 0), ui::rgb(255, 0, 0)},
      {{"200", "0", "0"}, {"100", "255", "0"}, ui::rgb(100, 255, 0), ui::rgb(200, 0, 0)},
  };
  for (const auto& c : cases) {
    for (int i = 0; i < 3; ++i) {
      bars().Text1[i].setText(c.main[i]);
      bars().Text1[24 + i].setText(c.poison[i]);
    }
    host.tickTimers();
    EXPECT_EQ(bars().Shape13.fillColor(), c.first);
    host.tickTimers();
    EXPECT_EQ(bars().Shape13.fillColor(), c.second);
  }
  EXPECT_EQ(bars().Timer1.interval(), 500);
}

TEST_F(TextDialogs, StyleSampleFollowsTheChosenStyle) {
  const ui::Image* sources[] = {&bars().Image2, &bars().Image1, &bars().Image3};
  EXPECT_EQ(bars().Image4.canvas().pixels(), bars().Image2.canvas().pixels());
  EXPECT_NE(bars().Image1.canvas().pixels(), bars().Image2.canvas().pixels());
  EXPECT_NE(bars().Image3.canvas().pixels(), bars().Image1.canvas().pixels());
  for (int i : {2, 1, 0}) {
    bars().Option1[i].userClick();
    EXPECT_EQ(bars().Image4.canvas().pixels(), sources[i]->canvas().pixels()) << i;
  }
}

// Legend time L: the test string shows on ticks 1 to L - 1 and the preview ends on tick L.
TEST_F(TextDialogs, LegendPreviewRunsForItsTime) {
  const struct { const char* time; int shownTicks; } cases[] = {{"150", 149}, {"2", 1}, {"1", 0}, {"0", 0}, {"597", 596}};
  for (const auto& c : cases) {
    fonts().Text1[18].setText(c.time);
    fonts().Command18.userClick();
    int shown = 0, ticks = 0;
    while (fonts().Timer2.enabled() && ticks < 1000) {
      host.tickTimers();
      ++ticks;
      shown += fonts().Label19.visible();
    }
    EXPECT_EQ(shown, c.shownTicks) << c.time;
    EXPECT_EQ(ticks, std::max(c.shownTicks + 1, 1)) << c.time;
    EXPECT_FALSE(fonts().Label19.visible());
  }
  EXPECT_EQ(fonts().Timer2.interval(), 30);
}

TEST_F(TextDialogs, ButtonsOpenTheDialogsModally) {
  shell::form1Hooks() = {};
  InstallBarsDialog();
  InstallFontsDialog();
  std::vector<bool> modal;
  host.onShow = [&](ui::Form&, bool m) { modal.push_back(m); };
  shell::form1Hooks().ButtonActions.at("Command11")();
  shell::form1Hooks().ButtonActions.at("Command21")();
  fonts().Command3.userClick();
  EXPECT_EQ(host.shown, (std::vector<std::string>{"CustBars", "CustFonts", "CustCredits"}));
  EXPECT_EQ(modal, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(bars().caption(), "Bar customizer");
  EXPECT_EQ(fonts().caption(), "Text customizer");
  EXPECT_EQ(ui::Forms::get<CustCredits>().caption(), "Credits sub-customizer");
  shell::form1Hooks() = {};
}

}  // namespace
}  // namespace olvex::customizers
