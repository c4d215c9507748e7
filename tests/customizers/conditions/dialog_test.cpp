// The bonus level's conditions window: its leave rules, its place beside the main window's
// button, dragging and hiding, and the main window's keys it shows.
#include "customizers/conditions/dialog.h"
#include "customizers/dialog_fixture.h"
#include "shell/form1.h"

namespace olvex::customizers::test {
namespace {

SLevelConditions& conditions() { return ui::Forms::get<SLevelConditions>(); }

TEST_F(DialogTest, ConditionFieldsOnLeaving) {
  auto& c = conditions();
  const LeaveCase cases[] = {
      {c.Text6[1], "75", "59"}, {c.Text6[1], "", ""},  {c.Text6[0], "9999", "9999"}, {c.Text6[0], "", ""},
      {c.Text3, "300", "255"},  {c.Text5, "", "0"},    {c.Text1, "", "0"},          {c.Text1, "-1", "1"},
      {c.Text2, "99999999", "99999999"},
  };
  expectLeaving(cases);
}

TEST_F(DialogTest, ConditionsOpenBesideTheButtonAreDraggedAndHide) {
  auto& main = ui::Forms::get<shell::Form1>();
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
}

TEST_F(DialogTest, ConditionKeys) {
  const KeyCase cases[] = {
      {"0.76", "bonuslevelminutes", "8", [] { return conditions().Text6[0].text(); }, "8"},
      {"0.76", "bonuslevelseconds", "30", [] { return conditions().Text6[1].text(); }, "30"},
      {"0.76", "bonuslevelsecrets", "5", [] { return conditions().Text5.text(); }, "5"},
      {"0.76", "bonusleveldistance", "250", [] { return conditions().Text1.text(); }, "250"},
      {"0.76", "bonuslevelmedkitsused", "2", [] { return conditions().Text3.text(); }, "2"},
      {"0.76", "bonuslevelammoused", "60", [] { return conditions().Text2.text(); }, "60"},
  };
  expectKeys(cases);
  EXPECT_EQ(shell::ScopeOfKey("bonuslevelsecrets"), shell::Scope::Main);
}

}  // namespace
}  // namespace olvex::customizers::test
