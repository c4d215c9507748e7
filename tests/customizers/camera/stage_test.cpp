// The camera in whole passes: distances, heights, speed, the field of view and its restore, the
// switches the main stage writes, and values that are no number roll back.
#include "customizers/camera/dialog.h"
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

using shell::Form1;

CustCamera& camera() { return ui::Forms::get<CustCamera>(); }

// 90 degrees: 18720 units.
const PassBytes kFov90 = {{"FOVModOffset2", 1, "2049"},   {"ResetFOVOffset1", 0, "2049"},
                          {"ResetFOVOffset2", 0, "2049"}, {"ResetFOVOffset3", 0, "2049"},
                          {"ResetFOVOffset4", 0, "2049"}};

TEST_F(SilentPassTest, CameraValuesAndSwitches) {
  expectPasses({
      {"distances, heights, speed, field of view and unified camera",
       [](Form1&) {
         auto& c = camera();
         c.Text1[2].setText("2048");
         c.Text1[1].setText("20");
         c.Text1[4].setText("1820");
         c.Text1[0].setText("1024");
         c.Text1[5].setText("300");
         c.Check1.setValue(1);
         c.Text1[3].setText("90");
         c.Check2.setValue(1);
       },
       {{"FOVModOffset1", 0}, {"FOVModOffset2", 0}, {"UnifyBattleCameraOffset#", 0}},
       {{"NormCameraDistOffset", 0, "0008"}, {"NormCameraFollowOffset", 0, "14"}, {"NormCameraTopOffset", 0, "E4F8"},
        {"LookDistanceOffset", 0, "00FCFFFF"}, {"AddOnBattleCameraYOffset", 0, "2C010000"},
        {"FOVModOffset2", 1, "2049"}, {"ResetFOVOffset1", 0, "2049"}, {"ResetFOVOffset2", 0, "2049"},
        {"ResetFOVOffset3", 0, "2049"}, {"ResetFOVOffset4", 0, "2049"}}},
      {"field of view off restores the game's", [](Form1&) { plant(kFov90); }, {}, {}, false,
       {{"FOVModOffset1", 0}, {"FOVModOffset2", 0}, {"UnifyBattleCameraOffset#", 0}}},
      {"greyed field of view writes nothing",
       [](Form1&) {
         plant(kFov90);
         camera().Check1.setValue(2);
       },
       {{"FOVModOffset1", 0}, {"FOVModOffset2", 0}}, kFov90, false, {{"FOVModOffset1", 0}, {"FOVModOffset2", 0}}},
      {"a lone sign or a sign after the digits, typed, left and applied, is written as its number",
       [](Form1&) {
         auto& c = camera();
         c.show();
         for (auto [box, typed] : {std::pair{0, "-"}, {4, "7-"}, {5, "-"}}) {
           c.Text1[box].setFocus();
           c.Text1[box].setText("");
           c.Text1[box].typeText(typed);
         }
         c.Command1.setFocus();
         c.Command1.userClick();
       },
       {},
       {{"LookDistanceOffset", 0, "00000000"}, {"NormCameraTopOffset", 0, "F9FF"}, {"AddOnBattleCameraYOffset", 0, "00000000"}}},
      {"free camera switches reach the main stage",
       [](Form1&) {
         camera().Check10.setValue(1);
         camera().Check9.setValue(1);
       },
       {{"LockCameraOffset", 0}, {"StickCameraOffset", 0}}},
  });
}

TEST_F(SilentPassTest, CameraValuesThatAreNoNumberRollBack) {
  expectRollBacks({
      [](Form1&) { camera().Text1[4].setText(""); },
      [](Form1&) { camera().Text1[0].setText("abc"); },
  });
}

}  // namespace
}  // namespace olvex::customizers::test
