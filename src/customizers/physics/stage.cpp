// PHYSICS: the physics dialog's turn rates, speed, gravities, falling damage and switches.
#include "customizers/physics/dialog.h"

#include "customizers/frame/dialog_rows.h"
#include "customizers/frame/stage_vocabulary.h"

namespace olvex::customizers {

namespace {

using namespace stage;

template <int I>
constexpr patcher::Hex turn() { return C(&rows::valueOf<CustPhys, &CustPhys::Text2, I, rows::SwappedHex4>); }
template <int I>
constexpr patcher::Hex byte() { return C(&rows::valueOf<CustPhys, &CustPhys::Text1, I, rows::Byte>); }
template <ui::CheckBox CustPhys::*Box>
constexpr auto test = &rows::test<CustPhys, Box>;

// The pairing is by field: for the back ground turn, the backward duck move and the rope, the
// side of the field's key and the side of the offset key differ.
const Row kPhysicsRows[] = {
    {always, At{"OnGroundFrontLeftOffset"}, {turn<1>()}},
    {always, At{"OnGroundFrontRiteOffset"}, {turn<2>()}},
    {always, At{"OnGroundBackLeftOffset"}, {turn<6>()}},
    {always, At{"OnGroundBackRiteOffset"}, {turn<5>()}},
    {always, At{"InAirFrontLeftOffset"}, {turn<7>()}},
    {always, At{"InAirFrontRightOffset"}, {turn<8>()}},
    {always, At{"SwimSpeedOffset"}, {turn<10>()}},
    {always, At{"SwimRotLeftOffset"}, {turn<0>()}},
    {always, At{"SwimRotRightOffset"}, {turn<3>()}},
    {always, At{"RotStandLeftOffset"}, {turn<4>()}},
    {always, At{"RotStandRightOffset"}, {turn<9>()}},
    {always, At{"RotSwingStillLeftOffset"}, {turn<13>()}},
    {always, At{"RotSwingStillRightOffset"}, {turn<12>()}},
    {always, At{"RotSwingMoveLeftOffset"}, {turn<11>()}},
    {always, At{"RotSwingMoveRightOffset"}, {turn<14>()}},
    {always, At{"DuckStop1LeftOffset"}, {turn<18>()}},
    {always, At{"DuckStop1RightOffset"}, {turn<29>()}},
    {always, At{"DuckStop2LeftOffset"}, {turn<30>()}},
    {always, At{"DuckStop2RightOffset"}, {turn<17>()}},
    {always, At{"DuckMoveForwardLeftOffset"}, {turn<16>()}},
    {always, At{"DuckMoveForwardRightOffset"}, {turn<27>()}},
    {always, At{"DuckMoveBackRightOffset"}, {turn<28>()}},
    {always, At{"DuckMoveBackLeftOffset"}, {turn<15>()}},
    {always, At{"RopeRightOffset"}, {turn<23>()}},
    {always, At{"RopeLeftOffset"}, {turn<20>()}},
    {always, At{"PoleLeftOffset"}, {turn<19>()}},
    {always, At{"PoleRightOffset"}, {turn<24>()}},
    {always, At{"ShellGravityOffset"}, {byte<1>()}},
    {always, At{"JumpGravityOffset"}, {byte<2>()}},
    {always, At{"FallingDamageOffset"}, {byte<3>()}},
    {test<&CustPhys::Check1>, At{"ExplodeMotorbikeOffset"}, {L("74"), L("EB")}},
    {test<&CustPhys::Check2>, At{"ExplodeJeepOffset"}, {L("74"), L("EB")}},
    {test<&CustPhys::Check3>, At{"GrabClimbDelayOffset"}, {F("GrabClimbDelayDefData"), L("909090909090")}},
};

}  // namespace

void WritePhysics(platform::RandomAccessFile& file) {
  patcher::WriteRows(file, ui::Forms::get<shell::Form1>(), kPhysicsRows);
}

}  // namespace olvex::customizers
