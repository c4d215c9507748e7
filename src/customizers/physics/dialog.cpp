#include "customizers/physics/dialog.h"

#include <cstdlib>

#include "customizers/frame/field_grid.h"
#include "patcher/pass_hooks.h"
#include "shell/conversions.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers {

namespace {

// The knob value with the smallest turn rate; the rate grows with the distance from it.
constexpr int kSlowestKnobValue = 3999;
constexpr int kKnobMax = 9000;
constexpr ui::Color kInk = ui::rgb(0, 0, 128);
constexpr ui::Color kFace = ui::rgb(212, 208, 200);

// Each knob's caption, selector and the Text2 pairs it writes (with its selector off, and on);
// the jump and swim knobs have a shortcut picture and a box in place of the second pair.
struct KnobRow {
  ui::vbkRoundSlider CustPhys::*knob;
  const char* name;
  const char* caption;
  int selector;  // index into kSelectors; -1: none
  int offLeft, offRight;
  int onLeft = -1, onRight = -1;
  const char* shortcut = nullptr;  // picture that moves the focus to the box beside it
  const char* box = nullptr;
  int boxIndex = -1;
  const char* boxText = nullptr;
};
constexpr KnobRow kKnobs[] = {
    {&CustPhys::vbkRoundSlider1, "vbkRoundSlider1", "jump turn / grav", -1, 7, 8, -1, -1, "Image2", "Text1", 2, "5"},
    {&CustPhys::vbkRoundSlider2, "vbkRoundSlider2", "swim turn / speed", -1, 0, 3, -1, -1, "Picture2", "Text2", 10, "00C8"},
    {&CustPhys::vbkRoundSlider3, "vbkRoundSlider3", "run turn", 0, 1, 2, 6, 5},
    {&CustPhys::vbkRoundSlider4, "vbkRoundSlider4", "stand turn", -1, 4, 9},
    {&CustPhys::vbkRoundSlider5, "vbkRoundSlider5", "MS turn", 1, 13, 12, 11, 14},
    {&CustPhys::vbkRoundSlider7, "vbkRoundSlider7", "duck move turn", 4, 16, 27, 15, 28},
    {&CustPhys::vbkRoundSlider8, "vbkRoundSlider8", "duck stand turn", 3, 18, 29, 30, 17},
    {&CustPhys::vbkRoundSlider9, "vbkRoundSlider9", "rope / pole turn", 2, 23, 20, 24, 19},
};

// The selector pictures Picture3 .. Picture7.
ui::PictureBox CustPhys::*const kSelectors[] = {&CustPhys::Picture3, &CustPhys::Picture4, &CustPhys::Picture5,
                                                &CustPhys::Picture6, &CustPhys::Picture7};
constexpr const char* kSelectorNames[] = {"Picture3", "Picture4", "Picture5", "Picture6", "Picture7"};

// Designer values of the turn rates and speed, by index.
constexpr const char* designerTurn(int index) {
  constexpr std::pair<int, const char*> values[] = {
      {0, "FBBC"},  {1, "FA50"},  {2, "05B0"},  {3, "0444"},  {4, "FE67"},  {5, "0444"},  {6, "FBBC"},
      {7, "FDDE"},  {8, "0222"},  {9, "0199"},  {10, "00C8"}, {11, "FDDE"}, {12, "0111"}, {13, "FEEF"},
      {14, "0222"}, {15, "FDDE"}, {16, "FDDE"}, {17, "0111"}, {18, "FEEF"}, {19, "0100"}, {20, "0100"},
      {23, "FF00"}, {24, "FF00"}, {27, "0222"}, {28, "0222"}, {29, "0111"}, {30, "FEEF"},
  };
  for (const auto& [i, text] : values)
    if (i == index) return text;
  return "";
}

// A grid of knob cells, each the knob, its caption (with the selector before it) and the boxes of
// its pairs below; then the gravities, the switches and the buttons.
constexpr int kCellWidth = 1800, kCellHeight = 2100, kBoxWidth = 720;

constexpr auto kLayout = StaticTable<[] {
  std::vector<Place> p;
  for (int k = 0; k < static_cast<int>(std::size(kKnobs)); ++k) {
    const KnobRow& r = kKnobs[k];
    int x = 120 + (k % 4) * kCellWidth, y = 120 + (k / 4) * kCellHeight;
    p.push_back({r.name, -1, x + 160, y, ui::vbkRoundSlider::kWidth, ui::vbkRoundSlider::kHeight});
    if (r.selector >= 0) {
      p.push_back({kSelectorNames[r.selector], -1, x + 60, y + 1005, 300, 210});
      p.push_back({"Label1", k, x + 420, y + 1020, kCellWidth - 420, 240, r.caption});
    } else {
      p.push_back({"Label1", k, x, y + 1020, kCellWidth, 240, r.caption});
    }
    auto pair = [&](int left, int right, int top) {
      p.push_back({"Text2", left, x + 120, top, kBoxWidth, kBoxHeight, designerTurn(left)});
      p.push_back({"Text2", right, x + 960, top, kBoxWidth, kBoxHeight, designerTurn(right)});
    };
    pair(r.offLeft, r.offRight, y + 1320);
    if (r.onLeft >= 0) pair(r.onLeft, r.onRight, y + 1320 + kLinePitch + 15);
    if (r.shortcut) {
      p.push_back({r.shortcut, -1, x + 480, y + 1320 + kLinePitch + 15, 360, kBoxHeight});
      p.push_back({r.box, r.boxIndex, x + 960, y + 1320 + kLinePitch + 15, kBoxWidth, kBoxHeight, r.boxText});
    }
  }
  const int bottom = 120 + 2 * kCellHeight + 120;
  p.insert(p.end(), {
      {"Label1", 8, 120, bottom + 45, 1320, 240, "Shell gravity:"},
      {"Text1", 1, 1440, bottom, 600, kBoxHeight, "6"},
      {"Label1", 9, 2400, bottom + 45, 1320, 240, "Falling damage:"},
      {"Text1", 3, 3840, bottom, 600, kBoxHeight, "6"},
      {"Check1", -1, 120, bottom + 420, 3600, kBoxHeight, "Disable bike water explosion"},
      {"Check2", -1, 120, bottom + 420 + kLinePitch, 3600, kBoxHeight, "Disable jeep water explosion"},
      {"Check3", -1, 120, bottom + 420 + 2 * kLinePitch, 3600, kBoxHeight, "Disable ledge climb delay"},
      {"Command2", -1, 4440, bottom + 840, 1380, 375, "defaults"},
      {"Command3", -1, 5940, bottom + 840, 1380, 375, "apply"},
  });
  return p;
}>();

const FieldRow kFields[] = {
    {"Text2", 0, 30, Filter::Hex, 4, hexWidth(4)},
    {"Text1", 1, 1, Filter::Digit, 3, announced(255)},
    {"Text1", 2, 3, Filter::Digit, 3, announced(127)},
};

const DialogTable& kTable() {
  static const DialogTable s{
      .caption = "Physics customizer",
      .scope = "physics",
      .width = 7440,
      .height = 5940,
      .applyButton = "Command3",
      .layout = kLayout,
      .fields = kFields,
  };
  return s;
}

// The jump gravity shortcut shows an arrow pointing down, the swim speed one two waves; both
// drawn when first used.
void drawShortcuts(ui::Image& gravity, ui::PictureBox& swim) {
  gravity.canvas().drawLater([](ui::Canvas& g) {
    g.resize(24, 19, kFace);
    g.fillRect(10, 2, 4, 9, kInk);
    for (int i = 0; i < 6; ++i) g.line(6 + i, 11 + i, 17 - i, 11 + i, kInk);
  });
  gravity.repaint();
  swim.canvas().drawLater([](ui::Canvas& s) {
    s.resize(24, 19, kFace);
    for (int row : {6, 12})
      for (int x = 2; x < 22; ++x) s.setPixel(x, row + ((x / 3) % 2 ? 1 : -1), kInk);
  });
  swim.repaint();
}

}  // namespace

