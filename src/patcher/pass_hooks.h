#pragma once
// What the patch pass takes from modules it cannot see: the writers of the script and patch
// modules, and the dialog check boxes the main stage reads. Each module fills its entries when
// the program starts; an empty writer does nothing and an empty check reads as 0.
#include <functional>

namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::patcher {

struct PassHooks {
  // Called with the open working copy at the stages FLIPEFFECTS, RACETIMER and DRACO. A writer
  // handles its own statement errors; an exception that leaves it rolls the pass back.
  std::function<void(platform::RandomAccessFile&)> WriteFlips;
  std::function<void(platform::RandomAccessFile&)> WRITERACE;
  std::function<void(platform::RandomAccessFile&)> WriteDraco;

  // Values (0, 1, 2) of the free camera "Lock" and "Stick" boxes and of "Disable inventory key".
  std::function<int()> CustCameraCheck10;
  std::function<int()> CustCameraCheck9;
  std::function<int()> CustInvCheck7;
};

PassHooks& passHooks();

}  // namespace olvex::patcher
