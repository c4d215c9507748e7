// The GFX2 stage through silent runs: every location it writes, both sprinkler branches, and
// nothing else.
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

TEST_F(SilentPassTest, Gfx2WritesEveryValueAwayFromTheDefaults) {
  writeConfig({
      {"FireballSpriteSize", "2A"}, {"FireballDuration", "1"}, {"FireballDispersion", "345"}, {"BlastRadius", "61"},
      {"BlastTimeout", "12345678"}, {"BlastSize", "123456789"}, {"SparkleAmount", "300"},
      {"SparkleFallOffDelay", "1"}, {"SparkleSpriteInitSize", "2"}, {"SparkleSpriteID", "5"},
      {"AnimTextInterval", "6"}, {"FlybyBarsHeight", "20"}, {"FlybyBarsSpeed", "2"}, {"UWDustMaxAmount", "17"},
      {"UWDustMeltSpeed", "18"}, {"UnifyAmount", "1"}, {"FadeoutsSpeed", "4"}, {"FadeoutsDuration", "9"},
      {"FogUnit01", "1,2,3"}, {"FogUnit27", "255,0,128"}, {"M.I.S.T.CoreR", "1"}, {"M.I.S.T.CoreG", "2"},
      {"M.I.S.T.CoreB", "3"}, {"M.I.S.T.MainR", "4"}, {"M.I.S.T.MainG", "5"}, {"M.I.S.T.MainB", "6"},
      {"M.I.S.T.Density", "7"}, {"M.I.S.T.Size", "8"}, {"M.I.S.T.Amount", "9"}, {"UWDustXFlow", "-2"},
      {"UWDustYFlow", "5"}, {"UWDustSize", "13"}, {"UWDustSpriteID", "11"}, {"SprinklerLoopForever", "1"},
      {"SprinklerAmount", "5"}, {"SprinklerColourR", "1"}, {"SprinklerColourG", "2"}, {"SprinklerColourB", "3"},
      {"SprinklerSpread", "6"}, {"SprinklerGravity", "300"}, {"SprinklerArch", "0"}, {"SparkleColRed", "1"},
      {"SparkleColGreen", "2"}, {"SparkleColBlue", "3"}, {"SparkleCoreIntensity", "17"}, {"WaterNoiseSpeed", "5"},
  });
  std::vector<Bytes> bytes = {
      {"FireballSpriteSizeOffset", 0, "2A"}, {"FireballDurationOffset", 0, "01"}, {"FireballDispersionOffset", 0, "45"},
      {"BlastRadiusOffset", 0, "61"}, {"BlastTimeoutOffset", 0, "78563412"}, {"BlastSizeOffset", 0, "89674523"},
      {"SparkleAmountOffset", 0, "2C"}, {"SparkleFallOffDelayOffset", 0, "01"}, {"SparkleSpriteInitSizeOffset", 0, "02"},
      {"SparkleSpriteIDOffset", 0, "05"}, {"AnimTextIntervalOffset", 0, "06"}, {"FlybyBarHeightOffset", 0, "14"},
      {"FlybyBarHeightOffset2", 0, "14"}, {"FlybyBarSpeedOffset", 0, "02"}, {"FlybyBarSpeedOffset2", 0, "02"},
      {"UWDustAmountOffset", 0, "11"}, {"UWDustMeltSpeedOffset", 0, "12"}, {"FadeoutsSpeedOffset", 0, "04"},
      {"FadeoutsDurationOffset", 0, "09"}, {"FogTableBaseOffset", 4, "030201"}, {"FogTableBaseOffset", 108, "8000FF"},
      {"MISTColoursBaseOffset", 0, "01"}, {"MISTColoursBaseOffset", 4, "02"}, {"MISTColoursBaseOffset", 8, "03"},
      {"MISTColoursBaseOffset", 12, "04"}, {"MISTColoursBaseOffset", 16, "05"}, {"MISTColoursBaseOffset", 20, "06"},
      {"MISTDensityOffset", 0, "07"}, {"MISTSizeOffset", 0, "08"}, {"MISTAmountOffset", 0, "09"},
      {"UWDustXFlowOffset", 0, "FE"}, {"UWDustYFlowOffset", 0, "05"}, {"UWDustSizeOffset1", 0, "0D"},
      {"UWDustSizeOffset2", 0, "0D"}, {"UWDustSpriteIDOffset", 0, "0B"}, {"SprinkLoopForeverOffset", 0, "90"},
      {"SprinkAmountOffset", 0, "05"}, {"SprinkRedOffset", 0, "01"}, {"SprinkGreenOffset", 0, "02"},
      {"SprinkBlueOffset", 0, "03"}, {"SprinkSpreadOffset", 0, "06"},
      {"SprinkGravityOffset", 0, dataHex("SprinkJmpModData")}, {"SprinkExtOffset", 0, dataHex("SprinkExtData")},
      {"SprinkExtOffset", 4, "2C01"}, {"SprinkArchOffset", 0, "00000000"}, {"SparkleColRedOffset", 0, "01"},
      {"SparkleColGreenOffset", 0, "02"}, {"SparkleColBlueOffset", 0, "03"}, {"SparkleCoreIntensityOffset", 0, "11"},
      {"SparkleFallOffDelayOffset2", 0, "01"}, {"WaterNoiseOffset", 0, "05"},
  };
  for (int k = 2; k <= 10; ++k) bytes.push_back({"SparkleAmountOffset" + std::to_string(k), 0, "2C"});
  expectRuns(bytes);
}

TEST_F(SilentPassTest, Gfx2ShortSprinklerGravityKeepsTheGameCode) {
  writeConfig({{"SprinklerGravity", "127"}, {"SprinklerArch", "32"}});
  expectRuns({{"SprinkGravityOffset", 5, "7F"}});
  restoreExecutable();
  writeConfig({{"SprinklerGravity", "128"}});
  expectRuns({{"SprinkGravityOffset", 0, dataHex("SprinkJmpModData")}, {"SprinkExtOffset", 0, dataHex("SprinkExtData")},
              {"SprinkExtOffset", 4, "8000"}});
}

}  // namespace
}  // namespace olvex::customizers::test
