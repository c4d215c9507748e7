// The MAIN stage: one table of rows in write order; where two rows write the same position the
// later one stays.
#include <cstdint>
#include <functional>
#include <limits>

#include "patcher/pass_decisions.h"
#include "patcher/pass_hooks.h"
#include "patcher/selectors.h"
#include "patcher/stage_writes.h"
#include "patcher/value_paths.h"
#include "shell/number_text.h"
#include "shell/shared_tables.h"

namespace olvex::patcher {

namespace {

using shell::Form1;
using namespace select;

std::string drawingDistance(const Form1& f) { return FloatHex(shell::Val(f.Text2.text())); }
std::string distantFog(const Form1& f) { return FloatHex(shell::Val(f.Text3.text())); }
std::string hardClipping(const Form1& f) { return IntHex(f.Text1.text(), 8); }

// (FogBulbRange * 1024) squared: the product must fit 32 bits, the square is taken in floating
// point.
std::string fogBulbDistance(const Form1&) {
  std::int64_t range = std::int64_t{shell::FogBulbRange} * 1024;
  if (range < std::numeric_limits<std::int32_t>::min() || range > std::numeric_limits<std::int32_t>::max())
    throw PassError("fog bulb range out of range");
  double d = static_cast<double>(range);
  return FloatHex(d * d);
}

int dialogCheck(const std::function<int()>& value) { return choiceOf(value ? value() : 0); }
int cameraLock(const Form1&) { return dialogCheck(passHooks().CustCameraCheck10); }
int cameraStick(const Form1&) { return dialogCheck(passHooks().CustCameraCheck9); }
int inventoryKey(const Form1&) { return dialogCheck(passHooks().CustInvCheck7); }

// Option groups: the first selected button decides, the last alternative when none is.
int clippingMode(const Form1& f) { return f.Option2[0].value() ? 0 : f.Option2[1].value() ? 1 : 2; }
int ponytails(const Form1& f) { return f.Option1[0].value() ? 0 : f.Option1[2].value() ? 2 : 1; }

bool remap(const Form1& f) { return f.Check5.value() == 1; }
int targetBuffer(const Form1& f) { return remap(f) && f.Check7.value() == 1 && f.Check7.enabled(); }
// The relocated target buffer takes the enemy limits over from the plain ones.
int targetLimits(const Form1& f) { return targetBuffer(f) && f.Check15.value() == 1 ? 1 : kNothing; }
int flyby(const Form1& f) { return remap(f) && f.Check18.value() == 1; }
int statics(const Form1& f) { return remap(f) && f.Check10.value() == 1; }
int particleRemap(const Form1&) { return CurrentPass().particlesRemapped; }
int particleBuffer(const Form1& f) { return particleRemap(f) ? variant(f) : 0; }

const Row kBeforeStatics[] = {
    {always, {"DDOffset"}, {C(drawingDistance)}},
    {always, {"DDOffset", 1, -4}, {C(distantFog)}},
    {choice<&Form1::Check11>, {"FogBulbBypassOffset"}, {L("75"), L("EB")}},
    {always, {"FogBulbDistOffset"}, {C(fogBulbDistance)}},
    {always, {"ClipDistOffset#", 2}, {C(hardClipping)}},

    {choice<&Form1::Check5>, {"PEHeaderOffset"}, {F("PEHeaderDefData"), F("PEHeaderModData")}},
    {choice<&Form1::Check5>, {"Remap#Offset", 10}, {F("Remap#DefData"), F("Remap#ModData")}},
    {choice<&Form1::Check5>, {"ResTableBaseOffset", 1, 0}, {F("ResTableRVADefData"), F("ResTableRVAModData")}},
    {choice<&Form1::Check5>, {"ResTableBaseOffset", 1, 16}, {F("ResTableRVADefData"), F("ResTableRVAModData")}},
    {choice<&Form1::Check5>, {"ResTableBaseOffset", 1, 32}, {F("ResTableRVADefData"), F("ResTableRVAModData")}},
    {choice<&Form1::Check5>, {"ResTableBaseOffset", 1, 48}, {F("ResTableRVADefData"), F("ResTableRVAModData")}},
    {choice<&Form1::Check5>, {"ResTableBaseOffset", 1, 64}, {F("ResTableRVADefData"), F("ResTableRVAModData")}},
    {choice<&Form1::Check5>, {"ResTableBaseOffset", 1, 80}, {F("ResTableRVADefData"), F("ResTableRVAModData")}},
    {choice<&Form1::Check5>, {"ForceBumpMapOffset"}, {F("ForceBumpMapDefData"), F("ForceBumpMapModData")}},

    {clippingMode, {"ClipOffset1"}, {F("Clip1DefData"), F("Clip1ModData"), F("Clip1ModData")}},
    {clippingMode, {"ClipOffset2"}, {F("Clip2DefData"), F("Clip2ModData"), L("9090")}},
    {choice<&Form1::Check1>, {"DDisOffset#", 3}, {L("75"), L("EB")}},
    {choice<&Form1::Check2>, {"FDisOffset"}, {L("A9FFFFFF00894610"), L("9090909090909090")}},
    {choice<&Form1::Check3>, {"LTOffset"}, {L("74"), L("EB")}},
    // The enemy disappearance boxes say "disable": checked writes 00.
    {choice<&Form1::Check6>, {"VEOffset"}, {L("01"), L("00")}},
    {choice<&Form1::Check4>, {"VEOffset2"}, {L("01"), L("00")}},
    {cameraLock, {"LockCameraOffset"}, {F("LockCameraData"), L("9090909090")}},
    {cameraStick, {"StickCameraOffset"}, {L("00000900"), L("01000000")}},

    // Ponytails: leave intact / one / two.
    {ponytails, {"TwinPonyOffset1"}, {F("TwinPony1DefData"), F("TwinPony1ModDataS"), L("9090")}},
    {ponytails, {"TwinPonyOffset2"}, {F("TwinPony2DefData"), L("9090"), F("TwinPony2ModDataT")}},
    {ponytails, {"TwinPonyOffset3"}, {F("TwinPony3DefData"), F("TwinPony3ModDataS"), L("9090")}},
    {ponytails, {"TwinPonyOffset4"}, {F("TwinPony4DefData"), F("TwinPony4ModDataS"), L("9090")}},
    {ponytails, {"TwinPonyOffset5"}, {F("TwinPony5DefData"), F("TwinPony5ModDataS"), L("9090")}},

    {test<&Form1::Check12>, {"FixHolstersOffset"}, {F("FixHolstersDefault"), F("FixHolstersMod")}},
    {inventoryKey, {"NEscOffset"}, {F("NEscData"), L("9090")}},
    {choice<&Form1::Check14>, {"HangThreadOffset"}, {L("74"), L("EB")}},

    // Enemy and object limits; several fields are kept in reading order.
    {choice<&Form1::Check15>, {"LevelBuffer1Offset#", 3}, {R("LevelBuffer1DefData"), R("LevelBuffer1ModData")}},
    {choice<&Form1::Check15>, {"LevelBuffer2Offset"}, {R("LevelBuffer2DefData"), R("LevelBuffer2ModData")}},
    {choice<&Form1::Check15>, {"EnemyLimitZoneOffset"}, {F("EnemyLimitZoneDefData"), F("EnemyLimitZoneModData")}},
    {choice<&Form1::Check15>, {"ObjectBufferSizeOffset"}, {R("ObjectBufferSizeDefData"), R("ObjectBufferSizeModData")}},
    {choice<&Form1::Check15>, {"ObjectBufferZoneOffset"}, {R("ObjectBufferZoneDefData"), R("ObjectBufferZoneModData")}},
    {choice<&Form1::Check15>, {"FixSaveOffset#", 6}, {R("ObjectBufferZoneDefData"), R("ObjectBufferZoneModData")}},
    {choice<&Form1::Check15>, {"DisableEnemyLimitOffset#", 4}, {L("05"), F("IncreasedEnemyLimitNoRel")}},
    {choice<&Form1::Check15>, {"TargetLimitOffset"}, {L("05"), F("IncreasedEnemyLimitNoRel")}},
    {targetBuffer, {"TargetBufferOffset#", 7}, {F("TargetBufferDefData"), F("TargetBufferModData")}},
    {targetLimits, {"DisableEnemyLimitOffset#", 4}, {Hex{}, F("IncreasedEnemyLimit")}},
    {targetLimits, {"TargetLimitOffset"}, {Hex{}, F("IncreasedEnemyLimit")}},

    {choice<&Form1::Check17>, {"VertexLimitOffset1"}, {F("VL1DefData"), F("VL1ModData")}},
    {choice<&Form1::Check17>, {"VertexLimitOffset2"}, {F("VL2DefData"), F("VL2ModData")}},
    {choice<&Form1::Check8>, {"ForceVolFXOffset"}, {F("VolFXDefData"), F("VolFXModData")}},
    {flyby, {"FlybyBuffer1Offset#", 4}, {F("FlybyBuffer1DefData"), F("FlybyBuffer1ModData")}},
    {flyby, {"FlybyBuffer2Offset#", 3}, {F("FlybyBuffer2DefData"), F("FlybyBuffer2ModData")}},
};

// The static-object table moved into the remapped scene memory, or back: eleven groups of
// references (there is no group 10).
const Row kStatics[] = {
    {statics, {"IncStaticLimit1Offset#", 16}, {F("IncStaticLimitDefData1"), F("IncStaticLimitModData1")}},
    {statics, {"IncStaticLimit2Offset#", 6}, {F("IncStaticLimitDefData2"), F("IncStaticLimitModData2")}},
    {statics, {"IncStaticLimit3Offset#", 3}, {F("IncStaticLimitDefData3"), F("IncStaticLimitModData3")}},
    {statics, {"IncStaticLimit4Offset#", 3}, {F("IncStaticLimitDefData4"), F("IncStaticLimitModData4")}},
    {statics, {"IncStaticLimit5Offset#", 2}, {F("IncStaticLimitDefData5"), F("IncStaticLimitModData5")}},
    {statics, {"IncStaticLimit6Offset1"}, {F("IncStaticLimitDefData6"), F("IncStaticLimitModData6")}},
    {statics, {"IncStaticLimit7Offset#", 6}, {F("IncStaticLimitDefData7"), F("IncStaticLimitModData7")}},
    {statics, {"IncStaticLimit8Offset1"}, {F("IncStaticLimitDefData8"), F("IncStaticLimitModData8")}},
    {statics, {"IncStaticLimit9Offset1"}, {F("IncStaticLimitDefData9"), F("IncStaticLimitModData9")}},
    {statics, {"IncStaticLimit11Offset1"}, {F("IncStaticLimitDefData11"), F("IncStaticLimitModData11")}},
    {statics, {"IncStaticLimit12Offset1"}, {F("IncStaticLimitDefData12"), F("IncStaticLimitModData12")}},
};

// The particle buffer: references (N / R variants), then the limiters and the free size.
const Row kAfterStatics[] = {
    {particleBuffer, {"PartBuffer1Offset#", 42}, {F("PartBuffer1DefData"), F("PartBuffer1ModNData"), F("PartBuffer1ModRData")}},
    {particleBuffer, {"PartBuffer2Offset1"}, {F("PartBuffer2DefData"), F("PartBuffer2ModNData"), F("PartBuffer2ModRData")}},
    {particleBuffer, {"PartBuffer3Offset1"}, {F("PartBuffer3DefData"), F("PartBuffer3ModNData"), F("PartBuffer3ModRData")}},
    {particleBuffer, {"PartBuffer4Offset1"}, {F("PartBuffer4DefData"), F("PartBuffer4ModNData"), F("PartBuffer4ModRData")}},
    {particleBuffer, {"PartBuffer5Offset1"}, {F("PartBuffer5DefData"), F("PartBuffer5ModNData"), F("PartBuffer5ModRData")}},
    {particleBuffer, {"PartBuffer6Offset1"}, {F("PartBuffer6DefData"), F("PartBuffer6ModNData"), F("PartBuffer6ModRData")}},
    {particleBuffer, {"PartBuffer7Offset#", 3}, {F("PartBuffer7DefData"), F("PartBuffer7ModNData"), F("PartBuffer7ModRData")}},
    {particleBuffer, {"PartBuffer8Offset1"}, {F("PartBuffer8DefData"), F("PartBuffer8ModNData"), F("PartBuffer8ModRData")}},
    {particleRemap, {"PartLimiter1Offset#", 2}, {F("PartLimiter1DefData"), F("PartLimiter1ModData")}},
    {particleRemap, {"PartLimiter2Offset#", 6}, {F("PartLimiter2DefData"), F("PartLimiter2ModData")}},
    {particleRemap, {"FreeBufferSizeOffset"}, {L("0D"), L("D0")}},
};

}  // namespace

void WriteMain(platform::RandomAccessFile& file, const Form1& form) {
  WriteRows(file, form, kBeforeStatics);
  WriteRows(file, form, kStatics);
  WriteRows(file, form, kAfterStatics);
}

}  // namespace olvex::patcher
