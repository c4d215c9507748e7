// Whole passes over the reference executable with the physics, limits and health dialogs set:
// exactly their bytes change.
#include <vector>

#include "customizers/health/dialog.h"
#include "customizers/limits/dialog.h"
#include "customizers/physics/dialog.h"
#include "pass_fixture.h"

namespace olvex::patcher::test {
namespace {

using customizers::CustLaraHP;
using customizers::CustLimits;
using customizers::CustPhys;
using shell::Form1;
using ui::Forms;

void sasFix(int fix, int fastKill, int blow) {
  auto& d = Forms::get<CustLaraHP>();
  d.Check2.setValue(fix);
  d.Check3.setValue(fastKill);
  d.Check4.setValue(blow);
}


TEST_F(PassTest, EachRulesDialogSettingWritesItsBytesAndNothingElse) {
  const auto setTexts = [](ui::ControlArray<ui::TextBox>& boxes, std::vector<std::pair<int, const char*>> texts) {
    for (auto [index, text] : texts) boxes[index].setText(text);
  };
  expectPasses({
      {"turn rates go where their field says",
       [](Form1&) {
         // Each field holds A1 and its own index, so the pairing of fields and positions shows.
         auto& d = Forms::get<CustPhys>();
         for (int i : d.Text2.indexes()) d.Text2[i].setText("A1" + shell::TrueHex2(std::to_string(i), 2));
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
       [&](Form1&) {
         auto& d = Forms::get<CustPhys>();
         setTexts(d.Text2, {{1, "FF"}, {2, ""}, {10, "ABC"}});
         setTexts(d.Text1, {{1, "300"}, {2, "0"}, {3, "127"}});
         for (auto box : {&CustPhys::Check1, &CustPhys::Check2, &CustPhys::Check3}) (d.*box).setValue(1);
       },
       {{"ExplodeMotorbikeOffset", 0}, {"ExplodeJeepOffset", 0}, {"GrabClimbDelayOffset", 0}},
       {{"OnGroundFrontLeftOffset", 0, "FF00"}, {"OnGroundFrontRiteOffset", 0, "0000"}, {"SwimSpeedOffset", 0, "BC0A"},
        {"ShellGravityOffset", 0, "2C"}, {"JumpGravityOffset", 0, "00"}, {"FallingDamageOffset", 0, "7F"}}},
      {"greyed switches write the game's bytes",
       [](Form1&) {
         auto& d = Forms::get<CustPhys>();
         for (auto box : {&CustPhys::Check1, &CustPhys::Check2, &CustPhys::Check3}) (d.*box).setValue(2);
       },
       {}},
      {"limits",
       [&](Form1&) {
         setTexts(Forms::get<CustLimits>().Text2, {{0, "32767"}, {1, "500"}, {2, "100"}, {3, "3200640"}, {4, "2"},
                                                   {5, "129"}, {6, "FE03F810"}, {7, "7"}, {8, "127"}, {9, "0"},
                                                   {10, "65"}, {11, "06"}, {12, "FC0FC0FD"}, {13, "127"}});
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
      {"no nitro drain", [](Form1&) { Forms::get<CustLimits>().Text2[13].setText("0"); }, {},
       {{"NitroRestorationRate", 0, "FF"}}},
      {"damages negated, attack values as entered",
       [&](Form1&) {
         auto& d = Forms::get<CustLaraHP>();
         setTexts(d.Text1, {{0, "-1"}, {9, "0"}, {25, "127"}, {5, "-128"}, {4, "200"}, {14, "7"}});
         setTexts(d.Text2, {{5, "400"}, {6, "-32767"}, {8, "0"}});
         d.Check1.setValue(1);
       },
       {{"DragonLoCutAttackOffset", 0}},
       {{"NoAirLeakageOffset", 0, "01"}, {"CrocodileUWDmgOffset", 0, "00"}, {"InProngLeakageOffset", 0, "81"},
        {"SmallScorpionDmgOffset", 0, "80"}, {"BaddyUZIDmgOffset", 0, "C8"}, {"MagicAttackDividerOffset", 0, "07"},
        {"LittleBeetleDispOffset", 0, "0004"}, {"SphinxDmgOffset", 0, "FF7F"},
        {"SetAttack1DmgParameterOffset", 0, "0000"}}},
      {"greyed locust switch writes nothing", [](Form1&) { Forms::get<CustLaraHP>().Check1.setValue(2); }, {}},
      {"SAS fix with its built-in damage and threshold", [](Form1&) { sasFix(1, 0, 0); },
       {{"SASGrenadeProcOffset", 0}}},
      {"SAS fix: damage without a number counts as 0",
       [&](Form1&) {
         sasFix(1, 0, 0);
         setTexts(Forms::get<CustLaraHP>().Text1, {{26, "x"}, {27, "200"}});
       },
       {{"SASGrenadeProcOffset", 0}}, {{"FastKillOffset", 2, "00"}, {"FastKillOffset", 48, "C8"}}},
      {"SAS fast kill",
       [&](Form1&) {
         sasFix(1, 1, 0);
         setTexts(Forms::get<CustLaraHP>().Text1, {{26, "10"}, {27, "3"}});
       },
       {{"SASGrenadeProcOffset", 0}, {"FastKillOffset", 0}}, {{"FastKillOffset", 48, "03"}}},
      {"SAS blow-up without the extension", [](Form1&) { sasFix(1, 0, 1); }, {{"SASGrenadeProcOffset", 0}}},
      {"SAS blow-up, extended",
       [](Form1& f) {
         sasFix(1, 0, 1);
         f.Check9.setValue(1);
       },
       join(kExtended, {{"SASGrenadeProcOffset", 0}, {"BlowExtOffset", 0}, {"BlowOffset", 0}, {"BlowExtJmpOffset", 0}}),
       {}, true},
      {"SAS blow-up, extended and remapped",
       [](Form1& f) {
         sasFix(1, 0, 1);
         f.Check9.setValue(1);
         f.Check5.setValue(1);
       },
       join(kExtendedRemapped,
            {{"SASGrenadeProcOffset", 0}, {"BlowExtOffset", 0}, {"BlowOffset", 1}, {"BlowExtJmpOffset", 1}}),
       {}, true},
      {"greyed SAS fix writes nothing", [](Form1&) { sasFix(2, 1, 1); }, {}},
      {"SAS fix off restores the game's code",
       [this](Form1&) {
         sasFix(0, 1, 1);
         putBytes(exe(), withBytes(exeBytes(), {{"FastKillOffset", 48, "07"}}));
       },
       {}, {}, false, {{"SASGrenadeProcOffset", 0}, {"FastKillOffset", 0}, {"BlowOffset", 0}}},
  });
}

}  // namespace
}  // namespace olvex::patcher::test
