// The camera dialog: its leave rules and typing filters, the field of view switch, and its keys.
#include "customizers/camera/dialog.h"
#include "customizers/dialog_fixture.h"

namespace olvex::customizers::test {
namespace {

CustCamera& camera() { return ui::Forms::get<CustCamera>(); }

TEST_F(DialogTest, CameraFieldsOnLeaving) {
  auto& c = camera();
  c.Check1.setValue(1);  // the field of view is typed in only while it is changed
  const LeaveCase cases[] = {
      {c.Text1[0], "-40000", "-32767"}, {c.Text1[0], "-32768", "-32767"}, {c.Text1[0], "-1", "-1"},
      {c.Text1[4], "40000", "32767"},   {c.Text1[4], "-1", "-1"},         {c.Text1[5], "-1", "-1"},
      {c.Text1[5], "", "0"},            {c.Text1[1], "200", "127"},       {c.Text1[1], "-1", "1"},
      {c.Text1[2], "40000", "32767"},   {c.Text1[3], "0", "1"},           {c.Text1[3], "", "1"},
      {c.Text1[3], "-1", "1"},          {c.Text1[3], "200", "150"},
  };
  expectLeaving(cases);
  c.Text1[3].setText("42");
  c.Check1.setValue(0);
  EXPECT_FALSE(c.Text1[3].enabled());
  EXPECT_EQ(c.Text1[3].text(), "42");
}

TEST_F(DialogTest, CameraKeys) {
  const KeyCase cases[] = {
      // The two tops are taken as text, the others as numbers.
      {"0.76", "normcameratop", "1820a", [] { return camera().Text1[4].text(); }, "1820a"},
      {"0.76", "lookbattlecameradist", "-7", [] { return camera().Text1[0].text(); }, "-7"},
      {"0.76", "fov", "90abc", [] { return camera().Text1[3].text(); }, "90"},
      {"0.76", "addonbattlecameray", "x", [] { return camera().Text1[5].text(); }, "0"},
      {"0.76", "lockfreecamera", "2", [] { return std::to_string(camera().Check10.value()); }, "2"},
      {"0.76", "stickfreecamera", "3", [] { return std::string(); }, std::nullopt},
      {"0.76", "unifybattlecamera", "1", [] { return std::to_string(camera().Check2.value()); }, "1"},
      {"0.76", "stickfreecamera", "1", [] { return std::to_string(camera().Check9.value()); }, "1"},
      {"0.76", "changefov", "1", [] { return std::to_string(camera().Text1[3].enabled()); }, "1"},
      {"0.76", "changefov", "0", [] { return std::to_string(camera().Text1[3].enabled()); }, "0"},
  };
  expectKeys(cases);
  EXPECT_EQ(shell::ScopeOfKey("lockfreecamera"), shell::Scope::Camera);
}

}  // namespace
}  // namespace olvex::customizers::test
