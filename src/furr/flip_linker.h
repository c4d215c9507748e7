#pragma once
// The flipeffect linker: every user flipeffect slot into one image laid out as the start of the
// executable's extended area, written to yiff.tmp in the work folder.
//
//   0x0000  address table: the absolute address of slot s's code at 4 x s (1024 entries)
//   0x1000  one-shot gate (43 bytes), when a slot has its one-shot flag
//   0x2000  extended flipeffect procedure (FEExtProcedureData*, at most 0x100 bytes)
//   0x2100  the slots' code, ascending, back to back
#include <cstdint>
#include <span>
#include <string>

#include "furr/command_set.h"
#include "furr/compiler.h"
#include "furr/link_result.h"

namespace olvex::furr {

struct FlipSlot {
  std::string code;             // FURR source, CR LF lines
  std::uint8_t doOnlyOnce = 0;  // 1: the flipeffect runs only once
};

struct FlipLinkOptions {
  bool editorEnabled = false;     // "Enable flipeffect editor"
  bool exeExtended = false;       // "Extend tomb4.exe size"
  bool remapSceneMemory = false;  // load base 0xC13000 and the YoRel data, else 0x813000 / NoRel
  bool advancedSavegame = false;  // one-shot prologues are compiled
  OneShotMode mode = OneShotMode::Pre;
};

// The version section's data the image needs.
struct FlipVersionData {
  std::string extProcedureNoRel;  // FEExtProcedureDataNoRel (hex)
  std::string extProcedureYoRel;  // FEExtProcedureDataYoRel (hex)
  // The image is copied to FEExtAddressesBaseOffset and must end before the race-timer
  // procedure at RaceExtProcArrayOffset (1-based file positions).
  std::int64_t extAddressesBaseOffset = 0;
  std::int64_t raceExtProcArrayOffset = 0;
};

struct FlipLinkResult : LinkResult {
  int oneShotCount = 0;  // slots whose one-shot flag is 1, when linked
};

constexpr int kFirstUserFlipeffect = 47;
constexpr std::int32_t kFlipLoadBase = 0x813000;
constexpr std::int32_t kFlipLoadBaseRemapped = 0xC13000;

// Slot s is flipeffect 47 + s. A slot with errors, a slot beyond the address table, or an image
// that does not fit is a failure with a message. Writes yiff.tmp only when linked.
FlipLinkResult LinkFlipeffects(const CommandSet& set, std::span<const FlipSlot> slots, const FlipLinkOptions& options,
                               const FlipVersionData& version, const std::string& workDir);

}  // namespace olvex::furr
