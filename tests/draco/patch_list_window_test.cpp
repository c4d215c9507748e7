// The patch list window: warnings and their markers, search, selection, list upkeep, sets, the
// parameter row and the parameter popup.
#include "draco/patch_list_window.h"

#include <gtest/gtest.h>

#include "draco/param_list_popup.h"
#include "draco/param_text.h"
#include "draco/patch_editor.h"
#include "draco_fixture.h"
#include "shell/config_state.h"

namespace olvex::draco::test {
namespace {

using PatchListWindow = DracoTest;

// The shown markers with their left edges in pixels, in the order they are looked at.
std::string shownMarkers(Patches& w) {
  std::string shown;
  for (ui::Image* m : {&w.Image3, &w.Image6, &w.Image5, &w.Image4, &w.Image7})
    if (m->visible()) shown += m->name() + "@" + std::to_string(m->left() / 15) + " ";
  return shown;
}

TEST_F(PatchListWindow, MarkersAndTooltipForEveryRequirementAndDependencyState) {
  const std::string tip = "You haven't enabled ''X'' option in OLVEX main window!";
  auto unmet = [&](const std::string& option) { return std::string(tip).replace(tip.find('X'), 1, option); };
  const RequirementChecks none{}, all{true, true, true, true};
  // Needs (remap, extend, particles, savegame), dependencies, options, markers and tooltip.
  const std::vector<std::tuple<std::string, std::string, RequirementChecks, std::string, std::string>> rows = {
      {"0000", "", none, "", ""},
      {"1000", "", none, "Image6@515 ", unmet("Remap scene memory")},
      {"0100", "", none, "Image5@515 ", unmet("Extend tomb4.exe size")},
      {"0010", "", none, "Image4@515 ", unmet("Remap particle buffer")},
      {"0001", "", none, "Image7@515 ", unmet("Advanced savegame management")},
      {"1111", "", all, "", ""},
      {"0100", "Other", none, "Image3@515 Image5@500 ", unmet("Extend tomb4.exe size")},
      {"0000", "Selected", none, "", ""},
      {"0000", "Nobody,", none, "", ""},
      {"0000", "Selected,Other", none, "Image3@515 ", "Some other required patches are not activated!"},
      {"1111", "Other", none, "Image3@515 Image6@500 Image5@485 Image4@470 Image7@455 ",
       unmet("Advanced savegame management")},
  };
  for (const auto& [needs, deps, checks, markers, tooltip] : rows) {
    PatchRecord p = patch("Shown");
    for (std::size_t i = 0; i < kRequirements.size(); ++i) p.*kRequirements[i].flag = needs[i] == '1';
    p.Dependencies = deps;
    setTable({patch("Other"), patch("Selected"), p});
    SetItemSelected(2, true);
    options = checks;
    Patches& w = list();
    w.Listbox1.setListIndex(3);
    EXPECT_EQ(shownMarkers(w), markers) << needs << " " << deps;
    EXPECT_EQ(w.Label1.toolTip(), tooltip) << needs << " " << deps;
    EXPECT_EQ(w.Label1.foreColor(), markers.empty() ? ui::rgb(128, 128, 128) : ui::rgb(255, 0, 0));
    w.Listbox1.setListIndex(0);  // another patch hides the markers again
    EXPECT_EQ(shownMarkers(w), "");
  }
}

TEST_F(PatchListWindow, MarkersExplainThemselves) {
  PatchRecord p = patch("Needy");
  p.Dependencies = "A,B";
  setTable({patch("A"), patch("B"), p});
  Patches& w = list();
  w.Listbox1.setListIndex(3);
  const std::vector<std::tuple<ui::Image*, std::string, std::string>> rows = {
      {&w.Image3, "Please enable these custom patches:\r\n\r\nA\r\nB", "Custom patches required"},
      {&w.Image7, "Please enable ''Advanced savegame management'' option in main OLVEX window!",
       "Advanced savegame management required"},
  };
  for (const auto& [marker, text, title] : rows) {
    host.messages.clear();
    marker->userClick();
    ASSERT_EQ(host.messages.size(), 1u) << title;
    EXPECT_EQ(host.messages[0].text + "|" + host.messages[0].title, text + "|" + title);
    EXPECT_EQ(host.messages[0].icon, ui::MsgIcon::Information);
  }
}

TEST_F(PatchListWindow, SearchFindsBelowTheCurrentPatchOrFromTheTop) {
  setTable({patch("Relocate Fog Buffer"), patch("Other"), patch("More FOG")});
  Patches& w = list();
  w.Image9.userClick();  // before the search box had the focus: only remembers to start at the top
  EXPECT_TRUE(w.SearchFromTop);
  int f3 = 114, f2 = 113;
  w.userKeyDown(f3, 0);
  w.Image8.userClick();
  EXPECT_EQ(w.Listbox1.listIndex(), 0);
  w.Text5.setFocus();
  EXPECT_EQ(w.Text5.text(), "");
  EXPECT_EQ(w.Text5.foreColor(), ui::rgb(64, 64, 64));
  w.Text5.typeText("fog");
  w.Text5.typeKey(13);
  EXPECT_EQ(w.Label1.caption(), "Relocate Fog Buffer");
  w.Image8.userClick();
  EXPECT_EQ(w.Listbox1.listIndex(), 3);
  w.userKeyDown(f2, 0);  // from the first patch
  EXPECT_EQ(w.Listbox1.listIndex(), 1);
  w.Listbox1.setListIndex(2);
  w.Image9.userClick();
  EXPECT_EQ(w.Listbox1.listIndex(), 1);
  EXPECT_FALSE(w.SearchFromTop);
}

TEST_F(PatchListWindow, SelectionSurvivesRefreshCloseBoxAndUnload) {
  setTable({patch("A"), patch("B")});
  Patches& w = list();
  w.Listbox1.setSelected(2, true);  // the user checks B
  RefreshPatchList();
  EXPECT_TRUE(w.Listbox1.selected(2));
  w.show(true);
  w.userClose();
  EXPECT_TRUE(ui::Forms::isLoaded(w) && !w.visible());
  w.unload();
  ui::Forms::collect();
  SetItemSelected(1, true);  // the unloaded window's box is no longer touched
  Patches& again = list();
  EXPECT_TRUE(again.Listbox1.selected(1) && again.Listbox1.selected(2));
  // Without a current item the window shows the first record, as the look-up of no name gives.
  again.Listbox1.setListIndex(-1);
  EXPECT_EQ(again.Label1.caption(), "Empty patch entry");
}

TEST_F(PatchListWindow, DeleteNewAndMoveKeepThePositionTheNamesAndTheCheckMarks) {
  setTable({patch("P1"), patch("Patch 1"), patch("Patch 3"), patch("P4")});
  Patches& w = list();
  w.Image1.userClick();  // the developer layout
  w.Listbox1.setListIndex(4);
  w.Command2.userClick();  // the last: the first becomes current
  EXPECT_EQ(w.Listbox1.listIndex(), 0);
  w.Listbox1.setListIndex(1);
  w.Command2.userClick();  // another: the next one takes its place
  EXPECT_EQ(items(), (Names{"Empty patch entry", "Patch 1", "Patch 3"}));
  EXPECT_EQ(w.Label1.caption(), "Patch 1");

  std::string proposed;
  answerInput("Patch 3", &proposed);
  w.Command5.userClick();
  EXPECT_EQ(proposed, "Patch 2");
  answerInput("");
  w.Command5.userClick();
  EXPECT_EQ(items().size(), 3u);  // a taken name or none is refused silently
  host.onShow = [&](ui::Form& f, bool) {
    if (f.name() == "InputKor") static_cast<InputKor&>(f).Text1.setText("Brand new");
    if (f.name() == "InputKor") static_cast<InputKor&>(f).KillMeNow();
    if (f.name() == "patchesConf") static_cast<PatchesConf&>(f).Command28.userClick();
  };
  w.Command5.userClick();
  EXPECT_EQ(host.shown.back(), "patchesConf");
  EXPECT_EQ(items().back() + " " + std::to_string(w.Listbox1.listIndex()), "Brand new 3");

  SetItemSelected(3, true);
  w.Command4.userClick();
  EXPECT_EQ(items(), (Names{"Empty patch entry", "Patch 1", "Brand new", "Patch 3"}));
  EXPECT_EQ(checks(), (std::vector<bool>{false, false, true, false}));
  EXPECT_EQ(w.Listbox1.listIndex(), 2);
  w.Command6.userClick();
  w.Command6.userClick();  // the last one: nothing
  EXPECT_EQ(checks(), (std::vector<bool>{false, false, false, true}));
  w.Listbox1.setListIndex(0);
  w.Command4.userClick();  // the first one: nothing
  EXPECT_EQ(items(), (Names{"Empty patch entry", "Patch 1", "Patch 3", "Brand new"}));

  host.answers.push_back(ui::MsgAnswer::No);
  w.Command28.userClick();
  EXPECT_EQ(items().size(), 4u);
  w.Command28.userClick();
  w.Command2.userClick();  // the only entry: a fresh empty list
  EXPECT_EQ(items(), Names{"Empty patch entry"});
}

TEST_F(PatchListWindow, LayoutSwitchAndSets) {
  Patches& w = list();
  w.Image1.userClick();
  EXPECT_TRUE(w.Command1.enabled() && w.Command6.enabled() && w.Label4.visible() && w.Shape1.visible());
  EXPECT_EQ(w.Listbox1.height(), 137 * 15);
  w.Image1.userClick();
  EXPECT_FALSE(w.Command28.enabled() || w.Label4.visible() || w.Label6.visible());  // "search:" stays hidden
  EXPECT_EQ(w.Listbox1.height(), 167 * 15);

  PatchRecord p = patch("From file");
  param(p, 0, "10", "5", "", 3);
  setTable({p});
  std::string path = folder.file("saved.drc");
  host.fileAnswers = {path, std::nullopt, path};
  w.Command16.userClick();
  EXPECT_EQ(host.dialogs.back().title, "Save Patch Set");
  setTable({patch("Old 1"), patch("Old 2")});
  SetItemSelected(1, true);
  PatchList[1].Params[0].CurrentValue = "9";
  w.Command12.userClick();  // cancelled: nothing changes
  EXPECT_EQ(items().size(), 3u);
  w.Command12.userClick();
  EXPECT_EQ(host.dialogs.back().title + "|" + host.dialogs.back().filter,
            "Load Patch Set|DRACO Patch Set (*.drc)|*.drc|All Files (*.*)|*.*");
  EXPECT_EQ(items(), (Names{"Empty patch entry", "From file"}));
  EXPECT_EQ(checks(), (std::vector<bool>{false, false}));
  EXPECT_EQ(PatchList[1].Params[0].CurrentValue + "|" + shell::DefaultPatchSet, "5|" + path);
}

TEST(ParamText, EachTypeFiltersLimitsColoursAndCorrectsTheTextLeft) {
  const ui::Color black = 0, red = ui::rgb(64, 0, 0), blue = ui::rgb(0, 0, 192);
  const std::vector<std::tuple<int, std::string, int, ui::Color>> rules = {
      {0, "A1", 2, black}, {1, "A1", 4, black}, {2, "A1", 8, black}, {3, "1", 3, red},
      {4, "1", 5, red},    {5, "-1", 4, blue},  {6, "-1", 6, blue},  {7, "1", 10, red},
  };
  for (const auto& [type, passes, maxLength, colour] : rules) {
    const ParamBoxRule* rule = ParamBoxRuleOf(type);
    ASSERT_TRUE(rule);
    std::string kept;
    for (char c : std::string("-aG1")) kept += rule->filter(c) ? static_cast<char>(rule->filter(c)) : '\0';
    kept.erase(std::remove(kept.begin(), kept.end(), '\0'), kept.end());
    EXPECT_EQ(kept, passes) << type;
    EXPECT_EQ(rule->maxLength, maxLength) << type;
    EXPECT_EQ(rule->colour, colour) << type;
  }
  EXPECT_FALSE(ParamBoxRuleOf(8));
  const std::vector<std::tuple<int, std::string, std::string>> rows = {
      {0, "", "00"},        {0, "F", "0F"},          {1, "1F", "001F"},     {2, "1F", "0000001F"},
      {2, "ABCDEF01", "ABCDEF01"},
      {3, "", "0"},         {3, "255", "255"},       {3, "256", "255"},     {3, "007", "007"},
      {3, "-5", "0"},       {4, "65536", "65535"},   {4, "300", "300"},
      {5, "200", "127"},    {5, "-300", "-128"},     {5, "-", "0"},         {5, "5-3", "5"},
      {5, "-128", "-128"},  {6, "40000", "32767"},   {6, "-40000", "-32768"}, {6, "12x", "12"},
      {7, "4294967295", "4294967295"}, {7, "4294967296", "4294967295"},
      {7, "99999999999999999999", "4294967295"},
      {8, "anything", "anything"},
  };
  for (const auto& [type, typed, kept] : rows) EXPECT_EQ(NormaliseParamText(typed, type), kept) << type << " " << typed;
}

// The shown parameter's box filters by its type, stores what is typed, and corrects it when left.
TEST_F(PatchListWindow, TheParameterRowStoresWhatIsTypedAndTheResetBringsTheDefaultBack) {
  PatchRecord p = patch("P");
  param(p, 3, "100", "20", "", 5, "Value");
  setTable({p});
  Patches& w = list();
  w.Listbox1.setListIndex(1);
  EXPECT_EQ(CurParamSlot, 3);  // the only enabled slot is shown
  EXPECT_EQ(w.Label3.caption() + " " + w.Text1.text(), "Value: 20");
  EXPECT_EQ(w.Text1.maxLength(), 4);
  EXPECT_EQ(w.Text1.foreColor(), ui::rgb(0, 0, 192));
  w.Text1.setFocus();
  w.Text5.setFocus();  // passing through with the keyboard stores nothing
  EXPECT_EQ(PatchList[1].Params[3].CurrentValue, "");
  w.Text1.userMouseUp({ui::kLeftButton});
  EXPECT_EQ(PatchList[1].Params[3].CurrentValue, "20");
  w.Text1.setFocus();
  w.Text1.setText("");
  for (char c : std::string("-3x00")) {
    w.Text1.typeKey(static_cast<unsigned char>(c));
    w.Text1.userKeyUp(c);
  }
  EXPECT_EQ(w.Text1.text() + " " + PatchList[1].Params[3].CurrentValue, "-300 -300");
  w.Text5.setFocus();
  EXPECT_EQ(w.Text1.text() + " " + PatchList[1].Params[3].CurrentValue, "-128 -128");
  w.Text1.setText("77");
  w.Command3.userClick();  // proceed stores and hides
  EXPECT_EQ(PatchList[1].Params[3].CurrentValue, "77");
  EXPECT_FALSE(w.visible());
  w.Image2.userClick();
  EXPECT_EQ(w.Text1.text() + " " + PatchList[1].Params[3].CurrentValue, "20 20");
}

// The description box and its scrolling twin: their heights follow the parameter row, and a
// description longer than the box holds goes to the scrolling one.
TEST_F(PatchListWindow, LongDescriptionsScrollAndAPatchWithoutParametersHidesTheRow) {
  PatchRecord with = patch("With");
  param(with, 0, "100", "20", "", 3);
  with.Description = "1//2//3//4//5//6//7//8";
  PatchRecord without = patch("Without");
  without.Description = "1//2//3//4//5//6//7//8//9//10//11";
  setTable({with, without});
  Patches& w = list();
  auto heights = [&w] { return std::to_string(w.Text3.height() / 15) + " " + std::to_string(w.Text4.height() / 15); };
  w.Listbox1.setListIndex(1);
  EXPECT_TRUE(w.Text1.visible() && w.Text3.visible() && !w.Text4.visible());  // eight lines fit beside the row
  w.Listbox1.setListIndex(2);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&w.Label3, &w.Text1, &w.Image2, &w.Line2, &w.Text3})
    EXPECT_FALSE(c->visible()) << c->name();  // eleven lines go to the scrolling box
  EXPECT_TRUE(w.Text4.visible());
  EXPECT_EQ(heights(), "132 140");
  EXPECT_EQ(w.Text4.text(), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11");
  w.Command3.userClick();
  EXPECT_EQ(PatchList[2].Params[0].CurrentValue, "");
  PatchList[1].Description += "//9";
  w.Listbox1.setListIndex(1);
  EXPECT_TRUE(w.Text1.visible() && w.Text4.visible() && !w.Text3.visible());
  EXPECT_EQ(heights(), "116 116");
}

TEST_F(PatchListWindow, PopupStacksTheEnabledParametersAndShowsThePickedOne) {
  PatchRecord p = patch("P");
  param(p, 0, "100", "1", "", 3, "First");
  param(p, 5, "105", "0A", "", 0, "Fifth slot");
  PatchRecord three = patch("Three");
  for (int k = 0; k < 3; ++k) param(three, k, "10", "1", "", 3, "n" + std::to_string(k));
  PatchRecord one = patch("One");
  param(one, 2, "10", "1", "", 3, "only");
  setTable({p, three, one});
  Patches& w = list();
  ParamList& popup = ui::Forms::get<ParamList>();
  w.Listbox1.setListIndex(2);
  w.Label3.userClick();
  EXPECT_EQ(popup.height(), 850);
  EXPECT_EQ(popup.Label1[2].top(), 75 + 240 * 2);

  w.Listbox1.setListIndex(1);
  EXPECT_TRUE(w.Label3.font().underline);
  EXPECT_EQ(w.Label3.foreColor(), ui::rgb(64, 0, 0));
  EXPECT_EQ(w.Label3.mouseIcon(), ui::kHandCursor);
  w.Label3.userClick();
  EXPECT_EQ(host.shown.back(), "ParamList");
  EXPECT_EQ(popup.height(), 130 + 240 * 2);
  EXPECT_EQ(popup.Label1[5].top(), 75 + 240);  // the second line, still slot 5's label
  EXPECT_EQ(popup.Label1[5].caption(), "Fifth slot");
  EXPECT_FALSE(popup.Label1[1].visible());
  EXPECT_EQ(popup.Line4.x1(), popup.width() - 10);
  EXPECT_EQ(popup.left(), w.left() + w.Text1.left() + 120);
  int esc = 27;
  popup.userKeyDown(esc, 0);
  EXPECT_FALSE(popup.visible());
  EXPECT_EQ(w.Label3.caption(), "First:");
  popup.show(true);
  popup.Label1[5].userClick();
  EXPECT_FALSE(popup.visible());
  EXPECT_EQ(w.Label3.caption() + " " + w.Text1.text() + " " + std::to_string(w.Text1.maxLength()), "Fifth slot: 0A 2");

  w.Listbox1.setListIndex(3);  // one parameter: the name is no link
  EXPECT_FALSE(w.Label3.font().underline);
  EXPECT_EQ(w.Label3.foreColor(), ui::rgb(64, 64, 64));
  std::size_t shows = host.shown.size();
  w.Label3.userClick();
  EXPECT_EQ(host.shown.size(), shows);
}

}  // namespace
}  // namespace olvex::draco::test
