#include "patcher/patch_pass.h"

#include <sys/stat.h>
#include <unistd.h>

#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "patcher/layout_check.h"
#include "patcher/pass_decisions.h"
#include "patcher/pass_hooks.h"
#include "patcher/progress.h"
#include "patcher/stage_writes.h"
#include "platform/files.h"
#include "platform/remove_on_signal.h"
#include "shell/config_state.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "ui/host.h"

namespace olvex::patcher {

namespace {

using shell::Form1;
using StageWrites = void (*)(platform::RandomAccessFile&, const Form1&);

// The lock beside the executable that keeps two runs from patching it at once.
constexpr const char* kLockSuffix = ".olvex-lock";

// The writer another module registered for a stage, if any.
void runHookedWriter(std::string_view caption, platform::RandomAccessFile& file) {
  const auto& writers = passHooks().StageWriters;
  auto it = writers.find(caption);
  if (it != writers.end() && it->second) it->second(file);
}

// Each stage shows its caption and progress, yields to the event loop where marked, then writes:
// with its own writes where the shell holds its values, then with the writer a module registered.
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

// Removes a working copy a killed run left; something else at its name (a folder, a link) stays.
void removeWorkingCopy(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
}

// What killed runs left: their working copy (the lock says no other run is using it) and the
// temporary files of their saves, beside the executable and in the work folder.
void removeLeftovers(const std::string& exe, const std::string& work) {
  removeWorkingCopy(work);
  const std::string folder = std::filesystem::path(exe).parent_path().string();
  platform::removeLeftoverTemporaries(folder);
  if (!shell::WorkDir.empty() && platform::resolveLinks(shell::WorkDir) != platform::resolveLinks(folder))
    platform::removeLeftoverTemporaries(shell::WorkDir);
}

// The pass proper, under the lock: the checks, the copy, the stages and the commit. Returns the
// commit's note; when the pass fails, `kept` says where a file found at the working copy's name
// was kept.
std::string runPass(Form1& form, ProgressDisplay& progress, const std::string& exe, const std::string& work,
                    platform::RemoveOnSignal& cleanup, std::string& kept) {
  removeLeftovers(exe, work);
  // Before anything is written: the layout is sane and fits the executable. The executable is
  // opened once: its length is checked before a byte is read, its header in the very bytes
  // copied, and the commit compares it with what was copied.
  const std::int64_t length = PassLength(form);
  Layout layout = SectionLayout();
  const PassHooks& hooks = passHooks();
  auto checkLength = [&](std::int64_t n) {
    CheckExecutableLength(n, layout);
    if (hooks.BeforeCopy) hooks.BeforeCopy();
  };
  platform::RandomAccessFile copy(work, platform::RandomAccessFile::CopyOf{exe, checkLength});
  cleanup.onlyIf(work, copy.workingCopy());
  cleanup.onlyIf(copy.ownName(), copy.workingCopy());
  try {
    CheckExecutableHeader(copy, layout);
    copy.limitLength(length);
    // Before the main stage, whose particle-buffer references need the scene memory too; with
    // the remap box greyed that stage leaves the scene-memory code as it is, and the size stage
    // refills the appended area that greyed boxes' hooks lead into.
    StartPass(copy, form);
    for (const Stage& s : kStages) {
      progress.stage(s.caption, s.progress);
      if (s.yields) ui::host().yield();
      if (s.writes) s.writes(copy, form);
      runHookedWriter(s.caption, copy);
    }
    return copy.commit({hooks.AfterSync, hooks.BeforeExchange, hooks.AfterExchange, hooks.BeforeLastLook});
  } catch (...) {
    kept = copy.discard();  // while the lock keeps every other run away from it
    throw;
  }
}

// The pass's failure message; further lines say what went wrong where that helps the user, and
// where a file found at the working copy's name was kept.
void cannotModify(const std::string& detail, const std::string& kept) {
  std::string text = "Cannot process with " + shell::ExeName + " modifying. Make sure you're using correct config file.";
  for (const std::string* line : {&detail, &kept})
    if (!line->empty()) text += "\r\n" + *line;
  ui::msgBox(text, ui::MsgButtons::Ok, "Cannot modify file");
}

}  // namespace

bool ModifyExe() {
  Form1& form = ui::Forms::get<Form1>();
  // A link is followed: the file it leads to is patched in place, and the link stays a link.
  const std::string exe = platform::resolveLinks(form.ExePath);
  const std::string work = exe + "0";
  ProgressDisplay progress(form);
  std::string kept;
  try {
    platform::FileLock lock(exe + kLockSuffix);
    platform::RemoveOnSignal cleanup({work, exe + kLockSuffix});
    const std::string note = runPass(form, progress, exe, work, cleanup, kept);
    if (!note.empty()) ui::msgBox(shell::ExeName + " was modified.\r\n" + note, ui::MsgButtons::Ok, "Modified");
    return true;
  } catch (const platform::FileInUse&) {
    ui::msgBox(shell::ExeName + " is in use by another run of OLVEX. Nothing was changed.", ui::MsgButtons::Ok,
               "Cannot modify file");
  } catch (const LayoutError& e) {
    cannotModify(e.what(), kept);
  } catch (const platform::FileError& e) {
    cannotModify(e.what(), kept);  // which file, and what the system said
  } catch (const std::exception&) {
    cannotModify("", kept);
  }
  return false;
}

void Install() { shell::form1Hooks().ModifyExe = ModifyExe; }

}  // namespace olvex::patcher
