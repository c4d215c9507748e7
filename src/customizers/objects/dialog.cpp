#include "customizers/objects/dialog.h"

#include <iterator>
#include <vector>

#include "customizers/frame/field_grid.h"
#include "patcher/pass_hooks.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/number_text.h"
#include "ui/host.h"

namespace olvex::customizers {

namespace {

constexpr int kCaption = 2040, kBox = 720, kGroupWidth = kCaption + kBox + 240;

constexpr FieldLine kSpikes[] = {
    {"Normal spikes timer:", "Text1", 0, "64"}, {"Prong stretch speed:", "Text1", 1, "3"},
    {"Retraction speed:", "Text1", 11, "128"}};
constexpr FieldLine kRaisingBlock[] = {
    {"Block height (in clicks):", "Text1", 2, "4"}, {"Raise anim speed:", "Text1", 3, "64"},
    {"", "Check6", -1, "Link fake height"}};
constexpr FieldLine kFallingBlock[] = {{"Timer:", "Text1", 7, "60"}, {"Tremble:", "Text1", 8, "1023"}};
constexpr FieldLine kSquishyBlock[] = {
    {"Timer:", "Text1", 14, "60"}, {"", "Check2", -1, "more"}, {"Tremble:", "Text1", 18, "96"},
    {"", "Check3", -1, "no any"}};
constexpr FieldLine kTwoBlockPlatform[] = {
    {"Depression distance:", "Text1", 4, "128"}, {"Depression speed:", "Text1", 5, "4"},
    {"Repression speed:", "Text1", 6, "4"}, {"", "Check1", -1, "Invert movement direction"},
    {"", "Check4", -1, "Invert movement direction"}, {"", "Check5", -1, "Fix visibility (experimental)"}};
constexpr FieldLine kOneBlockPlatform[] = {
    {"", "Check10", -1, "enable"}, {"Depression distance:", "Text1", 21, "128"},
    {"Depression speed:", "Text1", 22, "4"}, {"Repression speed:", "Text1", 23, "4"},
    {"", "Check9", -1, "Invert movement direction"}, {"", "Check8", -1, "Invert movement direction"},
    {"", "Check7", -1, "Fix visibility (experimental)"}};
constexpr FieldLine kDarts[] = {{"Interval / speed:", "Text1", 12, "24"}, {"Colour:", "Text1", 15, "120"}};
constexpr FieldLine kOtherObjects[] = {
    {"Boulder gravity:", "Text1", 10, "6"}, {"Slicer-dicer speed:", "Text1", 9, "170"},
    {"Slicer-dicer radius:", "Text1", 19, "6"}, {"Conductor interval:", "Text1", 20, "63"}};

struct Group {
  const char* frame;
  const char* title;
  int column, row;  // where it goes, in columns and lines
  std::span<const FieldLine> lines;
  int extraLines = 0;  // below the field lines
};
constexpr Group kGroups[] = {
    {"Frame1", "spikes", 0, 0, kSpikes},
    {"Frame2", "raising \\ expanding block", 0, 5, kRaisingBlock},
    {"Frame3", "falling block", 0, 10, kFallingBlock},
    {"Frame4", "squishy block 2", 0, 14, kSquishyBlock},
    {"Frame5", "two-block platform", 1, 0, kTwoBlockPlatform, 1},
    {"Frame6", "one-block platform", 1, 9, kOneBlockPlatform},
    {"Frame7", "darts", 2, 0, kDarts},
    {"Frame8", "other objects", 2, 4, kOtherObjects},
};
constexpr int kColumns = 3, kRowsHigh = 20;
// The captions of the one-block platform's three boxes (the labels are numbered group by group).
constexpr int kOneBlockLabels[] = {12, 13, 14};
constexpr int kLabels = 22;
// The darts' pairs and triples of boxes, and their captions' width.
constexpr int kDartsCaption = 1500, kPairBox = (kCaption + kBox - kDartsCaption) / 2,
              kTripleBox = (kCaption + kBox - kDartsCaption) / 3;

constexpr int groupTop(int row) { return 120 + row * kLinePitch; }

constexpr auto kLayout = StaticTable<[] {
  std::vector<Place> p;
  int label = 0;
  for (const Group& g : kGroups) {
    int rows = static_cast<int>(g.lines.size());
    p.push_back({g.frame, -1, 120 + g.column * (kGroupWidth + 120), groupTop(g.row), kGroupWidth,
                 240 + (rows + g.extraLines + 1) * kLinePitch, g.title});
    label = LayOutLines(p, g.lines, {g.frame, 120, 270, rows, 0, kCaption, kBox}, "Label1", label);
  }
  // The darts: speed beside the interval, green and blue beside red, the swatch below.
  for (Place& q : p) {
    if (q.container != "Frame7") continue;
    if (q.name == "Label1") q.width = kDartsCaption;
    if (q.name == "Text1") {
      q.left = 120 + kDartsCaption;
      q.width = q.index == 12 ? kPairBox : kTripleBox;
    }
  }
  const int boxes = 120 + kDartsCaption;
  p.push_back({"Text1", 13, boxes + kPairBox, 270, kPairBox, kBoxHeight, "256", "Frame7"});
  p.push_back({"Text1", 16, boxes + kTripleBox, 270 + kLinePitch, kTripleBox, kBoxHeight, "60", "Frame7"});
  p.push_back({"Text1", 17, boxes + 2 * kTripleBox, 270 + kLinePitch, kTripleBox, kBoxHeight, "20", "Frame7"});
  p.push_back({"Shape7", -1, 120, 270 + 2 * kLinePitch, kGroupWidth - 240, 150, {}, "Frame7"});
  // The platforms' parameters hold for their depress mode; "?" explains them.
  p.push_back({"Label1", label, 120, 270 + 6 * kLinePitch + 45, 2000, 240, "ocb 0 mode only:", "Frame5"});
  p.push_back({"Command4", -1, kGroupWidth - 480, 270 + 6 * kLinePitch, 360, kBoxHeight, "?", "Frame5"});
  int bottom = groupTop(kRowsHigh) + 120;
  int right = 120 + kColumns * (kGroupWidth + 120);
  p.push_back({"Command2", -1, right - 3240, bottom, 1500, 375, "defaults"});
  p.push_back({"Command3", -1, right - 1620, bottom, 1500, 375, "apply"});
  return p;
}>();

struct Maximum {
  int index;
  double max;
};
// The squishy block's timer follows "more" (see limitSquishyTimer).
constexpr Maximum kMaxima[] = {
    {0, 32767}, {1, 127},   {11, 32767}, {2, 127}, {3, 127},  {4, 32767},  {5, 127},  {6, 127},
    {7, 65535}, {8, 65535}, {18, 32767}, {12, 32767}, {13, 32767}, {15, 255}, {16, 255}, {17, 255},
    {10, 127},  {9, 32767}, {19, 20},    {20, 127}, {21, 32767}, {22, 127}, {23, 127},
};

constexpr auto kFields = StaticTable<[] {
  std::vector<FieldRow> r = {{"Text1", 0, 23, Filter::Digit, 5}};
  for (const Maximum& m : kMaxima) r.push_back({"Text1", m.index, m.index, Filter::Digit, 5, clampTo(m.max)});
  r.push_back({"Text1", 5, 6, Filter::Signed, 5, clampTo(127)});
  return r;
}>();

const Swatch kSwatches[] = {{"Shape7", "Text1", 15, 16, 17}};

const DialogTable& kTable() {
  static const DialogTable s{
      .caption = "Object (trap) customizer",
      .scope = "obj",
      .width = 120 + kColumns * (kGroupWidth + 120) + 120,
      .height = groupTop(kRowsHigh) + 120 + 375 + 600,
      .applyButton = "Command3",
      .layout = kLayout,
      .fields = kFields,
      .swatches = kSwatches,
  };
  return s;
}

constexpr const char* kHelpText =
    "2BP options descriptor:\r\n\r\nDefines two-block platform depress mode (OCB 0) parameters.\r\n\r\n"
    "  Depress distance - defines lowest platform distance.\r\n"
    "  Depress speed - defines speed of depression (when Lara stands on it).\r\n"
    "  Repress speed - defines speed of repression (when Lara leaves it).";

}  // namespace

CustObj::CustObj() : Dialog("CustObj", kTable()) {
  addRange(Text1, 0, 23);
  addRange(Label1, 0, kLabels - 1);
  Check10.onClick = [this] { followOneBlock(); };
  Check2.onClick = [this] { holdSquishyTimer(); };
  Text1[14].onLostFocus = [this] { limitSquishyTimer(); };
  Command4.onClick = [] { ui::msgBox(kHelpText); };
  Shape7.setFilled(true);
  build();
  // The main window is not created for this: without it the executable is not extended.
  extendedChanged(shell::ExtendExeChecked());
}

void CustObj::holdSquishyTimer() {
  if (Check2.value() == 0 && shell::Val(Text1[14].text()) > kSquishyByteTimer)
    Text1[14].setText(std::to_string(kSquishyByteTimer));
}

void CustObj::limitSquishyTimer() { leave(Text1[14], clampTo(Check2.value() == 1 ? 32767 : kSquishyByteTimer)); }

// The one-block platform's settings need "enable" and the extended executable.
void CustObj::followOneBlock() {
  bool on = Check10.value() == 1 && extended_;
  for (ui::Control* c : {static_cast<ui::Control*>(&Check7), static_cast<ui::Control*>(&Check8),
                         static_cast<ui::Control*>(&Check9)})
    c->setEnabled(on);
  for (int i : {21, 22, 23}) Text1[i].setEnabled(on);
  for (int i : kOneBlockLabels) Label1[i].setEnabled(on);
}

void CustObj::extendedChanged(bool extended) {
  extended_ = extended;
  Check10.setEnabled(extended);
  followOneBlock();
}

void InstallObjectsDialog() {
  RegisterObjectKeys();
  patcher::passHooks().StageWriters["TRAP"] = WriteTraps;
  auto& hooks = shell::form1Hooks();
  hooks.ButtonActions["Command25"] = [] { ui::Forms::get<CustObj>().open(); };  // "objects..."
  hooks.ExtendExeFollowers.push_back([](bool extended) { ui::Forms::get<CustObj>().extendedChanged(extended); });
}

}  // namespace olvex::customizers
