#include "customizers/limits_dialog.h"

#include "shell/settings_keys.h"
#include "ui/host.h"

namespace olvex::customizers {

namespace {

constexpr ui::Color kWhite = 0xFFFFFF;
constexpr ui::Color kReminder = 0xC0C0FF;  // light red

// The fields of each bar's group and its recalculate button.
struct Group {
  int maximum, multiplier, shift;
  ui::CommandButton CustLimits::*button;
};
const Group kGroups[] = {
    {0, 3, 4, &CustLimits::Command3},    // health
    {5, 6, 7, &CustLimits::Command4},    // air
    {10, 12, 11, &CustLimits::Command5}, // sprint
};

const char* const kDesigner[] = {"1000", "1000", "250", "66666667", "02", "1800", "91A2B3C5",
                                 "0A",   "10",   "450", "120",      "06", "88888889", "1"};

}  // namespace

CustLimits::CustLimits() : Form("CustLimits") {
  for (int i = 0; i < static_cast<int>(std::size(kDesigner)); ++i) Text2.add(i).setText(kDesigner[i]);
  for (Bar bar : {Bar::Health, Bar::Air, Bar::Sprint}) {
    buttonOf(bar).setBackColor(kWhite);
    buttonOf(bar).onClick = [this, bar] { recalculate(bar); };
  }
  Text2.onKeyPress = [this](int index, int&) {
    for (Bar bar : {Bar::Health, Bar::Air, Bar::Sprint})
      if (kGroups[static_cast<int>(bar)].maximum == index) buttonOf(bar).setBackColor(kReminder);
  };
}

ui::CommandButton& CustLimits::buttonOf(Bar bar) { return this->*kGroups[static_cast<int>(bar)].button; }

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

namespace {

using shell::Conversion;

template <int I>
constexpr shell::TextBoxOf field() { return {&shell::element<CustLimits, &CustLimits::Text2, I>}; }

const shell::KeyRow kLimitsKeys[] = {
    {"maxhpbarvalue", Conversion::OldHex, field<0>()},
    {"rawhpbarrange", Conversion::Text, field<3>()},
    {"divider", Conversion::Text, field<4>()},
    {"medkitshplimiter", Conversion::OldHex, field<1>()},
    {"criticalhpthresh", Conversion::OldHex, field<2>()},
    {"maxapbarvalue", Conversion::Number, field<5>()},
    {"rawapbarrange", Conversion::Text, field<6>()},
    {"apdivider", Conversion::Text, field<7>()},
    {"airrestorationrate", Conversion::Number, field<8>()},
    {"criticalapthresh", Conversion::Number, field<9>()},
    {"maxspbarvalue", Conversion::Number, field<10>()},
    {"rawspbarrange", Conversion::Text, field<12>()},
    {"spbardivider", Conversion::Text, field<11>()},
    {"nitrodrainrate", Conversion::Number, field<13>()},
};

}  // namespace

void RegisterLimitsKeys() { shell::RegisterKeys(shell::Scope::Limits, kLimitsKeys); }

}  // namespace olvex::customizers
