#include "customizers/limits/dialog.h"

#include "customizers/frame/field_grid.h"
#include "patcher/pass_hooks.h"
#include "ui/host.h"

namespace olvex::customizers {

namespace {

constexpr ui::Color kWhite = 0xFFFFFF;
constexpr ui::Color kReminder = 0xC0C0FF;  // light red

// Each bar's group: its frame, fields and recalculate button, then the lines below the button.
struct Group {
  const char* frame;
  const char* title;
  const char* maximumCaption;
  int maximum, multiplier, shift;
  const char* button;
  const char* buttonCaption;
  ui::CommandButton CustLimits::*buttonMember;
  FieldLine extra[2];
};
constexpr Group kGroups[] = {
    {"Frame1", "HP limit", "Max. HP bar value:", 0, 3, 4, "Command3", "recalculate HP bar range",
     &CustLimits::Command3, {{"Medkits HP limiter:", "Text2", 1, "1000"}, {"Norm.-crit. threshold:", "Text2", 2, "250"}}},
    {"Frame2", "air limit", "Max. air value:", 5, 6, 7, "Command4", "recalculate AP bar range", &CustLimits::Command4,
     {{"Air restoration rate:", "Text2", 8, "10"}, {"Norm.-crit. threshold:", "Text2", 9, "450"}}},
    {"Frame3", "sprint limit", "Max. sprint value:", 10, 12, 11, "Command5", "recalculate SP bar range",
     &CustLimits::Command5, {{"Bike nitro drain rate:", "Text2", 13, "1"}, {}}},
};
constexpr const char* kDesigner[] = {"1000", "1000", "250", "66666667", "02", "1800", "91A2B3C5",
                                 "0A",   "10",   "450", "120",      "06", "88888889", "1"};
constexpr int kGroupWidth = 3000, kCaption = 1860, kBox = 900;

constexpr auto kLayout = StaticTable<[] {
  std::vector<Place> p;
  int label = 0;
  for (int i = 0; i < 3; ++i) {
    const Group& g = kGroups[i];
    int left = 120 + i * (kGroupWidth + 120);
    p.push_back({g.frame, -1, left, 120, kGroupWidth, 2100, g.title});
    FieldLine maximum{g.maximumCaption, "Text2", g.maximum, kDesigner[g.maximum]};
    label = LayOutLines(p, {&maximum, 1}, {g.frame, 120, 300, 1, kGroupWidth, kCaption, kBox}, "Label1", label);
    p.push_back({"Label1", label++, 120, 300 + kLinePitch + 45, 1000, 240, "Raw range:", g.frame});
    p.push_back({"Text2", g.multiplier, 1080, 300 + kLinePitch, 1140, kBoxHeight, kDesigner[g.multiplier], g.frame});
    p.push_back({"Text2", g.shift, 2280, 300 + kLinePitch, 600, kBoxHeight, kDesigner[g.shift], g.frame});
    p.push_back({g.button, -1, 120, 300 + 2 * kLinePitch + 30, kGroupWidth - 240, 375, g.buttonCaption, g.frame});
    int lines = g.extra[1].box.empty() ? 1 : 2;
    label = LayOutLines(p, {g.extra, static_cast<std::size_t>(lines)},
                        {g.frame, 120, 300 + 3 * kLinePitch + 120, 2, kGroupWidth, kCaption, kBox}, "Label1", label);
  }
  p.push_back({"Command2", -1, 6240, 2400, 1380, 375, "defaults"});
  p.push_back({"Command1", -1, 7740, 2400, 1380, 375, "apply"});
  return p;
}>();

// Maxima up to 32767 (an empty one becomes 0), the small rates up to 127 (an empty one stays
// empty), multipliers eight hex digits and shifts two.
const FieldRow kFields[] = {
    {"Text2", 0, 13, Filter::Digit, 5, clampTo(32767)},
    {"Text2", 8, 8, Filter::Digit, 3, clampTo(LeaveRule{}.min, 127, "")},
    {"Text2", 10, 10, Filter::Digit, 3, clampTo(LeaveRule{}.min, 127, "")},
    {"Text2", 13, 13, Filter::Digit, 3, clampTo(LeaveRule{}.min, 127, "")},
    {"Text2", 3, 3, Filter::Hex, 8, hexWidth(8)},
    {"Text2", 6, 6, Filter::Hex, 8, hexWidth(8)},
    {"Text2", 12, 12, Filter::Hex, 8, hexWidth(8)},
    {"Text2", 4, 4, Filter::Hex, 2, hexWidth(2)},
    {"Text2", 7, 7, Filter::Hex, 2, hexWidth(2)},
    {"Text2", 11, 11, Filter::Hex, 2, hexWidth(2)},
};

const DialogTable& kTable() {
  static const DialogTable s{
      .caption = "Limit sub-customizer",
      .scope = "limits",
      .width = 9480,
      .height = 2940,
      .layout = kLayout,
      .fields = kFields,
  };
  return s;
}

}  // namespace

CustLimits::CustLimits() : Dialog("CustLimits", kTable()) {
  addRange(Text2, 0, 13);
  addRange(Label1, 0, 10);
  for (Bar bar : {Bar::Health, Bar::Air, Bar::Sprint}) {
    buttonOf(bar).setBackColor(kWhite);
    buttonOf(bar).onClick = [this, bar] { recalculate(bar); };
  }
  build();
  // A key in a maximum reminds of its button whether or not the filter lets it through.
  for (Bar bar : {Bar::Health, Bar::Air, Bar::Sprint}) {
    ui::TextBox& box = Text2[kGroups[static_cast<int>(bar)].maximum];
    box.onKeyPress = [this, bar, filtered = box.onKeyPress](int& key) {
      if (filtered) filtered(key);
      buttonOf(bar).setBackColor(kReminder);
    };
  }
}

ui::CommandButton& CustLimits::buttonOf(Bar bar) { return this->*kGroups[static_cast<int>(bar)].buttonMember; }

void CustLimits::defaults() {
  Dialog::defaults();
  Command3.setBackColor(kWhite);
}

void CustLimits::recalculate(Bar bar) {
  const Group& g = kGroups[static_cast<int>(bar)];
  BarRange r = RecalculateBar(bar, Text2[g.maximum].text());
  if (!r.message.empty()) {
    ui::msgBox(r.message);
    Text2[g.maximum].setText(r.maximum);
  }
  Text2[g.shift].setText(r.shift);
  Text2[g.multiplier].setText(r.multiplier);
  buttonOf(bar).setBackColor(kWhite);
}

void InstallLimitsDialog() {
  RegisterLimitsKeys();
  patcher::passHooks().StageWriters["LIMITS"] = WriteLimits;
}

}  // namespace olvex::customizers
