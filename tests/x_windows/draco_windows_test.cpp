// The DRACO windows opened with the mouse on a real X server: each is painted with its controls
// and markers, the parameter popup and the input box answer, and the offset map reads out the
// file position under the pointer.
#include <gtest/gtest.h>

#include <functional>

#include "draco/input_box.h"
#include "draco/offset_map.h"
#include "draco/param_list_popup.h"
#include "draco/patch_editor.h"
#include "draco/patch_list.h"
#include "draco/patch_list_geometry.h"
#include "draco/patch_list_window.h"
#include "draco/patch_set_writer.h"
#include "draco/statistics_window.h"
#include "program_fixture.h"
#include "shell/conversions.h"
#include "shell/form1.h"

namespace olvex::test::x {
namespace {

class DracoWindows : public ProgramTest {
 protected:
  void SetUp() override {
    // The default patch set beside the executable: "Needy" needs an unselected patch and two
    // main-window options, and has two parameters.
    draco::ClearPatchList();
    draco::PatchRecord base;
    base.Omnipresence = 1;
    base.Name = "Base";
    draco::PatchRecord needy = base;
    needy.Name = "Needy";
    needy.Description = "Shows every marker";
    needy.Dependencies = "Base";
    needy.RequiresRemap = 1;
    needy.RequiresYiff = 1;
    needy.Offffset[0] = "1000";
    needy.ModNData[0] = "90";
    needy.Params[0] = {1, "1010", "5", "", "Speed", 3};
    needy.Params[4] = {1, "1012", "0A", "", "Colour", 0};
    draco::PatchList.push_back(base);
    draco::PatchList.push_back(needy);
    ASSERT_TRUE(draco::SavePatchSet(dir.file("patches.drc")));
    draco::ClearPatchList();
    ProgramTest::SetUp();
  }
};

TEST_F(DracoWindows, PatchWindowsOpenPaintedWithTheirMarkers) {
  run([&] {
    auto& main = waitForForm<shell::Form1>();
    onGui([&] {
      main.Check5.setValue(0);
      main.Check9.setValue(0);
    });
    expectPainted(kMain);
    click(main.Command30);
    auto& patches = waitForForm<draco::Patches>();
    Shot list = expectPainted("Custom patches");
    for (const char* text : {"load set", "save set", "defaults", "proceed", "search:"})
      EXPECT_TRUE(list.shows(text)) << text;
    int items = 0;
    onGui([&] { items = patches.Listbox1.listCount(); });
    EXPECT_EQ(items, 3);

    onGui([&] { patches.Listbox1.setListIndex(2); });
    Shot needy = expectPainted("Custom patches");
    EXPECT_TRUE(needy.shows("Needy"));
    EXPECT_TRUE(needy.shows("Speed:"));
    EXPECT_EQ(colourIn(needy, patches.Image3, 1, 1), 0xC00000u);  // dependency at 515
    EXPECT_EQ(colourIn(needy, patches.Image6, 1, 1), 0xC06000u);  // remap at 500
    EXPECT_EQ(colourIn(needy, patches.Image5, 1, 1), 0x0050C0u);  // extend at 485
    int left = 0;
    onGui([&] { left = patches.Image5.left() / 15; });
    EXPECT_EQ(left, 485);

    // A Ctrl+click on another patch's check box ticks that patch, as a plain click does; the
    // current patch stays.
    bool ticked = false;
    onGui([&] { ticked = patches.Listbox1.selected(1); });
    clickItem(patches.Listbox1, 1, 1, "Control_L", true);
    waitFor("the other patch ticked", [&] { return patches.Listbox1.selected(1) != ticked; });
    onGui([&] { EXPECT_EQ(patches.Listbox1.listIndex(), 2); });
    EXPECT_EQ(highlighted(patches.Listbox1), std::vector<int>{2});

    // The search box: Enter finds the next match, and F3 (seen by the window before the box)
    // finds none below it and shows the notice until the timer hides it.
    click(patches.Text5);
    for (const char* key : {"e", "e", "d"}) pressKey(key);
    onGui([&] { patches.Listbox1.setListIndex(0); });
    pressKey("Return");
    waitFor("the match", [&] { return patches.Listbox1.listIndex() == 2; });
    pressKey("F3");
    waitFor("the not-found notice", [&] { return patches.Text6.visible(); });
    waitFor("the notice to go", [&] { return !patches.Text6.visible(); });

    click(patches.Label3);
    auto& popup = waitForForm<draco::ParamList>();
    Shot names = expectPainted("Parameters");
    EXPECT_TRUE(names.shows("Speed"));
    EXPECT_TRUE(names.shows("Colour"));
    click(popup.Label1[4]);
    waitClosed("Parameters");
    waitFor("the picked parameter", [&] { return patches.Label3.caption() == "Colour:"; });

    click(patches.Image1);  // the developer layout
    waitFor("the developer layout", [&] { return patches.Command1.enabled(); });
    click(patches.Command1);
    auto& editor = waitForForm<draco::PatchesConf>();
    Shot edit = expectPainted("Patch configuration");
    for (const char* text : {"OFFSET LIST", "ORIGINAL", "apply", "cancel", "import", "export", "TRIM",
                             "Patch requires remap scene memory", "Ignore patch", "long"})
      EXPECT_TRUE(edit.shows(text)) << text;
    click(editor.Command1);
    waitForForm<draco::InputKor>();
    EXPECT_TRUE(expectPainted("Input").shows("Add offset:"));
    pressKey("a");
    pressKey("Return");
    waitClosed("Input");
    waitFor("the added offset", [&] { return editor.List1.listCount() == 2; });
    click(editor.Command28);
    waitClosed("Patch configuration");
    click(patches.Command3);
    waitClosed("Custom patches");
  });
}

// The middle button in the patch editor. A code box takes the clipboard's text as it is (the
// selection another program has, pasted at the press through the box's hex filter, gives way to
// it), and the slot keeps it. The description, of many lines, takes the selection through its
// filter, which drops semicolons.
TEST_F(DracoWindows, TheMiddleButtonInThePatchEditor) {
  run([&] {
    auto& main = waitForForm<shell::Form1>();
    expectPainted(kMain);
    auto& patches = open<draco::Patches>(main.Command30, "Custom patches");
    onGui([&] { patches.Listbox1.setListIndex(2); });  // "Needy", with a code slot
    click(patches.Image1);  // the developer layout
    waitFor("the developer layout", [&] { return patches.Command1.enabled(); });
    auto& editor = open<draco::PatchesConf>(patches.Command1, "Patch configuration");
    selectElsewhere("C3 c3", "CLIPBOARD");
    selectElsewhere("one;two\nthree");
    click(editor.Text1[1], 2);
    waitFor("the clipboard's text", [&] { return editor.Text1[1].text() == "C3 c3"; });
    onGui([&] { EXPECT_EQ(editor.Edit.ModRData[0], "C3 c3"); });
    const ui::TextBox& description = editor.Text2[1];
    click(description);
    waitFocus(description);
    pressKey("Control_L+a");
    pressKey("BackSpace");
    waitFor("the description to be emptied", [&] { return description.text().empty(); });
    selectElsewhere("one;two\nthree");
    click(description, 2);
    waitFor("the paste", [&] { return !description.text().empty(); });
    onGui([&] { EXPECT_EQ(description.text(), "onetwo\r\nthree"); });
  });
}

// The offset list of the patch editor, without a window manager and under one. The boxes of an
// editor just opened show as enabled, not in the window's grey. A right press over another entry
// edits the selected one and moves neither the selection nor its highlight, nor do a click below
// the last entry and a Ctrl+click on the selected entry; a Ctrl+click on another selects it as a
// plain click does, so "kill" then removes that entry and the others keep their bytes.
class DracoOnBothScreens : public DracoWindows, public ::testing::WithParamInterface<bool> {
 protected:
  DracoOnBothScreens() { windowManager = GetParam(); }
};

TEST_P(DracoOnBothScreens, TheRightPressOverTheOffsetListKeepsItsSelection) {
  const std::vector<std::string> offsets = {"1A00", "1A10", "1A40", "1A30"};
  run([&] {
    auto& main = waitForForm<shell::Form1>();
    expectPainted(kMain);
    onGui([&] {
      draco::PatchRecord& needy = draco::PatchList.at(2);
      for (std::size_t i = 0; i < offsets.size(); ++i) {
        needy.Offffset[i] = offsets[i];
        needy.DeflData[i] = offsets[i].substr(2);
        needy.ModNData[i] = "90" + offsets[i].substr(2);
      }
    });
    auto& patches = open<draco::Patches>(main.Command30, "Custom patches");
    onGui([&] { patches.Listbox1.setListIndex(2); });
    click(patches.Image1);  // the developer layout
    waitFor("the developer layout", [&] { return patches.Command1.enabled(); });
    auto& editor = open<draco::PatchesConf>(patches.Command1, "Patch configuration");
    Shot opened = expectPainted("Patch configuration");
    const ui::Control* boxes[] = {&editor.List1, &editor.Text1[0], &editor.Text1[2], &editor.Text1[1]};
    for (const ui::Control* c : boxes)
      EXPECT_NE(colourIn(opened, *c, c->width() / 15 - 6, c->height() / 15 - 6), draco::kPatchesBack) << nameOf(*c);

    clickItem(editor.List1, 1);
    waitFor("1A10 selected", [&] { return editor.List1.listIndex() == 1; });
    clickItem(editor.List1, 3, 3);
    auto& input = waitForForm<draco::InputKor>();
    EXPECT_TRUE(expectPainted("Input").shows("Edit offset:"));
    onGui([&] { EXPECT_EQ(input.Text1.text(), "1A10"); });
    pressKey("Escape");
    waitClosed("Input");

    ASSERT_EQ(highlighted(editor.List1), std::vector<int>{1});

    // A left click below the last entry and a Ctrl+click on the highlighted entry leave the
    // current entry and its highlight; a Ctrl+click on another makes it current.
    const struct {
      std::function<void()> click;
      int current;
    } clicks[] = {
        {[&] { drag(editor.List1, {{20, editor.List1.height() / 15 - 8}}); }, 1},
        {[&] { clickItem(editor.List1, 1, 1, "Control_L"); }, 1},
        {[&] { clickItem(editor.List1, 2, 1, "Control_L"); }, 2},
    };
    for (std::size_t i = 0; i < std::size(clicks); ++i) {
      clicks[i].click();
      // The click was taken once a box clicked after it has the focus.
      const ui::TextBox& box = editor.Text1[static_cast<int>(i % 2)];
      click(box);
      waitFocus(box);
      onGui([&] { EXPECT_EQ(editor.List1.listIndex(), clicks[i].current) << i; });
      ASSERT_EQ(highlighted(editor.List1), std::vector<int>{clicks[i].current}) << i;
    }
    click(editor.Command2);  // "kill"
    waitFor("the killed entry", [&] { return editor.List1.listCount() == 3; });
    onGui([&] {
      for (std::size_t i = 0; i < offsets.size(); ++i) {
        bool killed = i == 2;
        EXPECT_EQ(editor.Edit.Offffset[i], killed ? "" : offsets[i]);
        EXPECT_EQ(editor.Edit.DeflData[i], killed ? "" : offsets[i].substr(2));
        EXPECT_EQ(editor.Edit.ModNData[i], killed ? "" : "90" + offsets[i].substr(2));
      }
    });
    click(editor.Command28);
    waitClosed("Patch configuration");
  });
}

// An entry the program makes current is scrolled into view: the match F3 finds far down a list
// longer than its window is shown highlighted.
TEST_P(DracoOnBothScreens, TheEntryASearchFindsIsShownHighlighted) {
  run([&] {
    auto& main = waitForForm<shell::Form1>();
    expectPainted(kMain);
    auto& patches = open<draco::Patches>(main.Command30, "Custom patches");
    int far = 0;
    onGui([&] {
      for (int i = 0; i < 30; ++i) {
        draco::PatchRecord filler;
        filler.Omnipresence = 1;
        filler.Name = "Filler " + std::to_string(i);
        draco::PatchList.push_back(filler);
      }
      draco::PatchList.back().Name = "Far";
      draco::RefreshPatchList();
      far = patches.Listbox1.listCount() - 1;
      patches.Listbox1.setListIndex(0);
    });
    click(patches.Text5);
    typeKeys("far");
    pressKey("F3");
    waitFor("the match", [&] { return patches.Listbox1.listIndex() == far; });
    EXPECT_EQ(highlighted(patches.Listbox1), std::vector<int>{far});
  });
}

INSTANTIATE_TEST_SUITE_P(Screens, DracoOnBothScreens, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WindowManager" : "Bare"; });

// The parameter list, a borderless popup, gets no frame from a window manager.
class DracoUnderWindowManager : public DracoWindows {
 protected:
  DracoUnderWindowManager() { windowManager = true; }
};

TEST_F(DracoUnderWindowManager, TheParameterListStaysBorderless) {
  run([&] {
    auto& main = waitForForm<shell::Form1>();  // the patch set is there: no notice
    expectPainted(kMain);
    auto& patches = open<draco::Patches>(main.Command30, "Custom patches");
    onGui([&] { patches.Listbox1.setListIndex(2); });
    click(patches.Label3);
    auto& popup = waitForForm<draco::ParamList>();
    EXPECT_FALSE(framed(popup));
    click(popup.Label1[4]);
    waitClosed("Parameters");
  });
}

TEST_F(DracoWindows, StatisticsAndTheMapReadingThePointer) {
  run([&] {
    auto& main = waitForForm<shell::Form1>();
    expectPainted(kMain);
    click(main.Image2);
    auto& about = waitForForm<draco::FLAbout>();
    Shot figures = expectPainted("OLVEX info");
    for (const char* text : {"Offsets used in current version:", "744", "DRACO custom patches:", "show map",
                             "create offsets.txt", "close"})
      EXPECT_TRUE(figures.shows(text)) << text;
    click(about.Label28);
    auto& map = waitForForm<draco::Form3>();
    Shot drawn = expectPainted("Offset map");
    EXPECT_TRUE(drawn.shows("Native OLVEX offsets"));
    click(map.Picture1);  // the pointer rests at the strip's centre
    int centre = 0;
    onGui([&] { centre = map.Picture1.width() / 15 / 2; });
    std::string expected = shell::TrueHex2(std::to_string(draco::MapPosition(0, centre * 15)), 6);
    waitFor("the position under the pointer", [&] { return map.Label4.caption() == expected; });
    click(map.Label5);
    waitClosed("Offset map");
    click(about.Label1);
    waitClosed("OLVEX info");
  });
}

}  // namespace
}  // namespace olvex::test::x
