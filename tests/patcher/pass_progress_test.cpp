// What the main window shows during a pass, where the pass yields, and the writers' hand-off.
#include <utility>
#include <vector>

#include "pass_fixture.h"
#include "patcher/progress.h"
#include "platform/files.h"
#include "shell/unload_all.h"

namespace olvex::patcher::test {
namespace {

using Step = std::pair<std::string, int>;  // caption, progress (0..128)

const std::vector<Step> kStages = {
    {"MAIN", 0},         {"SIZE", 20},     {"CAMERA", 20},   {"WEAPON", 25},  {"BARS", 35},
    {"FONTS", 40},       {"GFX1", 45},     {"GFX2", 50},     {"LIGHT", 55},   {"INVENTORY", 60},
    {"ITEMS", 65},       {"ENEMY", 70},    {"PHYSICS", 75},  {"LIMITS", 80},  {"DAMAGE", 85},
    {"SOUND", 90},       {"TRAP", 95},     {"CREDITS", 100}, {"FLIPEFFECTS", 105},
    {"RACETIMER", 112},  {"DRACO", 118},   {"DONE", 128},
};

TEST_F(PassTest, ShowsEveryStageAndYieldsFiveTimes) {
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
  std::vector<std::string> writers;
  auto writer = [&](const char* name) {
    return [&, name](platform::RandomAccessFile&) { writers.push_back(name + std::string(" at ") + f.Label10.caption()); };
  };
  passHooks().StageWriters["FLIPEFFECTS"] = writer("flips");
  passHooks().StageWriters["RACETIMER"] = writer("race");
  passHooks().StageWriters["DRACO"] = writer("draco");

  pass();

  EXPECT_EQ(shown, kStages);
  EXPECT_EQ(atYields, (std::vector<Step>{{"MAIN", 0}, {"DAMAGE", 85}, {"FLIPEFFECTS", 105},
                                         {"RACETIMER", 112}, {"DRACO", 118}}));
  EXPECT_EQ(host.yields, 5);
  EXPECT_EQ(writers, (std::vector<std::string>{"flips at FLIPEFFECTS", "race at RACETIMER", "draco at DRACO"}));
  EXPECT_EQ(f.Shape4.width(), inner);  // "DONE" fills the frame
  EXPECT_FALSE(f.Label10.visible() || f.Shape3.visible() || f.Shape4.visible());
}

TEST_F(PassTest, WritersWriteIntoTheCommittedCopyAndHaveTheLastWord) {
  start();
  std::int64_t at = positionOf("LTOffset");
  passHooks().StageWriters["FLIPEFFECTS"] = [at](platform::RandomAccessFile& file) { file.write(at, "\x11"); };
  passHooks().StageWriters["DRACO"] = [at](platform::RandomAccessFile& file) {
    EXPECT_EQ(file.read(at, 1), "\x11");
    file.write(at, "\x22");
  };
  pass();
  EXPECT_EQ(hexAt(exeBytes(), "LTOffset", 0, 1), "22");
}

TEST_F(PassTest, ModifyButtonAsksThenPatchesWithModifyAndQuitDisabled) {
  shell::Form1& f = start();
  f.Check9.setValue(1);
  std::vector<bool> enabledDuringPass;
  host.onYield = [&] { enabledDuringPass.push_back(f.Command3.enabled() || f.Command1.enabled()); };
  host.answers = {ui::MsgAnswer::Cancel};
  f.Command3.userClick();
  EXPECT_EQ(exeBytes().size(), reflayout::kStandardLength);
  host.answers = {ui::MsgAnswer::Ok};
  f.Command3.userClick();
  EXPECT_EQ(exeBytes().size(), kExtendedLength);
  // The handler's own yield before its question, then the five of the pass.
  EXPECT_EQ(enabledDuringPass, (std::vector<bool>{true, true, false, false, false, false, false}));
  EXPECT_TRUE(f.Command3.enabled() && f.Command1.enabled());
}

TEST_F(PassTest, SilentModePatchesAtStartUpAndUnloadsTheWindows) {
  std::string text(shell::BuiltInConfigText());
  for (auto [from, to] : {std::pair{"SilentPatch=0", "SilentPatch=1"}, std::pair{"ExtendExeSize=0", "ExtendExeSize=1"}}) {
    auto at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, std::string(from).size(), to);
  }
  putBytes(dir.file("olvex.cfg"), text);
  ui::Forms::get<shell::Form1>();
  EXPECT_EQ(exeBytes().size(), kExtendedLength);
  EXPECT_FALSE(ui::Forms::loaded<shell::Form1>());
  EXPECT_FALSE(workingCopyLeft());
  EXPECT_TRUE(host.shown.empty());
}

}  // namespace
}  // namespace olvex::patcher::test
