#include "customizers/lights/dialog.h"

#include <iterator>

#include "patcher/pass_hooks.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers {

namespace {

constexpr int kLastLabel = 17;

const Place kLayout[] = {
    {"Frame1", -1, 120, 120, 3480, 1680, "common effective areas"},
    {"Frame2", -1, 120, 1920, 3480, 2160, "flare options"},
    {"Frame3", -1, 120, 4200, 3480, 1320, "misc"},
    {"Frame4", -1, 3720, 120, 3720, 1440, {}},  // amber light, titled by Label7
    {"Label7", -1, 120, 0, 1500, 255, "amber light", "Frame4"},
    {"Frame5", -1, 3720, 1680, 3720, 3000, "blinking light"},
    {"Frame6", -1, 960, 300, 2400, 255, {}, "Frame4"},   // holds Option2
    {"Frame7", -1, 1560, 300, 1800, 255, {}, "Frame2"},  // holds Option1
    {"Option2", 0, 0, 0, 255, 255, {}, "Frame6"},
    {"Option2", 4, 330, 0, 255, 255, {}, "Frame6"},
    {"Option2", 5, 660, 0, 255, 255, {}, "Frame6"},
    {"Option2", 1, 990, 0, 255, 255, {}, "Frame6"},
    {"Option2", 2, 1320, 0, 255, 255, {}, "Frame6"},
    {"Option2", 3, 1650, 0, 255, 255, {}, "Frame6"},
    {"Option2", 6, 1980, 0, 255, 255, {}, "Frame6"},
    {"Option1", 0, 0, 0, 255, 255, {}, "Frame7"},
    {"Option1", 1, 330, 0, 255, 255, {}, "Frame7"},
    {"Option1", 2, 660, 0, 255, 255, {}, "Frame7"},
    {"Option1", 3, 3000, 0, 255, 255, {}, "Frame7"},  // outside the frame: only a loaded value
    {"Option1", 4, 3330, 0, 255, 255, {}, "Frame7"},
    {"Check8", -1, 120, 660, 3240, 255, "Disable flare blinking effect", "Frame2"},
    {"Check2", -1, 120, 1980, 3000, 255, "Combine with alarm light", "Frame5"},
    {"Check4", -1, 120, 2310, 3000, 255, "Show mesh", "Frame5"},
    {"HScroll4", -1, 1560, 330, 960, 255, {}, "Frame3"},
    {"Check1", -1, 120, 720, 3240, 255, "Turn off motorbike headlight", "Frame3"},
    {"Command1", -1, 4320, 4920, 1455, 375, "apply"},
    {"Command2", -1, 5880, 4920, 1455, 375, "defaults"},
    {"Command3", -1, -3000, -3000, 375, 375, {}},
};

const LineRow kLines[] = {
    {"Frame1", 300, {"Label1", 0}, "Pistol / UZI flash:", 2280, {{{"Text1", 0}}}},
    {"Frame1", 630, {"Label1", 1}, "Revolver flash:", 2280, {{{"Text1", 2}}}},
    {"Frame1", 960, {"Label1", 2}, "Shotgun flash:", 2280, {{{"Text1", 3}}}},
    {"Frame1", 1290, {"Label1", 3}, "Flame emitter 1:", 2280, {{{"Text1", 1}}}},
    {"Frame2", 300, {"Label1", 4}, "Flare colour:", 1560, {}},
    {"Frame2", 990, {"Label1", 5}, "Flare lifetime (seconds):", 2280, {{{"Text1", 13}}}, {}, 615},
    {"Frame2", 1320, {"Label1", 6}, "Binoculars light range:", 2280, {{{"Combo1"}}}, {}, 735},
    {"Frame3", 300, {"Label1", 7}, "Blend intensity:", 1560, {}},
    {"Frame3", 330, {}, {}, 2580, {{{"Text4"}}}, {}, 840},
    {"Frame4", 300, {"Label1", 8}, "Colour:", 960, {}},
    {"Frame4", 660, {"Label1", 9}, "Effective area:", 2280, {{{"Text1", 7}}}},
    {"Frame4", 990, {"Label1", 10}, "Fade speed:", 2280, {{{"Text1", 8}}}, {}, 615},
    {"Frame5", 300, {"Label1", 11}, "Colour:", 1740, {{{"Text1", 26}, {"Text1", 25}, {"Text1", 24}}}, "Shape11"},
    {"Frame5", 630, {"Label1", 12}, "Duration / interval:", 1740, {{{"Text1", 5}, {"Text1", 4}}}, {}, 615},
    {"Frame5", 960, {"Label1", 13}, "Effective area:", 1740, {{{"Text1", 6}}}},
    {"Frame5", 1290, {"Label1", 14}, "Coordinate 1 / 3:", 1740, {{{"Text1", 9}, {"Text1", 11}}}, {}, 615},
    {"Frame5", 1620, {"Label1", 15}, "Coordinate 2:", 1740, {{{"Text1", 10}}}, {}, 615},
    {"Frame5", 2640, {"Label1", 16}, "Alarmlight speed:", 1740, {{{"Text1", 12}}}, {}, 615},
};

const DesignerText kTexts[] = {
    {"Text1", 0, "10"},  {"Text1", 1, "16"}, {"Text1", 2, "12"},   {"Text1", 3, "12"},  {"Text1", 4, "30"},
    {"Text1", 5, "3"},   {"Text1", 6, "16"}, {"Text1", 7, "18"},   {"Text1", 8, "2048"}, {"Text1", 9, "3"},
    {"Text1", 10, "3"},  {"Text1", 11, "3"}, {"Text1", 12, "30"},  {"Text1", 13, "30"}, {"Text1", 24, "1"},
    {"Text1", 25, "192"}, {"Text1", 26, "255"}, {"Combo1", -1, "20"},
};

const FieldRow kFields[] = {
    {"Text1", 0, 26, Filter::Digit, 3, clampTo(255)},
    {"Text1", 4, 4, Filter::Digit, 5, clampTo(32767)},
    {"Text1", 8, 12, Filter::Digit, 5, clampTo(32767)},
    {"Text1", 13, 13, Filter::Digit, 4, clampTo(4, 1092)},
    {"Combo1", -1, -1, Filter::Swallow, 0},
};

const Swatch kSwatches[] = {{"Shape11", "Text1", 26, 25, 24}};
const Coupling kCouplings[] = {{"Check2", "Text1", 12, 12}};

const ReadoutEntry kIntensities[] = {
    {"0", 0},           {"0.0009...", 140}, {"0.0019...", 150}, {"0.0029...", 160},
    {"0.0039...", 176}, {"0.0049...", 180}, {"0.0059...", 190}, {"0.0069...", 200},
    {"0.0079...", 210}, {"0.0089...", 220}, {"0.0099...", 230}, {"0.0109...", 255},
};
const Readout kReadouts[] = {{"HScroll4", "Text4", -1, -1, kIntensities}};

const FocusRedirect kRedirects[] = {{"Option1", 0, 4, "Command3"}, {"Option2", 0, 6, "Command3"}};

const DialogTable kTable{
    .caption = "Light customizer",
    .scope = "lite",
    .width = 7680,
    .height = 5880,
    .layout = kLayout,
    .lines = kLines,
    .texts = kTexts,
    .fields = kFields,
    .swatches = kSwatches,
    .couplings = kCouplings,
    .readouts = kReadouts,
    .redirects = kRedirects,
};

constexpr const char* kBinocularRanges[] = {"00", "05", "10", "20", "25", "30", "40", "50", "60", "70", "80", "90"};

// Option colours (red, green, blue) by index.
constexpr ui::Color kAmberColours[] = {ui::rgb(128, 255, 255), ui::rgb(255, 0, 255), ui::rgb(255, 255, 0),
                                       ui::rgb(255, 0, 0),     ui::rgb(0, 255, 0),   ui::rgb(128, 128, 255),
                                       ui::rgb(255, 255, 255)};
constexpr ui::Color kFlareColours[] = {ui::rgb(0, 192, 0), ui::rgb(255, 255, 0), ui::rgb(255, 0, 0),
                                       ui::rgb(0, 0, 255), ui::rgb(0, 0, 255)};

// The amber light label's captions, one per click; the twelfth click starts again.
constexpr const char* kAmberCaptions[] = {
    "amber light", "still amber",     "amber, really",   "not quite orange", "traffic light?", "beacon mode",
    "glowing amber", "amber alert",   "warm light",      "honey light",      "sunset light",   "amber again?",
};

}  // namespace

