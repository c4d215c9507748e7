#pragma once
// The keys of a patch-set file, shared by its reader and writer, in the order the writer puts
// them.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "draco/patch_record.h"

namespace olvex::draco {

struct RecordKey {
  std::string_view key;
  std::variant<std::uint8_t PatchRecord::*, std::string PatchRecord::*> member;
  bool blankLineAfter;
};

inline const std::array<RecordKey, 9> kRecordKeys = {{
    {"Omnipresence", &PatchRecord::Omnipresence, false},
    {"Name", &PatchRecord::Name, false},
    {"Description", &PatchRecord::Description, true},
    {"RequiresRemap", &PatchRecord::RequiresRemap, false},
    {"RequiresYiff", &PatchRecord::RequiresYiff, false},
    {"RequiresPart", &PatchRecord::RequiresPart, false},
    {"RequiresSave", &PatchRecord::RequiresSave, false},
    {"Dependencies", &PatchRecord::Dependencies, true},
    {"CondBehave", &PatchRecord::CondBehave, false},
}};

// Offset-slot keys: the key word followed by the slot number as two digits.
struct SlotKey {
  std::string_view key;
  SlotTexts PatchRecord::*member;
};

inline constexpr std::array<SlotKey, 4> kSlotKeys = {{
    {"Offffset", &PatchRecord::Offffset},
    {"DeflData", &PatchRecord::DeflData},
    {"ModNData", &PatchRecord::ModNData},
    {"ModRData", &PatchRecord::ModRData},
}};

// The field of a parameter slot that one parameter key carries.
enum class ParamField { Enabled, Offset, DefaultValue, Name, Type, DefaultAndCurrentValue };

struct ParamKey {
  std::string_view key;
  ParamField field;
};

// Parameter keys of sets newer than 0.1: "key=" slot "|" value.
inline constexpr std::array<ParamKey, 5> kParamKeys = {{
    {"bambi", ParamField::Enabled},
    {"ronno", ParamField::Offset},
    {"gprince", ParamField::DefaultValue},
    {"faline", ParamField::Name},
    {"mena", ParamField::Type},
}};

// The single parameter of a version 0.1 set, always slot 0.
inline constexpr std::array<ParamKey, 5> kOldParamKeys = {{
    {"enableparameter", ParamField::Enabled},
    {"parameteroffset", ParamField::Offset},
    {"parametervalue", ParamField::DefaultAndCurrentValue},
    {"parametername", ParamField::Name},
    {"parametertype", ParamField::Type},
}};

}  // namespace olvex::draco
