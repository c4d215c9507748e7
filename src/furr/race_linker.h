#pragma once
// The race-timer linker: all race-timer events into one x86 procedure that the game enters on
// every tick of its race timer, written to timr.tmp in the work folder. The procedure counts the
// timer (the instruction its hook displaced), then for each event with code compares the timer
// with the event's moment and runs the event's code on a match, and returns:
//
//   timer step                        IncTimerData, or DecTimerData when the timer is inverted
//   per event: 813D46777F00 moment    cmp dword [timer], moment
//              0F85 length            jne over the event's code
//              code
//   C3                                ret
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "furr/command_set.h"
#include "furr/link_result.h"

namespace olvex::furr {

struct RaceEvent {
  std::string code;    // FURR source, CR LF lines
  float minutes = 0;   // the event's moment
  float seconds = 0;
};

struct RaceLinkOptions {
  bool editorEnabled = false;     // "Enable race timer workaround"
  bool exeExtended = false;       // "Extend tomb4.exe size"
  bool remapSceneMemory = false;  // the YoRel load address, else NoRel
  bool invertTimer = false;       // "Invert race timer": the timer counts down
};

// The version section's data the procedure needs.
struct RaceVersionData {
  std::string incTimer;  // IncTimerData (hex)
  std::string decTimer;  // DecTimerData (hex)
  std::int32_t extRvaNoRel = 0;  // RaceExtRVANoRel: load address of the procedure
  std::int32_t extRvaYoRel = 0;  // RaceExtRVAYoRel
  // The procedure is copied to RaceExtProcArrayOffset and must end with the extended area,
  // whose last byte is at EOFOffset + ExtendedSizeNum (1-based file positions).
  std::int64_t procArrayOffset = 0;
  std::int64_t eofOffset = 0;
  std::int64_t extendedSizeNum = 0;
};

// Game frames of an event's moment: the whole part of (minutes x 60 + seconds) x 30 + 1; none
// beyond the signed 32-bit range.
std::optional<std::int32_t> RaceMoment(float minutes, float seconds);

// Event e is slot e - 1. Events whose code compiles to nothing or whose moment is 0 or less are
// left out. An event with errors or a procedure that does not fit is a failure with a message.
// Writes timr.tmp only when linked.
LinkResult LinkRaceTimer(const CommandSet& set, std::span<const RaceEvent> events, const RaceLinkOptions& options,
                         const RaceVersionData& version, const std::string& workDir);

}  // namespace olvex::furr
