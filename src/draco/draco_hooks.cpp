#include "draco/draco_hooks.h"

#include "draco/patch_list.h"
#include "draco/patch_list_window.h"
#include "draco/patch_set_reader.h"
#include "draco/statistics_window.h"
#include "shell/config_state.h"
#include "shell/form1_hooks.h"

namespace olvex::draco {

void InstallDracoHooks() {
  shell::Form1Hooks& hooks = shell::form1Hooks();
  hooks.DracoStartUp = [] { StartPatchList(shell::DefaultPatchSet); };
  hooks.DracoResetPatches = [] { ResetPatches(); };
  // "custom patches...": the current item is shown afresh, then the window opens modally.
  hooks.ButtonActions["Command30"] = [] {
    Patches& patches = ui::Forms::get<Patches>();
    int current = patches.Listbox1.listIndex();
    patches.Listbox1.setListIndex(-1);
    patches.Listbox1.setListIndex(current);
    patches.show(true);
  };
  hooks.ButtonActions["Image2"] = [] { ui::Forms::get<FLAbout>().show(true); };
}

}  // namespace olvex::draco
