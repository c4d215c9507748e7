#pragma once
// What the main window hands to the parts of the program that live outside the shell: the patch
// pass, the patch list, the dialogs it opens and the dialog controls its options enable. Each of
// those modules fills its entries when the program starts; an empty entry does nothing.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace olvex::shell {

struct Form1Hooks {
  // The patch pass over a working copy of the executable ("modify" and silent mode); true when
  // it committed.
  std::function<bool()> ModifyExe;
  // Start-up of the patch list, after the config and the version data are read: the single
  // "Empty patch entry" record, the list refresh, the default patch set and the reset.
  std::function<void()> DracoStartUp;
  // "defaults": every patch deselected and every parameter back to its default.
  std::function<void()> DracoResetPatches;
  // "defaults": the weapons dialog's firing preview is stopped.
  std::function<void()> StopWeaponsPreview;

  // Controls of other windows that follow an option of the main window. Each entry gets the
  // option's state (checked = value 1) whenever the option's value changes.
  std::vector<std::function<void(bool checked)>> ExtendExeFollowers;     // Check9
  std::vector<std::function<void(bool checked)>> AdvancedSaveFollowers;  // Check21
  std::vector<std::function<void(bool checked)>> FE4041SaveFollowers;    // Check13

  // Click actions of the buttons and images whose work belongs to other modules (the dialogs,
  // the about box, the patch list, the statistics, the presets), by control name ("Command14",
  // "Image2", ...).
  std::map<std::string, std::function<void()>> ButtonActions;

  // A key went down anywhere in the main window (the console's keys).
  std::function<void(int& keyCode, int shift)> KeyDown;
};

Form1Hooks& form1Hooks();

}  // namespace olvex::shell
