// The fonts dialog's own behaviour: swatches, leave rules, the title box, the legend preview, and
// the buttons that open the text dialogs.
#include "customizers/bars/dialog.h"
#include "customizers/credits/dialog.h"
#include "customizers/dialog_fixture.h"
#include "customizers/fonts/dialog.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers::test {
namespace {

TEST_F(DialogTest, FontFieldsClampOnLeavingAndSwatchesFollow) {
  auto& fonts = dialog<CustFonts>();
  fonts.Text1[11].setText("300");  // option title fade red, above 255 while typing
  EXPECT_EQ(fonts.Shape2.fillColor(), ui::rgb(255, 16, 0));
  const LeaveCase cases[] = {
      {fonts.Text1[25], "12", "10"}, {fonts.Text1[18], "300", "255"},           {fonts.Text1[3], "", "0"},
      {fonts.Text1[0], "1a2", "12"}, {fonts.Text1[29], "999 Level!", "999 Level!"}, {fonts.Text1[29], "", ""},
  };
  expectLeaving(cases);
  fonts.Text1[29].setFocus();
  fonts.Text1[29].typeText(std::string(40, 'x'));
  EXPECT_EQ(fonts.Text1[29].text().size(), 33u);
}

// Legend time L: the test string shows on ticks 1 to L - 1 and the preview ends on tick L.
TEST_F(DialogTest, LegendPreviewRunsForItsTime) {
  auto& fonts = dialog<CustFonts>();
  const struct { const char* time; int shownTicks; } cases[] = {{"150", 149}, {"2", 1}, {"1", 0}, {"0", 0}, {"597", 596}};
  for (const auto& c : cases) {
    fonts.Text1[18].setText(c.time);
    fonts.Command18.userClick();
    int shown = 0, ticks = 0;
    while (fonts.Timer2.enabled() && ticks < 1000) {
      host.tickTimers();
      ++ticks;
      shown += fonts.Label19.visible();
    }
    EXPECT_EQ(shown, c.shownTicks) << c.time;
    EXPECT_EQ(ticks, std::max(c.shownTicks + 1, 1)) << c.time;
    EXPECT_FALSE(fonts.Label19.visible());
  }
  EXPECT_EQ(fonts.Timer2.interval(), 30);
}

TEST_F(DialogTest, ButtonsOpenTheTextDialogsModally) {
  std::vector<bool> modal;
  host.onShow = [&](ui::Form&, bool m) { modal.push_back(m); };
  shell::form1Hooks().ButtonActions.at("Command11")();
  shell::form1Hooks().ButtonActions.at("Command21")();
  dialog<CustFonts>().Command3.userClick();
  EXPECT_EQ(host.shown, (std::vector<std::string>{"CustBars", "CustFonts", "CustCredits"}));
  EXPECT_EQ(modal, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(dialog<CustBars>().caption(), "Bar customizer");
  EXPECT_EQ(dialog<CustFonts>().caption(), "Text customizer");
  EXPECT_EQ(dialog<CustCredits>().caption(), "Credits sub-customizer");
}

}  // namespace
}  // namespace olvex::customizers::test
