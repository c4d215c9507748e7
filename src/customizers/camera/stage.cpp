// CAMERA: field of view, camera distances, heights and follow speed, the unified battle camera.
#include "customizers/camera/dialog.h"

#include "customizers/frame/dialog_rows.h"
#include "customizers/frame/stage_vocabulary.h"
#include "patcher/value_paths.h"
#include "shell/number_text.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using namespace stage;
using D = CustCamera;

template <int I, std::string (*Convert)(const std::string&)>
constexpr patcher::Hex box() { return C(&rows::valueOf<D, &D::Text1, I, Convert>); }

// The field of view in degrees as the game's angle units (208 a degree), two bytes.
std::string fieldOfView(const shell::Form1&) {
  return patcher::IntHex(shell::NumberText(shell::Val(rows::text<D, &D::Text1, 3>()) * 208), 4);
}

constexpr auto changeFov = &rows::choice<D, &D::Check1>;

const Row kCameraRows[] = {
    {changeFov, At{"FOVModOffset1"}, {F("FOVMod1DefData"), F("FOVMod1ModData")}},
    {changeFov, At{"FOVModOffset2"}, {F("FOVMod2DefData"), F("FOVMod2ModData")}},
    {&rows::whenChecked<D, &D::Check1>, At{"FOVModOffset2", 1, 1}, {kNone, C(fieldOfView)}},
    // 70 degrees, the game's own field of view.
    {changeFov, At{"ResetFOVOffset#", 4}, {L("E038"), C(fieldOfView)}},
    {always, At{"NormCameraDistOffset"}, {box<2, rows::Word>()}},
    {always, At{"NormCameraFollowOffset"}, {box<1, rows::Byte>()}},
    {always, At{"NormCameraTopOffset"}, {box<4, rows::NegWord>()}},
    {always, At{"LookDistanceOffset"}, {box<0, rows::NegLong>()}},
    {always, At{"AddOnBattleCameraYOffset"}, {box<5, rows::Long>()}},
    {&rows::test<D, &D::Check2>, At{"UnifyBattleCameraOffset#", 3}, {L("03"), L("00")}},
};

}  // namespace

void WriteCamera(platform::RandomAccessFile& file) {
  patcher::WriteRows(file, ui::Forms::get<shell::Form1>(), kCameraRows);
}

}  // namespace olvex::customizers
