#include "customizers/gfx2/dialog.h"

#include "patcher/pass_hooks.h"
#include "shell/form1_hooks.h"
#include "shell/number_text.h"
#include "shell/shared_keys.h"
#include "shell/shared_tables.h"

namespace olvex::customizers {

namespace {

constexpr int kLastLabel = 22;
constexpr int kFogRed = 15, kFogGreen = 16, kFogBlue = 17;

const Place kLayout[] = {
    {"Frame1", -1, 120, 120, 3600, 2400, "ricochet sparkles"},
    {"Frame2", -1, 120, 2640, 3600, 2400, "crossbow explosion"},
    {"Frame3", -1, 3840, 120, 3600, 660, "animated textures"},
    {"Frame4", -1, 3840, 900, 3600, 660, "water distortion"},
    {"Frame5", -1, 3840, 1680, 3600, 660, "flyby bars"},
    {"Frame6", -1, 3840, 2460, 3600, 660, "fadeouts"},
    {"Frame7", -1, 3840, 3240, 3600, 1380, "underwater dust"},
    {"Frame8", -1, 7560, 120, 3840, 1000, "volumetric fog"},
    {"Frame9", -1, 7560, 1200, 3840, 1680, "M.I.S.T."},
    {"Frame10", -1, 7560, 3000, 3840, 2040, "sprinkler"},
    {"Check1", -1, 120, 990, 3300, 255, "Unify for various surfaces", "Frame1"},
    {"Check2", -1, 120, 1650, 3300, 255, "Loop forever", "Frame10"},
    {"Command4", -1, 2880, 270, 375, 345, "?", "Frame8"},
    {"Command1", -1, 7680, 5160, 1575, 375, "apply"},
    {"Command2", -1, 9480, 5160, 1575, 375, "defaults"},
};

const LineRow kLines[] = {
    {"Frame1", 300, {"Label1", 0}, "Sparkle fall-off delay:", 2280, {{{"Text1", 0}}}},
    {"Frame1", 630, {"Label1", 1}, "Amount of sparkles:", 2280, {{{"Text1", 1}}}},
    {"Frame1", 1290, {"Label1", 2}, "Sprite size / ID:", 2280, {{{"Text1", 3}, {"Text1", 2}}}},
    {"Frame1", 1620, {}, {}, 1740, {{{"Text1", 39}, {"Text1", 38}, {"Text1", 37}}}, "Shape14"},
    {"Frame1", 1950, {"Label1", 3}, "Core intensity:", 2280, {{{"Text1", 40}}}},
    {"Frame2", 300, {"Label1", 4}, "Fireball sprite size:", 2280, {{{"Text1", 4}}}},
    {"Frame2", 630, {"Label1", 5}, "Fireball duration:", 2280, {{{"Text1", 5}}}},
    {"Frame2", 960, {"Label1", 6}, "Blast radius:", 2280, {{{"Text1", 6}}}},
    {"Frame2", 1290, {"Label1", 7}, "Fireball dispersion:", 2280, {{{"Text1", 7}}}},
    {"Frame2", 1620, {"Label1", 8}, "Raw blast timeout:", 2280, {{{"Text2", 1}}}, {}, 1035},
    {"Frame2", 1950, {"Label1", 9}, "Raw blast size:", 2280, {{{"Text2", 3}}}, {}, 1035},
    {"Frame3", 300, {"Label1", 10}, "Frame change interval:", 2280, {{{"Text1", 8}}}},
    {"Frame4", 300, {"Label1", 11}, "Speed:", 2280, {{{"Text1", 41}}}},
    {"Frame5", 300, {"Label1", 12}, "Height / speed:", 2280, {{{"Text1", 9}, {"Text1", 10}}}},
    {"Frame6", 300, {"Label1", 13}, "Speed (div) / time:", 2280, {{{"Text1", 14}, {"Text1", 13}}}},
    {"Frame7", 300, {"Label1", 14}, "Amount / Density:", 2280, {{{"Text1", 11}, {"Text1", 12}}}},
    {"Frame7", 630, {"Label1", 15}, "Size / Sprite ID:", 2280, {{{"Text1", 27}, {"Text1", 28}}}},
    {"Frame7", 960, {"Label1", 16}, "X / Y flow:", 2280, {{{"Text1", 32}, {"Text1", 33}}}},
    {"Frame8", 300, {"Label1", 17}, "Fog unit # :", 1740, {{{"Combo1"}}}, {}, 855},
    {"Frame8", 630, {}, {}, 1740, {{{"Text1", 15}, {"Text1", 16}, {"Text1", 17}}}, "Shape8"},
    {"Frame9", 300, {}, {}, 1740, {{{"Text1", 18}, {"Text1", 19}, {"Text1", 20}}}, "Shape10"},
    {"Frame9", 630, {}, {}, 1740, {{{"Text1", 26}, {"Text1", 25}, {"Text1", 24}}}, "Shape11"},
    {"Frame9", 960, {"Label1", 18}, "Size / density:", 1740, {{{"Text1", 21}, {"Text1", 22}}}},
    {"Frame9", 1290, {"Label1", 19}, "Amount:", 1740, {{{"Text1", 23}}}},
    {"Frame10", 300, {"Label1", 20}, "Amount:", 1740, {{{"Text1", 29}}}},
    {"Frame10", 630, {"Label1", 21}, "Spread:", 1740, {{{"Text1", 31}}}},
    {"Frame10", 960, {"Label1", 22}, "Height / arch:", 1740, {{{"Text1", 30}, {"Text1", 42}}}, {}, 615},
    {"Frame10", 1290, {}, {}, 1740, {{{"Text1", 36}, {"Text1", 35}, {"Text1", 34}}}, "Shape13"},
};

const DesignerText kTexts[] = {
    {"Text1", 0, "9"},    {"Text1", 1, "8"},    {"Text1", 2, "4"},    {"Text1", 3, "8"},
    {"Text1", 4, "28"},   {"Text1", 5, "18"},   {"Text1", 6, "60"},   {"Text1", 7, "33"},
    {"Text1", 8, "5"},    {"Text1", 9, "16"},   {"Text1", 10, "1"},   {"Text1", 11, "16"},
    {"Text1", 12, "16"},  {"Text1", 13, "8"},   {"Text1", 14, "3"},   {"Text1", 18, "192"},
    {"Text1", 19, "192"}, {"Text1", 20, "192"}, {"Text1", 21, "12"},  {"Text1", 22, "6"},
    {"Text1", 23, "4"},   {"Text1", 24, "128"}, {"Text1", 25, "128"}, {"Text1", 26, "128"},
    {"Text1", 27, "12"},  {"Text1", 28, "10"},  {"Text1", 29, "3"},   {"Text1", 30, "64"},
    {"Text1", 31, "4"},   {"Text1", 32, "-1"},  {"Text1", 33, "-1"},  {"Text1", 34, "128"},
    {"Text1", 35, "128"}, {"Text1", 36, "112"}, {"Text1", 38, "48"},  {"Text1", 39, "96"},
    {"Text1", 40, "16"},  {"Text1", 41, "4"},   {"Text1", 42, "32"},  {"Text2", 1, "18806000"},
    {"Text2", 3, "01300030"},
};

const FieldRow kFields[] = {
    {"Text1", 0, 42, Filter::Digit, 3, clampTo(255)},  // group A; the fog unit follows
    {"Text1", 11, 12, Filter::Digit, 3, clampTo(127)},
    {"Text1", 27, 28, Filter::Digit, 3, clampTo(127)},
    {"Text1", 41, 41, Filter::Digit, 3, clampTo(127)},
    {"Text1", 30, 30, Filter::Digit, 5, clampTo(0, 32767)},
    {"Text1", 42, 42, Filter::Digit, 5, clampTo(0, 32767)},
    {"Text1", 8, 8, Filter::Digit, 3, clampTo(1, 127, "1")},
    {"Text1", 32, 33, Filter::Signed, 4, clampTo(-128, 127)},
    {"Text1", 4, 7, Filter::Hex, 2, hexWidth(2)},
    {"Text1", 40, 40, Filter::Digit, 2, hexWidth(2)},
    {"Text2", 1, 3, Filter::Hex, 8, hexWidth(8)},
};

const Swatch kSwatches[] = {
    {"Shape8", "Text1", 15, 16, 17},  {"Shape10", "Text1", 18, 19, 20}, {"Shape11", "Text1", 26, 25, 24},
    {"Shape13", "Text1", 36, 35, 34}, {"Shape14", "Text1", 39, 38, 37},
};

const DialogTable kTable{
    .caption = "GFX customizer 2",
    .scope = "gfx2",
    .width = 11640,
    .height = 6090,
    .layout = kLayout,
    .lines = kLines,
    .texts = kTexts,
    .fields = kFields,
    .swatches = kSwatches,
};

bool inGroupA(int i) {
  return i <= 3 || i == 9 || i == 10 || (i >= 13 && i <= 26) || i == 29 || i == 31 || (i >= 34 && i <= 39);
}

std::uint8_t byteOf(const std::string& text) {
  return static_cast<std::uint8_t>(static_cast<long long>(shell::RoundHalfEven(shell::Val(text))) & 0xFF);
}

}  // namespace

CustGfx2::CustGfx2() : Dialog("CustGfx2", kTable) {
  addRange(Text1, 0, 42);
  Text2.add(1);
  Text2.add(3);
  addRange(Label1, 0, kLastLabel);
  for (int i = 0; i <= 42; ++i) Text1[i].setText("0");
  Combo1.setStyle(ui::ComboBox::Style::DropDownList);
  static_assert(shell::kFogUnitCount <= 100, "unit names have two digits");
  for (int unit = 0; unit < shell::kFogUnitCount; ++unit)
    Combo1.addItem({static_cast<char>('0' + unit / 10), static_cast<char>('0' + unit % 10)});
  Combo1.onClick = [this] { showUnit(); };
  Text1.onLostFocus = [this](int i) {
    if (inGroupA(i)) writeBackUnit();
  };
  build();
  Combo1.setListIndex(0);
}

int CustGfx2::unitShown() const { return Combo1.listIndex() < 0 ? 0 : Combo1.listIndex(); }

void CustGfx2::showUnit() {
  int n = unitShown();
  Text1[kFogRed].setText(std::to_string(shell::FogUnitR[n]));
  Text1[kFogGreen].setText(std::to_string(shell::FogUnitG[n]));
  Text1[kFogBlue].setText(std::to_string(shell::FogUnitB[n]));
}

void CustGfx2::writeBackUnit() {
  int n = unitShown();
  shell::FogUnitR[n] = byteOf(Text1[kFogRed].text());
  shell::FogUnitG[n] = byteOf(Text1[kFogGreen].text());
  shell::FogUnitB[n] = byteOf(Text1[kFogBlue].text());
}

namespace {

// Unit 00 shown again, its boxes loaded from the table even when 00 was shown already.
void showFirstUnit() {
  auto& d = ui::Forms::get<CustGfx2>();
  d.Combo1.setListIndex(0);
  d.showUnit();
}

}  // namespace

// After any key of the fog unit family the dialog shows unit 00 again, loaded from the table.
void InstallGfx2Dialog() {
  RegisterGfx2Keys();
  shell::SharedHooks.fogUnitsApplied = &showFirstUnit;
  patcher::passHooks().StageWriters["GFX2"] = &WriteGfx2;
  shell::form1Hooks().ButtonActions["Command18"] = [] { ui::Forms::get<CustGfx2>().open(); };
}

}  // namespace olvex::customizers
