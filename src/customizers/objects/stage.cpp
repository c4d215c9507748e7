// TRAP: the one-block platform (in the extended area), spikes, the two-block platform, darts, the
// raising and falling blocks, squishy block 2, the boulder, the slicer-dicer and the conductor.
#include "customizers/objects/dialog.h"

#include "customizers/frame/dialog_rows.h"
#include "customizers/frame/stage_vocabulary.h"
#include "patcher/value_paths.h"
#include "shell/number_text.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using namespace stage;
using D = CustObj;

template <int I, std::string (*Convert)(const std::string&)>
constexpr patcher::Hex box() { return C(&rows::valueOf<D, &D::Text1, I, Convert>); }

// A box's number (strict) times a factor plus an addend, in `width` hex digits.
template <int I, int Factor, int Addend, int Width>
std::string scaled(const shell::Form1&) {
  double v = patcher::StrictValue(rows::text<D, &D::Text1, I>());
  return patcher::IntHex(shell::NumberText(v * Factor + Addend), Width);
}

// The darts' colour in the game's order: blue, green, red.
std::string dartsColour(const shell::Form1&) {
  return rows::Byte(rows::text<D, &D::Text1, 17>()) + rows::Byte(rows::text<D, &D::Text1, 16>()) +
         rows::Byte(rows::text<D, &D::Text1, 15>());
}

// The one-block platform needs "enable" and the extended executable: off (0), or the standard
// (1) or remapped (2) variant of its code.
bool oneBlockOn(const shell::Form1& f) { return f.Check9.value() == 1 && rows::value<D, &D::Check10>() == 1; }
int oneBlock(const shell::Form1& f) { return oneBlockOn(f) ? patcher::select::variant(f) : 0; }
int oneBlockCode(const shell::Form1& f) { return oneBlockOn(f) ? patcher::select::variant(f) : kNothing; }
template <ui::CheckBox D::*Box>
int oneBlockChoice(const shell::Form1& f) {
  return oneBlockOn(f) ? rows::choice<D, Box>(f) : kNothing;
}

// Squishy block 2: "more" (1) moves the tremble writes one byte further; `Plus` selects them.
template <int Plus>
int squishyAt(const shell::Form1&) {
  return rows::value<D, &D::Check2>() == Plus ? 0 : kNothing;
}
template <int Plus>
int squishyTremble(const shell::Form1& f) {
  return squishyAt<Plus>(f) == kNothing ? kNothing : rows::test<D, &D::Check3>(f);
}

constexpr auto twoBlockToo = &rows::choice<D, &D::Check4>;
constexpr auto twoBlock = &rows::choice<D, &D::Check1>;
constexpr auto oneBlockToo = &oneBlockChoice<&D::Check8>;
constexpr auto squishy = &rows::choice<D, &D::Check2>;

