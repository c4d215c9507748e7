#include "customizers/gfx/dialog.h"

#include "patcher/pass_hooks.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers {

namespace {

constexpr int kLastLabel = 28;

const Place kLayout[] = {
    {"Frame1", -1, 120, 120, 3720, 3720, "lightning"},
    {"Frame3", -1, 120, 3960, 3720, 1080, "smoke"},
    {"Frame2", -1, 3960, 120, 3360, 2880, "blood"},
    {"Frame5", -1, 3960, 3120, 3360, 1920, "misc"},
    {"Frame4", -1, 7440, 120, 4560, 3720, "colours"},
    {"Label1", 27, 2280, 90, 495, 240, "1", "Frame1"},
    {"Label1", 28, 2820, 90, 495, 240, "2", "Frame1"},
    {"Check5", -1, 120, 1980, 3000, 255, "set sprite to opaque", "Frame2"},
    {"Check1", -1, 120, 1020, 3000, 255, "indirect drawing method", "Frame5"},
    {"Text4", -1, 120, 1380, 735, 285, {}, "Frame5"},
    {"Check3", -1, 120, 1020, 1500, 255, "fade top", "Frame4"},
    {"Check2", -1, 1740, 1020, 1800, 255, "fade bottom", "Frame4"},
    {"Command1", -1, 7800, 4080, 1575, 375, "apply"},
    {"Command2", -1, 9840, 4080, 1575, 375, "defaults"},
};

const LineRow kLines[] = {
    {"Frame1", 480, {"Label1", 0}, "colour/rate:", 2280, {{{"Text1", 0}, {"Text1", 1}}}},
    {"Frame1", 810, {"Label1", 1}, "colour 2:", 2280, {{{"Text1", 2}, {"Text1", 3}}}},
    {"Frame1", 1140, {"Label1", 2}, "colour 3:", 2280, {{{"Text1", 4}, {"Text1", 5}}}},
    {"Frame1", 1470, {"Label1", 3}, "core colour:", 1680, {{{"Text1", 29}, {"Text1", 28}, {"Text1", 27}}}, "Shape12"},
    {"Frame1", 1800, {"Label1", 4}, "Core transparency:", 2280, {{{"Text1", 30}}}},
    {"Frame1", 2130, {"Label1", 5}, "Disp. time / range:", 2280, {{{"Text2"}, {"Text3"}}}},
    {"Frame1", 2460, {"Label1", 6}, "Corona size:", 2280, {{{"Text10"}}}},
    {"Frame1", 2790, {"Label1", 7}, "Conductor dispersion:", 2280, {{{"Text13"}}}},
    {"Frame1", 3120, {"Label1", 8}, "Conductor corona size:", 2280, {{{"Text14"}}}},
    {"Frame3", 300, {"Label1", 9}, "Pistols\\uzis smoke dur.:", 2280, {{{"Text1", 12}}}},
    {"Frame3", 630, {"Label1", 10}, "Revolver smoke dur.:", 2280, {{{"Text1", 13}}}},
    {"Frame2", 300, {"Label1", 11}, "size:", 1800, {{{"Text9"}}}},
    {"Frame2", 630, {"Label1", 12}, "intensity:", 1800, {{{"Text5"}}}},
    {"Frame2", 960, {"Label1", 13}, "speed / lifetime:", 1800, {{{"Text12"}, {"Text6"}}}},
    {"Frame2", 1290, {"Label1", 14}, "spread factor x:", 1800, {{{"Text7"}}}},
    {"Frame2", 1620, {"Label1", 15}, "spread factor y:", 1800, {{{"Text8"}}}},
    {"Frame2", 2310, {}, {}, 1200, {{{"Text1", 35}, {"Text1", 36}, {"Text1", 37}}}, "Shape15"},
    {"Frame5", 300, {"Label1", 16}, "Waterfall scroll speed:", 2160, {{{"Text1", 31}}}, {}, 735},
    {"Frame5", 630, {"Label1", 17}, "Raw sky scroll direction:", 2160, {{{"Text11"}}}, {}, 735},
    {"Frame4", 300, {"Label1", 18}, "Gunflash blend colour:", 2520, {{{"Text1", 11}, {"Text1", 10}, {"Text1", 9}}}, "Shape4"},
    {"Frame4", 630, {"Label1", 19}, "Wallpapers blend colour:", 2520, {{{"Text1", 14}, {"Text1", 15}, {"Text1", 16}}}, "Shape9"},
    {"Frame4", 1320, {"Check4"}, "override main colour:", 2520, {{{"Text1", 34}, {"Text1", 33}, {"Text1", 32}}}, "Shape14"},
    {"Frame4", 1650, {"Label1", 20}, "Sparkles blend colour:", 2520, {{{"Text1", 6}, {"Text1", 7}, {"Text1", 8}}}, "Shape2"},
    {"Frame4", 1980, {"Label1", 21}, "Waterdrops colour:", 2520, {{{"Text1", 19}, {"Text1", 18}, {"Text1", 17}}}, "Shape7"},
    {"Frame4", 2310, {"Label1", 22}, "Shadow blend colour:", 2520, {{{"Text1", 22}, {"Text1", 21}, {"Text1", 20}}}, "Shape10"},
    {"Frame4", 2640, {"Label1", 23}, "shadow transparency:", 2520, {{{"Text1", 23}}}},
    {"Frame4", 2970, {"Label1", 24}, "Fadeouts colour:", 2520, {{{"Text1", 26}, {"Text1", 25}, {"Text1", 24}}}, "Shape11"},
};

const DesignerText kTexts[] = {
    {"Text1", 0, "00"},  {"Text1", 1, "18"},  {"Text1", 2, "C0"},  {"Text1", 3, "00"},
    {"Text1", 4, "C0"},  {"Text1", 5, "00"},  {"Text1", 10, "47"}, {"Text1", 11, "47"},
    {"Text1", 12, "1C"}, {"Text1", 13, "1C"}, {"Text1", 23, "79"}, {"Text1", 30, "255"},
    {"Text1", 31, "7"},  {"Text2", -1, "20"}, {"Text3", -1, "60"}, {"Text4", -1, "7FFF"},
    {"Text5", -1, "30"}, {"Text6", -1, "18"}, {"Text7", -1, "07"}, {"Text8", -1, "07"},
    {"Text9", -1, "08"}, {"Text10", -1, "20"}, {"Text11", -1, "7FF8"}, {"Text12", -1, "05"},
    {"Text13", -1, "10"}, {"Text14", -1, "30"},
};

constexpr FieldRow hexByte(std::string_view name) { return {name, -1, -1, Filter::Hex, 2, hexWidth(2)}; }

const FieldRow kFields[] = {
    {"Text1", 0, 37, Filter::Digit, 3, clampTo(255)},
    {"Text1", 0, 5, Filter::Hex, 2, hexWidth(2)},
    {"Text1", 12, 13, Filter::Hex, 2, hexWidth(2)},
    {"Text1", 31, 31, Filter::Signed, 4, clampTo(-128, 127)},
    hexByte("Text2"), hexByte("Text3"), hexByte("Text5"), hexByte("Text6"), hexByte("Text7"),
    hexByte("Text8"), hexByte("Text9"), hexByte("Text12"), hexByte("Text13"), hexByte("Text14"),
    {"Text4", -1, -1, Filter::Hex, 4},
    {"Text10", -1, -1, Filter::LineValue, 2, trimmed()},
    {"Text11", -1, -1, Filter::Hex, 4, hexWidth(4)},
};

const Swatch kSwatches[] = {
    {"Shape4", "Text1", 11, 10, 9},   {"Shape9", "Text1", 14, 15, 16},  {"Shape14", "Text1", 34, 33, 32},
    {"Shape2", "Text1", 6, 7, 8},     {"Shape7", "Text1", 19, 18, 17},  {"Shape10", "Text1", 22, 21, 20},
    {"Shape11", "Text1", 26, 25, 24}, {"Shape12", "Text1", 29, 28, 27}, {"Shape15", "Text1", 35, 36, 37},
};

const Coupling kCouplings[] = {
    {"Check4", "Text1", 32, 34},
    {"Check4", "Check2", -1, -1, false},
    {"Check4", "Check3", -1, -1, false},
    {"Check5", "Text1", 35, 37},
};

const DialogTable kTable{
    .caption = "GFX customizer",
    .scope = "gfx",
    .width = 12120,
    .height = 5610,
    .layout = kLayout,
    .lines = kLines,
    .texts = kTexts,
    .fields = kFields,
    .swatches = kSwatches,
    .couplings = kCouplings,
};

}  // namespace

CustGfx::CustGfx() : Dialog("CustGfx", kTable) {
  addRange(Text1, 0, 37);
  addRange(Label1, 0, kLastLabel);
  for (int unused : {25, 26}) Label1.remove(unused);
  for (int i = 0; i <= 37; ++i) Text1[i].setText("0");
  // Two obsolete keys keep their values in boxes that are never shown.
  Check1.setVisible(false);
  Text4.setVisible(false);
  build();
}

void InstallGfxDialog() {
  RegisterGfxKeys();
  patcher::passHooks().StageWriters["GFX1"] = &WriteGfx1;
  shell::form1Hooks().ButtonActions["Command14"] = [] { ui::Forms::get<CustGfx>().open(); };
}

}  // namespace olvex::customizers
