// The patch table's upkeep and the selection: refresh, load, names, dependencies, parameter
// values, the list box mirror and the start-up.
#include <gtest/gtest.h>

#include "draco/draco_hooks.h"
#include "draco/patch_set_reader.h"
#include "draco_fixture.h"
#include "shell/config_state.h"
#include "shell/form1_hooks.h"

namespace olvex::draco::test {
namespace {

using PatchListTest = DracoTest;
using Names = std::vector<std::string>;
using States = std::vector<bool>;

TEST_F(PatchListTest, RefreshDropsRecordsNotPresentAndChecksMoveWithTheRecords) {
  setTable({patch("A"), patch("B"), patch("C"), patch("D"), patch("E")});
  SetItemSelected(2, true);  // B
  SetItemSelected(4, true);  // D
  PatchList[1].Omnipresence = 0;
  PatchList[1].Name.clear();
  PatchList[3].Omnipresence = 0;  // two at once
  PatchList[5].Omnipresence = 2;  // only 1 is present
  RefreshPatchList();
  EXPECT_EQ(items(), (Names{"Empty patch entry", "B", "D"}));
  EXPECT_EQ(checks(), (States{false, true, true}));
}

TEST_F(PatchListTest, ALoadKeepsChecksByPositionUntilTheReset) {
  setTable({patch("A"), patch("B"), patch("C")});
  SetItemSelected(2, true);
  LoadPatchSet(writeSet("set.drc", {"DRACO=0.3", "/bgn 000", "Omnipresence=1", "Name=X", "/end 000", "/bgn 001",
                                    "Omnipresence=1", "Name=Y", "/end 001", "/bgn 002", "Omnipresence=1", "Name=Z",
                                    "gprince=0|7", "bambi=0|1", "gprince=1|8", "/end 002"}));
  EXPECT_EQ(checks(), (States{false, false, true}));
  ResetPatches();
  EXPECT_EQ(checks(), (States{false, false, false}));
  EXPECT_EQ(PatchList[2].Params[0].CurrentValue, "7");
  EXPECT_EQ(PatchList[2].Params[1].CurrentValue, "") << "a disabled slot keeps its value";
}

TEST_F(PatchListTest, NamesFindRecordsAndSelectItemsExactly) {
  setTable({patch("Fog"), patch("fog"), patch("Fog")});
  EXPECT_EQ(FindPatchByName("fog"), 2);
  EXPECT_EQ(FindPatchByName("Fog"), 1);
  EXPECT_EQ(FindPatchByName("FOG"), 0) << "no record: the first one";
  SetPatchSelected("Fog", 1);
  SetPatchSelected("FOG", 1);
  SetPatchSelected("fog", 2);
  EXPECT_EQ(checks(), (States{false, true, false, false})) << "the first item of that name";
  SetPatchSelected("Fog", 0);
  EXPECT_EQ(checks(), (States{false, false, false, false}));
}

TEST_F(PatchListTest, DependenciesReportAPresentPatchThatIsNotChecked) {
  const std::vector<std::tuple<std::string, States, int>> cases = {
      {"A,B", {true, false}, 1}, {"A,B", {true, true}, 0}, {"Unknown,A", {true, false}, 0},
      {"", {false, false}, 0},   {"A,", {true, false}, 0}, {"a", {false, false}, 0},
  };
  for (const auto& [deps, selected, expected] : cases) {
    PatchRecord p = patch("P");
    p.Dependencies = deps;
    setTable({patch("A"), patch("B"), p});
    SetItemSelected(1, selected[0]);
    SetItemSelected(2, selected[1]);
    EXPECT_EQ(CheckDependencies(3), expected) << deps;
  }
  PatchList[3].Dependencies = "A,B";
  CheckDependencies(3);
  EXPECT_EQ(DependencyText, "A\r\nB");
}

TEST_F(PatchListTest, ParamValuesFillSlotsByPosition) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a;;c;", "a,x,c,x,x,x,x,x,x,x"}, {"1;2;3;4;5;6;7;8;9;10;", "1,2,3,4,5,6,7,8,9,10"},
      {"a;b", "a,x,x,x,x,x,x,x,x,x"},   {";", "x,x,x,x,x,x,x,x,x,x"}, {"", "x,x,x,x,x,x,x,x,x,x"},
  };
  for (const auto& [text, expected] : cases) {
    setTable({patch("A")});
    for (PatchParam& p : PatchList[1].Params) p.CurrentValue = "x";
    ParseParamValues(text, 1);
    std::string got;
    for (int k = 0; k < 10; ++k) got += (k ? "," : "") + PatchList[1].Params[k].CurrentValue;
    EXPECT_EQ(got, expected) << text;
  }
}

class PatchesForm : public ui::Form {
 public:
  PatchesForm() : Form("patches") {}
  ui::ListBox Listbox1{*this, "Listbox1"};
};

TEST_F(PatchListTest, AListBoxMirrorsTheSelectionBothWays) {
  setTable({patch("A"), patch("B")});
  SetItemSelected(2, true);
  PatchesForm form;
  ui::ListBox& box = form.Listbox1;
  std::vector<int> clicks;
  box.onClick = [&] { clicks.push_back(box.listIndex()); };
  AttachPatchListBox(box);
  ASSERT_EQ(box.listCount(), 3);
  EXPECT_TRUE(box.checkBoxes());
  EXPECT_EQ(box.list(1), "A");
  EXPECT_TRUE(box.selected(2));
  EXPECT_EQ(box.listIndex(), 0);

  box.setSelected(1, true);  // the user checks A
  EXPECT_EQ(checks(), (States{false, true, true}));

  PatchList[1].Omnipresence = 0;
  RefreshPatchList();
  EXPECT_EQ(box.listCount(), 2);
  EXPECT_EQ(box.list(1), "B");
  EXPECT_TRUE(box.selected(1));
  EXPECT_EQ(clicks.back(), 0) << "the refresh shows the first patch";
  ResetPatches();
  EXPECT_FALSE(box.selected(1));

  DetachPatchListBox(box);
  SetItemSelected(1, true);
  EXPECT_FALSE(box.selected(1));
  box.setSelected(0, true);
  EXPECT_FALSE(IsItemSelected(0));
}

TEST_F(PatchListTest, StartUpLoadsTheDefaultSetAndDeselectsEverything) {
  std::string path = writeSet("patches.drc", {"DRACO=0.3", "/bgn 000", "Omnipresence=1", "Name=Empty patch entry",
                                              "/end 000", "/bgn 001", "Omnipresence=1", "Name=Fog", "bambi=0|1",
                                              "gprince=0|5", "/end 001"});
  SetItemSelected(0, true);
  shell::DefaultPatchSet = path;
  InstallDracoHooks();
  shell::form1Hooks().DracoStartUp();
  EXPECT_EQ(items(), (Names{"Empty patch entry", "Fog"}));
  EXPECT_EQ(checks(), (States{false, false}));
  EXPECT_EQ(PatchList[1].Params[0].CurrentValue, "5");
  EXPECT_TRUE(host.messages.empty());

  std::string missing = folder.file("none.drc");
  StartPatchList(missing);
  EXPECT_EQ(items(), (Names{"Empty patch entry"}));
  EXPECT_EQ(host.texts(), Names{"Can't find patch set file (" + missing + ")"});
  EXPECT_EQ(PatchList[0].Omnipresence, 1);
}

}  // namespace
}  // namespace olvex::draco::test
