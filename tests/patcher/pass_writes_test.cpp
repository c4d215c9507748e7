// Whole passes over the reference executable: the bytes every option writes, and nothing else.
#include <functional>
#include <vector>

#include "pass_fixture.h"

namespace olvex::patcher::test {
namespace {

using shell::Form1;

TEST_F(PassTest, BuiltInSettingsLeaveTheReferenceExecutableAsItWas) {
  start();
  pass();
  EXPECT_EQ(differences(exeBytes(), reflayout::referenceExecutable()), "");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(workingCopyLeft());
}

// The file before the pass is the reference executable with `before` applied.
struct OptionCase {
  const char* name;
  std::function<void(Form1&)> set;
  bool extended;
  std::vector<Expect> expects;
  std::vector<Expect> before = {};
};

void check(Form1& f, ui::CheckBox Form1::*box, int v = 1) { (f.*box).setValue(v); }

const std::vector<Expect> kRemap = {{"PEHeaderOffset", 0}, {"Remap#Offset", 0}, {"ResTableBaseOffset", 0},
                                    {"ForceBumpMapOffset", 0}};
const std::vector<Expect> kLimits = {
    {"LevelBuffer1Offset#", 0}, {"LevelBuffer2Offset", 0}, {"EnemyLimitZoneOffset", 0},
    {"ObjectBufferSizeOffset", 0}, {"ObjectBufferZoneOffset", 0}, {"FixSaveOffset#", 0}};

std::vector<Expect> join(std::initializer_list<std::vector<Expect>> parts) {
  std::vector<Expect> r;
  for (const auto& p : parts) r.insert(r.end(), p.begin(), p.end());
  return r;
}

const std::vector<OptionCase> kOptionCases = {
    {"single options", [](Form1& f) {
       for (auto box : {&Form1::Check11, &Form1::Check1, &Form1::Check2, &Form1::Check3, &Form1::Check6,
                        &Form1::Check4, &Form1::Check12, &Form1::Check14, &Form1::Check17, &Form1::Check8})
         check(f, box);
     }, false,
     {{"FogBulbBypassOffset", 0}, {"DDisOffset#", 0}, {"FDisOffset", 0}, {"LTOffset", 0}, {"VEOffset", 0},
      {"VEOffset2", 0}, {"FixHolstersOffset", 0}, {"HangThreadOffset", 0}, {"VertexLimitOffset#", 0},
      {"ForceVolFXOffset", 0}}},
    {"dialog check boxes", [](Form1&) {
       passHooks().CustCameraCheck10 = [] { return 1; };
       passHooks().CustCameraCheck9 = [] { return 1; };
       passHooks().CustInvCheck7 = [] { return 1; };
     }, false, {{"LockCameraOffset", 0}, {"StickCameraOffset", 0}, {"NEscOffset", 0}}},
    {"greyed boxes write nothing", [](Form1& f) {
       passHooks().CustCameraCheck10 = [] { return 2; };
       for (auto box : {&Form1::Check11, &Form1::Check14, &Form1::Check15, &Form1::Check17})
         check(f, box, 2);
     }, false, {{"LockCameraOffset", 0}, {"FogBulbBypassOffset", 0}, {"HangThreadOffset", 0},
                {"LevelBuffer1Offset#", 0}, {"VertexLimitOffset#", 0}},
     {{"LockCameraOffset", 0}, {"FogBulbBypassOffset", 0}, {"HangThreadOffset", 0},
      {"LevelBuffer1Offset#", 0}, {"VertexLimitOffset#", 0}}},
    {"clipping off", [](Form1& f) { f.Option2[1].setValue(true); }, false, {{"ClipOffset1", 0}, {"ClipOffset2", 0}}},
    {"clipping all objects", [](Form1& f) { f.Option2[2].setValue(true); }, false,
     {{"ClipOffset1", 0}, {"ClipOffset2", 1}}},
    {"one ponytail", [](Form1& f) { f.Option1[1].setValue(true); }, false,
     {{"TwinPonyOffset1", 0}, {"TwinPonyOffset2", 1}, {"TwinPonyOffset3", 0}, {"TwinPonyOffset4", 0},
      {"TwinPonyOffset5", 0}}},
    {"two ponytails", [](Form1& f) { f.Option1[2].setValue(true); }, false,
     {{"TwinPonyOffset1", 1}, {"TwinPonyOffset2", 0}, {"TwinPonyOffset3", 1}, {"TwinPonyOffset4", 1},
      {"TwinPonyOffset5", 1}}},
    {"enemy limits without remap", [](Form1& f) { check(f, &Form1::Check15); }, false,
     join({kLimits, {{"DisableEnemyLimitOffset#", 0}, {"TargetLimitOffset", 0}}})},
    {"remap alone; its dependants stay default", [](Form1& f) {
       check(f, &Form1::Check5);
     }, false, join({kRemap, {{"ExtSizePEHeaderOffset2", 1}}})},
    {"options that need remap without it", [](Form1& f) {
       for (auto box : {&Form1::Check7, &Form1::Check10, &Form1::Check18}) check(f, box);
     }, false, {},
     {{"TargetBufferOffset#", 0}, {"IncStaticLimit#Offset#", 0}, {"FlybyBuffer#Offset#", 0}}},
    {"remap with statics, flyby, target buffer and limits", [](Form1& f) {
       for (auto box : {&Form1::Check5, &Form1::Check7, &Form1::Check10, &Form1::Check18, &Form1::Check15})
         check(f, box);
     }, false,
     join({kRemap, kLimits,
           {{"TargetBufferOffset#", 0}, {"DisableEnemyLimitOffset#", 1}, {"TargetLimitOffset", 1},
            {"IncStaticLimit#Offset#", 0}, {"FlybyBuffer1Offset#", 0}, {"FlybyBuffer2Offset#", 0},
            {"ExtSizePEHeaderOffset2", 1}}})},
    {"target buffer checked but disabled", [](Form1& f) {
       check(f, &Form1::Check5);
       check(f, &Form1::Check7);
       f.Check7.setEnabled(false);
     }, false, join({kRemap, {{"ExtSizePEHeaderOffset2", 1}}})},
    {"particle buffer and savegame need the extension", [](Form1& f) {
       check(f, &Form1::Check20);
       check(f, &Form1::Check21);
     }, false, {},
     {{"PartBuffer#Offset#", 0}, {"PartLimiter#Offset#", 0}, {"FreeBufferSizeOffset", 0},
      {"ExtSGameInsideOffset#", 0}, {"SavePathOffset", 0}, {"StackCorrectionOffset#", 0}}},
    {"greyed extension keeps the standard length", [](Form1& f) { check(f, &Form1::Check9, 2); }, false, {}},
    {"extended", [](Form1& f) { check(f, &Form1::Check9); }, true,
     {{"ExtSizePEHeaderOffset1", 0}, {"ExtSizePEHeaderOffset2", 0}, {"ExtSizePEHeaderOffset3", 0}}},
    {"extended and remapped", [](Form1& f) {
       check(f, &Form1::Check9);
       check(f, &Form1::Check5);
     }, true,
     join({kRemap, {{"ExtSizePEHeaderOffset1", 0}, {"ExtSizePEHeaderOffset2", 2}, {"ExtSizePEHeaderOffset3", 1}}})},
    {"particle buffer, standard memory", [](Form1& f) {
       check(f, &Form1::Check9);
       check(f, &Form1::Check20);
     }, true,
     {{"PartBuffer#Offset#", 0}, {"PartLimiter#Offset#", 0}, {"FreeBufferSizeOffset", 0}, {"ExtSizePEHeaderOffset1", 0},
      {"ExtSizePEHeaderOffset2", 0}, {"ExtSizePEHeaderOffset3", 0}}},
    {"particle buffer, remapped memory", [](Form1& f) {
       check(f, &Form1::Check9);
       check(f, &Form1::Check20);
       check(f, &Form1::Check5);
     }, true,
     join({kRemap, {{"PartBuffer#Offset#", 1}, {"PartLimiter#Offset#", 0}, {"FreeBufferSizeOffset", 0},
                    {"ExtSizePEHeaderOffset1", 0}, {"ExtSizePEHeaderOffset2", 2}, {"ExtSizePEHeaderOffset3", 1}}})},
    {"advanced savegame, standard memory", [](Form1& f) {
       check(f, &Form1::Check9);
       check(f, &Form1::Check21);
     }, true,
     {{"ExtSizePEHeaderOffset1", 0}, {"ExtSizePEHeaderOffset2", 0}, {"ExtSizePEHeaderOffset3", 0},
      {"ExtSGameBaseOffset", 0}, {"ExtSGameInsideOffset#", 0}, {"SavePathOffset", 0},
      {"StackCorrectionOffset#", 0}}},
    {"advanced savegame, remapped memory", [](Form1& f) {
       check(f, &Form1::Check9);
       check(f, &Form1::Check21);
       check(f, &Form1::Check5);
     }, true,
     join({kRemap, {{"ExtSizePEHeaderOffset1", 0}, {"ExtSizePEHeaderOffset2", 2}, {"ExtSizePEHeaderOffset3", 1},
                    {"ExtSGameBaseOffset", 1}, {"ExtSGameInsideOffset#", 1}, {"SavePathOffset", 0},
                    {"StackCorrectionOffset#", 0}}})},
    // Greyed remap: the remap and the particle-buffer references write nothing, the extension
    // header takes the standard variant, the savegame hooks the remapped one.
    {"greyed remap with extension, particle buffer and savegame", [](Form1& f) {
       check(f, &Form1::Check9);
       check(f, &Form1::Check20);
       check(f, &Form1::Check21);
       check(f, &Form1::Check5, 2);
     }, true,
     {{"Remap#Offset", 0}, {"PartBuffer#Offset#", 0}, {"PartLimiter#Offset#", 0}, {"FreeBufferSizeOffset", 0},
      {"ExtSizePEHeaderOffset1", 0}, {"ExtSizePEHeaderOffset2", 0}, {"ExtSizePEHeaderOffset3", 0},
      {"ExtSGameBaseOffset", 1}, {"ExtSGameInsideOffset#", 1}, {"SavePathOffset", 0},
      {"StackCorrectionOffset#", 0}},
     {{"Remap#Offset", 0}, {"PartBuffer#Offset#", 0}}},
    {"greyed savegame box with extension writes no hooks", [](Form1& f) {
       check(f, &Form1::Check9);
       check(f, &Form1::Check21, 2);
     }, true,
     {{"ExtSizePEHeaderOffset1", 0}, {"ExtSizePEHeaderOffset2", 0}, {"ExtSizePEHeaderOffset3", 0},
      {"ExtSGameInsideOffset#", 0}, {"SavePathOffset", 0}, {"StackCorrectionOffset#", 0}},
     {{"ExtSGameInsideOffset#", 0}, {"SavePathOffset", 0}, {"StackCorrectionOffset#", 0}}},
};

TEST_F(PassTest, EachOptionWritesItsLocationsAndNothingElse) {
  for (const OptionCase& c : kOptionCases) {
    SCOPED_TRACE(c.name);
    putBytes(exe(), expectedFile(false, c.before));
    passHooks() = PassHooks{};
    Form1& f = start();
    c.set(f);
    pass();
    EXPECT_EQ(differences(exeBytes(), expectedFile(c.extended, c.expects)), "");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(workingCopyLeft());
    ui::Forms::reset();  // the next case starts a fresh main window with the built-in settings
  }
}

TEST_F(PassTest, EverythingOffAgainRestoresTheReferenceExecutable) {
  Form1& f = start();
  for (auto box : {&Form1::Check1, &Form1::Check2, &Form1::Check3, &Form1::Check4, &Form1::Check5,
                   &Form1::Check6, &Form1::Check7, &Form1::Check8, &Form1::Check9, &Form1::Check10,
                   &Form1::Check11, &Form1::Check12, &Form1::Check14, &Form1::Check15, &Form1::Check17,
                   &Form1::Check18, &Form1::Check20, &Form1::Check21})
    check(f, box);
  f.Option1[2].setValue(true);
  f.Option2[2].setValue(true);
  pass();
  std::string patched = exeBytes();
  ASSERT_EQ(patched.size(), kExtendedLength);
  pass();
  EXPECT_EQ(exeBytes(), patched);  // a second pass gives the same file

  ui::Forms::reset();
  start();
  pass();
  EXPECT_EQ(differences(exeBytes(), reflayout::referenceExecutable()), "");
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace olvex::patcher::test
