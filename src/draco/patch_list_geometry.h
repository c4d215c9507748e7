#pragma once
// Sizes of the patch list window that its handlers change, in pixels (15 twips each).
#include "ui/control.h"

namespace olvex::draco {

constexpr int px(int pixels) { return pixels * 15; }

inline constexpr ui::Color kPatchesBack = 0xF0F0F0;
inline constexpr ui::Color kNoWarning = ui::rgb(128, 128, 128);
inline constexpr ui::Color kWarning = ui::rgb(255, 0, 0);
inline constexpr int kMarkerLeft = 515;  // the first marker; each further one 15 to the left
inline constexpr int kMarkerStep = 15;
inline constexpr int kDescriptionWidth = 265;

inline constexpr int kCompactListHeight = 167, kDeveloperListHeight = 137;
inline constexpr int kCompactText5Width = 203, kDeveloperText5Width = 148;
inline constexpr int kCompactText6Width = 205, kDeveloperText6Width = 149;
inline constexpr int kCompactShape3Width = 245, kDeveloperShape3Width = 189;

}  // namespace olvex::draco