TurnPair KnobTurnPair(int value) {
  int d = std::abs(kSlowestKnobValue - value);
  return {shell::TrueHex2(std::to_string(65536 - d), 4), shell::TrueHex2(std::to_string(d), 4)};
}

CustPhys::CustPhys() : Dialog("CustPhys", kTable()) {
  for (const Place& place : kTable().layout)
    if (place.name == "Text2" && !Text2.exists(place.index)) Text2.add(place.index);
  addRange(Text1, 1, 3);
  addRange(Label1, 0, 9);
  for (int i = 0; i < static_cast<int>(std::size(kKnobs)); ++i) {
    ui::vbkRoundSlider& knob = this->*kKnobs[i].knob;
    knob.setMax(kKnobMax);
    knob.onChange = [this, i](int& v) { knobChanged(i, v); };
  }
  for (int s = 0; s < static_cast<int>(std::size(kSelectors)); ++s)
    (this->*kSelectors[s]).onClick = [this, s] { flipSelector(s); };
  Image2.onClick = [this] { Text1[2].setFocus(); };
  Picture2.onClick = [this] { Text2[10].setFocus(); };
  build();
  for (int i = 0; i < static_cast<int>(std::size(kKnobs)); ++i) Label1[i].setAlignment(ui::Align::Center);
}

void CustPhys::load() {
  drawShortcuts(Image2, Picture2);
  for (ui::Control* c : {static_cast<ui::Control*>(&Image2), static_cast<ui::Control*>(&Picture2)})
    c->setMouseIcon(ui::kHandCursor);
  for (int s = 0; s < static_cast<int>(std::size(kSelectors)); ++s) {
    (this->*kSelectors[s]).setMouseIcon(ui::kHandCursor);
    showSelector(s);
  }
}

void CustPhys::knobChanged(int knob, int value) {
  const KnobRow& row = kKnobs[knob];
  bool on = row.selector >= 0 && selectorOn(row.selector);
  TurnPair pair = KnobTurnPair(value);
  Text2[on ? row.onLeft : row.offLeft].setText(pair.left);
  Text2[on ? row.onRight : row.offRight].setText(pair.right);
}

void CustPhys::flipSelector(int selector) {
  auto& flag = selectors_[static_cast<std::size_t>(selector)];
  flag = !flag;
  showSelector(selector);
}

// A selector shows two bars, the upper for the first pair and the lower for the second; the
// bar of the pair its knob writes is dark. Drawn when first used.
void CustPhys::showSelector(int selector) {
  ui::PictureBox& p = this->*kSelectors[selector];
  p.canvas().drawLater([on = selectorOn(selector)](ui::Canvas& c) {
    const int w = 20, h = 14;
    c.resize(w, h, kFace);
    c.fillRect(1, 1, w - 2, h / 2 - 1, on ? kFace : kInk);
    c.fillRect(1, h / 2 + 1, w - 2, h / 2 - 2, on ? kInk : kFace);
    c.line(0, h / 2, w - 1, h / 2, 0);
  });
  p.repaint();
}

void InstallPhysicsDialog() {
  RegisterPhysicsKeys();
  patcher::passHooks().StageWriters["PHYSICS"] = WritePhysics;
  shell::form1Hooks().ButtonActions["Command15"] = [] { ui::Forms::get<CustPhys>().open(); };  // "physics..."
}

}  // namespace olvex::customizers
