#pragma once
// One DRACO patch: up to 100 places in the game executable, each with default, modified and
// remapped-modified bytes, and up to 30 user parameters written at offsets of their own.
#include <cstdint>
#include <string>

#include "draco/slot_array.h"

namespace olvex::draco {

inline constexpr int kOffsetSlots = 100;
inline constexpr int kParamSlots = 30;

struct PatchParam {
  std::uint8_t Enabled = 0;  // 1: the slot is in use
  std::string Offset;        // hex text of the 0-based file offset
  std::string DefaultValue;
  std::string CurrentValue;  // the value in use; never saved in a patch set
  std::string Name;
  // 0..2 hex text of 1, 2, 4 bytes written as it stands; 3 unsigned byte, 4 unsigned 16-bit,
  // 5 signed byte, 6 signed 16-bit, 7 long (unsigned 32-bit); numbers little-endian.
  std::uint8_t Type = 0;
  bool operator==(const PatchParam&) const = default;
};

using SlotTexts = SlotArray<std::string, kOffsetSlots>;
using ParamSlots = SlotArray<PatchParam, kParamSlots>;

struct PatchRecord {
  std::uint8_t Omnipresence = 0;  // 1: present, 0: deleted and waiting to be dropped
  std::string Name;
  std::string Description;  // a line break is kept as "//"
  std::uint8_t RequiresRemap = 0;  // needs remapped scene memory (main window Check5)
  std::uint8_t RequiresYiff = 0;   // needs the extended executable (Check9)
  std::uint8_t RequiresPart = 0;   // needs the remapped particle buffer (Check20)
  std::uint8_t RequiresSave = 0;   // needs advanced savegame management (Check21)
  std::string Dependencies;        // names of other patches, separated by ","
  std::uint8_t CondBehave = 0;     // when not applied: 1 writes the default bytes back, 0 nothing
  SlotTexts Offffset;  // hex text of a 0-based file offset; empty: slot free
  SlotTexts DeflData;  // default bytes as hex text
  SlotTexts ModNData;  // modified bytes, standard layout
  SlotTexts ModRData;  // modified bytes with remapped scene memory; may be empty
  ParamSlots Params;
  bool operator==(const PatchRecord&) const = default;
};

}  // namespace olvex::draco
