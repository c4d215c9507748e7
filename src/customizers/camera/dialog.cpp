#include "customizers/camera/dialog.h"

#include <vector>

#include "customizers/frame/field_grid.h"
#include "patcher/pass_hooks.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers {

namespace {

constexpr FieldLine kLines[] = {
    {"Normal camera distance:", "Text1", 2, "1536"},
    {"Normal camera follow speed:", "Text1", 1, "10"},
    {"Normal camera top:", "Text1", 4, "1820"},
    {"Look camera distance:", "Text1", 0, "1024"},
    {"Add-on battle camera top:", "Text1", 5, "256"},
    {"", "Check2", -1, "Unify normal / battle camera"},
};
constexpr int kCaption = 2520, kBox = 900;

constexpr auto kLayout = StaticTable<[] {
  std::vector<Place> p;
  LayOutLines(p, kLines, {{}, 120, 120, 6, 0, kCaption, kBox}, "Label1", 0);
  int below = 120 + 6 * kLinePitch + 60;
  p.push_back({"Check1", -1, 120, below, kCaption, kBoxHeight, "Change FOV (buggy):"});
  p.push_back({"Text1", 3, 120 + kCaption, below, kBox, kBoxHeight, "70"});
  p.push_back({"Frame1", -1, 120, below + 420, kCaption + kBox, 660, "Free camera (test):"});
  p.push_back({"Check10", -1, 120, 270, 1400, kBoxHeight, "Lock", "Frame1"});
  p.push_back({"Check9", -1, 1680, 270, 1400, kBoxHeight, "Stick", "Frame1"});
  p.push_back({"Command2", -1, 120, below + 1200, 1500, 375, "defaults"});
  p.push_back({"Command1", -1, 120 + kCaption + kBox - 1500, below + 1200, 1500, 375, "apply"});
  return p;
}>();

// Silent clamps; the field of view is at least 1, even when emptied.
const FieldRow kFields[] = {
    {"Text1", 0, 5, Filter::Signed, 6, clampTo(-32767, 32767)},
    {"Text1", 1, 1, Filter::Digit, 3, clampTo(127)},
    {"Text1", 2, 2, Filter::Digit, 5, clampTo(32767)},
    {"Text1", 3, 3, Filter::Digit, 3, clampTo(1, 150, "1")},
};

const Coupling kCouplings[] = {{"Check1", "Text1", 3, 3}};

const DialogTable& kTable() {
  static const DialogTable s{
      .caption = "Camera customizer",
      .scope = "camera",
      .width = 120 + kCaption + kBox + 240,
      .height = 120 + 6 * kLinePitch + 60 + 1200 + 375 + 600,
      .layout = kLayout,
      .fields = kFields,
      .couplings = kCouplings,
  };
  return s;
}

}  // namespace

CustCamera::CustCamera() : Dialog("CustCamera", kTable()) {
  addRange(Text1, 0, 5);
  addRange(Label1, 0, 4);
  build();
}

void InstallCameraDialog() {
  RegisterCameraKeys();
  auto& pass = patcher::passHooks();
  pass.StageWriters["CAMERA"] = WriteCamera;
  pass.CustCameraCheck10 = [] { return ui::Forms::get<CustCamera>().Check10.value(); };
  pass.CustCameraCheck9 = [] { return ui::Forms::get<CustCamera>().Check9.value(); };
  shell::form1Hooks().ButtonActions["Command22"] = [] { ui::Forms::get<CustCamera>().open(); };  // "camera..."
}

}  // namespace olvex::customizers
