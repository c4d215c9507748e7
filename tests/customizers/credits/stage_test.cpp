// The CREDITS stage in whole passes: the text laid into its slots for the shortest, the longest
// and an exactly full line length, the effects, track, level jump, alignments and switches.
#include "customizers/credits/dialog.h"
#include "customizers/silent_pass.h"
#include "shell/conversions.h"

namespace olvex::customizers::test {
namespace {

using shell::Form1;

CustCredits& credits() { return ui::Forms::get<CustCredits>(); }

// The image of `lines`, `chars` characters per line, in `slots` slots of chars + 1 bytes.
std::string image(const std::vector<std::string>& lines, int chars, int slots) {
  std::string hex;
  for (int k = 0; k < slots; ++k) {
    std::string slot = k < static_cast<int>(lines.size()) ? shell::TextToHex(lines[k].substr(0, chars)) : "";
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

void setText(const std::string& text, const char* chars) {
  credits().Text1.setText(text);
  credits().Text2.setText(chars);
}

TEST_F(SilentPassTest, CreditSettings) {
  const std::vector<Expect> kSwitchesAndAlignments = {
      {"NormCredsAlignOffset", 1}, {"ScrtCredsAlignOffset", 0}, {"BypassScriptOffset", 0}, {"FixFlybyBugOffset", 0}};
  expectPasses({
      {"five characters per line", [](Form1&) { setText("%01\r\nNames are long\r\n\r\nX", "5"); }, {},
       {{"CredsBaseOffset", 0, image({"%01", "Names are long", "", "X"}, 5, 260)},
        {"StringsToReadOffset", 0, "04000000"}, {"ArrayStepOffset", 0, "06"}}},
      {"fifty characters and more lines than slots", [](Form1&) { setText(crlfJoin(numbered(71)), "50"); }, {},
       {{"CredsBaseOffset", 0, image(numbered(71), 50, 30)}, {"StringsToReadOffset", 0, "1E000000"},
        {"ArrayStepOffset", 0, "33"}}},
      {"exactly full at twenty-one characters", [](Form1&) { setText(crlfJoin(numbered(71)), "21"); }, {},
       {{"CredsBaseOffset", 0, image(numbered(71), 21, 71)}, {"StringsToReadOffset", 0, "47000000"}}},
      {"one character per line", [](Form1&) { setText("ab\r\ncd", "1"); }, {},
       {{"CredsBaseOffset", 0, "6100" "6300" + repeat("0000", 779)}, {"StringsToReadOffset", 0, "02000000"},
        {"ArrayStepOffset", 0, "02"}}},
      {"effects, track and level jump",
       [](Form1&) {
         credits().Text3[0].setText("7");
         credits().Text3[1].setText("8");
         credits().Text4[1].setText("111");
         credits().Text4[2].setText("40");
       },
       {},
       {{"NormCredsEffectIDOffset", 0, "07"}, {"ScrtCredsEffectIDOffset", 0, "08"},
        {"CreditsTrackNumberOffset", 0, "6F"}, {"CreditsJumpNumberOffset", 0, "28"}}},
      {"alignments and switches",
       [](Form1&) {
         credits().Option1[0].setValue(true);
         credits().Option2[2].setValue(true);
         credits().Check1.setValue(1);
         credits().Check2.setValue(1);
       },
       {{"NormCredsAlignOffset", 0}, {"ScrtCredsAlignOffset", 1}, {"BypassScriptOffset", 0}, {"FixFlybyBugOffset", 0}}},
      {"no alignment selected and greyed switches write nothing",
       [](Form1&) {
         credits().Option1[1].setValue(false);
         credits().Option2[1].setValue(false);
         credits().Check1.setValue(2);
         credits().Check2.setValue(2);
       },
       kSwitchesAndAlignments, {}, false, kSwitchesAndAlignments},
      {"cleared switches restore", [](Form1&) {}, {}, {}, false, {{"BypassScriptOffset", 0}, {"FixFlybyBugOffset", 0}}},
  });
}

}  // namespace
}  // namespace olvex::customizers::test
