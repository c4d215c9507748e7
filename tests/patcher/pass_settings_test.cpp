// Whole passes over the reference executable: the bytes every setting of the main window writes,
// and nothing else; a file of any kind at the executable's name ends as the patched file.
#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "customizers/camera/dialog.h"
#include "customizers/health/dialog.h"
#include "customizers/inventory/dialog.h"
#include "customizers/lights/dialog.h"
#include "customizers/objects/dialog.h"
#include "customizers/sound/dialog.h"
#include "customizers/weapons/dialog.h"
#include "draco/patch_list.h"
#include "draco/patch_selection.h"
#include "furr/feditor.h"
#include "furr/rteditor.h"
#include "pass_fixture.h"
#include "patcher/value_paths.h"
#include "patcher/write_rows.h"
#include "platform/files.h"

namespace olvex::patcher::test {
namespace {

namespace fs = std::filesystem;
using shell::Form1;
using ui::Forms;
using Box = ui::CheckBox Form1::*;

// Sets the main window's boxes to state.
std::function<void(Form1&)> checked(std::vector<Box> boxes, int state = 1) {
  return [boxes, state](Form1& f) {
    for (Box box : boxes) (f.*box).setValue(state);
  };
}

const std::vector<Expect> kRemap = {
    {"PEHeaderOffset", 0}, {"Remap#Offset", 0}, {"ResTableBaseOffset", 0}, {"ForceBumpMapOffset", 0}};
const std::vector<Expect> kRemapOnly = join(kRemap, {{"ExtSizePEHeaderOffset2", 1}});
const std::vector<Expect> kLimits = {{"LevelBuffer1Offset#", 0},    {"LevelBuffer2Offset", 0},
                                     {"EnemyLimitZoneOffset", 0},   {"ObjectBufferSizeOffset", 0},
                                     {"ObjectBufferZoneOffset", 0}, {"FixSaveOffset#", 0}};
const std::vector<Expect> kParticles = {{"PartLimiter#Offset#", 0}, {"FreeBufferSizeOffset", 0}};
const std::vector<Expect> kSavegame = {{"SavePathOffset", 0}, {"StackCorrectionOffset#", 0}};

class PassSettings : public PassTest {};

TEST_F(PassSettings, EachMainWindowSettingWritesItsLocationsAndNothingElse) {
  const auto textOf = [](ui::TextBox Form1::*box, const char* text) { return [=](Form1& f) { (f.*box).setText(text); }; };
  const std::vector<Expect> patched = {{"LockCameraOffset", 0}, {"FogBulbBypassOffset", 0}, {"HangThreadOffset", 0},
                                       {"LevelBuffer1Offset#", 0}, {"VertexLimitOffset#", 0}};
  expectPasses({
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
       patched, {}, false, patched},
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
      // The remap writes nothing; the extension header, the particle-buffer references and the
      // savegame hooks take the variant of the remapped code the file holds.
      {"greyed remap with extension, particle buffer and savegame",
       [](Form1& f) {
         checked({&Form1::Check9, &Form1::Check20, &Form1::Check21})(f);
         f.Check5.setValue(2);
       },
       join(join(kExtended, join(kParticles, kSavegame)),
            {{"Remap#Offset", 0}, {"PartBuffer#Offset#", 1}, {"ExtSGameBaseOffset", 1}, {"ExtSGameInsideOffset#", 1},
             {"ExtSizePEHeaderOffset2", 2}, {"ExtSizePEHeaderOffset3", 1}}),
       {}, true, {{"Remap#Offset", 0}, {"PartBuffer#Offset#", 0}}},
      // Over the hooks a greyed box writes the handler they lead to into the refilled area.
      {"greyed savegame box with extension keeps the hooks and their handler",
       [](Form1& f) {
         f.Check9.setValue(1);
         f.Check21.setValue(2);
       },
       join(join(kExtended, kSavegame), {{"ExtSGameInsideOffset#", 0}, {"ExtSGameBaseOffset", 0}}), {}, true,
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

// A greyed remap box after a remapped or a standard pass: the code stays as that pass left it,
// and so does the image size; the extension's header takes the variant of that code.
TEST_F(PassSettings, GreyedRemapKeepsTheHeaderOfTheCodeTheFileHolds) {
  const char* imageSize[2][2] = {{"41", "81"}, {"59", "99"}};
  Form1& f = start();
  for (int extended : {0, 1}) {
    for (int remapped : {1, 0}) {
      SCOPED_TRACE(testing::Message() << "extended " << extended << ", remapped " << remapped);
      checked({&Form1::Check9}, extended)(f);
      checked({&Form1::Check5}, remapped)(f);
      pass();
      const std::string written = exeBytes();
      checked({&Form1::Check5}, 2)(f);
      pass();
      EXPECT_EQ(differences(exeBytes(), written), "");
      EXPECT_EQ(hexAt(exeBytes(), "Remap1Offset", 0, 4), remapped ? "B254AEB3" : "FDF79778");
      EXPECT_EQ(hexAt(exeBytes(), "ExtSizePEHeaderOffset2", 0, 1), imageSize[extended][remapped]);
      // The fifth section's virtual address: 0x813000 over remapped memory, else 0x413000.
      if (extended) {
        EXPECT_EQ(hexAt(exeBytes(), "ExtSizePEHeaderOffset3", 12, 4), remapped ? "00308100" : "00304100");
      }
    }
  }
}

// After a remapped or a standard extended pass, greyed passes take the variant of the code that
// pass left wherever a writer chooses one: the image size of the standard length it cuts back to,
// and with the extension every hook and the DRACO patch's bytes.
TEST_F(PassSettings, GreyedRemapTakesTheVariantOfTheCodeTheFileHoldsInEveryStage) {
  // An offset key and the data keys of its standard and its remapped variant.
  const std::vector<std::array<const char*, 3>> kHooks = {
      {"PartBuffer2Offset1", "PartBuffer2ModNData", "PartBuffer2ModRData"},
      {"ExtSGameBaseOffset", "ExtSGBaseNoRelData", "ExtSGBaseYoRelData"},
      {"ExtSGameInsideOffset1", "ExtSGJmp1DataN", "ExtSGJmp1DataR"},
      {"XBowFlametailBaseOffset", "XBowFlametailBaseModNData", "XBowFlametailBaseModRData"},
      {"XBowFlametailJmpOffset", "XBowFlametailJmpNData", "XBowFlametailJmpRData"},
      {"BlinkLightJump1Offset", "BlinkingLightJmp1ModData", "BlinkingLightJmp1ModRData"},
      {"LPAWorkaroundJmpOffset", "LPAWorkaroundJmpNData", "LPAWorkaroundJmpRData"},
      {"BlowOffset", "BlowModNoRelData", "BlowModYoRelData"},
      {"EnableRicoSndJmpOffset", "EnableRicoSndJmpModNData", "EnableRicoSndJmpModRData"},
      {"1BPLoadingOffset", "1BPNoRelLoadingData", "1BPRelocLoadingData"},
      {"FEBaseProcOffset", "FEBaseProcModDataNoRel", "FEBaseProcModDataYoRel"},
      {"RaceBaseOffset", "RaceExtJmpNoRelData", "RaceExtJmpYoRelData"},
  };
  const std::int64_t patchAt = positionOf("EOFOffset") + 0x100;  // 0-based, in the appended area
  draco::PatchRecord patch;
  patch.Omnipresence = 1;
  patch.Name = "P";
  char offset[16];
  std::snprintf(offset, sizeof offset, "%llX", static_cast<long long>(patchAt));
  patch.Offffset[0] = offset;
  patch.DeflData[0] = "0000";
  patch.ModNData[0] = "A1A1";
  patch.ModRData[0] = "B2B2";
  for (int remapped : {1, 0}) {
    SCOPED_TRACE(testing::Message() << "remapped " << remapped);
    putBytes(exe(), reflayout::referenceExecutable());
    Form1& f = start();
    checked({&Form1::Check9})(f);
    checked({&Form1::Check5}, remapped)(f);
    pass();
    checked({&Form1::Check5}, 2)(f);
    checked({&Form1::Check9}, 0)(f);
    pass();
    EXPECT_EQ(hexAt(exeBytes(), "ExtSizePEHeaderOffset2", 0, 1), remapped ? "81" : "41");

    checked({&Form1::Check9, &Form1::Check20, &Form1::Check21})(f);
    Forms::get<furr::RTEditor>().Option1[0].setValue(true);  // a jump into the race timer
    for (ui::CheckBox* box : {&Forms::get<customizers::CustWeapons>().Check9, &Forms::get<customizers::CustLite>().Check2,
                              &Forms::get<customizers::CustInv>().Check4, &Forms::get<customizers::CustLaraHP>().Check2,
                              &Forms::get<customizers::CustLaraHP>().Check4, &Forms::get<customizers::CustSnd>().Check9,
                              &Forms::get<customizers::CustObj>().Check10, &Forms::get<furr::FEditor>().Check1,
                              &Forms::get<furr::RTEditor>().Check1})
      box->setValue(1);
    draco::ClearPatchList();
    draco::PatchList.push_back(patch);
    draco::RefreshPatchList();
    draco::SetItemSelected(1, true);
    pass();
    const std::string file = exeBytes();
    for (const auto& [key, standard, remappedData] : kHooks) {
      const std::string_view data = reflayout::findDataKey(remapped ? remappedData : standard)->hex;
      EXPECT_EQ(hexAt(file, key, 0, data.size() / 2), data) << key;
    }
    EXPECT_EQ(file.substr(patchAt, 2), remapped ? "\xB2\xB2" : "\xA1\xA1");
    ui::Forms::reset();
  }
  draco::ClearPatchList();
}

// What stands at the executable's name before the pass: the pass writes the file it finds there.
TEST_F(PassSettings, TheExecutableFoundIsPatchedWithNothingLeftBehind) {
  const auto lastFour = [](std::int64_t position) {
    return [position](Form1& f) {
      f.Check9.setValue(position > static_cast<std::int64_t>(reflayout::kStandardLength));
      passHooks().StageWriters["DRACO"] = [position](platform::RandomAccessFile& file) { file.write(position, "ABCD"); };
    };
  };
  expectPasses({
      {"a working copy a killed run left", [this](Form1&) { putBytes(exe() + "0", "left by a killed run"); }, {}},
      {"the executable as copied removed by another program just after the exchange",
       [this](Form1&) { passHooks().AfterExchange = [this] { fs::remove(ownName()); }; }, {}},
      {"a link, followed to the file it leads to; killed runs' files go in both folders",
       [this](Form1& f) {
         fs::create_directory(dir.file("game"));
         leaveKilledRunsTemporary(dir.path());
         leaveKilledRunsTemporary(dir.file("game"));
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
