// The enemies dialog's settings keys (scope "enemies"): the hit points of every kind that has a
// key, and the small scorpion's switch.
#include "customizers/enemies/dialog.h"

#include <utility>
#include <vector>

#include "customizers/enemies/kinds.h"
#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using C = shell::Conversion;

template <std::size_t Row>
shell::KeyRow hpRow() {
  return {kEnemyKinds[Row].hpKey, C::OldHex,
          keys::textAt<&CustEnemy::Text1, kEnemyKinds[Row].hpBox>()};
}

template <std::size_t... Rows>
std::vector<shell::KeyRow> hpRows(std::index_sequence<Rows...>) {
  std::vector<shell::KeyRow> rows{hpRow<Rows>()...};
  std::erase_if(rows, [](const shell::KeyRow& r) { return r.key.empty(); });
  rows.push_back({"enablesmallscorpionhpchange", C::Check,
                  keys::check<&CustEnemy::Check1>()});
  return rows;
}

const std::vector<shell::KeyRow>& enemyKeys() {
  static const std::vector<shell::KeyRow> rows = hpRows(std::make_index_sequence<kEnemyKindCount>());
  return rows;
}

}  // namespace

void RegisterEnemiesKeys() { shell::RegisterKeys(shell::Scope::Enemy, enemyKeys()); }

}  // namespace olvex::customizers
