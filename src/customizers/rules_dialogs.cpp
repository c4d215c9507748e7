#include "customizers/rules_dialogs.h"

#include "customizers/health_dialog.h"
#include "customizers/limits_dialog.h"
#include "customizers/physics_dialog.h"
#include "customizers/stages.h"
#include "patcher/pass_hooks.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers {

void InstallRulesDialogs() {
  RegisterPhysicsKeys();
  RegisterLimitsKeys();
  RegisterHealthKeys();
  auto& writers = patcher::passHooks().StageWriters;
  writers["PHYSICS"] = WritePhysics;
  writers["LIMITS"] = WriteLimits;
  writers["DAMAGE"] = WriteDamage;
  auto& hooks = shell::form1Hooks();
  hooks.ButtonActions["Command10"] = [] { ui::Forms::get<CustLaraHP>().open(); };  // "damage \\ HP..."
  hooks.ButtonActions["Command15"] = [] { ui::Forms::get<CustPhys>().open(); };    // "physics..."
  hooks.ExtendExeFollowers.push_back(
      [](bool extended) { ui::Forms::get<CustLaraHP>().extendedChanged(extended); });
}

}  // namespace olvex::customizers
