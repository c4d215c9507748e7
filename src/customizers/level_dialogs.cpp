#include "customizers/level_dialogs.h"

#include "customizers/camera_dialog.h"
#include "customizers/conditions_dialog.h"
#include "customizers/level_stages.h"
#include "customizers/objects_dialog.h"
#include "customizers/sound_dialog.h"
#include "patcher/pass_hooks.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers {

void InstallLevelDialogs() {
  RegisterCameraKeys();
  RegisterSoundKeys();
  RegisterObjectKeys();
  RegisterConditionsKeys();
  auto& pass = patcher::passHooks();
  pass.StageWriters["SIZE"] = WriteBonusLevel;
  pass.StageWriters["CAMERA"] = WriteCamera;
  pass.StageWriters["SOUND"] = WriteSound;
  pass.StageWriters["TRAP"] = WriteTraps;
  pass.CustCameraCheck10 = [] { return ui::Forms::get<CustCamera>().Check10.value(); };
  pass.CustCameraCheck9 = [] { return ui::Forms::get<CustCamera>().Check9.value(); };
  auto& hooks = shell::form1Hooks();
  hooks.ButtonActions["Command22"] = [] { ui::Forms::get<CustCamera>().open(); };  // "camera..."
  hooks.ButtonActions["Command24"] = [] { ui::Forms::get<CustSnd>().open(); };     // "sound..."
  hooks.ButtonActions["Command25"] = [] { ui::Forms::get<CustObj>().open(); };     // "objects..."
  hooks.ButtonActions["Command29"] = [] {                                          // "conditions..."
    auto& main = ui::Forms::get<shell::Form1>();
    ui::Forms::get<SLevelConditions>().openBeside(main.Command29, main);
  };
  hooks.ExtendExeFollowers.push_back([](bool extended) { ui::Forms::get<CustSnd>().extendedChanged(extended); });
  hooks.ExtendExeFollowers.push_back([](bool extended) { ui::Forms::get<CustObj>().extendedChanged(extended); });
}

}  // namespace olvex::customizers
