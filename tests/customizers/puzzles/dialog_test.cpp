// The item combinations dialog: the combination table it shows and stores.
#include "customizers/dialog_fixture.h"
#include "customizers/puzzles/dialog.h"

namespace olvex::customizers::test {
namespace {

class PuzzleDialog : public DialogTest {
 protected:
  PuzzleConf& p() { return dialog<PuzzleConf>(); }
};

TEST_F(PuzzleDialog, ListsNameEveryCombinationAndItem) {
  ASSERT_EQ(p().Combo2.listCount(), 21);
  ASSERT_EQ(p().Combo1.listCount(), 84);
  const std::pair<int, const char*> combinations[] = {
      {0, "Puzzle Item 1 Combo 1 + Combo 2"}, {8, "Key Item 1 Combo 1 + Combo 2"},
      {19, "Pickup Item 4 Combo 1 + Combo 2"}, {20, "Clockwork Beetle Combo 1 + Combo 2"}};
  for (auto [i, name] : combinations) EXPECT_EQ(p().Combo2.list(i), name);
  const std::pair<int, const char*> items[] = {
      {11, "Puzzle Item 12"},         {12, "Puzzle Item 1 Combo 1"}, {13, "Puzzle Item 1 Combo 2"},
      {27, "Puzzle Item 8 Combo 2"},  {39, "Key Item 12"},           {40, "Key Item 1 Combo 1"},
      {60, "Pickup Item 1 Combo 1"},  {67, "Pickup Item 4 Combo 2"}, {68, "Examine 1"},
      {73, "Clockwork Beetle Combo 2"}, {76, "Uzis"},                {83, "Crowbar"}};
  for (auto [i, name] : items) EXPECT_EQ(p().Combo1.list(i), name);
}

TEST_F(PuzzleDialog, ChoosingShowsAndStoresTheTable) {
  p().Combo2.setListIndex(10);
  EXPECT_EQ(p().Combo1.listIndex(), 30);
  EXPECT_EQ(p().Combo1.text(), "Key Item 3");
  EXPECT_FALSE(p().Check1.enabled());

  p().Combo2.setListIndex(2);
  EXPECT_TRUE(p().Check1.enabled());
  shell::PuzzleCombos[21 + 2] = 1;
  p().Combo1.setListIndex(12);  // a result of index 12 or more takes no add flag
  EXPECT_FALSE(p().Check1.enabled());
  EXPECT_EQ(shell::PuzzleCombos[2], 12);
  EXPECT_EQ(shell::PuzzleCombos[23], 1);

  p().Combo1.setListIndex(5);
  p().Check1.setValue(1);
  EXPECT_EQ(shell::PuzzleCombos[23], 1);
  p().Check1.setValue(0);
  p().Check1.userMouseUp({ui::kLeftButton});
  EXPECT_EQ(shell::PuzzleCombos[2], 5);
  EXPECT_EQ(shell::PuzzleCombos[23], 0);
}

TEST_F(PuzzleDialog, AStoredValueWithoutAnItemShowsNoSelectionAndIsKept) {
  shell::PuzzleCombos[4] = 200;
  shell::PuzzleCombos[25] = 7;
  p().Combo2.setListIndex(3);
  p().Combo2.setListIndex(4);
  EXPECT_EQ(p().Combo1.listIndex(), -1);
  EXPECT_FALSE(p().Check1.enabled());
  p().Check1.userMouseUp({ui::kLeftButton});
  EXPECT_EQ(shell::PuzzleCombos[4], 200);
  EXPECT_EQ(shell::PuzzleCombos[25], 7);
}

}  // namespace
}  // namespace olvex::customizers::test
