#pragma once
// What preset files share between the writer and the loader.
#include <string_view>

namespace olvex::presets {

inline constexpr std::string_view kPresetVersion = "0.76";
inline constexpr std::string_view kPresetFilter = "OLVEX preset (*.ovp)|*.ovp|All Files (*.*)|*.*";
inline constexpr std::string_view kCrLf = "\r\n";

// Section markers, compared in lower case by the loader.
inline constexpr std::string_view kPresetMark = "[preset]";
inline constexpr std::string_view kCreditsMark = "[credits]", kCreditsEnd = "[end credits]";
inline constexpr std::string_view kFlipMark = "[flipeffects]", kFlipEnd = "[end flipeffects]";
inline constexpr std::string_view kRaceMark = "[racetimer]", kRaceEnd = "[end racetimer]";
inline constexpr std::string_view kDracoMark = "[draco]", kDracoEnd = "[end draco]";

// Slot and time lines of the script sections.
inline constexpr std::string_view kEffectTag = "/Effect", kEventTag = "/Event";
inline constexpr std::string_view kAnnotationTag = "/Annotation=", kOnceTag = "/DoOnlyOnce=", kTimeTag = "/Time=";
inline constexpr std::string_view kDracoKey = "DracoPreset";

}  // namespace olvex::presets
