// DAMAGE: the health dialog's drain rates and damages, two enemy behaviour values, the mutant
// locust switch and the SAS grenade fix with its options.
#include "customizers/health/dialog.h"

#include "customizers/frame/dialog_rows.h"
#include "customizers/frame/stage_vocabulary.h"
#include "patcher/pass_decisions.h"

namespace olvex::customizers {

namespace {

using namespace stage;
using D = CustLaraHP;

template <int I, std::string (*Convert)(const std::string&)>
constexpr patcher::Hex box1() { return C(&rows::valueOf<D, &D::Text1, I, Convert>); }
template <int I, std::string (*Convert)(const std::string&)>
constexpr patcher::Hex box2() { return C(&rows::valueOf<D, &D::Text2, I, Convert>); }
template <int I>
constexpr patcher::Hex drain() { return box1<I, rows::NegByte>(); }

constexpr auto sasFix = &rows::choice<D, &D::Check2>;
constexpr auto sasOn = &rows::whenChecked<D, &D::Check2>;

// "fast kill" replaces the damage instruction while the fix is on.
int fastKill(const shell::Form1&) { return rows::value<D, &D::Check2>() == 1 && rows::value<D, &D::Check3>() == 1 ? 1 : kNothing; }

// "blow-up fatality" needs the fix, the box and the extended executable; the pass decides it
// (with the fix greyed, by the jump the file holds): the game's own code (0), or the jump and
// its procedure for the standard (1) or remapped (2) scene memory, or nothing.
int blowJump(const shell::Form1&) { return patcher::PassHook(patcher::Hook::SasBlowUp); }
int blowProc(const shell::Form1& f) { return blowJump(f) > 0 ? 1 : kNothing; }
int blowExtJump(const shell::Form1& f) { return blowJump(f) > 0 ? blowJump(f) : kNothing; }

const Row kDamageRows[] = {
    {always, At{"NoAirLeakageOffset"}, {drain<0>()}},
    {always, At{"OnFireLeakageOffset"}, {drain<1>()}},
    {always, At{"InSpikesLeakageOffset"}, {drain<2>()}},
    {always, At{"InSteamLeakageOffset"}, {drain<3>()}},
    {always, At{"InDartsLeakageOffset"}, {drain<23>()}},
    {always, At{"InProngLeakageOffset"}, {drain<25>()}},
    {always, At{"BaddyUZIDmgOffset"}, {box1<4, rows::Byte>()}},
    {always, At{"SASMachinegunDmgOffset"}, {box1<18, rows::Byte>()}},
    {always, At{"TurretDmgOffset"}, {box1<20, rows::Byte>()}},
    {always, At{"BatDmgOffset"}, {drain<6>()}},
    {always, At{"CrocodileUWDmgOffset"}, {drain<9>()}},
    {always, At{"CrocodileLANDDmgOffset"}, {drain<19>()}},
    {always, At{"LocustDmgOffset"}, {drain<8>()}},
    {always, At{"DogDmgOffset"}, {drain<16>()}},
    {always, At{"HammerheadDmgOffset"}, {drain<17>()}},
    {always, At{"HarpyDmgOffset"}, {drain<10>()}},
    {always, At{"MummyDmgOffset"}, {drain<11>()}},
    {always, At{"BaddySwordDmgOffset"}, {drain<7>()}},
    {always, At{"BigBeetleDmgOffset"}, {drain<22>()}},
    {always, At{"ScorpionDmgOffset"}, {drain<15>()}},
    {always, At{"SmallScorpionDmgOffset"}, {drain<5>()}},
    {always, At{"SetAttack1DmgParameterOffset"}, {box2<8, rows::NegWord>()}},
    {always, At{"SetAttack2DmgOffset"}, {box2<7, rows::NegWord>()}},
    {always, At{"SphinxDmgOffset"}, {box2<6, rows::NegWord>()}},
    {always, At{"SkeletonDmg1Offset"}, {drain<12>()}},
    {always, At{"SkeletonDmg2Offset"}, {drain<13>()}},
    {always, At{"KnightTemplarDmgOffset"}, {drain<21>()}},
    {always, At{"LittleBeetleDispOffset"}, {box2<5, rows::SwappedHex4>()}},
    {always, At{"MagicAttackDividerOffset"}, {box1<14, rows::Hex2>()}},
    {always, At{"WildBoarDmgOffset"}, {drain<24>()}},
    {&rows::choice<D, &D::Check1>, At{"DragonLoCutAttackOffset"}, {L("7F"), L("EB")}},
    // The SAS grenade fix: off restores the game's code, on writes the damage and threshold.
    {sasFix, At{"SASGrenadeProcOffset"}, {F("SASGrenadeDefData"), L("909090909090")}},
    {sasFix, At{"FastKillOffset"}, {L("83C0CE"), L("83C0CE")}},
    {sasOn, At{"FastKillOffset", 1, 2}, {kNone, box1<26, rows::LenientNegByte>()}},
    {sasFix, At{"FastKillOffset", 1, 48}, {L("32"), box1<27, rows::Byte>()}},
    {fastKill, At{"FastKillOffset"}, {kNone, L("33C090")}},
    {blowProc, At{"BlowExtOffset"}, {kNone, F("BlowProcData")}},
    {blowJump, At{"BlowOffset"}, {F("BlowModDefData"), F("BlowModNoRelData"), F("BlowModYoRelData")}},
    {blowExtJump, At{"BlowExtJmpOffset"}, {kNone, F("BlowProcJumpNoRel"), F("BlowProcJumpYoRel")}},
};

}  // namespace

void WriteDamage(platform::RandomAccessFile& file) {
  patcher::WriteRows(file, ui::Forms::get<shell::Form1>(), kDamageRows);
}

}  // namespace olvex::customizers
