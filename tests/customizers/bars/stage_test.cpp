// The BARS stage in whole passes: colours, sizes and positions at their places, every style, the
// hidden and animated bars, and the border instruction whose size follows the colour.
#include "customizers/bars/dialog.h"
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

using shell::Form1;

CustBars& bars() { return ui::Forms::get<CustBars>(); }

TEST_F(SilentPassTest, BarSettings) {
  const std::vector<Expect> kBarsOwnBytes = {{"SBarOffset", 0},     {"ABarOffset", 0},     {"HBarOffset", 0},
                                             {"LBarOffset", 0},     {"SBarAnimOffset", 0}, {"ABarAnimOffset", 0},
                                             {"HBarAnimOffset", 0}};
  expectPasses({
      {"bar colours, sizes and positions",
       [](Form1&) {
         for (int i = 0; i <= 47; ++i) bars().Text1[i].setText(std::to_string(100 + i));
         const char* sizes[] = {"1000", "20", "21", "2000", "22", "32767", "640", "9", "127", "300", "0", "10"};
         for (int i = 0; i < 12; ++i) bars().Text2[i].setText(sizes[i]);
       },
       {},
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
      {"gradient (TR5-like)", [](Form1&) { bars().Option1[1].setValue(true); }, {{"GradBarsTypeData#Offset", 1}}},
      {"gradient (flat)", [](Form1&) { bars().Option1[2].setValue(true); }, {{"GradBarsTypeData#Offset", 0}}},
      {"normal style restores the default data", [](Form1&) {}, {}, {}, false, {{"GradBarsTypeData#Offset", 1}}},
      {"no style selected writes nothing", [](Form1&) { bars().Option1[0].setValue(false); },
       {{"GradBarsTypeData#Offset", 0}}, {}, false, {{"GradBarsTypeData#Offset", 0}}},
      {"hidden and animated bars",
       [](Form1&) {
         for (auto box : {&CustBars::Check1, &CustBars::Check2, &CustBars::Check3, &CustBars::Check4,
                          &CustBars::Check5, &CustBars::Check6, &CustBars::Check7})
           (bars().*box).setValue(1);
       },
       kBarsOwnBytes},
      {"cleared and greyed boxes write the bars' own bytes",
       [](Form1&) {
         for (auto box : {&CustBars::Check1, &CustBars::Check5}) (bars().*box).setValue(2);
       },
       {}, {}, false, kBarsOwnBytes},
  });
}

// The border instruction takes its long form for any colour but white; the code block after it
// moves with it, and white puts the short form back.
TEST_F(SilentPassTest, BorderColourMovesTheBlock) {
  using patcher::test::hexAt;
  const std::string original = reflayout::referenceExecutable();
  auto block = [&](std::string_view key, int n) { return hexAt(original, key, 3, n); };
  start();
  bars().Text1[50].setText("255");
  bars().Text1[49].setText("0");
  bars().Text1[48].setText("0");
  pass();
  std::string red = exeBytes();
  EXPECT_EQ(patcher::test::differences(red, withBytes(original, {{"BorderOffset", 0, "B90000FFFF" + block("BorderOffset", 500) + "90"},
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
  EXPECT_EQ(patcher::test::differences(exeBytes(), original), "");
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace olvex::customizers::test
