// The scene memory the pass writes for.
#include <cstdint>
#include <string>

#include "patcher/selectors.h"
#include "patcher/stage_writes.h"
#include "patcher/value_paths.h"
#include "platform/files.h"
#include "shell/conversions.h"

namespace olvex::patcher {

namespace {

int passSceneMemory = 0;

bool holdsRemappedCode(platform::RandomAccessFile& file) {
  const std::string code = shell::wb(Field("Remap1ModData"));
  const std::int64_t at = PositionOf("Remap1Offset");
  return at - 1 + static_cast<std::int64_t>(code.size()) <= file.length() && file.read(at, code.size()) == code;
}

}  // namespace

void DecideSceneMemory(platform::RandomAccessFile& file, const shell::Form1& form) {
  const int remap = select::choiceOf(form.Check5.value());
  passSceneMemory = remap == kNothing ? holdsRemappedCode(file) : remap;
}

int PassSceneMemory() { return passSceneMemory; }

}  // namespace olvex::patcher
