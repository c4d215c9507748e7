#include "furr/flip_linker.h"

#include <algorithm>

#include "furr/checker.h"
#include "furr/parameters.h"
#include "shell/conversions.h"

namespace olvex::furr {
namespace {

constexpr std::int64_t kGateOffset = 0x1000;
constexpr std::int64_t kProcedureOffset = 0x2000;
constexpr std::int64_t kCodeOffset = 0x2100;
constexpr std::int64_t kTableEntries = kGateOffset / 4;
constexpr std::int64_t kProcedureRoom = kCodeOffset - kProcedureOffset;

// Takes the flipeffect number in AX, replaces it by 0xFFFF when the slot's flag byte is 1,
// stores it at 0x4ACBFC and jumps back to 0x44ABC1; one form per load base.
constexpr std::string_view kGate =
    "5351668B1DFECB4A00B9000099000FBFD883EB2F803C1901750466B8FFFF595B66A3FCCB4A00E9966BC3FF";
constexpr std::string_view kGateRemapped =
    "5351668B1DFECB4A00B90000D9000FBFD883EB2F803C1901750466B8FFFF595B66A3FCCB4A00E9966B83FF";

void place(std::string& image, std::int64_t offset, std::string_view bytes) {
  auto at = static_cast<std::size_t>(offset);
  if (image.size() < at + bytes.size()) image.resize(at + bytes.size(), '\0');
  image.replace(at, bytes.size(), bytes);
}

std::string bytesOf(std::string_view hex) { return hex.empty() ? std::string() : shell::wb(hex); }

FlipLinkResult failure(LinkResult r) {
  FlipLinkResult f;
  static_cast<LinkResult&>(f) = std::move(r);
  return f;
}

}  // namespace

FlipLinkResult LinkFlipeffects(const CommandSet& set, std::span<const FlipSlot> slots, const FlipLinkOptions& options,
                               const FlipVersionData& version, const std::string& workDir) {
  if (!options.editorEnabled) return {};
  if (!options.exeExtended)
    return failure(LinkFailure("You haven't extended tomb4.exe filesize for new flipeffects.\r\n"
                               "To do so, go to main window and select ''Extend tomb4.exe size'' option"));
  const std::string path = ScratchPath(workDir, "yiff.tmp");
  RemoveScratch(path);

  const std::int32_t loadBase = options.remapSceneMemory ? kFlipLoadBaseRemapped : kFlipLoadBase;
  std::string image(kProcedureOffset, '\0');
  std::int64_t codeSize = 0;
  int oneShots = 0;
  for (std::size_t s = 0; s < slots.size(); ++s) {
    const int slot = static_cast<int>(s);
    const int number = kFirstUserFlipeffect + slot;
    if (!CheckScript(set, slots[s].code, Dialect::Flipeffect).ok())
      return failure(LinkFailure("Errors found in flipeffect " + std::to_string(number) +
                                     ".\r\nPlease fix all errors and try again",
                                 slot));
    FlipCompileOptions compile{number, slots[s].doOnlyOnce == 1, options.advancedSavegame, options.remapSceneMemory,
                               options.mode};
    std::string text = CompileFlip(set, slots[s].code, compile);
    if (!text.empty()) {
      if (slot >= kTableEntries)
        return failure(LinkFailure("Flipeffect " + std::to_string(number) + " lies beyond the " +
                                   std::to_string(kTableEntries) + " entries of the flipeffect address table."));
      try {
        text = shell::ConvertRVA(text, static_cast<std::int32_t>(loadBase + codeSize));
      } catch (const shell::ConversionError& e) {
        return failure(LinkFailure("Flipeffect " + std::to_string(number) + " cannot be linked: " + e.what(), slot));
      }
      place(image, 4 * s, bytesOf(LittleEndianHex(loadBase + kCodeOffset + codeSize, 4)));
      place(image, kCodeOffset + codeSize, bytesOf(text));
      codeSize += static_cast<std::int64_t>(text.size() / 2);
    }
    if (slots[s].doOnlyOnce == 1) ++oneShots;
  }

  std::string procedure = bytesOf(options.remapSceneMemory ? version.extProcedureYoRel : version.extProcedureNoRel);
  if (static_cast<std::int64_t>(procedure.size()) > kProcedureRoom)
    return failure(LinkFailure("The extended flipeffect procedure is longer than its " +
                               std::to_string(kProcedureRoom) + " bytes."));
  place(image, kProcedureOffset, procedure);
  if (oneShots > 0) place(image, kGateOffset, bytesOf(options.remapSceneMemory ? kGateRemapped : kGate));

  const std::int64_t room = version.raceExtProcArrayOffset - version.extAddressesBaseOffset;
  if (static_cast<std::int64_t>(image.size()) > room)
    return failure(LinkFailure("The flipeffects do not fit into the extended area: they need " +
                               std::to_string(image.size()) + " bytes, the area holds " +
                               std::to_string(std::max<std::int64_t>(room, 0)) + "."));

  FlipLinkResult result;
  static_cast<LinkResult&>(result) = WriteImage(path, std::move(image), "flipeffect image");
  result.oneShotCount = result.linked() ? oneShots : 0;
  return result;
}

}  // namespace olvex::furr
