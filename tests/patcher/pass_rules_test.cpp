// Whole passes over the reference executable with the physics, limits and health dialogs set:
// exactly their bytes change, and a value that is no number rolls the pass back.
#include <functional>
#include <vector>

#include "customizers/health_dialog.h"
#include "customizers/limits_dialog.h"
#include "customizers/physics_dialog.h"
#include "pass_fixture.h"
#include "shell/conversions.h"

namespace olvex::patcher::test {
namespace {

using customizers::CustLaraHP;
using customizers::CustLimits;
using customizers::CustPhys;
using shell::Form1;
using ui::Forms;

struct RulesCase {
  const char* name;
  std::function<void(Form1&)> set;
  std::vector<Bytes> bytes;
  std::vector<Expect> expects = {};
  bool extended = false;
};

void physicsTurns(Form1&) {
  // Each field holds A1 and its own index, so the pairing of fields and positions shows.
  auto& d = Forms::get<CustPhys>();
  for (int i : d.Text2.indexes()) d.Text2[i].setText("A1" + shell::TrueHex2(std::to_string(i), 2));
}

void sasFix(int fix, int fastKill, int blow) {
  auto& d = Forms::get<CustLaraHP>();
  d.Check2.setValue(fix);
  d.Check3.setValue(fastKill);
  d.Check4.setValue(blow);
}

const std::vector<RulesCase> kRulesCases = {
    {"turn rates go where their field says", physicsTurns,
     {{"OnGroundFrontLeftOffset", 0, "01A1"}, {"OnGroundFrontRiteOffset", 0, "02A1"},
      {"OnGroundBackLeftOffset", 0, "06A1"}, {"OnGroundBackRiteOffset", 0, "05A1"},
      {"InAirFrontLeftOffset", 0, "07A1"}, {"InAirFrontRightOffset", 0, "08A1"}, {"SwimSpeedOffset", 0, "0AA1"},
      {"SwimRotLeftOffset", 0, "00A1"}, {"SwimRotRightOffset", 0, "03A1"}, {"RotStandLeftOffset", 0, "04A1"},
      {"RotStandRightOffset", 0, "09A1"}, {"RotSwingStillLeftOffset", 0, "0DA1"},
      {"RotSwingStillRightOffset", 0, "0CA1"}, {"RotSwingMoveLeftOffset", 0, "0BA1"},
      {"RotSwingMoveRightOffset", 0, "0EA1"}, {"DuckStop1LeftOffset", 0, "12A1"},
      {"DuckStop1RightOffset", 0, "1DA1"}, {"DuckStop2LeftOffset", 0, "1EA1"}, {"DuckStop2RightOffset", 0, "11A1"},
      {"DuckMoveForwardLeftOffset", 0, "10A1"}, {"DuckMoveForwardRightOffset", 0, "1BA1"},
      {"DuckMoveBackRightOffset", 0, "1CA1"}, {"DuckMoveBackLeftOffset", 0, "0FA1"}, {"RopeRightOffset", 0, "17A1"},
      {"RopeLeftOffset", 0, "14A1"}, {"PoleLeftOffset", 0, "13A1"}, {"PoleRightOffset", 0, "18A1"}}},
    {"short turn rates fill both bytes; gravities wrap; switches on", [](Form1&) {
       auto& d = Forms::get<CustPhys>();
       d.Text2[1].setText("FF");
       d.Text2[2].setText("");
       d.Text2[10].setText("ABC");
       d.Text1[1].setText("300");
       d.Text1[2].setText("0");
       d.Text1[3].setText("127");
       for (auto box : {&CustPhys::Check1, &CustPhys::Check2, &CustPhys::Check3}) (d.*box).setValue(1);
     },
     {{"OnGroundFrontLeftOffset", 0, "FF00"}, {"OnGroundFrontRiteOffset", 0, "0000"}, {"SwimSpeedOffset", 0, "BC0A"},
      {"ShellGravityOffset", 0, "2C"}, {"JumpGravityOffset", 0, "00"}, {"FallingDamageOffset", 0, "7F"}},
     {{"ExplodeMotorbikeOffset", 0}, {"ExplodeJeepOffset", 0}, {"GrabClimbDelayOffset", 0}}},
    {"greyed switches write the game's bytes", [](Form1&) {
       auto& d = Forms::get<CustPhys>();
       for (auto box : {&CustPhys::Check1, &CustPhys::Check2, &CustPhys::Check3}) (d.*box).setValue(2);
     }, {}},
    {"limits", [](Form1&) {
       auto& d = Forms::get<CustLimits>();
       const char* texts[] = {"32767", "500", "100", "3200640", "2", "129", "FE03F810",
                              "7",     "127", "0",   "65",      "06", "FC0FC0FD", "127"};
       for (int i = 0; i < 14; ++i) d.Text2[i].setText(texts[i]);
     },
     {{"MaxHPBarOffset1", 0, "FF7F"}, {"MaxHPBarOffset2", 0, "FF7F"}, {"MaxHPBarOffset3", 0, "FF7F"},
      {"MaxHPBarOffset4", 0, "FF7F"}, {"MaxHPBarOffset5", 0, "FF7F"}, {"MaxHPBarOffset6", 0, "FF7F"},
      {"CritRawHPBarRangeOffset", 0, "40062003"}, {"NormRawHPBarRangeOffset", 0, "40062003"},
      {"CritDividerOffset", 0, "02"}, {"NormDividerOffset", 0, "02"}, {"BigMedkitHPLimitOffset", 0, "F401"},
      {"SmallMedkitHPLimitOffset", 0, "F401"}, {"CommonMedkitLimitOffset", 0, "F401"},
      {"HotkeyBigMedkitOffset", 0, "F401"}, {"NormalCritThreshOffset", 0, "6400"}, {"MaxAPBarOffset1", 0, "8100"},
      {"MaxAPBarOffset2", 0, "8100"}, {"MaxAPBarOffset3", 0, "8100"}, {"MaxAPBarOffset4", 0, "8100"},
      {"MaxAPBarOffset5", 0, "8100"}, {"MaxAPBarOffset6", 0, "8100"}, {"APLimiter1Offset", 0, "8100"},
      {"APLimiter2Offset", 0, "8100"}, {"NormRawAPBarRangeOffset", 0, "10F803FE"},
      {"CritRawAPBarRangeOffset", 0, "10F803FE"}, {"NormAPDividerOffset", 0, "07"}, {"CritAPDividerOffset", 0, "07"},
      {"NormalCritAPThreshOffset", 0, "0000"}, {"APRestorationRateOffset", 0, "7F00"}, {"MaxSPBarOffset1", 0, "41"},
      {"MaxSPBarOffset2", 0, "41"}, {"MaxSPBarOffset3", 0, "41"}, {"RawSPBarRangeOffset", 0, "FDC00FFC"},
      {"SPDividerOffset", 0, "06"}, {"NitroRestorationRate", 0, "80"}}},
    {"no nitro drain", [](Form1&) { Forms::get<CustLimits>().Text2[13].setText("0"); },
     {{"NitroRestorationRate", 0, "FF"}}},
    {"damages negated, attack values as entered", [](Form1&) {
       auto& d = Forms::get<CustLaraHP>();
       d.Text1[0].setText("-1");
       d.Text1[9].setText("0");
       d.Text1[25].setText("127");
       d.Text1[5].setText("-128");
       d.Text1[4].setText("200");
       d.Text1[14].setText("7");
       d.Text2[5].setText("400");
       d.Text2[6].setText("-32767");
       d.Text2[8].setText("0");
       d.Check1.setValue(1);
     },
     {{"NoAirLeakageOffset", 0, "01"}, {"CrocodileUWDmgOffset", 0, "00"}, {"InProngLeakageOffset", 0, "81"},
      {"SmallScorpionDmgOffset", 0, "80"}, {"BaddyUZIDmgOffset", 0, "C8"}, {"MagicAttackDividerOffset", 0, "07"},
      {"LittleBeetleDispOffset", 0, "0004"}, {"SphinxDmgOffset", 0, "FF7F"},
      {"SetAttack1DmgParameterOffset", 0, "0000"}},
     {{"DragonLoCutAttackOffset", 0}}},
    {"greyed locust switch writes nothing", [](Form1&) { Forms::get<CustLaraHP>().Check1.setValue(2); }, {}},
    {"SAS fix with its built-in damage and threshold", [](Form1&) { sasFix(1, 0, 0); }, {},
     {{"SASGrenadeProcOffset", 0}}},
    {"SAS fix: damage without a number counts as 0", [](Form1&) {
       sasFix(1, 0, 0);
       Forms::get<CustLaraHP>().Text1[26].setText("x");
       Forms::get<CustLaraHP>().Text1[27].setText("200");
     },
     {{"FastKillOffset", 2, "00"}, {"FastKillOffset", 48, "C8"}}, {{"SASGrenadeProcOffset", 0}}},
    {"SAS fast kill", [](Form1&) {
       sasFix(1, 1, 0);
       Forms::get<CustLaraHP>().Text1[26].setText("10");
       Forms::get<CustLaraHP>().Text1[27].setText("3");
     },
     {{"FastKillOffset", 48, "03"}}, {{"SASGrenadeProcOffset", 0}, {"FastKillOffset", 0}}},
    {"SAS blow-up without the extension", [](Form1&) { sasFix(1, 0, 1); }, {}, {{"SASGrenadeProcOffset", 0}}},
    {"SAS blow-up, extended", [](Form1& f) {
       sasFix(1, 0, 1);
       f.Check9.setValue(1);
     },
     {}, join(kExtended, {{"SASGrenadeProcOffset", 0}, {"BlowExtOffset", 0}, {"BlowOffset", 0}, {"BlowExtJmpOffset", 0}}),
     true},
    {"SAS blow-up, extended and remapped", [](Form1& f) {
       sasFix(1, 0, 1);
       f.Check9.setValue(1);
       f.Check5.setValue(1);
     },
     {}, join(kExtendedRemapped, {{"SASGrenadeProcOffset", 0}, {"BlowExtOffset", 0}, {"BlowOffset", 1},
                                  {"BlowExtJmpOffset", 1}}),
     true},
    {"greyed SAS fix writes nothing", [](Form1&) { sasFix(2, 1, 1); }, {}},
};

TEST_F(PassTest, DialogValuesWriteExactlyTheirBytes) {
  for (const RulesCase& c : kRulesCases) {
    SCOPED_TRACE(c.name);
    Form1& f = start();
    c.set(f);
    pass();
    std::string expected = withBytes(expectedFile(c.extended, c.expects), c.bytes);
    EXPECT_EQ(differences(exeBytes(), expected), "");
    EXPECT_TRUE(host.messages.empty());
    putBytes(exe(), reflayout::referenceExecutable());
    ui::Forms::reset();
  }
}

TEST_F(PassTest, SasFixOffRestoresTheGameCode) {
  const std::vector<Expect> patched = {
      {"SASGrenadeProcOffset", 0}, {"FastKillOffset", 0}, {"BlowOffset", 0}};
  putBytes(exe(), withBytes(expectedFile(false, patched), {{"FastKillOffset", 48, "07"}}));
  start();
  sasFix(0, 1, 1);
  pass();
  EXPECT_EQ(differences(exeBytes(), reflayout::referenceExecutable()), "");
}

// The same writes reached from the config file: its lines go through the settings keys into the
// dialogs, which the pass reads.
TEST_F(PassTest, ConfigValuesReachTheFile) {
  std::string text(shell::BuiltInConfigText());
  for (auto [from, to] : {std::pair<const char*, const char*>{"RotStandLeft=FE67", "RotStandLeft=FF"},
                          {"KillClimbDelay=0", "KillClimbDelay=1"},
                          {"MaxSPBarValue=120", "MaxSPBarValue=65"},
                          {"NitroDrainRate=1", "NitroDrainRate=127"},
                          {"NoAirLeakage=5", "NoAirLeakage=-1"},
                          {"FixSASGrenades=0", "FixSASGrenades=1"},
                          {"SASGrenFastKill=0", "SASGrenFastKill=1"}}) {
    std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, std::string_view(from).size(), to);
  }
  putBytes(dir.file("olvex.cfg"), text);
  start();
  pass();
  const std::vector<Expect> options = {{"GrabClimbDelayOffset", 0}, {"SASGrenadeProcOffset", 0}, {"FastKillOffset", 0}};
  std::string expected = withBytes(
      expectedFile(false, options),
      {{"RotStandLeftOffset", 0, "FF00"}, {"MaxSPBarOffset1", 0, "41"}, {"MaxSPBarOffset2", 0, "41"},
       {"MaxSPBarOffset3", 0, "41"}, {"NitroRestorationRate", 0, "80"}, {"NoAirLeakageOffset", 0, "01"}});
  EXPECT_EQ(differences(exeBytes(), expected), "");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PassTest, ExtendingTheExecutableEnablesBlowUpWhileTheFixIsOn) {
  Form1& f = start();
  auto& d = Forms::get<CustLaraHP>();
  d.Check2.setValue(1);
  EXPECT_FALSE(d.Check4.enabled());
  f.Check9.setValue(1);
  EXPECT_TRUE(d.Check4.enabled());
  f.Check9.setValue(0);
  EXPECT_FALSE(d.Check4.enabled());
}

TEST_F(PassTest, ValuesThatAreNoNumberRollBack) {
  const std::vector<std::function<void()>> spoilers = {
      [] { Forms::get<CustLaraHP>().Text1[0].setText("abc"); },
      [] { Forms::get<CustLaraHP>().Text1[21].setText("12a"); },
      [] { Forms::get<CustLaraHP>().Text2[6].setText("1x"); },
      [] { Forms::get<CustLimits>().Text2[13].setText(""); },
  };
  for (std::size_t i = 0; i < spoilers.size(); ++i) {
    SCOPED_TRACE(i);
    std::string original = reflayout::referenceExecutable();
    original[7000] ^= 0x5A;
    putBytes(exe(), original);
    start();
    spoilers[i]();
    pass();
    EXPECT_EQ(differences(exeBytes(), original), "");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Cannot modify file");
    EXPECT_FALSE(workingCopyLeft());
    ui::Forms::reset();
  }
}

TEST_F(PassTest, MissingDialogOffsetsRollBack) {
  struct Row {
    const char* dropped;
    std::function<void(Form1&)> set;
  } rows[] = {
      {"PoleRightOffset=", [](Form1&) {}},
      {"NitroRestorationRate=", [](Form1&) {}},
      {"WildBoarDmgOffset=", [](Form1&) {}},
      {"FastKillOffset=", [](Form1&) { sasFix(1, 0, 0); }},  // the threshold at +48 is not written either
      {"BlowExtJmpOffset=", [](Form1& f) {
         sasFix(1, 0, 1);
         f.Check9.setValue(1);
       }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.dropped);
    putBytes(exe(), reflayout::referenceExecutable());
    configWithout(r.dropped);
    shell::ResetVersionTables();
    Form1& f = start();
    r.set(f);
    pass();
    EXPECT_EQ(differences(exeBytes(), reflayout::referenceExecutable()), "");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Cannot modify file");
    EXPECT_FALSE(workingCopyLeft());
    ui::Forms::reset();
  }
}

}  // namespace
}  // namespace olvex::patcher::test
