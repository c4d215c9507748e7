#include "draco/draco_hooks.h"

#include "draco/patch_list.h"
#include "draco/patch_set_reader.h"
#include "shell/config_state.h"
#include "shell/form1_hooks.h"

namespace olvex::draco {

void InstallDracoHooks() {
  shell::Form1Hooks& hooks = shell::form1Hooks();
  hooks.DracoStartUp = [] { StartPatchList(shell::DefaultPatchSet); };
  hooks.DracoResetPatches = [] { ResetPatches(); };
}

}  // namespace olvex::draco
