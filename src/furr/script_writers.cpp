#include "furr/script_writers.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "furr/command_set.h"
#include "furr/feditor.h"
#include "furr/flip_linker.h"
#include "furr/race_linker.h"
#include "furr/rteditor.h"
#include "patcher/pass_decisions.h"
#include "patcher/stage_writes.h"
#include "patcher/value_paths.h"
#include "patcher/write_rows.h"
#include "platform/files.h"
#include "shell/config_state.h"
#include "shell/form1.h"
#include "shell/number_text.h"
#include "shell/script_slots.h"
#include "shell/settings_keys.h"
#include "shell/text_case.h"
#include "shell/version_table.h"

namespace olvex::furr {

namespace {

// A hook: the offset key (with count > 1 the keys key1 .. keyN) and the version data key written
// there in each state of its writer.
struct Hook {
  std::string_view offsetKey;
  int count;
  std::array<std::string_view, 4> data;
};

// Flipeffect hook states: 0 default, 1 linked at the standard load base, 2 remapped.
constexpr Hook kFlipHooks[] = {
    {"FEBaseProcOffset", 1, {"FEBaseProcDefData", "FEBaseProcModDataNoRel", "FEBaseProcModDataYoRel"}},
    {"FEBaseProcOffset2", 1, {"FEBaseProc2DefData", "FEBaseProc2ModDataNoRel", "FEBaseProc2ModDataYoRel"}},
    {"FEBaseProcOffset3", 1, {"FEBaseProc3DefData", "FEBaseProc3ModDataNoRel", "FEBaseProc3ModDataYoRel"}},
};
// The same states, written only with one-shot flipeffects in the image.
constexpr Hook kOneShotHooks[] = {
    {"FEOnlyOnceDefProcOffset", 1, {"FEOnlyOnceDefProcData", "FEOnlyOnceModNoRelData", "FEOnlyOnceModYoRelData"}},
    {"ConvertFlipTypeOffset", 11, {"ConvertFlipTypeDefData", "ConvertFlipTypeModData", "ConvertFlipTypeModData"}},
};
// 0 default, 1 either editor enabled.
constexpr Hook kCallMap = {"FEAddressMapOffset", 1, {"FEAddressMapDefData", "FEAddressMapModData"}};
// 0 counting up, 1 counting down, 2 and 3 the jump into the linked procedure (standard, remapped).
constexpr Hook kRaceEntry = {
    "RaceBaseOffset", 1, {"IncTimerData", "DecTimerData", "RaceExtJmpNoRelData", "RaceExtJmpYoRelData"}};

constexpr int kMaxFontEffect = 255;
constexpr int kFramesPerSecond = 30;

// The hex text of a version data key; a key the loaded section lacks stops the pass.
const std::string& dataHex(std::string_view key) {
  const shell::VersionKeyTarget* target = shell::FindVersionKey(shell::LowerCase(key));
  if (!target || !target->text || target->text->empty())
    throw patcher::PassError("the version section lacks " + std::string(key));
  return *target->text;
}

void writeHook(platform::RandomAccessFile& file, const Hook& hook, int state) {
  const std::string& hex = dataHex(hook.data[static_cast<std::size_t>(state)]);
  for (int n = 1; n <= hook.count; ++n)
    patcher::Put(file, hook.count == 1 ? std::string(hook.offsetKey) : std::string(hook.offsetKey) + std::to_string(n),
                 0, hex);
}

void writeHooks(platform::RandomAccessFile& file, std::span<const Hook> hooks, int state) {
  for (const Hook& hook : hooks) writeHook(file, hook, state);
}

// Removes a writer's scratch file when the writer ends, however it ends.
class Scratch {
 public:
  explicit Scratch(std::string_view name) : path_(ScratchPath(shell::WorkDir, name)) {}
  ~Scratch() { RemoveScratch(path_); }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

