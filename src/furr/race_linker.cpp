#include "furr/race_linker.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "furr/checker.h"
#include "furr/compiler.h"
#include "furr/parameters.h"
#include "shell/conversions.h"

namespace olvex::furr {
namespace {

// ConvertRVA measures from the flipeffect code area; the race procedure has no such offset.
constexpr std::int32_t kCodeAreaOffset = 0x2100;
constexpr std::string_view kCompareTimer = "813D46777F00";  // cmp dword [0x7F7746], imm32
constexpr std::string_view kSkipEvent = "0F85";             // jne rel32

std::string withoutLeadingSpaces(const std::string& s) {
  std::size_t first = s.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : s.substr(first);
}

}  // namespace

std::optional<std::int32_t> RaceMoment(float minutes, float seconds) {
  double frames = std::trunc((static_cast<double>(minutes) * 60 + seconds) * 30 + 1);
  if (!(frames >= std::numeric_limits<std::int32_t>::min() && frames <= std::numeric_limits<std::int32_t>::max()))
    return std::nullopt;
  return static_cast<std::int32_t>(frames);
}

LinkResult LinkRaceTimer(const CommandSet& set, std::span<const RaceEvent> events, const RaceLinkOptions& options,
                         const RaceVersionData& version, const std::string& workDir) {
  if (!options.editorEnabled) return {};
  if (!options.exeExtended)
    return LinkFailure("You haven't extended tomb4.exe filesize for timer workaround.\r\n"
                       "To do so, go to main window and select ''Extend tomb4.exe size'' option");
  const std::string path = ScratchPath(workDir, "timr.tmp");
  RemoveScratch(path);

  std::string text = withoutLeadingSpaces(options.invertTimer ? version.decTimer : version.incTimer);
  for (std::size_t s = 0; s < events.size(); ++s) {
    const int slot = static_cast<int>(s);
    const std::string number = std::to_string(slot + 1);
    if (!CheckScript(set, events[s].code, Dialect::RaceEvent).ok())
      return LinkFailure("Errors found in race timer event " + number + ".\r\nPlease fix all errors and try again",
                         slot);
    std::string code = CompileRaceEvent(set, events[s].code);
    if (code.empty()) continue;
    std::optional<std::int32_t> moment = RaceMoment(events[s].minutes, events[s].seconds);
    if (!moment) return LinkFailure("The moment of race timer event " + number + " is out of range.", slot);
    if (*moment <= 0) continue;
    text += std::string(kCompareTimer) + LittleEndianHex(*moment, 4) + std::string(kSkipEvent) +
            LittleEndianHex(shell::CountNonSlash(code) / 2, 4) + code;
  }
  text += "C3";

  const std::int64_t base =
      std::int64_t{options.remapSceneMemory ? version.extRvaYoRel : version.extRvaNoRel} - kCodeAreaOffset;
  std::string image;
  try {
    if (base < std::numeric_limits<std::int32_t>::min()) throw shell::ConversionError("load address out of range");
    image = shell::wb(shell::ConvertRVA(text, static_cast<std::int32_t>(base)));
  } catch (const shell::ConversionError& e) {
    return LinkFailure(std::string("The race timer events cannot be linked: ") + e.what());
  }
  const std::int64_t room = version.eofOffset + version.extendedSizeNum + 1 - version.procArrayOffset;
  if (static_cast<std::int64_t>(image.size()) > room)
    return LinkFailure("The race timer events do not fit into the extended area: they need " +
                       std::to_string(image.size()) + " bytes, the area holds " +
                       std::to_string(std::max<std::int64_t>(room, 0)) + ".");
  return WriteImage(path, std::move(image), "race timer procedure");
}

}  // namespace olvex::furr
