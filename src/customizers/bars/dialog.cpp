#include "customizers/bars/dialog.h"

#include <algorithm>
#include <array>
#include <vector>

#include "customizers/frame/colour_rows.h"
#include "patcher/pass_hooks.h"
#include "shell/form1_hooks.h"
#include "ui/host.h"

namespace olvex::customizers {

namespace {

// Designer values, by index.
constexpr std::array<int, 51> kColours = {
    255, 0,   0,   0,   0,   0,   0,   0,   0,   255, 0,   0,   0,   0,   0,   0,   255,
    0,   159, 31,  128, 0,   0,   0,   0,   255, 0,   255, 63,  63,  31,  31,  31,  127,
    127, 127, 255, 63,  63,  31,  31,  31,  127, 127, 127, 63,  63,  63,  63,  63,  63};
constexpr std::array<int, 12> kSizes = {150, 12, 12, 150, 12, 150, 600, 15, 20, 490, 490, 5};

constexpr const char* kHelpText = "ABO = Active Bar Overlay\r\nPBO = Passive Bar Overlay (for option bars only)";

// The poisoned row has no swatch: Shape13 shows the preview.
constexpr ColourRow kColourRows[] = {
    {"Frame1", "main colour:", 0, 1, 2, "Shape4", 240},
    {"Frame1", "fade colour:", 3, 4, 5, "Shape5", 570},
    {"Frame1", "poisoned:", 24, 25, 26, "", 900},
    {"Frame2", "main colour:", 11, 10, 9, "Shape6", 240},
    {"Frame2", "fade colour:", 8, 7, 6, "Shape7", 570},
    {"Frame3", "main colour:", 17, 16, 15, "Shape8", 240},
    {"Frame3", "fade colour:", 14, 13, 12, "Shape9", 570},
    {"Frame4", "main colour:", 18, 19, 20, "Shape11", 240},
    {"Frame4", "fade colour:", 21, 22, 23, "Shape10", 570},
    {"Frame5", "main colour:", 29, 28, 27, "Shape15", 240},
    {"Frame5", "fade colour:", 32, 31, 30, "Shape16", 570},
    {"Frame5", "ABO:", 35, 34, 33, "Shape17", 900},
    {"Frame6", "main colour:", 38, 37, 36, "Shape19", 240},
    {"Frame6", "fade colour:", 41, 40, 39, "Shape20", 570},
    {"Frame6", "ABO:", 44, 43, 42, "Shape21", 900},
    {"Frame7", "PBO:", 47, 46, 45, "Shape24", 240},
    {"Frame8", "borders:", 50, 49, 48, "Shape22", 240},
};
constexpr int kRowCount = static_cast<int>(std::size(kColourRows));
constexpr int kBorderRed = 50, kBorderGreen = 49, kBorderBlue = 48;

// Sizes and positions: caption, box, place in the bar's frame.
constexpr struct { std::string_view frame, caption; int box, left, top; } kSizeRows[] = {
    {"Frame1", "width:", 0, 120, 1230},  {"Frame1", "height:", 1, 1620, 1230},
    {"Frame2", "width:", 3, 120, 900},   {"Frame2", "height:", 2, 1620, 900}, {"Frame2", "x:", 9, 3120, 900},
    {"Frame3", "width:", 5, 120, 900},   {"Frame3", "height:", 4, 1620, 900}, {"Frame3", "x:", 10, 3120, 900},
    {"Frame4", "width:", 6, 120, 900},   {"Frame4", "height:", 7, 1620, 900}, {"Frame4", "x:", 8, 3120, 900},
};
constexpr int kSizeCount = static_cast<int>(std::size(kSizeRows));

constexpr auto kLayout = StaticTable<[] {
  std::vector<Place> l = {
      {"Frame1", -1, 120, 90, 4680, 1950, "health bar"},
      {"Frame2", -1, 120, 2100, 4680, 1620, "air bar"},
      {"Frame3", -1, 120, 3780, 4680, 1620, "sprint bar"},
      {"Frame4", -1, 120, 5460, 4680, 1620, "loading bar"},
      {"Frame5", -1, 4920, 90, 4680, 1290, "sound volume bar"},
      {"Frame6", -1, 4920, 1440, 4680, 1290, "music volume bar"},
      {"Frame7", -1, 4920, 2790, 4680, 630, "common sound / music volume bar options"},
      {"Frame8", -1, 4920, 3480, 4680, 2940, "common style"},
      {"Shape13", -1, 2520, 900, kRowSwatchWidth, kRowHeight, {}, "Frame1"},
      {"Check1", -1, 120, 1590, 1200, 255, "hide", "Frame1"},
      {"Check5", -1, 1620, 1590, 1200, 255, "animated", "Frame1"},
      {"Check2", -1, 120, 1260, 1200, 255, "hide", "Frame2"},
      {"Check6", -1, 1620, 1260, 1200, 255, "animated", "Frame2"},
      {"Check3", -1, 120, 1260, 1200, 255, "hide", "Frame3"},
      {"Check7", -1, 1620, 1260, 1200, 255, "animated", "Frame3"},
      {"Check4", -1, 120, 1260, 1200, 255, "hide", "Frame4"},
      {"Shape25", -1, 2475, 195, 420, 375, {}, "Frame8"},
      {"Caption", kRowCount + kSizeCount, 120, 645, 2700, 240, "Critical bars blinking interval:", "Frame8"},
      {"Text2", 11, 2880, 600, 420, kRowHeight, {}, "Frame8"},
      {"Caption", kRowCount + kSizeCount + 1, 120, 1005, 2700, 240, "Static bars style:", "Frame8"},
      {"Option1", 0, 240, 1320, 2400, 255, "normal", "Frame8"},
      {"Option1", 1, 240, 1680, 2400, 255, "gradient (TR5-like)", "Frame8"},
      {"Option1", 2, 240, 2040, 2400, 255, "gradient (flat)", "Frame8"},
      {"Image4", -1, 2760, 1680, 1800, 210, {}, "Frame8"},
      {"Image1", -1, 0, 0, 1800, 210},
      {"Image2", -1, 0, 0, 1800, 210},
      {"Image3", -1, 0, 0, 1800, 210},
      {"Command4", -1, 4920, 6600, 420, 375, "?"},
      {"Command2", -1, 7080, 6600, 1200, 375, "defaults"},
      {"Command1", -1, 8400, 6600, 1200, 375, "apply"},
  };
  int label = 0;
  AddColourRows(l, kColourRows, "Text1", "Caption", label);
  for (const auto& s : kSizeRows) {
    l.push_back({"Caption", label++, s.left, s.top + 45, 660, 240, s.caption, s.frame});
    l.push_back({"Text2", s.box, s.left + 660, s.top, 600, kRowHeight, {}, s.frame});
  }
  return l;
}>();

const FieldRow kFields[] = {
    {"Text1", 0, 50, Filter::Digit, 3, clampTo(255)},
    {"Text2", 0, 11, Filter::Digit, 3, clampTo(255)},
    {"Text2", 0, 0, Filter::Digit, 5, clampTo(32767)},
    {"Text2", 3, 3, Filter::Digit, 5, clampTo(32767)},
    {"Text2", 5, 6, Filter::Digit, 5, clampTo(32767)},
    {"Text2", 9, 10, Filter::Digit, 5, clampTo(32767)},
    {"Text2", 8, 8, Filter::Digit, 3, clampTo(127)},
    {"Text2", 11, 11, Filter::Digit, 3, clampTo(127)},
};

const Preview kPreviews[] = {
    {"Timer1", 500, true, [](Dialog& d) { static_cast<CustBars&>(d).poisonTick(); }},
};

constexpr auto kSwatches = StaticTable<[] { return SwatchesOf(kColourRows, "Text1"); }>();

const DialogTable& barsSpec() {
  static const DialogTable s = {
      .caption = "Bar customizer",
      .scope = "bars",
      .width = 9840,
      .height = 7500,
      .layout = kLayout,
      .fields = kFields,
      .swatches = kSwatches,
      .previews = kPreviews,
  };
  return s;
}

// A bar sample: a white border around rows of the health colour, each row's shade given by
// `shade` (0..255) of its distance from the middle row (0) and of the column. Drawn when the
// sample is first used.
template <class Shade>
void drawBar(ui::Image& image, Shade shade) {
  image.canvas().drawLater([shade](ui::Canvas& c) {
    constexpr int kWidth = 120, kHeight = 14;
    c.resize(kWidth, kHeight, 0xFFFFFF);
    for (int y = 1; y < kHeight - 1; ++y)
      for (int x = 1; x < kWidth - 1; ++x) c.setPixel(x, y, ui::rgb(shade(std::abs(2 * y - kHeight + 1), x), 0, 0));
  });
  image.repaint();
}

}  // namespace

CustBars::CustBars() : Dialog("CustBars", barsSpec()) {
  for (int i = 0; i < static_cast<int>(kColours.size()); ++i) Text1.add(i).setText(std::to_string(kColours[i]));
  for (int i = 0; i < static_cast<int>(kSizes.size()); ++i) Text2.add(i).setText(std::to_string(kSizes[i]));
  addRange(Option1, 0, 2);
  AddCaptions(Caption, kRowCount + kSizeCount + 1);
  for (ui::Shape* s : {&Shape4, &Shape5, &Shape6, &Shape7, &Shape8, &Shape9, &Shape10, &Shape11, &Shape13,
                       &Shape15, &Shape16, &Shape17, &Shape19, &Shape20, &Shape21, &Shape22, &Shape24})
    s->setFilled(true);
  Shape13.setFillColor(ui::rgb(255, 0, 0));
  drawSamples();
  for (ui::Image* source : {&Image1, &Image2, &Image3}) source->setVisible(false);
  // The sample of each style, by option index.
  Option1.onClick = [this](int i) {
    ui::Image* sources[] = {&Image2, &Image1, &Image3};
    Image4.canvas() = sources[i]->canvas();
    Image4.repaint();
  };
  Option1[0].setValue(true);
  // The border's outline follows its colour as its fill does.
  for (int i : {kBorderRed, kBorderGreen, kBorderBlue}) {
    Text1[i].onChange = [this] {
      Shape25.setBorderColor(SwatchColour(Text1[kBorderRed].text(), Text1[kBorderGreen].text(), Text1[kBorderBlue].text()));
    };
  }
  Command4.onClick = [] { ui::msgBox(kHelpText); };
  build();
}

void CustBars::drawSamples() {
  drawBar(Image2, [](int, int) { return 255; });
  drawBar(Image1, [](int fromMiddle, int) { return 255 - 18 * fromMiddle; });
  drawBar(Image3, [](int, int x) { return 80 + x * 175 / 120; });
}

// Alternates the health main colour with main plus poisoned, component by component; a sum
// above 255 shows the poisoned colour alone.
void CustBars::poisonTick() {
  poisonPhase_ = !poisonPhase_;
  if (!poisonPhase_) {
    Shape13.setFillColor(Shape4.fillColor());
    return;
  }
  std::array<int, 3> sum{}, poison{};
  bool over = false;
  for (int c = 0; c < 3; ++c) {
    poison[c] = SwatchComponent(Text1[24 + c].text());
    sum[c] = SwatchComponent(Text1[c].text()) + poison[c];
    over = over || sum[c] > 255;
  }
  const auto& shown = over ? poison : sum;
  Shape13.setFillColor(ui::rgb(shown[0], shown[1], shown[2]));
}

void InstallBarsDialog() {
  RegisterBarsKeys();
  shell::form1Hooks().ButtonActions["Command11"] = [] { ui::Forms::get<CustBars>().open(); };
  patcher::passHooks().StageWriters["BARS"] = WriteBars;
}

}  // namespace olvex::customizers
