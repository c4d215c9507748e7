#pragma once
// What the patch pass takes from modules it cannot see: the stage writers of the dialog, script
// and patch modules, and the dialog check boxes the main stage and the pass's decisions read.
// Each module fills its entries when the program starts; a stage without a writer writes nothing
// and an empty check reads as 0.
#include <functional>
#include <map>
#include <string>

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::patcher {

struct PassHooks {
  // The writers of the stages whose values live outside the shell, by stage caption ("GFX1",
  // "FLIPEFFECTS", "DRACO", ...), called with the open working copy. A writer handles its own
  // statement errors; an exception that leaves it rolls the pass back.
  std::map<std::string, std::function<void(platform::RandomAccessFile&)>, std::less<>> StageWriters;

  // Tests only: runs in the copy step, once the executable's length has passed its check and
  // before its bytes are read.
  std::function<void()> BeforeCopy;
  // Tests only, in the commit: once the working copy is synced, before it is read back; after
  // the last look at both files, just before the working copy (at the run's own name by then) and
  // the executable exchange their names; just after that exchange; and once the folder is synced,
  // before the last look at the executable's name.
  std::function<void()> AfterSync, BeforeExchange, AfterExchange, BeforeLastLook;

  // Values (0, 1, 2) of the free camera "Lock" and "Stick" boxes and of "Disable inventory key".
  std::function<int()> CustCameraCheck10;
  std::function<int()> CustCameraCheck9;
  std::function<int()> CustInvCheck7;
  // Values of the health dialog's SAS grenade fix and its "blow-up fatality", whose jump leads
  // into the appended area.
  std::function<int()> CustLaraHPCheck2;
  std::function<int()> CustLaraHPCheck4;
};

PassHooks& passHooks();

}  // namespace olvex::patcher
