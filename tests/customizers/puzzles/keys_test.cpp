// The combination keys and the combination the item combinations dialog shows.
#include "customizers/dialog_fixture.h"
#include "customizers/puzzles/dialog.h"

namespace olvex::customizers::test {
namespace {

TEST_F(DialogTest, ComboKeysFillTheTableAndShowCombinationZero) {
  auto& p = dialog<PuzzleConf>();
  EXPECT_TRUE(apply("combo05", "74,1"));
  EXPECT_EQ(p.Combo2.listIndex(), 0);
  EXPECT_EQ(p.Combo1.text(), "Puzzle Item 1");
  p.Combo2.setListIndex(5);
  EXPECT_EQ(p.Combo1.listIndex(), 74);
  EXPECT_EQ(p.Combo1.text(), "Pistols");
  EXPECT_EQ(p.Check1.value(), 1);
  EXPECT_FALSE(p.Check1.enabled());  // only puzzle items 1 to 12 take the flag

  EXPECT_TRUE(apply("combo3", "7,1"));  // six characters: not a member of the family
  EXPECT_TRUE(apply("combo25", "7,1"));
  EXPECT_EQ(shell::PuzzleCombos[3], 3);
  EXPECT_TRUE(apply("combo10", "100,1"));  // kept, though no item has that code
  EXPECT_EQ(shell::PuzzleCombos[10], 100);
  EXPECT_EQ(shell::PuzzleCombos[31], 1);
}

}  // namespace
}  // namespace olvex::customizers::test
