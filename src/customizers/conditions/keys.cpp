// The secret-level conditions' settings keys, which belong to the main scope.
#include "customizers/conditions/dialog.h"

#include "customizers/frame/key_targets.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

using shell::Conversion;

using keys::box;

const shell::KeyRow kConditionsKeys[] = {
    {"bonuslevelsecrets", Conversion::Number, box<&SLevelConditions::Text5>()},
    {"bonuslevelminutes", Conversion::Number, {keys::textAt<&SLevelConditions::Text6, 0>()}},
    {"bonuslevelseconds", Conversion::Number, {keys::textAt<&SLevelConditions::Text6, 1>()}},
    {"bonusleveldistance", Conversion::Number, box<&SLevelConditions::Text1>()},
    {"bonuslevelmedkitsused", Conversion::Number, box<&SLevelConditions::Text3>()},
    {"bonuslevelammoused", Conversion::Number, box<&SLevelConditions::Text2>()},
};

}  // namespace

void RegisterConditionsKeys() { shell::RegisterKeys(shell::Scope::Main, kConditionsKeys); }

}  // namespace olvex::customizers
