// The PHYSICS stage in a whole pass: every turn rate at its place, the short forms, the gravities
// and the three switches in all their states.
#include "customizers/physics/dialog.h"
#include "customizers/silent_pass.h"
#include "shell/conversions.h"

namespace olvex::customizers::test {
namespace {

using shell::Form1;

CustPhys& physics() { return ui::Forms::get<CustPhys>(); }

TEST_F(SilentPassTest, PhysicsSettings) {
  expectPasses({
      {"turn rates go where their field says",
       [](Form1&) {
         // Each field holds A1 and its own index, so the pairing of fields and positions shows.
         for (int i : physics().Text2.indexes()) physics().Text2[i].setText("A1" + shell::TrueHex2(std::to_string(i), 2));
       },
       {},
       {{"OnGroundFrontLeftOffset", 0, "01A1"},    {"OnGroundFrontRiteOffset", 0, "02A1"},
        {"OnGroundBackLeftOffset", 0, "06A1"},     {"OnGroundBackRiteOffset", 0, "05A1"},
        {"InAirFrontLeftOffset", 0, "07A1"},       {"InAirFrontRightOffset", 0, "08A1"},
        {"SwimSpeedOffset", 0, "0AA1"},            {"SwimRotLeftOffset", 0, "00A1"},
        {"SwimRotRightOffset", 0, "03A1"},         {"RotStandLeftOffset", 0, "04A1"},
        {"RotStandRightOffset", 0, "09A1"},        {"RotSwingStillLeftOffset", 0, "0DA1"},
        {"RotSwingStillRightOffset", 0, "0CA1"},   {"RotSwingMoveLeftOffset", 0, "0BA1"},
        {"RotSwingMoveRightOffset", 0, "0EA1"},    {"DuckStop1LeftOffset", 0, "12A1"},
        {"DuckStop1RightOffset", 0, "1DA1"},       {"DuckStop2LeftOffset", 0, "1EA1"},
        {"DuckStop2RightOffset", 0, "11A1"},       {"DuckMoveForwardLeftOffset", 0, "10A1"},
        {"DuckMoveForwardRightOffset", 0, "1BA1"}, {"DuckMoveBackRightOffset", 0, "1CA1"},
        {"DuckMoveBackLeftOffset", 0, "0FA1"},     {"RopeRightOffset", 0, "17A1"},
        {"RopeLeftOffset", 0, "14A1"},             {"PoleLeftOffset", 0, "13A1"},
        {"PoleRightOffset", 0, "18A1"}}},
      {"short turn rates fill both bytes; gravities wrap; switches on",
       [](Form1&) {
         auto& d = physics();
         d.Text2[1].setText("FF");
         d.Text2[2].setText("");
         d.Text2[10].setText("ABC");
         d.Text1[1].setText("300");
         d.Text1[2].setText("0");
         d.Text1[3].setText("127");
         for (auto box : {&CustPhys::Check1, &CustPhys::Check2, &CustPhys::Check3}) (d.*box).setValue(1);
       },
       {{"ExplodeMotorbikeOffset", 0}, {"ExplodeJeepOffset", 0}, {"GrabClimbDelayOffset", 0}},
       {{"OnGroundFrontLeftOffset", 0, "FF00"}, {"OnGroundFrontRiteOffset", 0, "0000"}, {"SwimSpeedOffset", 0, "BC0A"},
        {"ShellGravityOffset", 0, "2C"}, {"JumpGravityOffset", 0, "00"}, {"FallingDamageOffset", 0, "7F"}}},
      {"greyed switches write the game's bytes",
       [](Form1&) {
         for (auto box : {&CustPhys::Check1, &CustPhys::Check2, &CustPhys::Check3}) (physics().*box).setValue(2);
       },
       {}},
  });
}

}  // namespace
}  // namespace olvex::customizers::test
