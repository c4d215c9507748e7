#include "patcher/patch_pass.h"

#include <exception>
#include <functional>
#include <string>
#include <string_view>

#include "patcher/pass_hooks.h"
#include "patcher/progress.h"
#include "patcher/stage_writes.h"
#include "platform/files.h"
#include "shell/config_state.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "ui/host.h"

namespace olvex::patcher {

namespace {

using shell::Form1;
using StageWrites = void (*)(platform::RandomAccessFile&, const Form1&);

// The writer another module registered for a stage, if any.
void runHookedWriter(std::string_view caption, platform::RandomAccessFile& file) {
  const auto& writers = passHooks().StageWriters;
  auto it = writers.find(caption);
  if (it != writers.end() && it->second) it->second(file);
}

// Each stage shows its caption and progress, yields to the event loop where marked, then writes:
// with its own writes when the shell holds its values, else with the writer its module registered.
struct Stage {
  std::string_view caption;
  int progress;
  bool yields = false;
  StageWrites writes = nullptr;
};

const Stage kStages[] = {
    {"MAIN", 0, true, WriteMain},
    {"SIZE", 20, false, IncreaseSize},
    {"CAMERA", 20},
    {"WEAPON", 25},
    {"BARS", 35},
    {"FONTS", 40},
    {"GFX1", 45},
    {"GFX2", 50},
    {"LIGHT", 55},
    {"INVENTORY", 60},
    {"ITEMS", 65},
    {"ENEMY", 70},
    {"PHYSICS", 75},
    {"LIMITS", 80},
    {"DAMAGE", 85, true},
    {"SOUND", 90},
    {"TRAP", 95},
    {"CREDITS", 100},
    {"FLIPEFFECTS", 105, true},
    {"RACETIMER", 112, true},
    {"DRACO", 118, true},
    {"DONE", 128},
};

// Removes the working copy; something else at its name (a folder) is left alone.
void removeWorkingCopy(const std::string& path) {
  try {
    if (platform::fileExists(path)) platform::removeFile(path);
  } catch (const std::exception&) {
  }
}

}  // namespace

bool ModifyExe() {
  Form1& form = ui::Forms::get<Form1>();
  const std::string exe = form.ExePath;
  const std::string work = exe + "0";
  ProgressDisplay progress(form);
  try {
    platform::copyFile(exe, work);
    platform::RandomAccessFile copy(work, platform::RandomAccessFile::Mode::ReadWrite);
    for (const Stage& s : kStages) {
      progress.stage(s.caption, s.progress);
      if (s.yields) ui::host().yield();
      if (s.writes)
        s.writes(copy, form);
      else
        runHookedWriter(s.caption, copy);
    }
    copy.close();
    platform::replaceFile(work, exe);
    return true;
  } catch (const std::exception&) {
    removeWorkingCopy(work);
    ui::msgBox("Cannot process with " + shell::ExeName +
                   " modifying. Make sure you're using correct config file.",
               ui::MsgButtons::Ok, "Cannot modify file");
    return false;
  }
}

void Install() { shell::form1Hooks().ModifyExe = ModifyExe; }

}  // namespace olvex::patcher
