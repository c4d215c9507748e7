// A patch set beside the executable, loaded at start-up: a pass writes exactly the selected
// patch's bytes, and a patch whose requirement is not met leaves its bytes alone.
#include <gtest/gtest.h>

#include "draco/draco_fixture.h"
#include "draco/patch_list.h"
#include "draco/patch_set_writer.h"
#include "patcher/pass_fixture.h"

namespace olvex::app {
namespace {

using patcher::test::PassTest;

class DracoPassTest : public PassTest {
 protected:
  // Writes patches.drc beside the executable: "Speed" at 0-based 0x1000 (no requirement) and
  // "Extended" at 0x1010, which needs the extended executable.
  void writePatchSet() {
    draco::ClearPatchList();
    draco::PatchRecord speed = draco::test::patch("Speed");
    draco::test::slot(speed, 0, "1000", "", "CAFEBABE");
    draco::PatchRecord extended = draco::test::patch("Extended");
    extended.RequiresYiff = 1;
    draco::test::slot(extended, 0, "1010", "", "DEADBEEF");
    draco::PatchList.push_back(speed);
    draco::PatchList.push_back(extended);
    ASSERT_TRUE(draco::SavePatchSet(dir.file("patches.drc")));
    draco::ClearPatchList();
  }
};

TEST_F(DracoPassTest, SelectedPatchChangesExactlyItsBytes) {
  writePatchSet();
  start();
  draco::SetPatchSelected("Speed", 1);
  draco::SetPatchSelected("Extended", 1);
  pass();
  std::string expected = reflayout::referenceExecutable();
  expected.replace(0x1000, 4, "\xCA\xFE\xBA\xBE");
  EXPECT_EQ(patcher::test::differences(exeBytes(), expected), "");
  EXPECT_TRUE(host.texts().empty());
  EXPECT_FALSE(workingCopyLeft());
}

}  // namespace
}  // namespace olvex::app
