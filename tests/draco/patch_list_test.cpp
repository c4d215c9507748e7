// The patch table's upkeep and the selection: refresh, load, names and dependencies.
#include <gtest/gtest.h>

#include "draco/patch_set_reader.h"
#include "draco_fixture.h"

namespace olvex::draco::test {
namespace {

using PatchListTest = DracoTest;
using States = std::vector<bool>;

TEST_F(PatchListTest, RefreshDropsRecordsNotPresentAndALoadKeepsChecksByPositionUntilTheReset) {
  setTable({patch("A"), patch("B"), patch("C"), patch("D"), patch("E")});
  SetItemSelected(2, true);  // B
  SetItemSelected(4, true);  // D
  PatchList[1].Omnipresence = 0;
  PatchList[3].Omnipresence = 0;  // two at once
  PatchList[5].Omnipresence = 2;  // only 1 is present
  RefreshPatchList();
  EXPECT_EQ(items(), (Names{"Empty patch entry", "B", "D"}));
  EXPECT_EQ(checks(), (States{false, true, true}));

  LoadPatchSet(writeSet("set.drc", {"DRACO=0.3", "/bgn 000", "Omnipresence=1", "Name=X", "/end 000", "/bgn 001",
                                    "Omnipresence=1", "Name=Y", "/end 001", "/bgn 002", "Omnipresence=1", "Name=Z",
                                    "gprince=0|7", "bambi=0|1", "gprince=1|8", "/end 002"}));
  EXPECT_EQ(checks(), (States{false, true, true}));
  ResetPatches();
  EXPECT_EQ(checks(), (States{false, false, false}));
  EXPECT_EQ(PatchList[2].Params[0].CurrentValue, "7");
  EXPECT_EQ(PatchList[2].Params[1].CurrentValue, "") << "a disabled slot keeps its value";
}

// A set's records land at their numbers, and the refresh after the load drops the records in
// between: the rest keep their order, and each the check mark of the item at its number, up to
// the highest number a set may use.
TEST_F(PatchListTest, ALoadDropsTheRecordsBetweenItsNumbersAndKeepsChecksByNumber) {
  const std::vector<std::pair<std::string, bool>> tops = {{"9", true}, {"32767", false}};  // Z's check
  for (const auto& [top, checked] : tops) {
    std::vector<PatchRecord> old;
    for (char c = '1'; c <= '9'; ++c) old.push_back(patch(std::string("old ") + c));
    setTable(old);
    for (int k : {1, 5, 9}) SetItemSelected(k, true);
    LoadPatchSet(writeSet("set.drc", {"DRACO=0.3", "/bgn 2", "Omnipresence=1", "Name=B", "/end 2", "/bgn 3",
                                      "Name=not present", "/end 3", "/bgn " + top, "Omnipresence=1", "Name=Z",
                                      "/end " + top}));
    EXPECT_EQ(items(), (Names{"Empty patch entry", "old 1", "B", "Z"})) << top;
    EXPECT_EQ(checks(), (States{false, true, false, checked})) << top;
    EXPECT_LT(PatchList.capacity(), 100u) << top << ": the records in between were never made";
  }
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
  EXPECT_EQ(CheckDependencies(3), 1);
  EXPECT_EQ(DependencyText, "A\r\nB");
  EXPECT_EQ(CheckDependencies(4) + CheckDependencies(-1), 0) << "no such record";
}

}  // namespace
}  // namespace olvex::draco::test
