// Whole passes through the BARS, FONTS and CREDITS stages: the bytes each setting writes at its
// position, and nothing else.
#include <functional>
#include <vector>

#include "customizers/bars/dialog.h"
#include "customizers/credits/dialog.h"
#include "customizers/fonts/dialog.h"
#include "pass_fixture.h"

namespace olvex::patcher::test {
namespace {

using customizers::CustBars;
using customizers::CustCredits;
using customizers::CustFonts;

CustBars& bars() { return ui::Forms::get<CustBars>(); }
CustFonts& fonts() { return ui::Forms::get<CustFonts>(); }
CustCredits& credits() { return ui::Forms::get<CustCredits>(); }

std::string repeat(std::string_view hex, int times) {
  std::string r;
  for (int i = 0; i < times; ++i) r += hex;
  return r;
}

struct StageCase {
  const char* name;
  std::function<void()> set;
  std::vector<Bytes> bytes;        // values the stage writes
  std::vector<Expect> expects = {};  // layout alternatives the stage writes
  std::vector<Expect> before = {};   // alternatives the file holds before the pass
};

void setTexts(ui::ControlArray<ui::TextBox>& array, int first, int last, int firstValue) {
  for (int i = first; i <= last; ++i) array[i].setText(std::to_string(firstValue + i - first));
}

const std::vector<StageCase> kBarCases = {
    {"bar colours, sizes and positions", [] {
       setTexts(bars().Text1, 0, 47, 100);
       const char* sizes[] = {"1000", "20", "21", "2000", "22", "32767", "640", "9", "127", "300", "0", "10"};
       for (int i = 0; i < 12; ++i) bars().Text2[i].setText(sizes[i]);
     },
     {{"SBarOffset", 0, "737475"}, {"SBarOffset", 5, "707172"}, {"SBarOffset", 19, "16"}, {"SBarOffset", 21, "FF7F"},
      {"SBarXOffset", 0, "0000"},
      {"ABarOffset", 0, "6D6E6F"}, {"ABarOffset", 8, "6A6B6C"}, {"ABarOffset", 16, "15"}, {"ABarOffset", 20, "D007"},
      {"ABarXOffset", 0, "2C01"},
      {"HBarOffset", 0, "666564"}, {"HBarOffset", 10, "696867"}, {"HBarOffset", -5, "7E7D7C"},
      {"HBarOffset", 19, "14"}, {"HBarOffset", 21, "E803"},
      {"LBarOffset", 0, "787776"}, {"LBarOffset", 5, "7B7A79"}, {"LBarOffset", 53, "09"}, {"LBarOffset", 57, "8002"},
      {"LBarXOffset", 0, "7F"}, {"CritBlinkOffset", 0, "0A"},
      {"MusBarMainOffset", 0, "88898A"}, {"MusBarFadeOffset", 0, "8B8C8D"}, {"MusBarABOOffset", 0, "8E8F90"},
      {"SndBarMainOffset", 0, "7F8081"}, {"SndBarFadeOffset", 0, "828384"}, {"SndBarABOOffset", 0, "858687"},
      {"PBOOffset", 0, "919293"}}},
    {"gradient (TR5-like)", [] { bars().Option1[1].setValue(true); }, {}, {{"GradBarsTypeData#Offset", 1}}},
    {"gradient (flat)", [] { bars().Option1[2].setValue(true); }, {}, {{"GradBarsTypeData#Offset", 0}}},
    {"normal style restores the default data", [] {}, {}, {}, {{"GradBarsTypeData#Offset", 1}}},
    {"no style selected writes nothing", [] { bars().Option1[0].setValue(false); }, {},
     {{"GradBarsTypeData#Offset", 0}}, {{"GradBarsTypeData#Offset", 0}}},
    {"hidden and animated bars", [] {
       for (auto box : {&CustBars::Check1, &CustBars::Check2, &CustBars::Check3, &CustBars::Check4,
                        &CustBars::Check5, &CustBars::Check6, &CustBars::Check7})
         (bars().*box).setValue(1);
     },
     {}, {{"SBarOffset", 0}, {"ABarOffset", 0}, {"HBarOffset", 0}, {"LBarOffset", 0}, {"SBarAnimOffset", 0},
          {"ABarAnimOffset", 0}, {"HBarAnimOffset", 0}}},
    {"cleared and greyed boxes write the bars' own bytes", [] {
       for (auto box : {&CustBars::Check1, &CustBars::Check5}) (bars().*box).setValue(2);
     },
     {}, {}, {{"SBarOffset", 0}, {"ABarOffset", 0}, {"HBarOffset", 0}, {"LBarOffset", 0}, {"SBarAnimOffset", 0},
              {"ABarAnimOffset", 0}, {"HBarAnimOffset", 0}}},
};

const std::vector<StageCase> kFontCases = {
    {"font colours, legend time and effects", [] {
       setTexts(fonts().Text1, 0, 24, 200);
       setTexts(fonts().Text1, 25, 27, 3);
       fonts().Text1[28].setText("10");
     },
     {{"MainColourOffset", 0, "C8C9CA"}, {"MainColourOffset", 4, "CBCCCD"},
      {"OptionTitleOffset", 0, "CECFD0"}, {"OptionTitleOffset", 4, "D3D2D1"},
      {"InventoryTitleOffset", 0, "D4D5D6"}, {"InventoryTitleOffset", 4, "D9D8D7"},
      {"InventoryItemOffset", 0, "E0DFDE"}, {"InventoryItemOffset", 4, "DBDCDD"},
      {"LegendDispTimeOffset", 0, "DA"},
      {"NewGameEffectOffset", 0, "03"}, {"LoadGameEffectOffset", 0, "04"}, {"OptsEffectOffset", 0, "05"},
      {"ExitEffectOffset", 0, "0A"}}},
    {"left alignment", [] { fonts().Combo1[0].setListIndex(0); }, {},
     {{"NewGameAlignOffset", 0}, {"LoadGameAlignOffset", 0}, {"OptsAlignOffset", 0}, {"ExitAlignOffset", 0}}},
    {"right alignment", [] { fonts().Combo1[0].setListIndex(2); }, {},
     {{"NewGameAlignOffset", 1}, {"LoadGameAlignOffset", 1}, {"OptsAlignOffset", 1}, {"ExitAlignOffset", 1}}},
    {"center alignment restores", [] {}, {}, {},
     {{"NewGameAlignOffset", 1}, {"LoadGameAlignOffset", 1}, {"OptsAlignOffset", 1}, {"ExitAlignOffset", 1}}},
    {"no alignment entry writes nothing", [] { fonts().Combo1[0].setListIndex(-1); }, {},
     {{"NewGameAlignOffset", 0}, {"LoadGameAlignOffset", 0}, {"OptsAlignOffset", 0}, {"ExitAlignOffset", 0}},
     {{"NewGameAlignOffset", 0}, {"LoadGameAlignOffset", 0}, {"OptsAlignOffset", 0}, {"ExitAlignOffset", 0}}},
    // The rest of the old title after the new zero byte stays.
    {"short title", [] { fonts().Text1[29].setText("abc"); },
     {{"WindowTitleOffset", 0, "61626300"}, {"SetupTitleOffset", 0, "610062006300" + repeat("2000", 30)}}},
    {"title with leading blanks", [] { fonts().Text1[29].setText("  ab"); },
     {{"WindowTitleOffset", 0, "2020616200"}, {"SetupTitleOffset", 0, "61006200" + repeat("2000", 31)}}},
    {"long title is cut to 33 characters", [] { fonts().Text1[29].setText(std::string(40, 'T')); },
     {{"WindowTitleOffset", 0, repeat("54", 33) + "00"}, {"SetupTitleOffset", 0, repeat("5400", 33)}}},
    {"empty title keeps the game's", [] { fonts().Text1[29].setText(""); }, {}},
};

std::string hexOf(std::string_view text) {
  static const char digits[] = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char c : text) hex += {digits[c >> 4], digits[c & 15]};
  return hex;
}

// The image of `lines` with C characters per line, S slots.
std::string image(const std::vector<std::string>& lines, int chars, int slots) {
  std::string hex;
  for (int k = 0; k < slots; ++k) {
    std::string slot = k < static_cast<int>(lines.size()) ? hexOf(lines[k].substr(0, chars)) : "";
    slot.resize(2 * (chars + 1), '0');
    hex += slot;
  }
  return hex;
}

std::vector<std::string> numbered(int n) {
  std::vector<std::string> lines;
  for (int i = 1; i <= n; ++i) lines.push_back("line " + std::to_string(i));
  return lines;
}

std::string crlfJoin(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  return text;
}

const std::vector<StageCase> kCreditCases = {
    {"five characters per line", [] {
       credits().Text1.setText("%01\r\nNames are long\r\n\r\nX");
       credits().Text2.setText("5");
     },
     {{"CredsBaseOffset", 0, image({"%01", "Names are long", "", "X"}, 5, 260)},
      {"StringsToReadOffset", 0, "04000000"}, {"ArrayStepOffset", 0, "06"}}},
    {"fifty characters and more lines than slots", [] {
       credits().Text1.setText(crlfJoin(numbered(71)));
       credits().Text2.setText("50");
     },
     {{"CredsBaseOffset", 0, image(numbered(71), 50, 30)}, {"StringsToReadOffset", 0, "1E000000"},
      {"ArrayStepOffset", 0, "33"}}},
    {"exactly full at twenty-one characters", [] { credits().Text1.setText(crlfJoin(numbered(71))); },
     {{"CredsBaseOffset", 0, image(numbered(71), 21, 71)}, {"StringsToReadOffset", 0, "47000000"}}},
    {"one character per line", [] {
       credits().Text1.setText("ab\r\ncd");
       credits().Text2.setText("1");
     },
     {{"CredsBaseOffset", 0, "6100" "6300" + repeat("0000", 779)}, {"StringsToReadOffset", 0, "02000000"},
      {"ArrayStepOffset", 0, "02"}}},
    {"effects, track and level jump", [] {
       credits().Text3[0].setText("7");
       credits().Text3[1].setText("8");
       credits().Text4[1].setText("111");
       credits().Text4[2].setText("40");
     },
     {{"NormCredsEffectIDOffset", 0, "07"}, {"ScrtCredsEffectIDOffset", 0, "08"},
      {"CreditsTrackNumberOffset", 0, "6F"}, {"CreditsJumpNumberOffset", 0, "28"}}},
    {"alignments and switches", [] {
       credits().Option1[0].setValue(true);
       credits().Option2[2].setValue(true);
       credits().Check1.setValue(1);
       credits().Check2.setValue(1);
     },
     {}, {{"NormCredsAlignOffset", 0}, {"ScrtCredsAlignOffset", 1}, {"BypassScriptOffset", 0}, {"FixFlybyBugOffset", 0}}},
    {"no alignment selected and greyed switches write nothing", [] {
       credits().Option1[1].setValue(false);
       credits().Option2[1].setValue(false);
       credits().Check1.setValue(2);
       credits().Check2.setValue(2);
     },
     {}, {{"NormCredsAlignOffset", 1}, {"ScrtCredsAlignOffset", 0}, {"BypassScriptOffset", 0}, {"FixFlybyBugOffset", 0}},
     {{"NormCredsAlignOffset", 1}, {"ScrtCredsAlignOffset", 0}, {"BypassScriptOffset", 0}, {"FixFlybyBugOffset", 0}}},
    {"cleared switches restore", [] {}, {}, {}, {{"BypassScriptOffset", 0}, {"FixFlybyBugOffset", 0}}},
};

class StagePass : public PassTest {
 protected:
  void run(const std::vector<StageCase>& cases) {
    for (const StageCase& c : cases) {
      SCOPED_TRACE(c.name);
      putBytes(exe(), expectedFile(false, c.before));
      start();
      c.set();
      pass();
      EXPECT_EQ(differences(exeBytes(), withBytes(expectedFile(false, c.expects), c.bytes)), "");
      EXPECT_TRUE(host.messages.empty());
      ui::Forms::reset();  // the next case starts with the built-in settings
    }
  }
};

TEST_F(StagePass, Bars) { run(kBarCases); }
TEST_F(StagePass, Fonts) { run(kFontCases); }
TEST_F(StagePass, Credits) { run(kCreditCases); }

// The border instruction takes its long form for any colour but white; the code block after it
// moves with it, and white puts the short form back.
TEST_F(StagePass, BorderColourMovesTheBlock) {
  const std::string original = reflayout::referenceExecutable();
  auto block = [&](std::string_view key, int n) { return hexAt(original, key, 3, n); };
  start();
  bars().Text1[50].setText("255");
  bars().Text1[49].setText("0");
  bars().Text1[48].setText("0");
  pass();
  std::string red = exeBytes();
  EXPECT_EQ(differences(red, withBytes(original, {{"BorderOffset", 0, "B90000FFFF" + block("BorderOffset", 500) + "90"},
                                              {"BorderOffset2", 0, "B80000FFFF" + block("BorderOffset2", 567) + "90"}})),
            "");
  pass();
  EXPECT_EQ(exeBytes(), red);  // the same colour again changes nothing

  bars().Text1[48].setText("254");
  bars().Text1[49].setText("255");
  pass();
  EXPECT_EQ(hexAt(exeBytes(), "BorderOffset", 0, 5), "B9FEFFFFFF");
  EXPECT_EQ(hexAt(exeBytes(), "BorderOffset", 5, 500), block("BorderOffset", 500));

  bars().Text1[48].setText("255");
  pass();
  EXPECT_EQ(differences(exeBytes(), original), "");
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace olvex::patcher::test
