// The FONTS stage in whole passes: colours, legend time and effects at their places, every
// alignment, and the window title in both of its encodings.
#include "customizers/fonts/dialog.h"
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

using shell::Form1;

CustFonts& fonts() { return ui::Forms::get<CustFonts>(); }

TEST_F(SilentPassTest, FontSettings) {
  const std::vector<Expect> kLeft = {
      {"NewGameAlignOffset", 0}, {"LoadGameAlignOffset", 0}, {"OptsAlignOffset", 0}, {"ExitAlignOffset", 0}};
  const std::vector<Expect> kRight = {
      {"NewGameAlignOffset", 1}, {"LoadGameAlignOffset", 1}, {"OptsAlignOffset", 1}, {"ExitAlignOffset", 1}};
  expectPasses({
      {"font colours, legend time and effects",
       [](Form1&) {
         for (int i = 0; i <= 24; ++i) fonts().Text1[i].setText(std::to_string(200 + i));
         for (int i = 25; i <= 27; ++i) fonts().Text1[i].setText(std::to_string(i - 22));
         fonts().Text1[28].setText("10");
       },
       {},
       {{"MainColourOffset", 0, "C8C9CA"}, {"MainColourOffset", 4, "CBCCCD"},
        {"OptionTitleOffset", 0, "CECFD0"}, {"OptionTitleOffset", 4, "D3D2D1"},
        {"InventoryTitleOffset", 0, "D4D5D6"}, {"InventoryTitleOffset", 4, "D9D8D7"},
        {"InventoryItemOffset", 0, "E0DFDE"}, {"InventoryItemOffset", 4, "DBDCDD"},
        {"LegendDispTimeOffset", 0, "DA"},
        {"NewGameEffectOffset", 0, "03"}, {"LoadGameEffectOffset", 0, "04"}, {"OptsEffectOffset", 0, "05"},
        {"ExitEffectOffset", 0, "0A"}}},
      {"left alignment", [](Form1&) { fonts().Combo1[0].setListIndex(0); }, kLeft},
      {"right alignment", [](Form1&) { fonts().Combo1[0].setListIndex(2); }, kRight},
      {"center alignment restores", [](Form1&) {}, {}, {}, false, kRight},
      {"no alignment entry writes nothing", [](Form1&) { fonts().Combo1[0].setListIndex(-1); }, kLeft, {}, false, kLeft},
      // The rest of the old title after the new zero byte stays.
      {"short title", [](Form1&) { fonts().Text1[29].setText("abc"); }, {},
       {{"WindowTitleOffset", 0, "61626300"}, {"SetupTitleOffset", 0, "610062006300" + repeat("2000", 30)}}},
      {"title with leading blanks", [](Form1&) { fonts().Text1[29].setText("  ab"); }, {},
       {{"WindowTitleOffset", 0, "2020616200"}, {"SetupTitleOffset", 0, "61006200" + repeat("2000", 31)}}},
      {"long title is cut to 33 characters", [](Form1&) { fonts().Text1[29].setText(std::string(40, 'T')); }, {},
       {{"WindowTitleOffset", 0, repeat("54", 33) + "00"}, {"SetupTitleOffset", 0, repeat("5400", 33)}}},
      {"empty title keeps the game's", [](Form1&) { fonts().Text1[29].setText(""); }, {}},
  });
}

}  // namespace
}  // namespace olvex::customizers::test
