#pragma once
// The flipeffect and race-timer slots, filled by the config reader and presets, edited and
// compiled by the script editors.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace olvex::shell {

// Slot i is flipeffect 47 + i.
extern std::vector<std::string> FlipCode, FlipAnnotation;
extern std::vector<std::uint8_t> FlipDoOnlyOnce;
// Slot i is race-timer event i + 1. RaceTime[i][0] minutes, RaceTime[i][1] seconds.
extern std::vector<std::string> RaceCode, RaceAnnotation;
extern std::vector<std::array<float, 2>> RaceTime;

// Resize keeping the contents of the slots that remain.
void SizeTriggerSlots(int count);
void SizeRaceTimerSlots(int count);
int TriggerSlots();
int RaceTimerSlots();

void ResetScriptSlots();  // no slots

}  // namespace olvex::shell
