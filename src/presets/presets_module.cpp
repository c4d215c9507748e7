#include "presets/presets_module.h"

#include "presets/console.h"
#include "presets/preset_loader.h"
#include "presets/preset_writer.h"
#include "shell/form1_hooks.h"

namespace olvex::presets {

void InstallPresets() {
  shell::Form1Hooks& h = shell::form1Hooks();
  h.ButtonActions["Command12"] = &LoadPreset;
  h.ButtonActions["Command16"] = &SavePreset;
  h.KeyDown = &ConsoleKeyDown;
}

}  // namespace olvex::presets
