// The LIMITS stage in a whole pass: every limit at each of its places, and the nitro drain off.
#include "customizers/limits/dialog.h"
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

using shell::Form1;

TEST_F(SilentPassTest, LimitSettings) {
  expectPasses({
      {"limits",
       [](Form1&) {
         const char* values[] = {"32767", "500", "100", "3200640", "2",  "129", "FE03F810",
                                 "7",     "127", "0",   "65",      "06", "FC0FC0FD", "127"};
         for (int i = 0; i < 14; ++i) ui::Forms::get<CustLimits>().Text2[i].setText(values[i]);
       },
       {},
       {{"MaxHPBarOffset1", 0, "FF7F"}, {"MaxHPBarOffset2", 0, "FF7F"}, {"MaxHPBarOffset3", 0, "FF7F"},
        {"MaxHPBarOffset4", 0, "FF7F"}, {"MaxHPBarOffset5", 0, "FF7F"}, {"MaxHPBarOffset6", 0, "FF7F"},
        {"CritRawHPBarRangeOffset", 0, "40062003"}, {"NormRawHPBarRangeOffset", 0, "40062003"},
        {"CritDividerOffset", 0, "02"}, {"NormDividerOffset", 0, "02"}, {"BigMedkitHPLimitOffset", 0, "F401"},
        {"SmallMedkitHPLimitOffset", 0, "F401"}, {"CommonMedkitLimitOffset", 0, "F401"},
        {"HotkeyBigMedkitOffset", 0, "F401"}, {"NormalCritThreshOffset", 0, "6400"}, {"MaxAPBarOffset1", 0, "8100"},
        {"MaxAPBarOffset2", 0, "8100"}, {"MaxAPBarOffset3", 0, "8100"}, {"MaxAPBarOffset4", 0, "8100"},
        {"MaxAPBarOffset5", 0, "8100"}, {"MaxAPBarOffset6", 0, "8100"}, {"APLimiter1Offset", 0, "8100"},
        {"APLimiter2Offset", 0, "8100"}, {"NormRawAPBarRangeOffset", 0, "10F803FE"},
        {"CritRawAPBarRangeOffset", 0, "10F803FE"}, {"NormAPDividerOffset", 0, "07"},
        {"CritAPDividerOffset", 0, "07"}, {"NormalCritAPThreshOffset", 0, "0000"},
        {"APRestorationRateOffset", 0, "7F00"}, {"MaxSPBarOffset1", 0, "41"}, {"MaxSPBarOffset2", 0, "41"},
        {"MaxSPBarOffset3", 0, "41"}, {"RawSPBarRangeOffset", 0, "FDC00FFC"}, {"SPDividerOffset", 0, "06"},
        {"NitroRestorationRate", 0, "80"}}},
      {"no nitro drain", [](Form1&) { ui::Forms::get<CustLimits>().Text2[13].setText("0"); }, {},
       {{"NitroRestorationRate", 0, "FF"}}},
  });
}

}  // namespace
}  // namespace olvex::customizers::test
