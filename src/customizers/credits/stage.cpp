// The CREDITS stage: the credits image, its line count and slot length, then one table of rows.
#include "customizers/credits/dialog.h"

#include "customizers/frame/align_codes.h"
#include "customizers/frame/stage_vocabulary.h"
#include "patcher/value_paths.h"
#include "patcher/write_rows.h"
#include "shell/form1.h"

namespace olvex::customizers {

namespace {

using namespace stage;

CustCredits& credits() { return ui::Forms::get<CustCredits>(); }

template <ui::ControlArray<ui::TextBox> CustCredits::*Array, int I>
std::string byte1(const Form1&) { return patcher::IntHex((credits().*Array)[I].text(), 2); }

int always(const Form1&) { return 0; }
// The selected alignment of a group; nothing when none is selected.
template <ui::ControlArray<ui::OptionButton> CustCredits::*Group>
int alignment(const Form1&) {
  for (int i = 0; i < 3; ++i)
    if ((credits().*Group)[i].value()) return i;
  return patcher::kNothing;
}
// 0 writes the first value, 1 the second, any other state nothing.
template <ui::CheckBox CustCredits::*Box>
int choice(const Form1&) {
  int v = (credits().*Box).value();
  return v == 0 || v == 1 ? v : patcher::kNothing;
}

const Row kRows[] = {
    {always, {"NormCredsEffectIDOffset"}, {C(byte1<&CustCredits::Text3, 0>)}},
    {always, {"ScrtCredsEffectIDOffset"}, {C(byte1<&CustCredits::Text3, 1>)}},
    {alignment<&CustCredits::Option1>, {"NormCredsAlignOffset"}, kAlignCodes},
    {alignment<&CustCredits::Option2>, {"ScrtCredsAlignOffset"}, kAlignCodes},
    {choice<&CustCredits::Check1>, {"BypassScriptOffset"}, {L("75"), L("EB")}},
    {choice<&CustCredits::Check2>, {"FixFlybyBugOffset"}, {F("FixCredsBugDefData"), F("FixCredsBugModData")}},
    {always, {"CreditsTrackNumberOffset"}, {C(byte1<&CustCredits::Text4, 1>)}},
    {always, {"CreditsJumpNumberOffset"}, {C(byte1<&CustCredits::Text4, 2>)}},
};

}  // namespace

void WriteCredits(platform::RandomAccessFile& file) {
  const CustCredits& dialog = credits();
  const CreditsImage image = dialog.RecalcLength();
  const int lineChars = LineCharsOf(dialog.Text2.text());
  patcher::Put(file, "CredsBaseOffset", 0, image.hex);
  patcher::Put(file, "StringsToReadOffset", 0, patcher::IntHex(std::to_string(image.count), 8));
  patcher::Put(file, "ArrayStepOffset", 0, patcher::IntHex(std::to_string(lineChars + 1), 2));
  patcher::WriteRows(file, ui::Forms::get<Form1>(), kRows);
}

}  // namespace olvex::customizers
