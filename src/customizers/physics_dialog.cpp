#include "customizers/physics_dialog.h"

#include <cstdlib>

#include "shell/conversions.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

// The knob value with the smallest turn rate; the rate grows with the distance from it.
constexpr int kSlowestKnobValue = 3999;
constexpr int kKnobMax = 9000;
constexpr ui::Color kSelectorOn = ui::rgb(0, 0, 128);
constexpr ui::Color kSelectorOff = ui::rgb(212, 208, 200);

// Which Text2 pair each knob writes: with its selector off, and on. No selector: -1.
struct KnobRow {
  ui::vbkRoundSlider CustPhys::*knob;
  int selector;
  int offLeft, offRight;
  int onLeft = -1, onRight = -1;
};
const KnobRow kKnobs[] = {
    {&CustPhys::vbkRoundSlider1, -1, 7, 8},          // jump turn
    {&CustPhys::vbkRoundSlider2, -1, 0, 3},          // swim turn
    {&CustPhys::vbkRoundSlider3, 0, 1, 2, 6, 5},     // run turn: front, back
    {&CustPhys::vbkRoundSlider4, -1, 4, 9},          // stand turn
    {&CustPhys::vbkRoundSlider5, 1, 13, 12, 11, 14}, // monkey swing: still, moving
    {&CustPhys::vbkRoundSlider7, 4, 16, 27, 15, 28}, // duck move: forward, back
    {&CustPhys::vbkRoundSlider8, 3, 18, 29, 30, 17}, // duck stand: stop 1, stop 2
    {&CustPhys::vbkRoundSlider9, 2, 23, 20, 24, 19}, // rope, pole
};

// The selector pictures Picture3 .. Picture7.
ui::PictureBox CustPhys::*const kSelectors[] = {&CustPhys::Picture3, &CustPhys::Picture4, &CustPhys::Picture5,
                                                &CustPhys::Picture6, &CustPhys::Picture7};

// Designer values of the turn rates and speed.
struct Designer {
  int index;
  const char* text;
};
const Designer kText2[] = {
    {0, "FBBC"},  {1, "FA50"},  {2, "05B0"},  {3, "0444"},  {4, "FE67"},  {5, "0444"},  {6, "FBBC"},
    {7, "FDDE"},  {8, "0222"},  {9, "0199"},  {10, "00C8"}, {11, "FDDE"}, {12, "0111"}, {13, "FEEF"},
    {14, "0222"}, {15, "FDDE"}, {16, "FDDE"}, {17, "0111"}, {18, "FEEF"}, {19, "0100"}, {20, "0100"},
    {23, "FF00"}, {24, "FF00"}, {27, "0222"}, {28, "0222"}, {29, "0111"}, {30, "FEEF"},
};
const Designer kText1[] = {{1, "6"}, {2, "5"}, {3, "6"}};

}  // namespace

TurnPair KnobTurnPair(int value) {
  int d = std::abs(kSlowestKnobValue - value);
  return {shell::TrueHex2(std::to_string(65536 - d), 4), shell::TrueHex2(std::to_string(d), 4)};
}

CustPhys::CustPhys() : Form("CustPhys") {
  for (const Designer& d : kText2) Text2.add(d.index).setText(d.text);
  for (const Designer& d : kText1) Text1.add(d.index).setText(d.text);
  for (int i = 0; i < static_cast<int>(std::size(kKnobs)); ++i) {
    ui::vbkRoundSlider& knob = this->*kKnobs[i].knob;
    knob.setMax(kKnobMax);
    knob.onChange = [this, i](int& v) { knobChanged(i, v); };
  }
  for (int s = 0; s < static_cast<int>(std::size(kSelectors)); ++s)
    (this->*kSelectors[s]).onClick = [this, s] { flipSelector(s); };
  Image2.onClick = [this] { Text1[2].setFocus(); };
  Picture2.onClick = [this] { Text2[10].setFocus(); };
}

void CustPhys::load() {
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
// bar of the pair its knob writes is dark.
void CustPhys::showSelector(int selector) {
  ui::PictureBox& p = this->*kSelectors[selector];
  ui::Canvas& c = p.canvas();
  const int w = 20, h = 14;
  c.resize(w, h, kSelectorOff);
  bool on = selectorOn(selector);
  c.fillRect(1, 1, w - 2, h / 2 - 1, on ? kSelectorOff : kSelectorOn);
  c.fillRect(1, h / 2 + 1, w - 2, h / 2 - 2, on ? kSelectorOn : kSelectorOff);
  c.line(0, h / 2, w - 1, h / 2, 0);
  p.repaint();
}

namespace {

using shell::Conversion;
using shell::element;
using shell::control;

template <int I>
constexpr shell::TextBoxOf turn() { return {&element<CustPhys, &CustPhys::Text2, I>}; }
template <int I>
constexpr shell::TextBoxOf number() { return {&element<CustPhys, &CustPhys::Text1, I>}; }
template <auto Box>
constexpr shell::CheckBoxOf check() { return {&control<CustPhys, Box>}; }

constexpr Conversion T = Conversion::Text;

const shell::KeyRow kPhysicsKeys[] = {
    {"rotongroundfrontleft", T, turn<1>()},   {"rotongroundfrontright", T, turn<2>()},
    {"rotongroundbackleft", T, turn<5>()},    {"rotongroundbackright", T, turn<6>()},
    {"inairfrontleft", T, turn<7>()},         {"inairfrontright", T, turn<8>()},
    {"swimspeed", T, turn<10>()},             {"rotstandleft", T, turn<4>()},
    {"rotstandright", T, turn<9>()},          {"rotswingstillleft", T, turn<13>()},
    {"rotswingstillright", T, turn<12>()},    {"rotswingmoveleft", T, turn<11>()},
    {"rotswingmoveright", T, turn<14>()},     {"duckstop1left", T, turn<18>()},
    {"duckstop1right", T, turn<29>()},        {"duckstop2left", T, turn<30>()},
    {"duckstop2right", T, turn<17>()},        {"duckmoveforwardleft", T, turn<16>()},
    {"duckmoveforwardright", T, turn<27>()},  {"duckmovebackleft", T, turn<28>()},
    {"duckmovebackright", T, turn<15>()},     {"ropeleft", T, turn<23>()},
    {"roperight", T, turn<20>()},             {"poleleft", T, turn<19>()},
    {"poleright", T, turn<24>()},             {"shellgravity", Conversion::OldHex, number<1>()},
    {"donotexplodemotorbike", Conversion::Check, check<&CustPhys::Check1>()},
    {"donotexplodejeep", Conversion::Check, check<&CustPhys::Check2>()},
    {"swimrotleft", T, turn<0>()},            {"swimrotright", T, turn<3>()},
    {"killclimbdelay", Conversion::Check, check<&CustPhys::Check3>()},
    {"jumpgravity", Conversion::Number, number<2>()},
    {"fallingdamage", Conversion::Number, number<3>()},
};

}  // namespace

void RegisterPhysicsKeys() { shell::RegisterKeys(shell::Scope::Phys, kPhysicsKeys); }

}  // namespace olvex::customizers
