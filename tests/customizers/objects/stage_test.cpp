// The traps and objects in whole passes: every value, the inverted two-block platform, the raising
// block's link, the squishy block's two timer sizes, the one-block platform in both memory
// layouts, and values that are no number or a missing offset roll back.
#include "customizers/objects/dialog.h"
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

using shell::Form1;

CustObj& objects() { return ui::Forms::get<CustObj>(); }

void setTexts(std::vector<std::pair<int, const char*>> texts) {
  for (auto [i, text] : texts) objects().Text1[i].setText(text);
}

void oneBlockPlatform(Form1& f, int remap, bool inverted) {
  f.Check9.setValue(1);
  f.Check5.setValue(remap);
  objects().Check10.setValue(1);
  objects().Check8.setValue(inverted);
  objects().Check9.setValue(inverted);
  setTexts({{21, "300"}, {22, "5"}, {23, "6"}});
}

TEST_F(SilentPassTest, ObjectSettings) {
  const PassBytes kFakeHeight = {{"RBFakeHeightOffset", 0, "0014"}};
  expectPasses({
      {"spikes, two-block platform, darts, falling block and other objects",
       [](Form1&) {
         setTexts({{0, "100"}, {1, "9"}, {11, "300"}, {4, "128"}, {5, "5"}, {6, "6"}, {12, "30"}, {13, "512"},
                   {15, "200"}, {16, "100"}, {17, "50"}, {7, "90"}, {8, "2047"}, {10, "8"}, {9, "340"}, {19, "6"},
                   {20, "70"}});
       },
       {},
       {{"SpikeTimerOffset", 0, "6400"}, {"ProngStretchSpeedOffset", 0, "09"}, {"RetractionSpeedOffset", 0, "2C01"},
        {"2BPDepressDistOffset", 0, "80000000"}, {"2BPDepressSpedOffset", 0, "05"}, {"2BPRepressSpedOffset", 0, "FA"},
        {"DartsIntervalOffset", 0, "1E00"}, {"DartsSpeedOffset", 0, "0002"}, {"DartsColourOffset", 0, "3264C8"},
        {"FallinBlockTimerOffset", 0, "5A00"}, {"FallinBlockTrmOffset1", 0, "FF070000"},
        {"FallinBlockTrmOffset2", 0, "FF070000"}, {"BoulderGravityOffset", 0, "08"},
        {"SlicerDicerSpeedOffset", 0, "54010000"}, {"SlicerDicerRadiusOffset1", 0, "0E"},
        {"SlicerDicerRadiusOffset2", 0, "0E"}, {"ConductorInterval", 0, "46"}}},
      {"two-block platform inverted",
       [](Form1&) {
         objects().Check4.setValue(1);
         objects().Check1.setValue(1);
         setTexts({{4, "128"}, {5, "5"}, {6, "6"}});
       },
       {{"2BPOCBModeInvDirOffset#", 0}, {"2BPInvertDirFirstOffset", 0}, {"2BPInvertDirSecndOffset", 0},
        {"2BPInvertDirThirdOffset", 0}},
       {{"2BPDepressDistOffset", 0, "80FFFFFF"}, {"2BPDepressSpedOffset", 0, "FB"}, {"2BPRepressSpedOffset", 0, "06"}}},
      {"raising block with linked fake height",
       [](Form1&) {
         setTexts({{2, "5"}, {3, "32"}});
         objects().Check6.setValue(1);
       },
       {},
       {{"RBActualHeightOffset", 0, "00FBFFFF"}, {"RB1ReloadHeightOffset", 0, "00FBFFFF"},
        {"RB2ReloadHeightOffset", 0, "00F6FFFF"}, {"RBSpeedOffset", 0, "20"}, {"RBRetractedHeightOffset", 0, "00050000"},
        {"RBRetractionSpeedOffset", 0, "E0"}, {"RBFakeHeightOffset", 0, "0014"}}},
      {"raising block without the link restores the fake height", [&](Form1&) { plant(kFakeHeight); }, {}},
      {"greyed link writes no fake height",
       [&](Form1&) {
         plant(kFakeHeight);
         objects().Check6.setValue(2);
       },
       {}, kFakeHeight},
      {"squishy block held to a byte", [](Form1&) { setTexts({{14, "200"}, {18, "96"}}); }, {},
       {{"SqyishyTimerOffset", 0, "7F"}, {"SqyishyTrembleOffset", 0, "A0FFFFFF"}}},
      {"squishy block with a longer timer and no tremble",
       [](Form1&) {
         objects().Check2.setValue(1);
         objects().Check3.setValue(1);
         setTexts({{14, "200"}, {18, "96"}});
       },
       {{"SqyishyTimerOffset", 0}},
       {{"SqyishyTimerOffset", 0, "C800"}, {"SqyishyTrembleOffset", 1, "A0FFFFFF"},
        {"SqyishyTrembleDisOffset", 1, "9090909090"}}},
      {"one-block platform without the extension",
       [](Form1&) {
         objects().Check10.setValue(1);
         setTexts({{21, "300"}});
       },
       {}, {}, false, {{"1BPLoadingOffset", 0}}},
      {"one-block platform, extended", [](Form1& f) { oneBlockPlatform(f, 0, false); },
       join(kExtended, {{"1BPLoadingOffset", 1}, {"1BPExtendedOffset", 0}}),
       {{"1BPDepressDistOffset", 0, "2C010000"}, {"1BPDepressSpedOffset", 0, "05"}, {"1BPRepressSpedOffset", 0, "FA"},
        {"1BPOCBModeInvDirOffset1", 0, "7D"}, {"1BPOCBModeInvDirOffset2", 0, "7E"}, {"1BPInvertDirFirstOffset", 0, "2B"},
        {"1BPInvertDirSecndOffset", 0, "7E"}, {"1BPInvertDirThirdOffset", 0, "2B"}},
       true},
      {"one-block platform, extended, remapped and inverted", [](Form1& f) { oneBlockPlatform(f, 1, true); },
       join(kExtendedRemapped, {{"1BPLoadingOffset", 0}, {"1BPExtendedOffset", 1}}),
       {{"1BPDepressDistOffset", 0, "D4FEFFFF"}, {"1BPDepressSpedOffset", 0, "FB"}, {"1BPRepressSpedOffset", 0, "06"},
        {"1BPOCBModeInvDirOffset1", 0, "7C"}, {"1BPOCBModeInvDirOffset2", 0, "7F"}, {"1BPInvertDirFirstOffset", 0, "03"},
        {"1BPInvertDirSecndOffset", 0, "7F"}, {"1BPInvertDirThirdOffset", 0, "03"}},
       true},
  });
}

// The squishy block's box is held to a byte by the pass itself.
TEST_F(SilentPassTest, SquishyTimerBoxBecomesAByte) {
  start();
  objects().Text1[14].setText("200");
  pass();
  EXPECT_EQ(objects().Text1[14].text(), "127");
}

TEST_F(SilentPassTest, ObjectValuesThatAreNoNumberRollBack) {
  expectRollBacks({
      [](Form1&) { objects().Text1[2].setText("x"); },
      [](Form1&) { objects().Text1[6].setText(""); },
      [](Form1&) { objects().Text1[19].setText("1a"); },
  });
}

// A key the config lacks is an error even where the write adds a displacement to it.
TEST_F(SilentPassTest, MissingOffsetWithADisplacementRollsBack) {
  configWithout("SqyishyTrembleOffset=");
  shell::ResetVersionTables();
  start();
  objects().Check2.setValue(1);
  pass();
  expectRolledBack(reflayout::referenceExecutable(), "SqyishyTrembleOffset");
}

}  // namespace
}  // namespace olvex::customizers::test
