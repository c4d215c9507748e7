// LIMITS: the limits dialog's bar maxima with their multipliers and dividers, the medkit limit,
// the critical thresholds, the air restoration and the bike nitro drain.
#include "customizers/limits/dialog.h"

#include "customizers/frame/dialog_rows.h"
#include "customizers/frame/stage_vocabulary.h"
#include "patcher/value_paths.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using namespace stage;

template <int I, std::string (*Convert)(const std::string&)>
constexpr patcher::Hex field() { return C(&rows::valueOf<CustLimits, &CustLimits::Text2, I, Convert>); }

// The nitro drain is stored as the byte -1 minus the rate (FE for the rate 1).
std::string nitroByte(const std::string& rate) {
  return patcher::IntHex(shell::NumberText(-1 - patcher::StrictValue(rate)), 2);
}

constexpr auto maxHP = field<0, rows::Word>();
constexpr auto medkits = field<1, rows::Word>();
constexpr auto rawHP = field<3, rows::SwappedHex8>();
constexpr auto dividerHP = field<4, rows::Hex2>();
constexpr auto maxAir = field<5, rows::Word>();
constexpr auto rawAir = field<6, rows::SwappedHex8>();
constexpr auto shiftAir = field<7, rows::Hex2>();

const Row kLimitsRows[] = {
    {always, At{"MaxHPBarOffset#", 2}, {maxHP}},
    {always, At{"CritRawHPBarRangeOffset"}, {rawHP}},
    {always, At{"CritDividerOffset"}, {dividerHP}},
    {always, At{"NormRawHPBarRangeOffset"}, {rawHP}},
    {always, At{"NormDividerOffset"}, {dividerHP}},
    {always, At{"BigMedkitHPLimitOffset"}, {medkits}},
    {always, At{"SmallMedkitHPLimitOffset"}, {medkits}},
    {always, At{"NormalCritThreshOffset"}, {field<2, rows::Word>()}},
    {always, At{"CommonMedkitLimitOffset"}, {medkits}},
    {always, At{"HotkeyBigMedkitOffset"}, {medkits}},
    {always, At{"MaxHPBarOffset3"}, {maxHP}},
    {always, At{"MaxHPBarOffset4"}, {maxHP}},
    {always, At{"MaxHPBarOffset5"}, {maxHP}},
    {always, At{"MaxHPBarOffset6"}, {maxHP}},
    {always, At{"MaxAPBarOffset#", 6}, {maxAir}},
    {always, At{"APLimiter#Offset", 2}, {maxAir}},
    {always, At{"NormRawAPBarRangeOffset"}, {rawAir}},
    {always, At{"NormAPDividerOffset"}, {shiftAir}},
    {always, At{"CritRawAPBarRangeOffset"}, {rawAir}},
    {always, At{"CritAPDividerOffset"}, {shiftAir}},
    {always, At{"NormalCritAPThreshOffset"}, {field<9, rows::Word>()}},
    {always, At{"APRestorationRateOffset"}, {field<8, rows::Word>()}},
    {always, At{"MaxSPBarOffset#", 3}, {field<10, rows::Byte>()}},
    {always, At{"RawSPBarRangeOffset"}, {field<12, rows::SwappedHex8>()}},
    {always, At{"SPDividerOffset"}, {field<11, rows::Hex2>()}},
    {always, At{"NitroRestorationRate"}, {field<13, nitroByte>()}},
};

}  // namespace

void WriteLimits(platform::RandomAccessFile& file) {
  patcher::WriteRows(file, ui::Forms::get<shell::Form1>(), kLimitsRows);
}

}  // namespace olvex::customizers
