// The BARS stage: the border colour rewrite, then one table of rows in write order.
#include "customizers/bars/dialog.h"

#include "customizers/frame/stage_vocabulary.h"
#include "patcher/value_paths.h"
#include "patcher/write_rows.h"
#include "platform/files.h"
#include "shell/conversions.h"
#include "shell/form1.h"

namespace olvex::customizers {

namespace {

using namespace stage;

CustBars& bars() { return ui::Forms::get<CustBars>(); }

// The region at the key: a colour-loading instruction, then `block` bytes of code. The short
// form sets the register to white with 3 bytes; the long form loads a constant with 5.
struct BorderRegion {
  std::string_view key;
  int block;
  std::string_view shortForm;
  std::string_view longOpcode;
};
constexpr BorderRegion kBorderRegions[] = {
    {"BorderOffset", 500, "83C9FF", "B9"},
    {"BorderOffset2", 567, "83C8FF", "B8"},
};
constexpr unsigned char kShortFormFirstByte = 0x83;

bool whiteBorder() {
  for (int i : {48, 49, 50})
    if (bars().Text1[i].text() != "255") return false;
  return true;
}

std::string byteHex(const ui::TextBox& box) { return patcher::IntHex(box.text(), 2); }

// The block moves with the form of the instruction before it; the bytes after it are padding.
void writeBorder(platform::RandomAccessFile& file, const BorderRegion& r) {
  const std::int64_t p = patcher::PositionOf(r.key);
  const bool inShortForm = static_cast<unsigned char>(file.read(p, 1)[0]) == kShortFormFirstByte;
  const std::string block = file.read(p + (inShortForm ? 3 : 5), r.block);
  if (whiteBorder()) {
    patcher::Put(file, r.key, 0, r.shortForm);
    file.write(p + 3, block);
    patcher::Put(file, r.key, 3 + r.block, "909090");
  } else {
    auto& t = bars().Text1;
    patcher::Put(file, r.key, 0, std::string(r.longOpcode) + byteHex(t[48]) + byteHex(t[49]) + byteHex(t[50]) + "FF");
    file.write(p + 5, block);
    patcher::Put(file, r.key, 5 + r.block, "90");
  }
}

// Row values computed from the dialog.
template <int Blue, int Green, int Red>
std::string colour(const Form1&) {
  auto& t = bars().Text1;
  return byteHex(t[Blue]) + byteHex(t[Green]) + byteHex(t[Red]);
}
template <int I>
std::string byte2(const Form1&) { return byteHex(bars().Text2[I]); }
template <int I>
std::string word2(const Form1&) { return patcher::IntHex(bars().Text2[I].text(), 4); }

int always(const Form1&) { return 0; }
template <ui::CheckBox CustBars::*Box>
int ticked(const Form1&) { return (bars().*Box).value() == 1; }
// The selected style's data; nothing when no style is selected.
int style(const Form1&) {
  for (int i = 0; i < 3; ++i)
    if (bars().Option1[i].value()) return i;
  return patcher::kNothing;
}

constexpr std::string_view kHidden = "C390909090";

const Row kRows[] = {
    {style, {"GradBarsTypeData#Offset", 5},
     {F("GradBarsType0Data#"), F("GradBarsType2Data#"), F("GradBarsType1Data#")}},
    {always, {"CritBlinkOffset"}, {C(byte2<11>)}},

    {always, {"SBarOffset"}, {C(colour<15, 16, 17>)}},
    {always, {"SBarOffset", 1, 5}, {C(colour<12, 13, 14>)}},
    {always, {"SBarOffset", 1, 19}, {C(byte2<4>)}},
    {always, {"SBarOffset", 1, 21}, {C(word2<5>)}},
    {always, {"SBarXOffset"}, {C(word2<10>)}},
    {ticked<&CustBars::Check7>, {"SBarAnimOffset"}, {F("SBarAnimDefData"), F("SBarAnimModData")}},
    {ticked<&CustBars::Check3>, {"SBarOffset", 1, -19}, {F("SBarData"), L(kHidden)}},

    {always, {"ABarOffset"}, {C(colour<9, 10, 11>)}},
    {always, {"ABarOffset", 1, 8}, {C(colour<6, 7, 8>)}},
    {always, {"ABarOffset", 1, 16}, {C(byte2<2>)}},
    {always, {"ABarOffset", 1, 20}, {C(word2<3>)}},
    {always, {"ABarXOffset"}, {C(word2<9>)}},
    {ticked<&CustBars::Check6>, {"ABarAnimOffset"}, {F("ABarAnimDefData"), F("ABarAnimModData")}},
    {ticked<&CustBars::Check2>, {"ABarOffset", 1, -21}, {F("ABarData"), L(kHidden)}},

    {always, {"HBarOffset"}, {C(colour<2, 1, 0>)}},
    {always, {"HBarOffset", 1, 10}, {C(colour<5, 4, 3>)}},
    {always, {"HBarOffset", 1, -5}, {C(colour<26, 25, 24>)}},
    {always, {"HBarOffset", 1, 19}, {C(byte2<1>)}},
    {always, {"HBarOffset", 1, 21}, {C(word2<0>)}},
    {ticked<&CustBars::Check5>, {"HBarAnimOffset"}, {F("HBarAnimDefData"), F("HBarAnimModData")}},
    {ticked<&CustBars::Check1>, {"HBarOffset", 1, -32}, {F("HBarData"), L(kHidden)}},

    {always, {"LBarOffset"}, {C(colour<20, 19, 18>)}},
    {always, {"LBarOffset", 1, 5}, {C(colour<23, 22, 21>)}},
    {always, {"LBarOffset", 1, 53}, {C(byte2<7>)}},
    {always, {"LBarOffset", 1, 57}, {C(word2<6>)}},
    {always, {"LBarXOffset"}, {C(byte2<8>)}},
    {ticked<&CustBars::Check4>, {"LBarOffset", 1, -90}, {F("LBarData"), L(kHidden)}},

    {always, {"MusBarMainOffset"}, {C(colour<36, 37, 38>)}},
    {always, {"MusBarFadeOffset"}, {C(colour<39, 40, 41>)}},
    {always, {"MusBarABOOffset"}, {C(colour<42, 43, 44>)}},
    {always, {"SndBarMainOffset"}, {C(colour<27, 28, 29>)}},
    {always, {"SndBarFadeOffset"}, {C(colour<30, 31, 32>)}},
    {always, {"SndBarABOOffset"}, {C(colour<33, 34, 35>)}},
    {always, {"PBOOffset"}, {C(colour<45, 46, 47>)}},
};

}  // namespace

void WriteBars(platform::RandomAccessFile& file) {
  for (const BorderRegion& r : kBorderRegions) writeBorder(file, r);
  patcher::WriteRows(file, ui::Forms::get<Form1>(), kRows);
}

}  // namespace olvex::customizers
