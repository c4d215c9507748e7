// The bonus level workaround, written after the SIZE stage's length change: a routine in the
// appended area compares the player's statistics with the secret-level conditions.
#include "customizers/conditions/dialog.h"

#include <string>

#include "customizers/frame/stage_vocabulary.h"
#include "patcher/value_paths.h"
#include "patcher/write_rows.h"
#include "shell/form1.h"
#include "shell/number_text.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using namespace stage;
using D = SLevelConditions;

// The routine needs the option and the extended executable: off (0), or the standard (1) or
// remapped (2) variant, as the section header the size stage wrote.
int bonus(const Form1& f) {
  return f.Check19.value() == 1 && f.Check9.value() == 1 ? patcher::select::variant(f) : 0;
}
int bonusRoutine(const Form1& f) { return bonus(f) == 0 ? kNothing : bonus(f); }
int bonusRecord(const Form1& f) { return bonus(f) == 0 ? kNothing : 0; }

const D& conditions() { return ui::Forms::get<D>(); }
double number(const ui::TextBox& box) { return patcher::StrictValue(box.text()); }
std::string byte(double v) { return patcher::IntHex(shell::NumberText(v), 2); }
std::string dword(double v) { return patcher::IntHex(shell::NumberText(v), 8); }

std::string bonusLevel(const Form1& f) { return byte(number(f.Text4)); }
std::string secrets(const Form1&) { return byte(number(conditions().Text5)); }
// The game counts time in frames, 30 a second. The time boxes may be left empty, which counts as
// 0 minutes or seconds.
double time(const ui::TextBox& box) { return shell::Val(box.text()); }
std::string frames(const Form1&) {
  return dword((time(conditions().Text6[0]) * 60 + time(conditions().Text6[1])) * 30);
}
std::string medkits(const Form1&) { return byte(number(conditions().Text3)); }
std::string ammo(const Form1&) { return dword(number(conditions().Text2)); }
// Distance in the game's units, 419 a metre.
std::string distance(const Form1&) { return dword(number(conditions().Text1) * 419); }
std::string alternateLevel(const Form1& f) { return byte(number(f.Text7)); }

// The routine's template first, then its comparison operands.
const Row kBonusRows[] = {
    {bonus, At{"SecLevelJumpOffset"}, {F("SecLevelJumpDefData"), F("SecLevelJumpModNData"), F("SecLevelJumpModRData")}},
    {bonusRoutine, At{"SecLevelExtOffset"}, {kNone, F("SecLevelExtModNData"), F("SecLevelExtModRData")}},
    {bonusRecord, At{"SecLevelExtOffset", 1, 2}, {C(bonusLevel)}},
    {bonusRecord, At{"SecLevelExtOffset", 1, 11}, {C(secrets)}},
    {bonusRecord, At{"SecLevelExtOffset", 1, 20}, {C(frames)}},
    {bonusRecord, At{"SecLevelExtOffset", 1, 32}, {C(medkits)}},
    {bonusRecord, At{"SecLevelExtOffset", 1, 41}, {C(ammo)}},
    {bonusRecord, At{"SecLevelExtOffset", 1, 53}, {C(distance)}},
    {bonusRecord, At{"SecLevelExtOffset", 1, 62}, {C(alternateLevel)}},
};

}  // namespace

void WriteBonusLevel(platform::RandomAccessFile& file) {
  patcher::WriteRows(file, ui::Forms::get<Form1>(), kBonusRows);
}

}  // namespace olvex::customizers
