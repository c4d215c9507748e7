// The font keys: colours in old hex without a Version line, plain numbers, the window title cut
// to its length, and the alignment list.
#include "customizers/dialog_fixture.h"
#include "customizers/fonts/dialog.h"

namespace olvex::customizers::test {
namespace {

CustFonts& fonts() { return ui::Forms::get<CustFonts>(); }

TEST_F(DialogTest, FontKeys) {
  auto text1 = [](int i) { return [i] { return fonts().Text1[i].text(); }; };
  auto align = [] { return fonts().Combo1[0].text(); };
  const std::string longTitle(40, 'x');
  const KeyCase cases[] = {
      {"0.76", "optsfontfadecolourr", "40", text1(11), "40"},
      {"", "optsfontfadecolourr", "40", text1(11), "64"},
      {"", "itemfontmaincolourb", "80", text1(22), "128"},
      {"0.76", "legenddisptime", "96", text1(18), "96"},
      {"", "legenddisptime", "96", text1(18), "150"},
      {"", "mainmenuexiteffectid", "3.0", text1(28), "3"},
      {"", "windowtitle", " My Game ", text1(29), " My Game "},
      {"0.76", "windowtitle", longTitle.c_str(), text1(29), std::string(33, 'x')},
      {"0.76", "mainmenualign", "2", align, fonts().AlignRight},
      {"0.76", "mainmenualign", "0.4", align, "left"},
      {"0.76", "mainmenualign", "3", align, std::nullopt},
  };
  expectKeys(cases);
}

}  // namespace
}  // namespace olvex::customizers::test
