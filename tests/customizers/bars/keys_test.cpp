// The bar keys: colours and positions in old hex without a Version line, plain numbers, the
// hide and animate states, and the style.
#include "customizers/bars/dialog.h"
#include "customizers/dialog_fixture.h"

namespace olvex::customizers::test {
namespace {

CustBars& bars() { return ui::Forms::get<CustBars>(); }

TEST_F(DialogTest, BarKeys) {
  auto text1 = [](int i) { return [i] { return bars().Text1[i].text(); }; };
  auto text2 = [](int i) { return [i] { return bars().Text2[i].text(); }; };
  const KeyCase cases[] = {
      {"0.76", "hmaincolourr", "255", text1(0), "255"},
      {"", "hmaincolourr", "255", text1(0), "597"},
      {"", "amaincolourr", "10", text1(11), "16"},
      {"0.76", "sndbarabocolourb", "7F", text1(33), "7F"},
      {"", "sndbarabocolourb", "7F", text1(33), "127"},
      {"", "pbocolourr", "3F", text1(47), "63"},
      {"0.76", "lleft", "14", text2(8), "14"},
      {"", "lleft", "14", text2(8), "20"},
      {"", "aleft", "1EA", text2(9), "490"},
      // Plain numbers whatever the version.
      {"", "critbarblinkspeed", "07x", text2(11), "7"},
      {"", "barbordercolorr", "10", text1(50), "10"},
      {"0.76", "barbordercolorb", "", text1(48), "0"},
      {"0.76", "hhide", "1", [] { return std::to_string(bars().Check1.value()); }, "1"},
      {"0.76", "sanim", "2", [] { return std::to_string(bars().Check7.value()); }, "2"},
      {"0.76", "hhide", "3", [] { return std::string(); }, std::nullopt},
      {"0.76", "staticbarsstyle", "2", [] { return std::to_string(bars().Option1[2].value() && !bars().Option1[0].value()); }, "1"},
      {"0.76", "staticbarsstyle", "3", [] { return std::string(); }, std::nullopt},
  };
  expectKeys(cases);
}

}  // namespace
}  // namespace olvex::customizers::test
