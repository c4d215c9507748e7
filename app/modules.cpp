#include "app/modules.h"
#include "customizers/install.h"
#include "draco/draco_hooks.h"
#include "draco/patch_writer.h"
#include "draco/statistics.h"
#include "furr/command_set.h"
#include "furr/furr_module.h"
#include "patcher/pass_decisions.h"
#include "patcher/pass_hooks.h"
#include "patcher/patch_pass.h"
#include "presets/presets_module.h"
#include "shell/form1.h"
#include "shell/main_keys.h"
#include "shell/shared_keys.h"
#include "ui/form.h"

namespace olvex::app {

namespace {

// A patch's requirements are met by what the executable the pass writes has.
draco::RequirementChecks requirementsOf(const patcher::PassDecisions& d) {
  const int savegame = d.hooks[static_cast<int>(patcher::Hook::Savegame)];
  return {d.sceneMemory == 1, d.extended, d.particlesRemapped, savegame == 1 || savegame == 2};
}

}  // namespace

void InstallModules() {
  shell::RegisterSharedKeys();
  shell::RegisterMainKeys();
  patcher::Install();
  draco::InstallDracoHooks();
  furr::InstallFurr();
  customizers::InstallDialogs();
  presets::InstallPresets();
  draco::MainWindowOptions = [] { return requirementsOf(patcher::DecideNextPass(ui::Forms::get<shell::Form1>())); };
  draco::FurrTableRows = [] {
    const furr::CommandSet& set = furr::LoadedCommandSet();
    std::array<int, 5> rows{static_cast<int>(set.commands.size())};
    for (furr::ConstKind kind : {furr::ConstKind::Byte, furr::ConstKind::Word, furr::ConstKind::Dword,
                                 furr::ConstKind::Hex})
      rows[1 + static_cast<int>(kind)] = static_cast<int>(set.table(kind).size());
    return rows;
  };
  patcher::passHooks().StageWriters["DRACO"] = [](platform::RandomAccessFile& file) {
    draco::WriteDraco(file, requirementsOf(patcher::CurrentPass()));
  };
}

}  // namespace olvex::app
