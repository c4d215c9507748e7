#include "patcher/pass_hooks.h"

namespace olvex::patcher {

PassHooks& passHooks() {
  static PassHooks hooks;
  return hooks;
}

}  // namespace olvex::patcher
