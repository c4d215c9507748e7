// The main window's own rules: which option enables which control, the blinking warning on
// "Remap scene memory", the colour of the fog box, the checks of the number boxes and the
// distance presets. The handlers also run when a setting is loaded from code, so the interlocks
// follow the config, presets and the console.
#include <initializer_list>

#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/key_filters.h"
#include "shell/number_text.h"
#include "shell/shared_tables.h"
#include "ui/host.h"

namespace olvex::shell {

namespace {

constexpr ui::Color kBlack = 0x000000;
constexpr ui::Color kLightGrey = 0xC0C0C0;
constexpr ui::Color kWhite = 0xFFFFFF;
constexpr ui::Color kLightRed = 0xC0C0FF;
constexpr double kBlinkAbove = 22000;

bool checked(const ui::CheckBox& c) { return c.value() == 1; }

void setEnabled(std::initializer_list<ui::Control*> controls, bool on) {
  for (ui::Control* c : controls) c->setEnabled(on);
}

void notify(const std::vector<std::function<void(bool)>>& followers, bool on) {
  for (const auto& f : followers)
    if (f) f(on);
}

// Lost-focus checks of the number boxes. A box out of range gets the limit; with a message the
// focus goes back to it.
struct RangeCheck {
  ui::TextBox Form1::*box;
  bool isMaximum;
  double limit;
  const char* limitText;
  const char* message;  // null: corrected silently
  bool emptyToZero;
};

constexpr RangeCheck kRangeChecks[] = {
    {&Form1::Text1, true, 131071, "131071", "Maximum value for this field is 131071!", false},
    {&Form1::Text2, false, 1, "1", "Minimum value for this field is 1!", false},
    {&Form1::Text3, false, 1, "1", "Minimum value for this field is 1!", false},
    {&Form1::Text4, true, 127, "127", nullptr, true},
    {&Form1::Text7, true, 127, "127", nullptr, true},
};

struct DistancePreset {
  ui::CommandButton Form1::*button;
  const char* clipping;
  const char* drawing;
  const char* fog;
  std::int32_t fogBulb;
  int remapSceneMemory;
};

constexpr DistancePreset kDistancePresets[] = {
    {&Form1::Command2, "20480", "20480", "12288", 20, 0},    // "default"
    {&Form1::Command4, "5024", "5024", "2048", 5, 0},        // "hell!"
    {&Form1::Command5, "28160", "28160", "24064", 28, 1},    // "not too far"
    {&Form1::Command6, "50176", "50176", "46080", 50, 1},    // "far"
    {&Form1::Command7, "81920", "204800", "194560", 208, 1}, // "very far"
};

}  // namespace

void Form1::wireOptions() {
  Check9.onClick = [this] { extendExeClick(); };
  Check5.onClick = [this] {
    blinkRule();
    setEnabled({&Check7, &Check18, &Check10}, checked(Check5));
  };
  Check19.onClick = [this] { bonusLevelClick(); };
  Check21.onClick = [this] { notify(form1Hooks().AdvancedSaveFollowers, checked(Check21)); };
  Check11.onClick = [this] { Command23.setEnabled(!checked(Check11)); };
  Check13.onClick = [this] { applyFE4041Save(); };

  Text2.onChange = [this] {
    colourRule();
    blinkRule();
  };
  Text3.onChange = [this] { colourRule(); };
  Timer1.onTimer = [this] { blinkTick(); };

  for (ui::TextBox* box : {&Text2, &Text3, &Text4, &Text7})
    box->onKeyPress = [](int& key) { key = FilterDigitKey(key); };

  for (const RangeCheck& check : kRangeChecks) {
    ui::TextBox& box = this->*check.box;
    box.onLostFocus = [&box, &check] {
      double v = Val(box.text());
      if (check.isMaximum ? v > check.limit : v < check.limit) {
        if (check.message) ui::msgBox(check.message);
        box.setText(check.limitText);
        if (check.message) box.setFocus();
      }
      if (check.emptyToZero && box.text().empty()) box.setText("0");
    };
  }

  for (int row = 0; row < static_cast<int>(std::size(kDistancePresets)); ++row)
    (this->*kDistancePresets[row].button).onClick = [this, row] { applyDistancePreset(row); };
}

bool ExtendExeChecked() { return ui::Forms::loaded<Form1>() && checked(ui::Forms::get<Form1>().Check9); }

void Form1::applyFE4041Save() { notify(form1Hooks().FE4041SaveFollowers, checked(Check13)); }

// "Extend tomb4.exe size": everything that needs the extended executable follows it; the bonus
// level boxes come back only while their own option is checked as well.
void Form1::extendExeClick() {
  bool on = checked(Check9);
  setEnabled({&Check21, &Command26, &Check19, &Check20}, on);
  notify(form1Hooks().ExtendExeFollowers, on);
  if (!on || checked(Check19)) setEnabled({&Text4, &Text7, &Command29, &Label12, &Label16}, on);
}

// "Enable bonus level workaround": 1 enables and 0 disables the bonus level controls; a grey
// value leaves them as they are.
void Form1::bonusLevelClick() {
  int v = Check19.value();
  if (v == 0 || v == 1) setEnabled({&Text4, &Text7, &Command29, &Label12, &Label16}, v == 1);
}

// A drawing distance above 22000 without "Remap scene memory" makes that option blink.
void Form1::blinkRule() {
  if (Val(Text2.text()) > kBlinkAbove && Check5.value() == 0) {
    Timer1.setEnabled(true);
  } else {
    Timer1.setEnabled(false);
    Check5.setForeColor(kBlack);
  }
}

void Form1::blinkTick() {
  Check5.setForeColor(blink_ ? kBlack : kLightGrey);
  blink_ = !blink_;
  if (checked(Check5)) {
    blink_ = false;
    Check5.setForeColor(kBlack);
    Timer1.setEnabled(false);
  }
}

// The fog box turns light red while the fog reaches beyond the drawing distance.
void Form1::colourRule() {
  Text3.setBackColor(Val(Text3.text()) > Val(Text2.text()) ? kLightRed : kWhite);
}

void Form1::applyDistancePreset(int row) {
  const DistancePreset& p = kDistancePresets[row];
  Text1.setText(p.clipping);
  Text2.setText(p.drawing);
  Text3.setText(p.fog);
  FogBulbRange = p.fogBulb;
  Check5.setValue(p.remapSceneMemory);
  Command28.setFocus();
}

}  // namespace olvex::shell
