// The ITEMS stage through silent runs: the chosen combinations written into the item code, and
// a combination or a layout that cannot be written rolls the pass back.
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

TEST_F(SilentPassTest, ItemCombinationsWriteTheChosenItems) {
  writeConfig({{"Combo00", "83,1"}, {"Combo07", "76,0"}, {"Combo08", "80,0"}, {"Combo15", "39,0"},
               {"Combo16", "67,1"}, {"Combo19", "73,0"}, {"Combo20", "12,0"}, {"Combo03", "3,1"}});
  expectRuns({
      {"ItemProcOffset", 7, "C605DADF800001"}, {"ItemFocusBaseOffset", 0, "7000"},
      {"ItemProcOffset", 119, "C605D3DF800009"}, {"ItemFocusBaseOffset", 70, "0000"},
      {"ItemProcOffset", 128, "66FF05FBDF8000"}, {"ItemFocusBaseOffset", 80, "1400"},
      {"ItemProcOffset", 240, "800DF0DF800008"}, {"ItemFocusBaseOffset", 150, "4C00"},
      {"ItemProcOffset", 256, "800DF5DF800080"}, {"ItemFocusBaseOffset", 160, "6800"},
      {"ItemProcOffset", 304, "800DDBDF800004"}, {"ItemFocusBaseOffset", 190, "7200"},
      {"ItemProcOffset", 320, "800DEDDF800001"}, {"ItemFocusBaseOffset", 200, "3100"},
  });
}

TEST_F(SilentPassTest, ACombinationWithoutAnItemRollsBack) {
  for (const char* value : {"84,0", "255,1"}) {
    SCOPED_TRACE(value);
    restoreExecutable();
    host.messages.clear();
    writeConfig({{"Combo09", value}});
    run();
    expectRolledBack();
    ui::Forms::reset();
  }
}

// The slot is checked before the displacement is added: the stage never writes near the header.
TEST_F(SilentPassTest, AMissingItemOffsetRollsBack) {
  configWithout("ItemProcOffset=");
  patcher::test::putBytes(dir.file("syntax.fln"), std::string(furr::BuiltInCommandSetText()) + "\r\n");
  start();
  pass();
  expectRolledBack(reflayout::referenceExecutable(), "ItemProcOffset");
}

}  // namespace
}  // namespace olvex::customizers::test
