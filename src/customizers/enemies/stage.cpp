#include "customizers/enemies/dialog.h"

#include "customizers/enemies/groups.h"
#include "customizers/enemies/kinds.h"
#include "customizers/frame/dialog_rows.h"
#include "patcher/value_paths.h"
#include "shell/shared_tables.h"
#include "shell/version_table.h"

namespace olvex::customizers {

namespace {

using namespace rows;

// The flag of kind k is written at offset slot 395 + k.
constexpr int kFirstFlagSlot = 395;

const CustEnemy& enemies() { return ui::Forms::get<CustEnemy>(); }

void writeHitPoints(platform::RandomAccessFile& file) {
  for (const EnemyKind& k : kEnemyKinds)
    if (!k.hpOffset.empty()) patcher::Put(file, k.hpOffset, 0, Word(enemies().Text1[k.hpBox].text()));
}

// A kind whose flag is its group's default, or no flag code at all, gets the game's own code.
void writeFlags(platform::RandomAccessFile& file) {
  for (int kind = 0; kind < shell::kEnemyFlagCount; ++kind) {
    auto group = GroupOfKind(kind);
    if (!group) continue;
    std::string_view key = shell::kOffsetKeys[kFirstFlagSlot + kind];
    int flag = shell::EnemyFlags[kind];
    if (flag == group->defaultFlag || flag >= kFlagCodes) {
      patcher::Put(file, key, 0, patcher::Field(group->defaultData));
      continue;
    }
    patcher::Put(file, key, 0, patcher::Field(group->replacementData));
    patcher::Put(file, key, group->codeOffset, group->codes[static_cast<std::size_t>(flag)]);
  }
}

int scorpionPatch(const Form1& f) { return zeroOrNot<CustEnemy, &CustEnemy::Check1>(f); }
int scorpionHitPoints(const Form1&) { return enemies().Check1.value() != 0 ? 0 : patcher::kNothing; }

const Row kSmallScorpion[] = {
    {scorpionPatch, {"SmallScorpCommandOffset"}, {F("SmallScorpCommPatchDefData"), F("SmallScorpCommPatchModData")}},
    {scorpionPatch, {"SmallScorpFarJumpOffset"}, {F("SmallScorpFarJumpDefData"), F("SmallScorpFarJumpModData")}},
    {scorpionHitPoints, {"SmallScorpFarJumpOffset", 1, 7}, {C(valueOf<CustEnemy, &CustEnemy::Text1, 24, Word>)}},
};

}  // namespace

void WriteEnemies(platform::RandomAccessFile& file) {
  writeHitPoints(file);
  writeFlags(file);
  WriteRows(file, ui::Forms::get<Form1>(), kSmallScorpion);
}

}  // namespace olvex::customizers