CustLite::CustLite() : Dialog("CustLite", kTable) {
  addRange(Text1, 0, 13);
  addRange(Text1, 24, 26);
  addRange(Label1, 0, kLastLabel - 1);
  addRange(Option1, 0, 4);
  addRange(Option2, 0, 6);
  for (int i = 0; i < 7; ++i) Option2[i].setBackColor(kAmberColours[i]);
  for (int i = 0; i < 5; ++i) Option1[i].setBackColor(kFlareColours[i]);
  Option1[0].setValue(true);
  Option2[0].setValue(true);
  for (const char* range : kBinocularRanges) Combo1.addItem(range);
  Text4.setLocked(true);
  HScroll4.setRange(-1, 10);
  HScroll4.setValue(3);
  Check2.setValue(1);
  Check2.setEnabled(shell::ExtendExeChecked());
  Label7.onClick = [this] {
    amberClicks_ = (amberClicks_ + 1) % static_cast<int>(std::size(kAmberCaptions));
    Label7.setCaption(kAmberCaptions[amberClicks_]);
  };
  build();
}

void CustLite::load() { Label7.setMouseIcon(ui::kHandCursor); }

void InstallLightsDialog() {
  RegisterLightsKeys();
  patcher::passHooks().StageWriters["LIGHT"] = &WriteLight;
  shell::form1Hooks().ButtonActions["Command13"] = [] { ui::Forms::get<CustLite>().open(); };
  shell::form1Hooks().ExtendExeFollowers.push_back(
      [](bool checked) { ui::Forms::get<CustLite>().Check2.setEnabled(checked); });
}

}  // namespace olvex::customizers
