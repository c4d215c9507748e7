// What the main window shows during a pass, where the pass yields, and the writers' hand-off.
#include <utility>
#include <vector>

#include "pass_fixture.h"
#include "patcher/progress.h"
#include "platform/files.h"

namespace olvex::patcher::test {
namespace {

using Step = std::pair<std::string, int>;  // caption, progress (0..128)

TEST_F(PassTest, ShowsEveryStageYieldsFiveTimesAndRunsEachWriterAtItsStage) {
  shell::Form1& f = start();
  // The bar's width in units of the full bar, which fills the frame inside the bar's margin.
  int margin = f.Shape4.left() - f.Shape3.left(), inner = f.Shape3.width() - 2 * margin;
  ASSERT_GE(inner, kFullProgress);
  auto now = [&] { return Step{f.Label10.caption(), (f.Shape4.width() * kFullProgress + inner - 1) / inner}; };
  std::vector<Step> shown, atYields;
  f.Label10.viewHook = [&] {
    if (f.Label10.visible() && (shown.empty() || shown.back().first != f.Label10.caption())) shown.push_back(now());
  };
  host.onYield = [&] {
    EXPECT_TRUE(f.Label10.visible() && f.Shape3.visible() && f.Shape4.visible());
    atYields.push_back(now());
  };
  // Each writer sees what the one before wrote into the working copy, and the last one's byte stays.
  const std::int64_t at = positionOf("LTOffset");
  std::vector<std::string> writers;
  auto writer = [&](const char* byte) {
    return [&, byte](platform::RandomAccessFile& file) {
      writers.push_back(f.Label10.caption() + " after " + file.read(at, 1));
      file.write(at, byte);
    };
  };
  passHooks().StageWriters["FLIPEFFECTS"] = writer("1");
  passHooks().StageWriters["RACETIMER"] = writer("2");
  passHooks().StageWriters["DRACO"] = writer("3");

  pass();

  EXPECT_EQ(shown, (std::vector<Step>{
                       {"MAIN", 0},         {"SIZE", 20},     {"CAMERA", 20},   {"WEAPON", 25},  {"BARS", 35},
                       {"FONTS", 40},       {"GFX1", 45},     {"GFX2", 50},     {"LIGHT", 55},   {"INVENTORY", 60},
                       {"ITEMS", 65},       {"ENEMY", 70},    {"PHYSICS", 75},  {"LIMITS", 80},  {"DAMAGE", 85},
                       {"SOUND", 90},       {"TRAP", 95},     {"CREDITS", 100}, {"FLIPEFFECTS", 105},
                       {"RACETIMER", 112},  {"DRACO", 118},   {"DONE", 128},
                   }));
  EXPECT_EQ(atYields, (std::vector<Step>{{"MAIN", 0}, {"DAMAGE", 85}, {"FLIPEFFECTS", 105},
                                         {"RACETIMER", 112}, {"DRACO", 118}}));
  EXPECT_EQ(host.yields, 5);
  EXPECT_EQ(writers, (std::vector<std::string>{"FLIPEFFECTS after t", "RACETIMER after 1", "DRACO after 2"}));
  EXPECT_EQ(hexAt(exeBytes(), "LTOffset", 0, 1), "33");
  EXPECT_EQ(f.Shape4.width(), inner);  // "DONE" fills the frame
  EXPECT_FALSE(f.Label10.visible() || f.Shape3.visible() || f.Shape4.visible());
}

}  // namespace
}  // namespace olvex::patcher::test
