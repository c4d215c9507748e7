// The patch list window: warnings and their markers, search, selection, list upkeep and sets.
#include <gtest/gtest.h>

#include "draco/patch_editor.h"
#include "draco/patch_list_window.h"
#include "draco/patch_set_writer.h"
#include "draco/patch_selection.h"
#include "shell/config_state.h"
#include "window_fixture.h"

namespace olvex::draco::test {
namespace {

using PatchListWindow = DracoWindowTest;

const std::string kDependencyTip = "Some other required patches are not activated!";
std::string tip(const std::string& option) {
  return "You haven't enabled ''" + option + "'' option in OLVEX main window!";
}

// Marker name and its left edge in pixels, in the order they are looked at.
std::vector<std::pair<std::string, int>> shownMarkers(Patches& w) {
  std::vector<std::pair<std::string, int>> shown;
  for (ui::Image* m : {&w.Image3, &w.Image6, &w.Image5, &w.Image4, &w.Image7})
    if (m->visible()) shown.emplace_back(m->name(), m->left() / 15);
  return shown;
}

TEST_F(PatchListWindow, MarkersAndTooltipForEveryRequirementAndDependencyState) {
  struct Row {
    const char* what;
    int remap, yiff, part, save;
    std::string deps;
    RequirementChecks options;
    std::vector<std::pair<std::string, int>> markers;
    std::string tooltip;
  };
  const RequirementChecks none{}, all{1, 1, 1, 2};  // any value but 0 counts as checked
  const std::vector<Row> rows = {
      {"nothing needed", 0, 0, 0, 0, "", none, {}, ""},
      {"remap unmet", 1, 0, 0, 0, "", none, {{"Image6", 515}}, tip("Remap scene memory")},
      {"extend unmet", 0, 1, 0, 0, "", none, {{"Image5", 515}}, tip("Extend tomb4.exe size")},
      {"particles unmet", 0, 0, 1, 0, "", none, {{"Image4", 515}}, tip("Remap particle buffer")},
      {"savegame unmet", 0, 0, 0, 1, "", none, {{"Image7", 515}}, tip("Advanced savegame management")},
      {"all met", 1, 1, 1, 1, "", all, {}, ""},
      {"dependency unselected, extend unmet", 0, 1, 0, 0, "Other", none,
       {{"Image3", 515}, {"Image5", 500}}, tip("Extend tomb4.exe size")},
      {"dependency selected", 0, 0, 0, 0, "Selected", none, {}, ""},
      {"dependency on no patch", 0, 0, 0, 0, "Nobody,", none, {}, ""},
      {"dependency alone", 0, 0, 0, 0, "Selected,Other", none, {{"Image3", 515}}, kDependencyTip},
      {"everything unmet", 1, 1, 1, 1, "Other", none,
       {{"Image3", 515}, {"Image6", 500}, {"Image5", 485}, {"Image4", 470}, {"Image7", 455}},
       tip("Advanced savegame management")},
  };
  for (const Row& row : rows) {
    PatchRecord p = patch("Shown");
    p.RequiresRemap = static_cast<std::uint8_t>(row.remap);
    p.RequiresYiff = static_cast<std::uint8_t>(row.yiff);
    p.RequiresPart = static_cast<std::uint8_t>(row.part);
    p.RequiresSave = static_cast<std::uint8_t>(row.save);
    p.Dependencies = row.deps;
    setTable({patch("Other"), patch("Selected"), p});
    SetItemSelected(2, true);
    options = row.options;
    Patches& w = list();
    w.Listbox1.setListIndex(3);
    EXPECT_EQ(shownMarkers(w), row.markers) << row.what;
    EXPECT_EQ(w.Label1.toolTip(), row.tooltip) << row.what;
    EXPECT_EQ(w.Label1.foreColor(), row.markers.empty() ? ui::rgb(128, 128, 128) : ui::rgb(255, 0, 0)) << row.what;
    w.Listbox1.setListIndex(0);  // another patch hides the markers again
    EXPECT_TRUE(shownMarkers(w).empty()) << row.what;
  }
}

TEST_F(PatchListWindow, MarkersExplainThemselves) {
  PatchRecord p = patch("Needy");
  p.Dependencies = "A,B";
  setTable({patch("A"), patch("B"), p});
  Patches& w = list();
  w.Listbox1.setListIndex(3);
  struct Row {
    ui::Image* marker;
    std::string text, title;
  };
  const std::vector<Row> rows = {
      {&w.Image3, "Please enable these custom patches:\r\n\r\nA\r\nB", "Custom patches required"},
      {&w.Image4, "Please enable ''Remap particle buffer'' option in main OLVEX window!", "Remap particle buffer required"},
      {&w.Image5, "Please enable ''Extend tomb4.exe size'' option in main OLVEX window!", "Extend tomb4.exe size required"},
      {&w.Image6, "Please enable ''Remap scene memory'' option in main OLVEX window!", "Remap scene memory required"},
      {&w.Image7, "Please enable ''Advanced savegame management'' option in main OLVEX window!",
       "Advanced savegame management required"},
  };
  for (const Row& row : rows) {
    host.messages.clear();
    row.marker->userClick();
    ASSERT_EQ(host.messages.size(), 1u) << row.title;
    EXPECT_EQ(host.messages[0].text, row.text);
    EXPECT_EQ(host.messages[0].title, row.title);
    EXPECT_EQ(host.messages[0].icon, ui::MsgIcon::Information);
    EXPECT_EQ(row.marker->mouseIcon(), ui::kHandCursor);
  }
}

TEST_F(PatchListWindow, SearchFindsOnlyBelowAndShowsTheNoticeForOneTick) {
  setTable({patch("Relocate Fog Buffer"), patch("Other"), patch("More FOG")});
  Patches& w = list();
  int f3 = 114, f2 = 113;
  w.userKeyDown(f3, 0);  // before the search box had the focus: nothing
  EXPECT_EQ(w.Listbox1.listIndex(), 0);

  w.Text5.setFocus();
  EXPECT_EQ(w.Text5.text(), "");
  EXPECT_EQ(w.Text5.foreColor(), ui::rgb(64, 64, 64));
  w.Text5.typeText("fog");
  w.Text5.typeKey(13);
  EXPECT_EQ(w.Listbox1.listIndex(), 1);
  EXPECT_EQ(w.Label1.caption(), "Relocate Fog Buffer");
  w.userKeyDown(f3, 0);
  EXPECT_EQ(w.Listbox1.listIndex(), 3);
  EXPECT_FALSE(w.Text6.visible());
  w.Image8.userClick();  // nothing below: no wrap-around
  EXPECT_EQ(w.Listbox1.listIndex(), 3);
  EXPECT_TRUE(w.Text6.visible());
  host.tickTimers();
  EXPECT_FALSE(w.Text6.visible());
  EXPECT_FALSE(w.Timer2.enabled());
  EXPECT_EQ(w.NotFoundTicks, 1);

  w.userKeyDown(f2, 0);  // from the first patch
  EXPECT_EQ(w.Listbox1.listIndex(), 1);
  EXPECT_FALSE(w.SearchFromTop);
  w.Image9.userClick();
  EXPECT_EQ(w.Listbox1.listIndex(), 1);
}

TEST_F(PatchListWindow, ResetSearchBeforeTheBoxWasUsedOnlyRemembersToStartAtTheTop) {
  setTable({patch("Fog")});
  Patches& w = list();
  w.Listbox1.setListIndex(1);
  w.Image9.userClick();
  EXPECT_TRUE(w.SearchFromTop);
  EXPECT_EQ(w.Listbox1.listIndex(), 1);
}

TEST_F(PatchListWindow, SelectionSurvivesRefreshCloseBoxAndUnload) {
  setTable({patch("A"), patch("B")});
  Patches& w = list();
  w.Listbox1.setSelected(2, true);  // the user checks B
  EXPECT_TRUE(IsItemSelected(2));
  RefreshPatchList();
  EXPECT_TRUE(w.Listbox1.selected(2));

  w.show(true);
  w.userClose();
  EXPECT_TRUE(ui::Forms::isLoaded(w));
  EXPECT_FALSE(w.visible());
  EXPECT_TRUE(IsItemSelected(2));

  w.unload();
  ui::Forms::collect();
  SetItemSelected(1, true);  // the unloaded window's box is no longer touched
  Patches& again = list();
  EXPECT_EQ(again.Listbox1.listCount(), 3);
  EXPECT_TRUE(again.Listbox1.selected(1));
  EXPECT_TRUE(again.Listbox1.selected(2));
}

TEST_F(PatchListWindow, DeleteKeepsThePositionOrFallsBackToTheFirst) {
  setTable({patch("P1"), patch("P2"), patch("P3"), patch("P4")});
  Patches& w = list();
  w.setDeveloperLayout(true);
  w.Listbox1.setListIndex(4);
  w.Command2.userClick();
  EXPECT_EQ(items(), (std::vector<std::string>{"Empty patch entry", "P1", "P2", "P3"}));
  EXPECT_EQ(w.Listbox1.listIndex(), 0);
  w.Listbox1.setListIndex(1);
  w.Command2.userClick();
  EXPECT_EQ(items(), (std::vector<std::string>{"Empty patch entry", "P2", "P3"}));
  EXPECT_EQ(w.Listbox1.listIndex(), 1);
  EXPECT_EQ(w.Label1.caption(), "P2");

  host.answers.push_back(ui::MsgAnswer::No);
  w.Command28.userClick();
  EXPECT_EQ(items().size(), 3u);
  w.Command28.userClick();
  EXPECT_EQ(items(), std::vector<std::string>{"Empty patch entry"});
  w.Command2.userClick();  // the only entry: a fresh empty list
  EXPECT_EQ(items(), std::vector<std::string>{"Empty patch entry"});
}

TEST_F(PatchListWindow, NewProposesTheFirstFreeNumberAndRefusesTakenNames) {
  setTable({patch("Patch 1"), patch("Patch 3")});
  Patches& w = list();
  w.setDeveloperLayout(true);
  std::string proposed;
  answerInput("Patch 3", &proposed);
  w.Command5.userClick();
  EXPECT_EQ(proposed, "Patch 2");
  EXPECT_EQ(items().size(), 3u);  // a taken name is refused silently

  answerInput("");
  w.Command5.userClick();
  EXPECT_EQ(items().size(), 3u);

  bool editorOpened = false;
  host.onShow = [&](ui::Form& f, bool) {
    if (f.name() == "InputKor") {
      static_cast<InputKor&>(f).Text1.setText("Brand new");
      static_cast<InputKor&>(f).KillMeNow();
    } else if (f.name() == "patchesConf") {
      editorOpened = true;
      static_cast<PatchesConf&>(f).Command28.userClick();
    }
  };
  w.Command5.userClick();
  EXPECT_TRUE(editorOpened);
  EXPECT_EQ(items().back(), "Brand new");
  EXPECT_EQ(w.Listbox1.listIndex(), 3);
  EXPECT_EQ(PatchList.back().Omnipresence, 1);
}

TEST_F(PatchListWindow, MovingKeepsTheCheckMarkAndTheCurrentItem) {
  setTable({patch("A"), patch("B"), patch("C")});
  Patches& w = list();
  // The buttons show their arrows alone: the up arrow is wide near its top, the down arrow near
  // its bottom.
  EXPECT_EQ(w.Command4.caption() + w.Command6.caption(), "");
  const ui::Canvas &up = w.Command4.picture(), &down = w.Command6.picture();
  EXPECT_NE(up.pixel(3, 3), ui::kSeeThrough);
  EXPECT_EQ(up.pixel(3, 7), ui::kSeeThrough);
  EXPECT_EQ(down.pixel(3, 3), ui::kSeeThrough);
  EXPECT_NE(down.pixel(3, 7), ui::kSeeThrough);
  w.setDeveloperLayout(true);
  SetItemSelected(3, true);
  w.Listbox1.setListIndex(3);
  w.Command4.userClick();
  EXPECT_EQ(items(), (std::vector<std::string>{"Empty patch entry", "A", "C", "B"}));
  EXPECT_EQ(checks(), (std::vector<bool>{false, false, true, false}));
  EXPECT_EQ(w.Listbox1.listIndex(), 2);
  w.Command6.userClick();
  EXPECT_EQ(items(), (std::vector<std::string>{"Empty patch entry", "A", "B", "C"}));
  EXPECT_EQ(checks(), (std::vector<bool>{false, false, false, true}));
  EXPECT_EQ(w.Listbox1.listIndex(), 3);
  w.Command6.userClick();  // the last one: nothing
  w.Listbox1.setListIndex(0);
  w.Command4.userClick();  // the first one: nothing
  EXPECT_EQ(items(), (std::vector<std::string>{"Empty patch entry", "A", "B", "C"}));
}

TEST_F(PatchListWindow, SetsLoadWithNothingSelectedAndSave) {
  PatchRecord p = patch("From file");
  param(p, 0, "10", "5", "", 3);
  setTable({p});
  std::string path = folder.file("saved.drc");
  host.fileAnswers.push_back(path);
  list().Command16.userClick();
  EXPECT_EQ(host.dialogs.back().title, "Save Patch Set");

  setTable({patch("Old 1"), patch("Old 2")});
  SetItemSelected(1, true);
  PatchList[1].Params[0].CurrentValue = "9";
  host.fileAnswers.push_back(std::nullopt);
  list().Command12.userClick();  // cancelled: nothing changes
  EXPECT_EQ(items().size(), 3u);
  host.fileAnswers.push_back(path);
  list().Command12.userClick();
  EXPECT_EQ(host.dialogs.back().title, "Load Patch Set");
  EXPECT_EQ(host.dialogs.back().filter, "DRACO Patch Set (*.drc)|*.drc|All Files (*.*)|*.*");
  EXPECT_EQ(items(), (std::vector<std::string>{"Empty patch entry", "From file"}));
  EXPECT_EQ(checks(), (std::vector<bool>{false, false}));
  EXPECT_EQ(PatchList[1].Params[0].CurrentValue, "5");
  EXPECT_EQ(shell::DefaultPatchSet, path);
}

TEST_F(PatchListWindow, LayoutSwitchResizesAndEnablesTheDeveloperControls) {
  Patches& w = list();
  for (ui::CommandButton* b : {&w.Command1, &w.Command4, &w.Command6})
    EXPECT_TRUE(b->visible() && !b->enabled()) << b->name();
  EXPECT_EQ(w.Listbox1.height(), 167 * 15);
  w.Image1.userClick();
  for (ui::CommandButton* b : {&w.Command1, &w.Command4, &w.Command6}) EXPECT_TRUE(b->enabled()) << b->name();
  EXPECT_TRUE(w.Label4.visible());
  EXPECT_FALSE(w.Label6.visible());
  EXPECT_EQ(w.Listbox1.height(), 137 * 15);
  EXPECT_EQ(w.Text5.width(), 148 * 15);
  EXPECT_EQ(w.Shape3.width(), 189 * 15);
  w.Image1.userClick();
  EXPECT_FALSE(w.Command28.enabled());
  EXPECT_FALSE(w.Label4.visible());
  EXPECT_FALSE(w.Label6.visible());  // not shown again
  EXPECT_EQ(w.Text6.width(), 205 * 15);
}

}  // namespace
}  // namespace olvex::draco::test
