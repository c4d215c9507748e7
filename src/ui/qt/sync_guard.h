#pragma once
// While the view writes the model's state into widgets, the signals Qt emits are echoes of that
// write, not the user's input: they must not reach the model again.
namespace olvex::ui::qt {

inline int& syncDepth() {
  static int depth = 0;
  return depth;
}

inline bool syncing() { return syncDepth() > 0; }

class SyncGuard {
 public:
  SyncGuard() { ++syncDepth(); }
  ~SyncGuard() { --syncDepth(); }
  SyncGuard(const SyncGuard&) = delete;
  SyncGuard& operator=(const SyncGuard&) = delete;
};

}  // namespace olvex::ui::qt
