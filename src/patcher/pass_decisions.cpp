// What the file a pass writes holds.
#include "patcher/pass_decisions.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "patcher/pass_hooks.h"
#include "patcher/selectors.h"
#include "patcher/stage_writes.h"
#include "patcher/value_paths.h"
#include "platform/files.h"
#include "shell/conversions.h"
#include "shell/form1.h"

namespace olvex::patcher {

namespace {

PassDecisions running;

// The file holds the data at the offset key's position.
bool holds(platform::RandomAccessFile* file, std::string_view offsetKey, std::string_view dataKey) {
  if (!file) return false;
  const std::string code = shell::wb(Field(dataKey));
  const std::int64_t at = PositionOf(offsetKey);
  return at - 1 + static_cast<std::int64_t>(code.size()) <= file->length() && file->read(at, code.size()) == code;
}

int dialogCheck(const std::function<int()>& value) { return value ? value() : 0; }

// A hook's box: 0 off, 1 on, any other value greyed. The savegame's default bytes are written
// whenever the pass does not extend.
int savegameBox(const shell::Form1& f) { return f.Check9.value() == 1 ? f.Check21.value() : 0; }
// The blow-up needs the fix and its own box; the fix greyed greys it.
int sasBlowUpBox(const shell::Form1&) {
  const int fix = dialogCheck(passHooks().CustLaraHPCheck2);
  return fix == 1 ? dialogCheck(passHooks().CustLaraHPCheck4) == 1 : fix;
}

// A place where a hook jumps into the appended area, and the jump there for the standard and the
// remapped memory.
struct HookSite {
  std::string_view at, standard, remapped;
};
constexpr HookSite kSavegameSites[] = {
    {"ExtSGameInsideOffset1", "ExtSGJmp1DataN", "ExtSGJmp1DataR"},
    {"ExtSGameInsideOffset2", "ExtSGJmp2DataN", "ExtSGJmp2DataR"},
    {"ExtSGameInsideOffset3", "ExtSGJmp3DataN", "ExtSGJmp3DataR"},
};
constexpr HookSite kSasBlowUpSites[] = {{"BlowOffset", "BlowModNoRelData", "BlowModYoRelData"}};

// A hook: its box and its sites.
struct HookRule {
  int (*box)(const shell::Form1&);
  std::span<const HookSite> sites;
};
constexpr HookRule kHooks[kHookCount] = {{savegameBox, kSavegameSites}, {sasBlowUpBox, kSasBlowUpSites}};

// The file holds the hook where any of its sites holds a jump of either variant: a file one of
// whose sites was put back by hand still leads there, so the hook is written whole.
bool holdsHook(platform::RandomAccessFile* file, const HookRule& rule) {
  return std::any_of(rule.sites.begin(), rule.sites.end(), [file](const HookSite& s) {
    return holds(file, s.at, s.standard) || holds(file, s.at, s.remapped);
  });
}

int decideHook(const HookRule& rule, const shell::Form1& form, platform::RandomAccessFile* file,
               const PassDecisions& d) {
  const int box = select::choiceOf(rule.box(form));
  if (box == 0) return 0;
  if (box == kNothing && !holdsHook(file, rule)) return kNothing;
  return d.extended ? d.sceneMemory + 1 : 0;
}

// The layout and the first `hooks` hooks.
PassDecisions decide(const shell::Form1& form, platform::RandomAccessFile* file, int hooks) {
  PassDecisions d;
  const int remap = select::choiceOf(form.Check5.value());
  d.sceneMemory = remap == kNothing ? holds(file, "Remap1Offset", "Remap1ModData") : remap;
  // Only 1 extends, as the size stage sets the length.
  d.extended = form.Check9.value() == 1;
  d.particlesRemapped = d.extended && form.Check20.value() == 1;
  for (int h = 0; h < hooks; ++h) d.hooks[h] = decideHook(kHooks[h], form, file, d);
  return d;
}

}  // namespace

PassDecisions DecideNextPass(const shell::Form1& form) {
  std::optional<platform::RandomAccessFile> file;
  try {
    file.emplace(form.ExePath, platform::RandomAccessFile::Mode::ReadOnly);
  } catch (const std::exception&) {
  }
  // Of the hooks only the first, the savegame's, which a patch can require.
  try {
    return decide(form, file ? &*file : nullptr, 1);
  } catch (const std::exception&) {
    return decide(form, nullptr, 1);  // the version section lacks a location the look needs
  }
}

void StartPass(platform::RandomAccessFile& file, const shell::Form1& form) { running = decide(form, &file, kHookCount); }

const PassDecisions& CurrentPass() { return running; }

int PassSceneMemory() { return running.sceneMemory; }

int PassHook(Hook hook) { return running.hooks[static_cast<int>(hook)]; }

}  // namespace olvex::patcher