 private:
  std::string path_;
};

// The working copy's bytes at an offset key: the linked image.
void copyImage(platform::RandomAccessFile& file, std::string_view offsetKey, const std::string& image) {
  file.write(patcher::PositionOf(offsetKey), image);
}

// The number of a text box, kept within 0 .. max.
double boxNumber(const std::string& text, double max) { return std::clamp(shell::Val(text), 0.0, max); }

}  // namespace

void WriteFlips(platform::RandomAccessFile& file) {
  const shell::Form1& main = ui::Forms::get<shell::Form1>();
  FEditor& editor = ui::Forms::get<FEditor>();
  const bool remap = patcher::PassSceneMemory() == 1;
  int state = 0;
  bool oneShot = false;
  Scratch scratch("yiff.tmp");
  if (main.Check9.value() == 1 && editor.Check1.value() == 1) {
    // One-shot flags count only where the file holds the advanced savegame management, which
    // keeps their flag bytes (a greyed box keeps the hooks the file holds).
    const bool advanced = patcher::PassHook(patcher::Hook::Savegame) > 0;
    std::vector<FlipSlot> slots(static_cast<std::size_t>(shell::TriggerSlots()));
    for (std::size_t s = 0; s < slots.size(); ++s)
      slots[s] = {shell::FlipCode[s], advanced ? shell::FlipDoOnlyOnce[s] : std::uint8_t{0}};
    const FlipLinkOptions options{true, true, remap, advanced,
                                  editor.Option1[1].value() ? OneShotMode::Post : OneShotMode::Pre};
    const std::string& procedure = dataHex(remap ? "FEExtProcedureDataYoRel" : "FEExtProcedureDataNoRel");
    const FlipVersionData version{procedure, procedure, patcher::PositionOf("FEExtAddressesBaseOffset"),
                                  patcher::PositionOf("RaceExtProcArrayOffset")};
    FlipLinkResult linked = LinkFlipeffects(LoadedCommandSet(), slots, options, version, shell::WorkDir);
    if (linked.linked()) {
      copyImage(file, "FEExtAddressesBaseOffset", linked.image);
      state = remap ? 2 : 1;
      oneShot = linked.oneShotCount > 0;
    } else if (linked.failedSlot >= 0) {
      editor.showSlot(linked.failedSlot);
    }
  }
  writeHooks(file, kFlipHooks, state);
  writeHooks(file, kOneShotHooks, oneShot ? state : 0);
}

void WriteRace(platform::RandomAccessFile& file) {
  const shell::Form1& main = ui::Forms::get<shell::Form1>();
  RTEditor& editor = ui::Forms::get<RTEditor>();
  const bool remap = patcher::PassSceneMemory() == 1;
  const bool invert = editor.Check2.value() == 1;
  writeHook(file, kCallMap, ui::Forms::get<FEditor>().Check1.value() == 1 || editor.Check1.value() == 1);
  int entry = invert ? 1 : 0;
  {
    Scratch scratch("timr.tmp");
    if (main.Check9.value() == 1 && editor.Check1.value() == 1) {
      std::vector<RaceEvent> events(static_cast<std::size_t>(shell::RaceTimerSlots()));
      for (std::size_t s = 0; s < events.size(); ++s)
        events[s] = {shell::RaceCode[s], shell::RaceTime[s][0], shell::RaceTime[s][1]};
      const RaceVersionData version{dataHex("IncTimerData"),
                                    dataHex("DecTimerData"),
                                    shell::RaceExtRVANoRel,
                                    shell::RaceExtRVAYoRel,
                                    patcher::PositionOf("RaceExtProcArrayOffset"),
                                    patcher::PositionOf("EOFOffset"),
                                    shell::ExtendedSizeNum};
      LinkResult linked = LinkRaceTimer(LoadedCommandSet(), events, {true, true, remap, invert}, version, shell::WorkDir);
      if (linked.linked()) {
        copyImage(file, "RaceExtProcArrayOffset", linked.image);
        entry = remap ? 3 : 2;
      } else if (linked.failedSlot >= 0) {
        editor.showSlot(linked.failedSlot);
      }
    }
  }
  writeHook(file, kRaceEntry, entry);
  // The "call" entry: the jump's opcode becomes a call.
  if (entry >= 2 && editor.Option1[1].value()) patcher::Put(file, "RaceBaseOffset", 0, "E8");
  patcher::Put(file, "RaceFontEffectIDOffset", 0,
               patcher::IntHex(shell::NumberText(boxNumber(editor.Text3.text(), kMaxFontEffect)), 2));
  const double shownFrom = (shell::Val(editor.Text4[0].text()) * 60 + shell::Val(editor.Text4[1].text())) * kFramesPerSecond;
  patcher::Put(file, "RaceHideLimitOffset", 0, patcher::IntHex(shell::NumberText(shownFrom), 8));
}

}  // namespace olvex::furr
