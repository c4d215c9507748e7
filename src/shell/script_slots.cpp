#include "shell/script_slots.h"

namespace olvex::shell {

std::vector<std::string> FlipCode, FlipAnnotation;
std::vector<std::uint8_t> FlipDoOnlyOnce;
std::vector<std::string> RaceCode, RaceAnnotation;
std::vector<std::array<float, 2>> RaceTime;

void SizeTriggerSlots(int count) {
  FlipCode.resize(count);
  FlipAnnotation.resize(count);
  FlipDoOnlyOnce.resize(count);
}

void SizeRaceTimerSlots(int count) {
  RaceCode.resize(count);
  RaceAnnotation.resize(count);
  RaceTime.resize(count);
}

int TriggerSlots() { return static_cast<int>(FlipCode.size()); }
int RaceTimerSlots() { return static_cast<int>(RaceCode.size()); }

void ResetScriptSlots() {
  SizeTriggerSlots(0);
  SizeRaceTimerSlots(0);
}

}  // namespace olvex::shell
