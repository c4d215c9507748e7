// The bonus level's conditions in whole passes: the record written into the code extension in
// both memory layouts, the jump restored without it, an emptied time box as 0, and values that
// are no number roll back.
#include "customizers/conditions/dialog.h"
#include "customizers/silent_pass.h"

namespace olvex::customizers::test {
namespace {

using shell::Form1;

void extend(Form1& f, int remap = 0) {
  f.Check9.setValue(1);
  f.Check5.setValue(remap);
}

// Minutes 8, seconds 0: 14400 frames; 100 m: 41900 units.
void bonusLevel(Form1& f) {
  f.Check19.setValue(1);
  f.Text4.setText("7");
  f.Text7.setText("9");
  auto& c = ui::Forms::get<SLevelConditions>();
  c.Text6[0].setText("8");
  c.Text6[1].setText("0");
  c.Text5.setText("4");
  c.Text3.setText("255");
  c.Text2.setText("100000");
  c.Text1.setText("100");
}
const PassBytes kRecord = {
    {"SecLevelExtOffset", 2, "07"},  {"SecLevelExtOffset", 11, "04"},       {"SecLevelExtOffset", 20, "40380000"},
    {"SecLevelExtOffset", 32, "FF"}, {"SecLevelExtOffset", 41, "A0860100"}, {"SecLevelExtOffset", 53, "ACA30000"},
    {"SecLevelExtOffset", 62, "09"}};

PassBytes withTime(std::string frames) {
  PassBytes record = kRecord;
  record[2].hex = std::move(frames);
  return record;
}

TEST_F(SilentPassTest, BonusLevelRecord) {
  expectPasses({
      {"bonus level, extended",
       [](Form1& f) {
         extend(f);
         bonusLevel(f);
       },
       join(kExtended, {{"SecLevelJumpOffset", 0}, {"SecLevelExtOffset", 0}}), kRecord, true},
      {"bonus level, extended and remapped",
       [](Form1& f) {
         extend(f, 1);
         bonusLevel(f);
       },
       join(kExtendedRemapped, {{"SecLevelJumpOffset", 1}, {"SecLevelExtOffset", 1}}), kRecord, true},
      // As the section header: the variant of the remapped code the file holds.
      {"bonus level, extended, remap greyed",
       [](Form1& f) {
         extend(f, 2);
         bonusLevel(f);
       },
       join(kExtended, {{"SecLevelJumpOffset", 1}, {"SecLevelExtOffset", 1}, {"Remap#Offset", 0},
                        {"ExtSizePEHeaderOffset2", 2}, {"ExtSizePEHeaderOffset3", 1}}),
       kRecord, true, {{"Remap#Offset", 0}}},
      // An emptied minutes box is 0 minutes: 30 seconds are 900 frames.
      {"bonus level, minutes emptied",
       [](Form1& f) {
         extend(f);
         bonusLevel(f);
         ui::Forms::get<SLevelConditions>().Text6[0].setText("");
         ui::Forms::get<SLevelConditions>().Text6[1].setText("30");
       },
       join(kExtended, {{"SecLevelJumpOffset", 0}, {"SecLevelExtOffset", 0}}), withTime("84030000"), true},
      {"bonus level without the extension restores the jump", bonusLevel, {}, {}, false, {{"SecLevelJumpOffset", 1}}},
      {"extended without the bonus level leaves the area filled", [](Form1& f) { extend(f); }, kExtended, {}, true,
       {{"SecLevelJumpOffset", 0}}},
  });
}

TEST_F(SilentPassTest, BonusLevelValuesThatAreNoNumberRollBack) {
  expectRollBacks({
      [](Form1& f) {
        extend(f);
        bonusLevel(f);
        f.Text7.setText("x");
      },
  });
}

}  // namespace
}  // namespace olvex::customizers::test
