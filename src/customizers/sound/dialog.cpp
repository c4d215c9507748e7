#include "customizers/sound/dialog.h"

#include <vector>

#include "customizers/frame/field_grid.h"
#include "patcher/pass_hooks.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers {

namespace {

constexpr int kCaption = 2400, kBox = 600, kSwitch = 1800, kLoopedCaption = 3360;
constexpr int kColumn = kCaption + kBox + kSwitch + 360;

// A track or sound ID line: caption, box and the switch beside it.
struct SwitchLine {
  const char* caption;
  const char* box;
  int index;
  const char* text;
  const char* check;
  const char* checkCaption;
};
constexpr SwitchLine kMusicLines[] = {
    {"Inside jeep audiotrack:", "Text1", 2, "98", "Check3", "do not use"},
    {"Outside jeep audiotrack:", "Text1", 3, "110", "Check4", "do not use"},
    {"Secret audiotrack:", "Text1", 4, "5", "Check8", "do not use"},
};
constexpr SwitchLine kSoundLines[] = {
    {"[no ammo] sound ID:", "Text5", 0, "48", "Check7", "remove sound"},
    {"[lara being hit] sound ID:", "Text5", 18, "50", "Check5", "remove sound"},
};

constexpr int layOutSwitches(std::vector<Place>& p, std::span<const SwitchLine> lines, const char* frame, int top, int label) {
  for (const SwitchLine& l : lines) {
    p.push_back({"Label1", label++, 120, top + 45, kCaption, 240, l.caption, frame});
    p.push_back({l.box, l.index, 120 + kCaption, top, kBox, kBoxHeight, l.text, frame});
    p.push_back({l.check, -1, 240 + kCaption + kBox, top, kSwitch, kBoxHeight, l.checkCaption, frame});
    top += kLinePitch;
  }
  return label;
}

constexpr auto kLayout = StaticTable<[] {
  std::vector<Place> p = {
      {"Frame1", -1, 120, 120, kColumn, 300 + 6 * kLinePitch, "music"},
      {"Check1", -1, 120, 300, kColumn - 240, kBoxHeight, "Extend audiotracks from 111 to 127", "Frame1"},
      {"Check2", -1, 120, 300 + kLinePitch, kLoopedCaption, kBoxHeight, "Change looped audiotracks range:", "Frame1"},
      {"Text1", 0, 120 + kLoopedCaption, 300 + kLinePitch, kBox, kBoxHeight, "105", "Frame1"},
  };
  int label = layOutSwitches(p, kMusicLines, "Frame1", 300 + 2 * kLinePitch, 0);
  int soundTop = 240 + 300 + 6 * kLinePitch;
  p.push_back({"Frame2", -1, 120, soundTop, kColumn, 300 + 7 * kLinePitch, "sound"});
  label = layOutSwitches(p, kSoundLines, "Frame2", 300, label);
  p.push_back({"Check6", -1, 120, 300 + 2 * kLinePitch, kColumn - 240, kBoxHeight,
               "Extend sample memory from 256kb to 1024kb", "Frame2"});
  p.push_back({"Check9", -1, 120, 300 + 3 * kLinePitch, kColumn - 240, kBoxHeight,
               "Enable ricochet sound effect for Lara's guns", "Frame2"});
  p.push_back({"Label1", label, 120, 300 + 4 * kLinePitch + 45, kCaption, 240, "Overall SFX sample rate:", "Frame2"});
  p.push_back({"HScroll3", -1, 120, 300 + 5 * kLinePitch, kCaption, 255, {}, "Frame2"});
  p.push_back({"Text1", 1, 120 + kCaption + 60, 300 + 5 * kLinePitch, 1200, kBoxHeight, "22050 Hz", "Frame2"});
  int buttons = soundTop + 300 + 7 * kLinePitch + 120;
  p.push_back({"Command2", -1, 120, buttons, 1500, 375, "defaults"});
  p.push_back({"Command1", -1, 120 + kColumn - 1500, buttons, 1500, 375, "apply"});
  return p;
}>();

const FieldRow kFields[] = {
    {"Text1", 0, 4, Filter::Digit, 3},
    {"Text1", 1, 1, Filter::Swallow, 0},
    {"Text5", 0, 18, Filter::Digit, 3, clampTo(127)},
};

const Coupling kCouplings[] = {
    {"Check2", "Text1", 0, 0},        {"Check3", "Text1", 2, 2, false}, {"Check4", "Text1", 3, 3, false},
    {"Check8", "Text1", 4, 4, false}, {"Check7", "Text5", 0, 0, false}, {"Check5", "Text5", 18, 18, false},
};

const ReadoutEntry kRates[] = {{"11025 Hz"}, {"22050 Hz"}, {"44100 Hz"}, {"48000 Hz"}};
const Readout kReadouts[] = {{"HScroll3", "Text1", 1, 0, kRates}};

const DialogTable& kTable() {
  static const DialogTable s{
      .caption = "Sound \\ music customizer",
      .scope = "sound",
      .width = kColumn + 360,
      .height = 240 + 600 + 13 * kLinePitch + 120 + 375 + 600,
      .layout = kLayout,
      .fields = kFields,
      .couplings = kCouplings,
      .readouts = kReadouts,
  };
  return s;
}

constexpr std::string_view kTrackLimit = "You can't use audiotracks more than 111 if you haven't extended audiotracks!";

}  // namespace

CustSnd::CustSnd() : Dialog("CustSnd", kTable()) {
  addRange(Text1, 0, 4);
  Text5.add(0);
  Text5.add(18);
  addRange(Label1, 0, 5);
  HScroll3.setRange(0, 3);
  HScroll3.setValue(1);
  for (int i : {0, 2, 3, 4}) Text1[i].onLostFocus = [this, i] { leaveTrack(Text1[i]); };
  build();
  // The main window is not created for this: without it the executable is not extended.
  extendedChanged(shell::ExtendExeChecked());
}

// Up to 127 tracks once extended; otherwise 111, with a message.
void CustSnd::leaveTrack(ui::TextBox& box) {
  leave(box, Check1.value() == 1 ? clampTo(127) : limited(111, kTrackLimit));
}

void CustSnd::extendedChanged(bool extended) {
  Check9.setEnabled(extended);
  HScroll3.setEnabled(extended);
}

void InstallSoundDialog() {
  RegisterSoundKeys();
  patcher::passHooks().StageWriters["SOUND"] = WriteSound;
  auto& hooks = shell::form1Hooks();
  hooks.ButtonActions["Command24"] = [] { ui::Forms::get<CustSnd>().open(); };  // "sound..."
  hooks.ExtendExeFollowers.push_back([](bool extended) { ui::Forms::get<CustSnd>().extendedChanged(extended); });
}

}  // namespace olvex::customizers
