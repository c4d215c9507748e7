// The patch list window's value box is checked for the parameter it shows whenever the window
// shows another one with the box still focused: a pick in the parameter popup, a search by F3 or
// by a search arrow. Real clicks and keys, without and under a window manager; the values are
// read back from "save preset" and from the bytes "modify" writes.
#include <gtest/gtest.h>

#include "draco/param_list_popup.h"
#include "draco/patch_list.h"
#include "draco/patch_list_window.h"
#include "draco/patch_selection.h"
#include "draco/patch_set_writer.h"
#include "program_fixture.h"

namespace olvex::test::x {
namespace {

constexpr char kPatches[] = "Custom patches";
constexpr char kPopup[] = "Parameters";

// Beside the executable, a patch set of two patches whose names hold "multi": "Multi param" with a
// byte (u) at 0x1010, an integer (s) at 0x1012 and a hex (1) at 0x1014, "Multi more" with an
// integer (s).
class ParameterSwitch : public OnBothScreens {
 protected:
  void SetUp() override {
    draco::ClearPatchList();
    draco::PatchRecord multi;
    multi.Omnipresence = 1;
    multi.Name = "Multi param";
    multi.Params[0] = {1, "1010", "5", "", "Speed", 3};
    multi.Params[1] = {1, "1012", "-7", "", "Shift", 6};
    multi.Params[2] = {1, "1014", "0A", "", "Colour", 0};
    draco::PatchRecord more;
    more.Omnipresence = 1;
    more.Name = "Multi more";
    more.Params[0] = {1, "1020", "0", "", "Turn", 6};
    draco::PatchList = {multi, more};
    ASSERT_TRUE(draco::SavePatchSet(dir.file("patches.drc")));
    draco::ClearPatchList();
    ProgramTest::SetUp();
  }

  // The patch list window opened from the main window, with the patch of that name current.
  draco::Patches& openOn(shell::Form1& main, const std::string& name) {
    auto& patches = open<draco::Patches>(main.Command30, kPatches);
    onGui([&] { patches.Listbox1.setListIndex(draco::LastItemNamed(name)); });
    waitFor(name + " shown", [&] { return patches.Label1.caption() == name; });
    return patches;
  }

  // The focused value box's text replaced by typing ("-" by its key name).
  void retype(const ui::TextBox& box, const std::string& typed) {
    pressKey("Control_L+a");
    for (char c : typed) pressKey(c == '-' ? "minus" : std::string(1, c));
    waitFor(box.name() + " to hold " + typed, [&] { return box.text() == typed; });
  }

  // The parameter in that popup line picked with a click.
  void pick(draco::Patches& patches, int slot, const std::string& caption) {
    click(patches.Label3);
    auto& popup = waitForForm<draco::ParamList>();
    expectPainted(kPopup);
    click(popup.Label1[slot]);
    waitClosed(kPopup);
    waitFor("the parameter " + caption, [&] { return patches.Label3.caption() == caption; });
  }

  std::string currentValue(const std::string& patch, int slot) {
    std::string value;
    onGui([&] { value = draco::PatchList[draco::FindPatchByName(patch)].Params[slot].CurrentValue; });
    return value;
  }
};

// A byte (u) of 300 and an integer (s) of -99999, each left by a pick, are held to their ranges
// as on Tab: the preset holds 255 and -32768, and "modify" writes FF and 00 80 (little-endian).
// The third parameter, shown last, is stored by "proceed" as it shows.
TEST_P(ParameterSwitch, AValueLeftByAPickInThePopupIsChecked) {
  std::string line;
  std::string bytes;
  run([&] {
    auto& main = waitForForm<shell::Form1>();  // the patch set is there: no notice
    expectPainted(kMain);
    auto& patches = openOn(main, "Multi param");
    onGui([&] { draco::SetItemSelected(draco::LastItemNamed("Multi param"), true); });
    click(patches.Text1);
    waitFocus(patches.Text1);
    retype(patches.Text1, "300");
    pick(patches, 1, "Shift:");
    waitFocus(patches.Text1);
    retype(patches.Text1, "-99999");
    pick(patches, 2, "Colour:");
    click(patches.Command3);
    waitClosed(kPatches);

    for (const std::string& l : savePreset(main))
      if (l.starts_with("DracoPreset") && l.find("=Multi param,") != std::string::npos) line = l;
    bytes = modify(main);
  });
  EXPECT_EQ(line, "DracoPreset1=Multi param,255;-32768;0A;");
  ASSERT_GT(bytes.size(), 0x1014u);
  EXPECT_EQ(bytes.substr(0x1010, 1), "\xFF");
  EXPECT_EQ(bytes.substr(0x1012, 3), std::string("\x00\x80\x0A", 3));
}

// F3 and the arrow that searches from the first patch show the found patch in place of the one
// whose value the focused box holds: that value is checked first.
TEST_P(ParameterSwitch, AValueLeftByASearchIsChecked) {
  run([&] {
    auto& main = waitForForm<shell::Form1>();
    expectPainted(kMain);
    auto& patches = openOn(main, "Multi param");
    click(patches.Text5);
    typeKeys("multi");
    click(patches.Text1);
    waitFocus(patches.Text1);
    retype(patches.Text1, "300");
    pressKey("F3");
    waitFor("the next match", [&] { return patches.Label1.caption() == "Multi more"; });
    EXPECT_EQ(currentValue("Multi param", 0), "255");
    retype(patches.Text1, "-99999");
    click(patches.Image9);
    waitFor("the first match", [&] { return patches.Label1.caption() == "Multi param"; });
    EXPECT_EQ(currentValue("Multi more", 0), "-32768");
    click(patches.Command3);
    waitClosed(kPatches);
  });
}

INSTANTIATE_TEST_SUITE_P(Screens, ParameterSwitch, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WindowManager" : "Bare"; });

}  // namespace
}  // namespace olvex::test::x
