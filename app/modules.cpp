#include "app/modules.h"

#include "customizers/text_dialogs.h"
#include "draco/draco_hooks.h"
#include "draco/patch_writer.h"
#include "patcher/pass_hooks.h"
#include "patcher/patch_pass.h"
#include "shell/form1.h"
#include "shell/main_keys.h"
#include "shell/shared_keys.h"
#include "ui/form.h"

namespace olvex::app {

void InstallModules() {
  shell::RegisterSharedKeys();
  shell::RegisterMainKeys();
  patcher::Install();
  draco::InstallDracoHooks();
  customizers::InstallTextDialogs();
  patcher::passHooks().StageWriters["DRACO"] = [](platform::RandomAccessFile& file) {
    auto& main = ui::Forms::get<shell::Form1>();
    draco::WriteDraco(file, {main.Check5.value(), main.Check9.value(), main.Check20.value(),
                             main.Check21.value()});
  };
}

}  // namespace olvex::app
