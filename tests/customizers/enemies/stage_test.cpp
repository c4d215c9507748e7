// The ENEMY stage through silent runs and a pass: hit points, flags and the small scorpion patch.
#include "customizers/enemies/dialog.h"
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

TEST_F(SilentPassTest, EnemyHitPointsFlagsAndSmallScorpion) {
  writeConfig({{"MutantHP", "40000"}, {"SkeletonHP", "65535"}, {"SphinxHP", "0"}, {"BatHP", "70000"},
               {"SethaFlag", "0"}, {"SkeletonFlag", "0"}, {"ScorpionFlag", "3"}, {"MutantFlag", "4"},
               {"BaboonFlag", "1"}, {"SphinxFlag", "0"}, {"HorsemenFlag", "3"}, {"Demigod1Flag", "1"},
               {"GuideHPFlag", "2"}, {"HarpyFlag", "9"}, {"BatFlag", "2"}, {"MummyFlag", "3"},
               {"EnableSmallScorpionHPChange", "1"}, {"SmallScorpionHP", "300"}});
  expectRuns({
      {"MutantHPOffset", 0, "409C"}, {"SkeletonHPOffset", 0, "FFFF"}, {"SphinxHPOffset", 0, "0000"},
      {"BatHPOffset", 0, "7011"},
      {"SethaFlagOffset", 0, "Type478FlagModData"}, {"SethaFlagOffset", 3, "7204"},
      {"SkeletonFlagOffset", 0, "Type125FlagModData"}, {"SkeletonFlagOffset", 1, "06"},
      {"ScorpionFlagOffset", 0, "Type3FlagModData"}, {"ScorpionFlagOffset", 2, "0038"},
      {"MutantFlagOffset", 0, "Type125FlagModData"}, {"MutantFlagOffset", 1, "02"},
      {"BaboonFlagOffset", 0, "Type6FlagModData"}, {"BaboonFlagOffset", 1, "7A10"},
      {"SphinxFlagOffset", 0, "Type478FlagModData"}, {"SphinxFlagOffset", 3, "0004"},
      {"HorsemenFlagOffset", 0, "Type478FlagModData"}, {"HorsemenFlagOffset", 3, "7238"},
      {"Demigod1FlagOffset", 0, "Type9FlagModData"}, {"Demigod1FlagOffset", 2, "7210"},
      {"GuideFlagOffset", 0, "Type125FlagModData"}, {"GuideFlagOffset", 1, "1E"},
      {"BatFlagOffset", 0, "Type125FlagModData"}, {"BatFlagOffset", 1, "1E"},
      {"SmallScorpCommandOffset", 0, "SmallScorpCommPatchModData"},
      {"SmallScorpFarJumpOffset", 0, "SmallScorpFarJumpModData"}, {"SmallScorpFarJumpOffset", 7, "2C01"},
  });
}

TEST_F(SilentPassTest, SmallScorpionPatchForAnyStateButZero) {
  writeConfig({{"EnableSmallScorpionHPChange", "2"}});
  expectRuns({
      {"SmallScorpCommandOffset", 0, "SmallScorpCommPatchModData"},
      {"SmallScorpFarJumpOffset", 0, "SmallScorpFarJumpModData"}, {"SmallScorpFarJumpOffset", 7, "0800"},
  });
}

TEST_F(SilentPassTest, ATypedGuideHitPointValueIsWritten) {
  start();
  auto& enemies = ui::Forms::get<CustEnemy>();
  enemies.Text1[25].setText("100");
  enemies.Text1[24].setText("9");  // without the patch the small scorpion's value is not written
  pass();
  EXPECT_EQ(patcher::test::differences(exeBytes(), withBytes(reflayout::referenceExecutable(), {{"GuideHPOffset", 0, "6400"}})), "");
}

}  // namespace
}  // namespace olvex::customizers::test