const Row kTrapRows[] = {
    {oneBlock, At{"1BPLoadingOffset"}, {F("1BPDefltLoadingData"), F("1BPNoRelLoadingData"), F("1BPRelocLoadingData")}},
    {oneBlockCode, At{"1BPExtendedOffset"}, {kNone, F("1BPNoRelData"), F("1BPRelocData")}},
    {oneBlockToo, At{"1BPDepressDistOffset"}, {box<21, rows::Long>(), box<21, rows::NegLong>()}},
    {oneBlockToo, At{"1BPDepressSpedOffset"}, {box<22, rows::Byte>(), box<22, rows::NegByte>()}},
    {oneBlockToo, At{"1BPRepressSpedOffset"}, {box<23, rows::NegByte>(), box<23, rows::Byte>()}},
    {oneBlockToo, At{"1BPOCBModeInvDirOffset1"}, {L("7D"), L("7C")}},
    {oneBlockToo, At{"1BPOCBModeInvDirOffset2"}, {L("7E"), L("7F")}},
    {oneBlockChoice<&D::Check9>, At{"1BPInvertDirFirstOffset"}, {L("2B"), L("03")}},
    {oneBlockChoice<&D::Check9>, At{"1BPInvertDirSecndOffset"}, {L("7E"), L("7F")}},
    {oneBlockChoice<&D::Check9>, At{"1BPInvertDirThirdOffset"}, {L("2B"), L("03")}},
    {always, At{"SpikeTimerOffset"}, {box<0, rows::Word>()}},
    {twoBlockToo, At{"2BPDepressDistOffset"}, {box<4, rows::Long>(), box<4, rows::NegLong>()}},
    {twoBlockToo, At{"2BPDepressSpedOffset"}, {box<5, rows::Byte>(), box<5, rows::NegByte>()}},
    {twoBlockToo, At{"2BPRepressSpedOffset"}, {box<6, rows::NegByte>(), box<6, rows::Byte>()}},
    {twoBlockToo, At{"2BPOCBModeInvDirOffset1"}, {L("7D"), L("7C")}},
    {twoBlockToo, At{"2BPOCBModeInvDirOffset2"}, {L("7E"), L("7F")}},
    {always, At{"ProngStretchSpeedOffset"}, {box<1, rows::Byte>()}},
    {always, At{"RetractionSpeedOffset"}, {box<11, rows::Word>()}},
    {twoBlock, At{"2BPInvertDirFirstOffset"}, {L("2B"), L("03")}},
    {twoBlock, At{"2BPInvertDirSecndOffset"}, {L("7E"), L("7F")}},
    {twoBlock, At{"2BPInvertDirThirdOffset"}, {L("2B"), L("03")}},
    {always, At{"DartsIntervalOffset"}, {box<12, rows::Word>()}},
    {always, At{"DartsSpeedOffset"}, {box<13, rows::Word>()}},
    {always, At{"DartsColourOffset"}, {C(dartsColour)}},
    // The raising block's height is in clicks of 256 units.
    {always, At{"RBActualHeightOffset"}, {C(scaled<2, -256, 0, 8>)}},
    {always, At{"RB1ReloadHeightOffset"}, {C(scaled<2, -256, 0, 8>)}},
    {always, At{"RB2ReloadHeightOffset"}, {C(scaled<2, -512, 0, 8>)}},
    {always, At{"RBSpeedOffset"}, {box<3, rows::Byte>()}},
    {always, At{"RBRetractedHeightOffset"}, {C(scaled<2, 256, 0, 8>)}},
    {always, At{"RBRetractionSpeedOffset"}, {box<3, rows::NegByte>()}},
    {&rows::choice<D, &D::Check6>, At{"RBFakeHeightOffset"}, {L("0010"), C(scaled<2, 1024, 0, 4>)}},
    {always, At{"2BPFixVisibilityOffset"}, {F("TwoBlock15ModeFixDefData")}},
    {always, At{"FallinBlockTimerOffset"}, {box<7, rows::Word>()}},
    {always, At{"FallinBlockTrmOffset#", 2}, {box<8, rows::Long>()}},
    {squishy, At{"SqyishyTimerOffset", 1, -4}, {F("SqyishyDefData"), F("SqyishyModData")}},
    {squishy, At{"SqyishyTimerOffset"}, {box<14, rows::Byte>(), box<14, rows::Word>()}},
    {squishyAt<0>, At{"SqyishyTrembleOffset"}, {box<18, rows::NegLong>()}},
    {squishyAt<1>, At{"SqyishyTrembleOffset", 1, 1}, {box<18, rows::NegLong>()}},
    {squishyTremble<0>, At{"SqyishyTrembleDisOffset"}, {F("SqyishyTrembleDefData"), L("9090909090")}},
    {squishyTremble<1>, At{"SqyishyTrembleDisOffset", 1, 1}, {F("SqyishyTrembleDefData"), L("9090909090")}},
    {always, At{"BoulderGravityOffset"}, {box<10, rows::Byte>()}},
    {always, At{"SlicerDicerSpeedOffset"}, {box<9, rows::Long>()}},
    {always, At{"SlicerDicerRadiusOffset#", 2}, {C(scaled<19, -1, 20, 2>)}},
    {always, At{"ConductorInterval"}, {box<20, rows::Byte>()}},
};

}  // namespace

void WriteTraps(platform::RandomAccessFile& file) {
  ui::Forms::get<D>().holdSquishyTimer();
  patcher::WriteRows(file, ui::Forms::get<shell::Form1>(), kTrapRows);
}

}  // namespace olvex::customizers
