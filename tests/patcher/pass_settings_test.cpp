// Whole passes over the reference executable: the bytes every setting of the main window and of
// the physics, limits and health dialogs writes, and nothing else; a file of any kind at the
// executable's name ends as the patched file, with nothing of the pass left behind.
#include <filesystem>
#include <functional>
#include <vector>

#include "customizers/camera_dialog.h"
#include "customizers/health_dialog.h"
#include "customizers/inventory_dialog.h"
#include "customizers/limits_dialog.h"
#include "customizers/physics_dialog.h"
#include "pass_fixture.h"
#include "patcher/value_paths.h"
#include "patcher/write_rows.h"
#include "platform/files.h"
#include "support/objdump.h"

namespace olvex::patcher::test {
namespace {

namespace fs = std::filesystem;
using customizers::CustLaraHP;
using customizers::CustLimits;
using customizers::CustPhys;
using shell::Form1;
using ui::Forms;
using Box = ui::CheckBox Form1::*;

// The file before the pass is the reference executable with `before`; after it, the reference
// executable (extended when asked) with `expects` and `bytes`.
struct Setting {
  const char* name;
  std::function<void(Form1&)> set;
  std::vector<Expect> expects;
  std::vector<Bytes> bytes = {};
  bool extended = false;
  std::vector<Expect> before = {};
  std::size_t warnings = 0;
};

// Sets the main window's boxes to state.
std::function<void(Form1&)> checked(std::vector<Box> boxes, int state = 1) {
  return [boxes, state](Form1& f) {
    for (Box box : boxes) (f.*box).setValue(state);
  };
}

void sasFix(int fix, int fastKill, int blow) {
  auto& d = Forms::get<CustLaraHP>();
  d.Check2.setValue(fix);
  d.Check3.setValue(fastKill);
  d.Check4.setValue(blow);
}

const std::vector<Expect> kRemap = {
    {"PEHeaderOffset", 0}, {"Remap#Offset", 0}, {"ResTableBaseOffset", 0}, {"ForceBumpMapOffset", 0}};
const std::vector<Expect> kRemapOnly = join(kRemap, {{"ExtSizePEHeaderOffset2", 1}});
const std::vector<Expect> kLimits = {{"LevelBuffer1Offset#", 0},    {"LevelBuffer2Offset", 0},
                                     {"EnemyLimitZoneOffset", 0},   {"ObjectBufferSizeOffset", 0},
                                     {"ObjectBufferZoneOffset", 0}, {"FixSaveOffset#", 0}};
const std::vector<Expect> kParticles = {{"PartLimiter#Offset#", 0}, {"FreeBufferSizeOffset", 0}};
const std::vector<Expect> kSavegame = {{"SavePathOffset", 0}, {"StackCorrectionOffset#", 0}};

class PassSettings : public PassTest {
 protected:
  void expectWrites(const std::vector<Setting>& settings) {
    const PassHooks installed = passHooks();
    for (const Setting& s : settings) {
      SCOPED_TRACE(s.name);
      putBytes(exe(), expectedFile(false, s.before));
      Form1& f = start();
      s.set(f);
      fs::permissions(exe(), fs::perms(0750));
      const bool linked = fs::is_symlink(exe());
      pass();
      EXPECT_EQ(differences(exeBytes(), withBytes(expectedFile(s.extended, s.expects), s.bytes)), "");
      EXPECT_EQ(host.messages.size(), s.warnings);
      EXPECT_EQ(fs::is_symlink(exe()), linked);
      EXPECT_EQ(fs::status(exe()).permissions(), fs::perms(0750));
      EXPECT_EQ(leftoversIn(dir.path()), std::vector<std::string>{});
      passHooks() = installed;
      fs::remove(exe());
      Forms::reset();  // the next case starts a fresh main window with the built-in settings
    }
  }
};

TEST_F(PassSettings, EachMainWindowSettingWritesItsLocationsAndNothingElse) {
  const auto textOf = [](ui::TextBox Form1::*box, const char* text) { return [=](Form1& f) { (f.*box).setText(text); }; };
  expectWrites({
      {"single options",
       checked({&Form1::Check11, &Form1::Check1, &Form1::Check2, &Form1::Check3, &Form1::Check6, &Form1::Check4,
                &Form1::Check12, &Form1::Check14, &Form1::Check17, &Form1::Check8}),
       {{"FogBulbBypassOffset", 0}, {"DDisOffset#", 0}, {"FDisOffset", 0}, {"LTOffset", 0}, {"VEOffset", 0},
        {"VEOffset2", 0}, {"FixHolstersOffset", 0}, {"HangThreadOffset", 0}, {"VertexLimitOffset#", 0},
        {"ForceVolFXOffset", 0}}},
      {"dialog check boxes",
       [](Form1&) {
         Forms::get<customizers::CustCamera>().Check10.setValue(1);
         Forms::get<customizers::CustCamera>().Check9.setValue(1);
         Forms::get<customizers::CustInv>().Check7.setValue(1);
       },
       {{"LockCameraOffset", 0}, {"StickCameraOffset", 0}, {"NEscOffset", 0}}},
      {"greyed boxes write nothing",
       [](Form1& f) {
         Forms::get<customizers::CustCamera>().Check10.setValue(2);
         checked({&Form1::Check11, &Form1::Check14, &Form1::Check15, &Form1::Check17}, 2)(f);
       },
       {{"LockCameraOffset", 0}, {"FogBulbBypassOffset", 0}, {"HangThreadOffset", 0}, {"LevelBuffer1Offset#", 0},
        {"VertexLimitOffset#", 0}},
       {}, false,
       {{"LockCameraOffset", 0}, {"FogBulbBypassOffset", 0}, {"HangThreadOffset", 0}, {"LevelBuffer1Offset#", 0},
        {"VertexLimitOffset#", 0}}},
      {"clipping off", [](Form1& f) { f.Option2[1].setValue(true); }, {{"ClipOffset1", 0}, {"ClipOffset2", 0}}},
      {"clipping all objects", [](Form1& f) { f.Option2[2].setValue(true); }, {{"ClipOffset1", 0}, {"ClipOffset2", 1}}},
      {"one ponytail", [](Form1& f) { f.Option1[1].setValue(true); },
       {{"TwinPonyOffset1", 0}, {"TwinPonyOffset2", 1}, {"TwinPonyOffset3", 0}, {"TwinPonyOffset4", 0},
        {"TwinPonyOffset5", 0}}},
      {"two ponytails", [](Form1& f) { f.Option1[2].setValue(true); },
       {{"TwinPonyOffset1", 1}, {"TwinPonyOffset2", 0}, {"TwinPonyOffset3", 1}, {"TwinPonyOffset4", 1},
        {"TwinPonyOffset5", 1}}},
      {"enemy limits without remap", checked({&Form1::Check15}),
       join(kLimits, {{"DisableEnemyLimitOffset#", 0}, {"TargetLimitOffset", 0}})},
      {"remap alone; its dependants stay default", checked({&Form1::Check5}), kRemapOnly},
      {"options that need remap without it", checked({&Form1::Check7, &Form1::Check10, &Form1::Check18}), {}, {},
       false, {{"TargetBufferOffset#", 0}, {"IncStaticLimit#Offset#", 0}, {"FlybyBuffer#Offset#", 0}}},
      {"remap with statics, flyby, target buffer and limits",
       checked({&Form1::Check5, &Form1::Check7, &Form1::Check10, &Form1::Check18, &Form1::Check15}),
       join(join(kRemapOnly, kLimits),
            {{"TargetBufferOffset#", 0}, {"DisableEnemyLimitOffset#", 1}, {"TargetLimitOffset", 1},
             {"IncStaticLimit#Offset#", 0}, {"FlybyBuffer1Offset#", 0}, {"FlybyBuffer2Offset#", 0}})},
      {"target buffer checked but disabled",
       [](Form1& f) {
         checked({&Form1::Check5, &Form1::Check7})(f);
         f.Check7.setEnabled(false);
       },
       kRemapOnly},
      {"particle buffer and savegame need the extension", checked({&Form1::Check20, &Form1::Check21}), {}, {}, false,
       join(join(kParticles, kSavegame), {{"PartBuffer#Offset#", 0}, {"ExtSGameInsideOffset#", 0}})},
      {"greyed extension keeps the standard length", checked({&Form1::Check9}, 2), {}},
      {"extended", checked({&Form1::Check9}), kExtended, {}, true},
      {"extended and remapped", checked({&Form1::Check9, &Form1::Check5}), kExtendedRemapped, {}, true},
      {"particle buffer, standard memory", checked({&Form1::Check9, &Form1::Check20}),
       join(join(kExtended, kParticles), {{"PartBuffer#Offset#", 0}}), {}, true},
      {"particle buffer, remapped memory", checked({&Form1::Check9, &Form1::Check20, &Form1::Check5}),
       join(join(kExtendedRemapped, kParticles), {{"PartBuffer#Offset#", 1}}), {}, true},
      {"advanced savegame, standard memory", checked({&Form1::Check9, &Form1::Check21}),
       join(join(kExtended, kSavegame), {{"ExtSGameBaseOffset", 0}, {"ExtSGameInsideOffset#", 0}}), {}, true},
      {"advanced savegame, remapped memory", checked({&Form1::Check9, &Form1::Check21, &Form1::Check5}),
       join(join(kExtendedRemapped, kSavegame), {{"ExtSGameBaseOffset", 1}, {"ExtSGameInsideOffset#", 1}}), {}, true},
      // The remap and the particle-buffer references write nothing, the extension header takes the
      // standard variant, the savegame hooks the remapped one.
      {"greyed remap with extension, particle buffer and savegame",
       [](Form1& f) {
         checked({&Form1::Check9, &Form1::Check20, &Form1::Check21})(f);
         f.Check5.setValue(2);
       },
       join(join(kExtended, join(kParticles, kSavegame)),
            {{"Remap#Offset", 0}, {"PartBuffer#Offset#", 0}, {"ExtSGameBaseOffset", 1}, {"ExtSGameInsideOffset#", 1}}),
       {}, true, {{"Remap#Offset", 0}, {"PartBuffer#Offset#", 0}}},
      {"greyed savegame box with extension writes no hooks",
       [](Form1& f) {
         f.Check9.setValue(1);
         f.Check21.setValue(2);
       },
       join(join(kExtended, kSavegame), {{"ExtSGameInsideOffset#", 0}}), {}, true,
       join(kSavegame, {{"ExtSGameInsideOffset#", 0}})},
      {"drawing distance", textOf(&Form1::Text2, "16384"), {}, {{"DDOffset", 0, "00008046"}}},
      {"distant fog", textOf(&Form1::Text3, "4096.5"), {}, {{"DDOffset", -4, "00048045"}}},
      {"zero distance is four bytes", textOf(&Form1::Text2, "0"), {}, {{"DDOffset", 0, "00000000"}}},
      {"negative distance warns, writes zero", textOf(&Form1::Text3, "-5"), {}, {{"DDOffset", -4, "00000000"}}, false,
       {}, 1},
      {"hard clipping", textOf(&Form1::Text1, "-1"), {},
       {{"ClipDistOffset1", 0, "FFFFFFFF"}, {"ClipDistOffset2", 0, "FFFFFFFF"}}},
      {"hard clipping twice, one warning", textOf(&Form1::Text1, "far"), {},
       {{"ClipDistOffset1", 0, "00000000"}, {"ClipDistOffset2", 0, "00000000"}}, false, {}, 1},
      {"fog bulb range 0", [](Form1&) { shell::FogBulbRange = 0; }, {}, {{"FogBulbDistOffset", 0, "00000000"}}},
      {"fog bulb range 208", [](Form1&) { shell::FogBulbRange = 208; }, {}, {{"FogBulbDistOffset", 0, "00002951"}}},
      {"fog bulb range at the lowest 32-bit product", [](Form1&) { shell::FogBulbRange = -2097152; }, {},
       {{"FogBulbDistOffset", 0, "0000805E"}}},
  });
}

TEST_F(PassSettings, EachDialogSettingWritesItsBytesAndNothingElse) {
  const auto setTexts = [](ui::ControlArray<ui::TextBox>& boxes, std::vector<std::pair<int, const char*>> texts) {
    for (auto [index, text] : texts) boxes[index].setText(text);
  };
  expectWrites({
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
         checked({&Form1::Check9, &Form1::Check5})(f);
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

// What stands at the executable's name before the pass: the pass writes the file it finds there.
TEST_F(PassSettings, TheExecutableFoundIsPatchedWithNothingLeftBehind) {
  const auto lastFour = [](std::int64_t position) {
    return [position](Form1& f) {
      f.Check9.setValue(position > static_cast<std::int64_t>(reflayout::kStandardLength));
      passHooks().StageWriters["DRACO"] = [position](platform::RandomAccessFile& file) { file.write(position, "ABCD"); };
    };
  };
  expectWrites({
      {"a working copy a killed run left", [this](Form1&) { putBytes(exe() + "0", "left by a killed run"); }, {}},
      {"a link, followed to the file it leads to",
       [this](Form1& f) {
         fs::create_directory(dir.file("game"));
         fs::rename(exe(), dir.file("game/tomb4.exe"));
         fs::create_symlink("game/tomb4.exe", exe());  // relative to the link's folder
         f.Check9.setValue(1);
       },
       kExtended, {}, true},
      {"a file extended by a larger layout is cut back",
       [this](Form1& f) {
         putBytes(exe(), reflayout::referenceExecutable() + std::string(kExtendedLength, '\x90'));
         f.Check9.setValue(1);
       },
       kExtended, {}, true},
      {"a write at the last four bytes of the standard file", lastFour(reflayout::kStandardLength - 3), {},
       {{"EOFOffset", -4, "41424344"}}},
      {"a write at the last four bytes of the appended area", lastFour(kExtendedLength - 3), kExtended,
       {{"EOFOffset", 0x80000 - 4, "41424344"}}, true},
  });
}

// Everything on and off again: the same settings give the same file, an outside tool reads the
// fifth section, and the built-in settings restore the reference executable.
TEST_F(PassSettings, EverythingOnAndOffAgain) {
  Form1& f = start();
  checked({&Form1::Check1, &Form1::Check2, &Form1::Check3, &Form1::Check4, &Form1::Check5, &Form1::Check6,
           &Form1::Check7, &Form1::Check8, &Form1::Check9, &Form1::Check10, &Form1::Check11, &Form1::Check12,
           &Form1::Check14, &Form1::Check15, &Form1::Check17, &Form1::Check18, &Form1::Check20, &Form1::Check21})(f);
  f.Option1[2].setValue(true);
  f.Option2[2].setValue(true);
  pass();
  const std::string patched = exeBytes();
  ASSERT_EQ(patched.size(), kExtendedLength);
  pass();
  EXPECT_EQ(exeBytes(), patched);
  if (olvex::test::HaveObjdump()) {
    EXPECT_EQ(olvex::test::PeSections(patched), "pei-i386: .text .rdata .data .rsrc .yiff");
  }
  Forms::reset();
  start();
  pass();
  EXPECT_EQ(differences(exeBytes(), reflayout::referenceExecutable()), "");
  EXPECT_TRUE(host.messages.empty());
}

// What whole passes do not reach: texts that are no number, hex longer than its field, the
// lowest position a slot may hold, and keys the version section lacks.
TEST(ValuePaths, EdgesBeyondThePasses) {
  olvex::test::TestHost host;
  EXPECT_EQ(StrictValue("&H10"), 16);
  for (const char* bad : {"", "12 apples", "abc", "1e999"}) EXPECT_THROW(StrictValue(bad), PassError) << bad;
  EXPECT_EQ(NegatedHex("12 apples", 4), "F4FF");  // the leading number
  EXPECT_EQ(FixedHex("123456789", 8), "23456789");
  EXPECT_EQ(FixedHex("", 2), "00");
  EXPECT_TRUE(host.messages.empty());
  shell::ResetVersionTables();
  EXPECT_THROW(Field("VolFXDefData"), PassError);
  EXPECT_THROW(PositionOf("NoSuchOffset"), PassError);
  shell::Offsets[shell::OffsetSlot("DDOffset")] = 1;
  EXPECT_EQ(PositionOf("DDOffset", 4), 5);
  shell::ResetVersionTables();
}

}  // namespace
}  // namespace olvex::patcher::test
