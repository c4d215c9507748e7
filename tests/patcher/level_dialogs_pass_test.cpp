// Whole passes over the reference executable with the camera, sound, objects and secret-level
// dialogs set: exactly their bytes change, and a value that is no number rolls the pass back.
#include <cstdio>
#include <functional>
#include <vector>

#include "customizers/camera/dialog.h"
#include "customizers/conditions/dialog.h"
#include "customizers/objects/dialog.h"
#include "customizers/sound/dialog.h"
#include "pass_fixture.h"
#include "shell/conversions.h"

namespace olvex::patcher::test {
namespace {

using customizers::CustCamera;
using customizers::CustObj;
using customizers::CustSnd;
using customizers::SLevelConditions;
using shell::Form1;
using ui::Forms;

CustCamera& camera() { return Forms::get<CustCamera>(); }
CustSnd& sound() { return Forms::get<CustSnd>(); }
CustObj& objects() { return Forms::get<CustObj>(); }
SLevelConditions& conditions() { return Forms::get<SLevelConditions>(); }

// The file before the pass: the reference executable with `before` and `beforeBytes`; after it,
// the expected alternatives and bytes on the reference executable (extended when asked).
struct StageCase {
  const char* name;
  std::function<void(Form1&)> set;
  std::vector<Bytes> bytes;
  std::vector<Expect> expects = {};
  bool extended = false;
  std::vector<Expect> before = {};
  std::vector<Bytes> beforeBytes = {};
};

class LevelPass : public PassTest {
 protected:
  void run(const std::vector<StageCase>& cases) {
    for (const StageCase& c : cases) {
      SCOPED_TRACE(c.name);
      putBytes(exe(), withBytes(expectedFile(false, c.before), c.beforeBytes));
      Form1& f = start();
      c.set(f);
      pass();
      EXPECT_EQ(differences(exeBytes(), withBytes(expectedFile(c.extended, c.expects), c.bytes)), "");
      EXPECT_TRUE(host.messages.empty());
      EXPECT_FALSE(workingCopyLeft());
      Forms::reset();
    }
  }
};

void extend(Form1& f, int remap = 0) {
  f.Check9.setValue(1);
  f.Check5.setValue(remap);
}

// Minutes 8, seconds 0: 14400 frames; 100 m: 41900 units.
void bonusLevel(Form1& f) {
  f.Check19.setValue(1);
  f.Text4.setText("7");
  f.Text7.setText("9");
  auto& c = conditions();
  c.Text6[0].setText("8");
  c.Text6[1].setText("0");
  c.Text5.setText("4");
  c.Text3.setText("255");
  c.Text2.setText("100000");
  c.Text1.setText("100");
}
const std::vector<Bytes> kRecord = {
    {"SecLevelExtOffset", 2, "07"},  {"SecLevelExtOffset", 11, "04"},       {"SecLevelExtOffset", 20, "40380000"},
    {"SecLevelExtOffset", 32, "FF"}, {"SecLevelExtOffset", 41, "A0860100"}, {"SecLevelExtOffset", 53, "ACA30000"},
    {"SecLevelExtOffset", 62, "09"}};

const std::vector<StageCase> kBonusCases = {
    {"bonus level, extended", [](Form1& f) {
       extend(f);
       bonusLevel(f);
     },
     kRecord, join(kExtended, {{"SecLevelJumpOffset", 0}, {"SecLevelExtOffset", 0}}), true},
    {"bonus level, extended and remapped", [](Form1& f) {
       extend(f, 1);
       bonusLevel(f);
     },
     kRecord, join(kExtendedRemapped, {{"SecLevelJumpOffset", 1}, {"SecLevelExtOffset", 1}}), true},
    // As the section header: the standard variant.
    {"bonus level, extended, remap greyed", [](Form1& f) {
       extend(f, 2);
       bonusLevel(f);
     },
     kRecord, join(kExtended, {{"SecLevelJumpOffset", 0}, {"SecLevelExtOffset", 0}, {"Remap#Offset", 0}}), true,
     {{"Remap#Offset", 0}}},
    {"bonus level without the extension restores the jump", [](Form1& f) { bonusLevel(f); }, {}, {}, false,
     {{"SecLevelJumpOffset", 1}}},
    {"extended without the bonus level leaves the area filled", [](Form1& f) { extend(f); }, {}, kExtended, true,
     {{"SecLevelJumpOffset", 0}}},
};

void cameraValues(Form1&) {
  auto& c = camera();
  c.Text1[2].setText("2048");
  c.Text1[1].setText("20");
  c.Text1[4].setText("1820");
  c.Text1[0].setText("1024");
  c.Text1[5].setText("300");
}
const std::vector<Bytes> kCameraValues = {
    {"NormCameraDistOffset", 0, "0008"}, {"NormCameraFollowOffset", 0, "14"}, {"NormCameraTopOffset", 0, "E4F8"},
    {"LookDistanceOffset", 0, "00FCFFFF"}, {"AddOnBattleCameraYOffset", 0, "2C010000"}};
std::vector<Bytes> plus(std::vector<Bytes> a, const std::vector<Bytes>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
// 90 degrees: 18720 units.
const std::vector<Bytes> kFov90 = {{"FOVModOffset2", 1, "2049"},   {"ResetFOVOffset1", 0, "2049"},
                                   {"ResetFOVOffset2", 0, "2049"}, {"ResetFOVOffset3", 0, "2049"},
                                   {"ResetFOVOffset4", 0, "2049"}};

const std::vector<StageCase> kCameraCases = {
    {"distances, heights, speed, field of view and unified camera", [](Form1& f) {
       cameraValues(f);
       camera().Check1.setValue(1);
       camera().Text1[3].setText("90");
       camera().Check2.setValue(1);
     },
     plus(kCameraValues, kFov90),
     {{"FOVModOffset1", 0}, {"FOVModOffset2", 0}, {"UnifyBattleCameraOffset#", 0}}},
    {"field of view off restores the game's", [](Form1&) {}, {}, {}, false,
     {{"FOVModOffset1", 0}, {"FOVModOffset2", 0}, {"UnifyBattleCameraOffset#", 0}}, kFov90},
    {"greyed field of view writes nothing", [](Form1&) { camera().Check1.setValue(2); }, kFov90,
     {{"FOVModOffset1", 0}, {"FOVModOffset2", 0}}, false, {{"FOVModOffset1", 0}, {"FOVModOffset2", 0}}, kFov90},
    {"free camera switches reach the main stage", [](Form1&) {
       camera().Check10.setValue(1);
       camera().Check9.setValue(1);
     },
     {}, {{"LockCameraOffset", 0}, {"StickCameraOffset", 0}}},
};

// The names of the audio tracks, "000.wav" upwards, each in a record of `record` bytes.
std::string trackTable(int last, int record) {
  std::string hex;
  char name[8];
  for (int c = 0; c <= last; ++c) {
    std::snprintf(name, sizeof name, "%03d", c);
    hex += shell::TextToHex(std::string(name) + ".wav") + std::string(2 * (record - 7), '0');
  }
  return hex;
}

const std::vector<StageCase> kSoundCases = {
    {"sample rate, sound IDs removed, looped range, tracks and sample memory", [](Form1&) {
       auto& s = sound();
       s.HScroll3.setValue(2);
       s.Check5.setValue(1);
       s.Text5[18].setText("60");
       s.Check7.setValue(1);
       s.Text5[0].setText("70");
       s.Check2.setValue(1);
       s.Text1[0].setText("105");
       s.Text1[2].setText("50");
       s.Text1[3].setText("51");
       s.Text1[4].setText("52");
       s.Check6.setValue(1);
     },
     {{"SRateOffset", 0, "00442C47"}, {"UWDoorOffset", 0, "3C"}, {"NoAmmoOffset", 0, "46"},
      {"LoopedMarkerOffset", 3, "6900"}, {"InJeepTrackOffset1", 0, "32"}, {"InJeepTrackOffset2", 0, "32"},
      {"OutJeepTrackOffset1", 0, "33"}, {"OutJeepTrackOffset2", 0, "33"}, {"SecretTrackOffset", 0, "34"}},
     {{"UWDoorOffset", 0}, {"NoAmmoOffset", 0}, {"LoopedMarkerOffset", 0}, {"SampleSizeOffset#", 0}}},
    // The IDs stay written; the tracks of unused situations are not.
    {"sounds kept, tracks not used", [](Form1&) {
       auto& s = sound();
       s.HScroll3.setValue(3);
       s.Text1[2].setText("50");
       s.Text1[3].setText("51");
       s.Text1[4].setText("52");
       for (auto box : {&CustSnd::Check3, &CustSnd::Check4, &CustSnd::Check8}) (s.*box).setValue(1);
     },
     {{"SRateOffset", 0, "00803B47"}},
     {{"InJeepCommonOffset", 0}, {"OutJeepCommonOffset", 0}, {"SecretCommonOffset", 0}}, false,
     {{"UWDoorOffset", 0}, {"NoAmmoOffset", 0}, {"LoopedMarkerOffset", 0}, {"SampleSizeOffset#", 0}}},
    {"an unknown rate read-out writes no rate", [](Form1&) { sound().Text1[1].setText("1 Hz"); },
     {{"SRateOffset", 0, "00442C46"}}, {}, false, {}, {{"SRateOffset", 0, "00442C46"}}},
    {"extended audio tracks", [](Form1&) { sound().Check1.setValue(1); },
     {{"FilenameArrayBaseOffset", 0, trackTable(447, 16)}}, {{"NamePointerOffset", 0}}},
    {"standard audio tracks restore the table", [](Form1&) {},
     {{"FilenameArrayBaseOffset", 0, trackTable(111, 64)}}, {}, false, {{"NamePointerOffset", 0}},
     {{"FilenameArrayBaseOffset", 0, trackTable(447, 16)}}},
    {"ricochet sound, extended", [](Form1& f) {
       extend(f);
       sound().Check9.setValue(1);
     },
     {}, join(kExtended, {{"EnableRicoSndJmpOffset", 0}, {"EnableRicoSndExtOffset", 0}, {"EnableRicoFixJumpOffset", 0}}),
     true},
    {"ricochet sound, extended and remapped", [](Form1& f) {
       extend(f, 1);
       sound().Check9.setValue(1);
     },
     {}, join(kExtendedRemapped, {{"EnableRicoSndJmpOffset", 1}, {"EnableRicoSndExtOffset", 1}, {"EnableRicoFixJumpOffset", 1}}),
     true},
    {"ricochet sound without the extension is off", [](Form1&) { sound().Check9.setValue(1); }, {}, {}, false,
     {{"EnableRicoSndJmpOffset", 0}, {"EnableRicoFixJumpOffset", 0}}},
};

const std::vector<StageCase> kTrapCases = {
    {"spikes, two-block platform, darts, falling block and other objects", [](Form1&) {
       auto& o = objects();
       const std::pair<int, const char*> values[] = {
           {0, "100"}, {1, "9"},  {11, "300"}, {4, "128"}, {5, "5"},  {6, "6"},   {12, "30"}, {13, "512"},
           {15, "200"}, {16, "100"}, {17, "50"}, {7, "90"}, {8, "2047"}, {10, "8"}, {9, "340"}, {19, "6"},
           {20, "70"}};
       for (auto [i, text] : values) o.Text1[i].setText(text);
     },
     {{"SpikeTimerOffset", 0, "6400"}, {"ProngStretchSpeedOffset", 0, "09"}, {"RetractionSpeedOffset", 0, "2C01"},
      {"2BPDepressDistOffset", 0, "80000000"}, {"2BPDepressSpedOffset", 0, "05"}, {"2BPRepressSpedOffset", 0, "FA"},
      {"DartsIntervalOffset", 0, "1E00"}, {"DartsSpeedOffset", 0, "0002"}, {"DartsColourOffset", 0, "3264C8"},
      {"FallinBlockTimerOffset", 0, "5A00"}, {"FallinBlockTrmOffset1", 0, "FF070000"},
      {"FallinBlockTrmOffset2", 0, "FF070000"}, {"BoulderGravityOffset", 0, "08"},
      {"SlicerDicerSpeedOffset", 0, "54010000"}, {"SlicerDicerRadiusOffset1", 0, "0E"},
      {"SlicerDicerRadiusOffset2", 0, "0E"}, {"ConductorInterval", 0, "46"}}},
    {"two-block platform inverted", [](Form1&) {
       auto& o = objects();
       o.Check4.setValue(1);
       o.Check1.setValue(1);
       o.Text1[4].setText("128");
       o.Text1[5].setText("5");
       o.Text1[6].setText("6");
     },
     {{"2BPDepressDistOffset", 0, "80FFFFFF"}, {"2BPDepressSpedOffset", 0, "FB"}, {"2BPRepressSpedOffset", 0, "06"}},
     {{"2BPOCBModeInvDirOffset#", 0}, {"2BPInvertDirFirstOffset", 0}, {"2BPInvertDirSecndOffset", 0},
      {"2BPInvertDirThirdOffset", 0}}},
    {"raising block with linked fake height", [](Form1&) {
       auto& o = objects();
       o.Text1[2].setText("5");
       o.Text1[3].setText("32");
       o.Check6.setValue(1);
     },
     {{"RBActualHeightOffset", 0, "00FBFFFF"}, {"RB1ReloadHeightOffset", 0, "00FBFFFF"},
      {"RB2ReloadHeightOffset", 0, "00F6FFFF"}, {"RBSpeedOffset", 0, "20"}, {"RBRetractedHeightOffset", 0, "00050000"},
      {"RBRetractionSpeedOffset", 0, "E0"}, {"RBFakeHeightOffset", 0, "0014"}}},
    {"raising block without the link restores the fake height", [](Form1&) {}, {}, {}, false, {},
     {{"RBFakeHeightOffset", 0, "0014"}}},
    {"greyed link writes no fake height", [](Form1&) { objects().Check6.setValue(2); },
     {{"RBFakeHeightOffset", 0, "0014"}}, {}, false, {}, {{"RBFakeHeightOffset", 0, "0014"}}},
    {"squishy block held to a byte", [](Form1&) {
       objects().Text1[14].setText("200");
       objects().Text1[18].setText("96");
     },
     {{"SqyishyTimerOffset", 0, "7F"}, {"SqyishyTrembleOffset", 0, "A0FFFFFF"}}},
    {"squishy block with a longer timer and no tremble", [](Form1&) {
       auto& o = objects();
       o.Check2.setValue(1);
       o.Check3.setValue(1);
       o.Text1[14].setText("200");
       o.Text1[18].setText("96");
     },
     {{"SqyishyTimerOffset", 0, "C800"}, {"SqyishyTrembleOffset", 1, "A0FFFFFF"},
      {"SqyishyTrembleDisOffset", 1, "9090909090"}},
     {{"SqyishyTimerOffset", 0}}},
    {"one-block platform without the extension", [](Form1&) {
       objects().Check10.setValue(1);
       objects().Text1[21].setText("300");
     },
     {}, {}, false, {{"1BPLoadingOffset", 0}}},
    {"one-block platform, extended", [](Form1& f) {
       extend(f);
       auto& o = objects();
       o.Check10.setValue(1);
       o.Text1[21].setText("300");
       o.Text1[22].setText("5");
       o.Text1[23].setText("6");
     },
     {{"1BPDepressDistOffset", 0, "2C010000"}, {"1BPDepressSpedOffset", 0, "05"}, {"1BPRepressSpedOffset", 0, "FA"},
      {"1BPOCBModeInvDirOffset1", 0, "7D"}, {"1BPOCBModeInvDirOffset2", 0, "7E"}, {"1BPInvertDirFirstOffset", 0, "2B"},
      {"1BPInvertDirSecndOffset", 0, "7E"}, {"1BPInvertDirThirdOffset", 0, "2B"}},
     join(kExtended, {{"1BPLoadingOffset", 1}, {"1BPExtendedOffset", 0}}), true},
    {"one-block platform, extended, remapped and inverted", [](Form1& f) {
       extend(f, 1);
       auto& o = objects();
       o.Check10.setValue(1);
       o.Check8.setValue(1);
       o.Check9.setValue(1);
       o.Text1[21].setText("300");
       o.Text1[22].setText("5");
       o.Text1[23].setText("6");
     },
     {{"1BPDepressDistOffset", 0, "D4FEFFFF"}, {"1BPDepressSpedOffset", 0, "FB"}, {"1BPRepressSpedOffset", 0, "06"},
      {"1BPOCBModeInvDirOffset1", 0, "7C"}, {"1BPOCBModeInvDirOffset2", 0, "7F"}, {"1BPInvertDirFirstOffset", 0, "03"},
      {"1BPInvertDirSecndOffset", 0, "7F"}, {"1BPInvertDirThirdOffset", 0, "03"}},
     join(kExtendedRemapped, {{"1BPLoadingOffset", 0}, {"1BPExtendedOffset", 1}}), true},
};

TEST_F(LevelPass, BonusLevel) { run(kBonusCases); }
TEST_F(LevelPass, Camera) { run(kCameraCases); }
TEST_F(LevelPass, Sound) { run(kSoundCases); }
TEST_F(LevelPass, Traps) { run(kTrapCases); }

// The squishy block's box is held to a byte by the pass itself.
TEST_F(LevelPass, SquishyTimerBoxBecomesAByte) {
  start();
  objects().Text1[14].setText("200");
  pass();
  EXPECT_EQ(objects().Text1[14].text(), "127");
}

TEST_F(LevelPass, ValuesThatAreNoNumberRollBack) {
  const std::vector<std::function<void(Form1&)>> spoilers = {
      [](Form1&) { camera().Text1[4].setText(""); },
      [](Form1&) { camera().Text1[0].setText("abc"); },
      [](Form1&) { objects().Text1[2].setText("x"); },
      [](Form1&) { objects().Text1[6].setText(""); },
      [](Form1&) { objects().Text1[19].setText("1a"); },
      [](Form1& f) {
        extend(f);
        bonusLevel(f);
        conditions().Text6[0].setText("");
      },
      [](Form1& f) {
        extend(f);
        bonusLevel(f);
        f.Text7.setText("x");
      },
  };
  for (std::size_t i = 0; i < spoilers.size(); ++i) {
    SCOPED_TRACE(i);
    std::string original = reflayout::referenceExecutable();
    original[7000] ^= 0x5A;
    putBytes(exe(), original);
    spoilers[i](start());
    pass();
    EXPECT_EQ(differences(exeBytes(), original), "");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Cannot modify file");
    EXPECT_FALSE(workingCopyLeft());
    Forms::reset();
  }
}

// A key the config lacks is an error even where the write adds a displacement to it.
TEST_F(LevelPass, MissingOffsetWithADisplacementRollsBack) {
  configWithout("SqyishyTrembleOffset=");
  shell::ResetVersionTables();
  start();
  objects().Check2.setValue(1);
  pass();
  EXPECT_EQ(differences(exeBytes(), reflayout::referenceExecutable()), "");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Cannot modify file");
}

}  // namespace
}  // namespace olvex::patcher::test
