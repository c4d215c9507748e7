#include "customizers/fonts/dialog.h"

#include <array>
#include <vector>

#include "customizers/credits/dialog.h"
#include "customizers/fonts/window_title.h"
#include "customizers/frame/colour_rows.h"
#include "patcher/pass_hooks.h"
#include "shell/form1_hooks.h"
#include "shell/number_text.h"

namespace olvex::customizers {

namespace {

// Designer values of Text1(0..28), by index.
constexpr std::array<int, 29> kNumbers = {128, 128, 128, 128, 128, 128, 192, 128, 64, 0,   16, 64, 224, 192, 0,
                                          0,   32,  64,  150, 16,  16,  16,  128, 128, 128, 1,  1,  1,   1};
constexpr const char* kGameTitle = "OLVEX Reference Game";
constexpr int kLegendIndex = 18;

constexpr ColourRow kColours[] = {
    {"Frame1", "main colour:", 0, 1, 2, "Shape4", 240},
    {"Frame1", "fade colour:", 3, 4, 5, "Shape5", 570},
    {"Frame2", "main colour:", 6, 7, 8, "Shape6", 240},
    {"Frame2", "fade colour:", 11, 10, 9, "Shape2", 570},
    {"Frame3", "main colour:", 12, 13, 14, "Shape9", 240},
    {"Frame3", "fade colour:", 17, 16, 15, "Shape8", 570},
    {"Frame4", "main colour:", 24, 23, 22, "Shape13", 240},
    {"Frame4", "fade colour:", 19, 20, 21, "Shape12", 570},
};
constexpr int kColourCaptions = static_cast<int>(std::size(kColours));

// The main menu entries: caption and effect box, in the text effects frame.
constexpr struct { std::string_view caption; int box; } kEffects[] = {
    {"Main Menu -> New Game", 25}, {"Main Menu -> Load Game", 26}, {"Main Menu -> Options", 27},
    {"Main Menu -> Exit", 28}};

constexpr auto kLayout = StaticTable<[] {
  std::vector<Place> l = {
      {"Frame1", -1, 120, 90, 3300, 930, "main font"},
      {"Frame2", -1, 120, 1080, 3300, 930, "option title font"},
      {"Frame3", -1, 120, 2070, 3300, 930, "inventory title font"},
      {"Frame4", -1, 120, 3060, 3300, 930, "inventory item font"},
      {"Frame5", -1, 3540, 90, 3660, 2310, "text effects"},
      {"Combo1", 0, 1560, 1860, 1980, 315, {}, "Frame5"},
      {"Caption", kColourCaptions + 8, 120, 1905, 1380, 240, "align to:", "Frame5"},
      {"Caption", kColourCaptions + 9, 3540, 2550, 2100, 240, "Legend displaying time:"},
      {"Text1", kLegendIndex, 5700, 2505, 420, 285},
      {"Command18", -1, 6180, 2475, 1020, 345, "test"},
      {"Label19", -1, 3540, 2910, 3660, 255, "test string"},
      {"Caption", kColourCaptions + 10, 3540, 3270, 1200, 240, "Window title:"},
      {"Text1", kTitleIndex, 3540, 3540, 3660, 285},
      {"Command3", -1, 120, 4170, 1320, 375, "credits..."},
      {"Command2", -1, 4800, 4170, 1140, 375, "defaults"},
      {"Command1", -1, 6060, 4170, 1140, 375, "apply"},
  };
  int label = 0;
  AddColourRows(l, kColours, "Text1", "Caption", label);
  for (int i = 0; i < 4; ++i) {
    int top = 270 + 390 * i;
    l.push_back({"Caption", label++, 120, top + 45, 2160, 240, kEffects[i].caption, "Frame5"});
    l.push_back({"Caption", label++, 2280, top + 45, 780, 240, "effect #:", "Frame5"});
    l.push_back({"Text1", kEffects[i].box, 3120, top, 420, 285, {}, "Frame5"});
  }
  return l;
}>();

const FieldRow kFields[] = {
    {"Text1", 0, 28, Filter::Digit, 3, clampTo(255)},
    {"Text1", 25, 28, Filter::Digit, 3, clampTo(10)},
    {"Text1", kTitleIndex, kTitleIndex, Filter::LineValue, static_cast<int>(kTitleChars), trimmed()},
    {"Combo1", 0, 0, Filter::Swallow, 0},
};

const Preview kPreviews[] = {
    {"Timer2", 30, false, [](Dialog& d) { static_cast<CustFonts&>(d).legendTick(); }},
};

constexpr auto kSwatches = StaticTable<[] { return SwatchesOf(kColours, "Text1"); }>();

const DialogTable& fontsSpec() {
  static const DialogTable s = {
      .caption = "Text customizer",
      .scope = "fonts",
      .width = 7440,
      .height = 5040,
      .layout = kLayout,
      .fields = kFields,
      .swatches = kSwatches,
      .previews = kPreviews,
  };
  return s;
}

}  // namespace

CustFonts::CustFonts() : Dialog("CustFonts", fontsSpec()) {
  for (int i = 0; i < static_cast<int>(kNumbers.size()); ++i) Text1.add(i).setText(std::to_string(kNumbers[i]));
  Text1.add(kTitleIndex).setText(kGameTitle);
  AddCaptions(Caption, kColourCaptions + 10);
  // "effect #:" ends a little before its box.
  for (int i = 0; i < 4; ++i) Caption[kColourCaptions + 2 * i + 1].setAlignment(ui::Align::Right);
  auto& align = Combo1.add(0);
  align.setStyle(ui::ComboBox::Style::DropDownList);
  for (const std::string* entry : {&AlignLeft, &AlignCenter, &AlignRight}) align.addItem(*entry);
  align.setListIndex(1);
  for (ui::Shape* s : {&Shape2, &Shape4, &Shape5, &Shape6, &Shape8, &Shape9, &Shape12, &Shape13}) s->setFilled(true);
  Label19.setVisible(false);
  Command18.onClick = [this] {
    legendTicks_ = 0;
    Timer2.setEnabled(true);
  };
  Command3.onClick = [] { ui::Forms::get<CustCredits>().open(); };
  build();
}

// The test string shows on ticks 1 to L - 1 and goes on tick L, with L the legend time.
void CustFonts::legendTick() {
  ++legendTicks_;
  if (shell::Val(Text1[kLegendIndex].text()) <= legendTicks_) {
    Timer2.setEnabled(false);
    for (ui::Shape* s : {&Shape2, &Shape4, &Shape5, &Shape6, &Shape8, &Shape9, &Shape12, &Shape13}) s->setFilled(true);
  Label19.setVisible(false);
  } else {
    Label19.setVisible(true);
  }
}

void InstallFontsDialog() {
  RegisterFontsKeys();
  shell::form1Hooks().ButtonActions["Command21"] = [] { ui::Forms::get<CustFonts>().open(); };
  patcher::passHooks().StageWriters["FONTS"] = WriteFonts;
}

}  // namespace olvex::customizers
