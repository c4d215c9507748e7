#pragma once
// What a version section of the config says about one build of the game executable: the offset
// table, the data fields (hex texts), the flare colour tables and a few numbers.
#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

namespace olvex::shell {

inline constexpr int kOffsetSlotCount = 745;
inline constexpr int kVersionCheckSlot = 1;  // set from [common], never from a version section
inline constexpr int kDataFieldCount = 329;
inline constexpr int kFlareColourCount = 10;  // indexes 1..9 are filled

// 1-based file positions in the game executable, slot 0 to 744; 0 until a load sets a slot.
extern std::array<std::int32_t, kOffsetSlotCount> Offsets;
// Key name of each slot, as the built-in text spells it.
extern const std::array<std::string_view, kOffsetSlotCount> kOffsetKeys;
// Slots whose value in the version section is not a number (they read as 0 all the same).
extern std::bitset<kOffsetSlotCount> OffsetNotNumber;
// Slot of an offset key (any case); throws std::out_of_range for an unknown name.
int OffsetSlot(std::string_view key);
// Offsets[OffsetSlot(key)].
std::int32_t OffsetOf(std::string_view key);

// The version data fields: one hex text per data key; empty until a key fills it.
extern std::array<std::string, kDataFieldCount> VersionDataFields;
extern const std::array<std::string_view, kDataFieldCount> kDataKeys;
int DataFieldIndex(std::string_view key);  // any case; throws std::out_of_range when unknown
const std::string& VersionData(std::string_view key);  // the field of a data key

// FlareColourData<i>Def / Mod / Red, i = 1..9.
extern std::array<std::string, kFlareColourCount> FlareColourDef, FlareColourMod, FlareColourRed;

extern std::int32_t ExtendedSizeNum;
extern std::int32_t CharArrayBaseOffset;
// How the version section gave one of the numbers above or below (ExtendedSizeNum, ...): not at
// all, with a value that is no number (it reads as 0 all the same), or with a number.
enum class NumberGiven { Missing, NotNumber, Number };
NumberGiven HowGiven(const std::int32_t& number);
void NoteGiven(const std::int32_t& number, NumberGiven how);  // by the version loader

// The version values the flipeffect and race-timer writers use.
extern std::string FEBaseProcDefData, FEBaseProcModDataNoRel, FEBaseProcModDataYoRel;
extern std::string FEBaseProc2DefData, FEBaseProc2ModDataNoRel, FEBaseProc2ModDataYoRel;
extern std::string FEBaseProc3DefData, FEBaseProc3ModDataNoRel, FEBaseProc3ModDataYoRel;
extern std::string FEExtProcedureDataNoRel, FEExtProcedureDataYoRel;
extern std::string RaceExtJmpNoRelData, RaceExtJmpYoRelData, IncTimerData, DecTimerData;
extern std::int32_t RaceExtRVANoRel, RaceExtRVAYoRel;

// Where a version key stores its value.
struct VersionKeyTarget {
  enum class Kind { Offset, Text, Number } kind;
  std::int32_t* number = nullptr;  // Offset, Number
  std::string* text = nullptr;     // Text
};
// The destination of a key (any case); null for keys no version section sets (VersionCheckOffset
// among them).
const VersionKeyTarget* FindVersionKey(std::string_view key);
// Number of keys the lookup knows.
std::size_t VersionKeyCount();

// Every table above back to its state before any load.
void ResetVersionTables();

}  // namespace olvex::shell
