#pragma once
// The rules of the customizer dialogs' text boxes, as plain functions: what a box checks when it
// loses the focus, and the colour a swatch shows for its three component boxes.
#include <limits>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace olvex::customizers {

// The KeyPress filter of a box; Swallow drops every typed key (a list chosen from, not typed in);
// LineValue drops ";", which would start a comment in the key line a preset saves the text in.
enum class Filter { Hex, Digit, Signed, Letter, Decimal, Swallow, LineValue };
int FilterKey(Filter f, int key);

// What a text box checks when it loses the focus.
struct LeaveRule {
  enum class Kind {
    None,
    HexWidth,   // fewer than `width` characters: message, focus back; the text stays
    Clamp,      // a number above max (below min) becomes max (min); empty text becomes emptyText
    Required,   // empty: message, focus back; above max: silently max
    Announced,  // empty: message, focus back; above max: max with a message, focus back
    Limited,    // above max: max with `message`, focus back; empty text becomes emptyText
    Trimmed,    // blanks at either end dropped, as a key line drops them around its value
  };
  Kind kind = Kind::None;
  int width = 0;
  double min = std::numeric_limits<double>::lowest();
  double max = std::numeric_limits<double>::max();
  std::string_view emptyText = "0";
  std::string_view message = {};
};

constexpr LeaveRule hexWidth(int width) { return {LeaveRule::Kind::HexWidth, width}; }
constexpr LeaveRule clampTo(double max) { return {LeaveRule::Kind::Clamp, 0, LeaveRule{}.min, max}; }
constexpr LeaveRule clampTo(double min, double max, std::string_view emptyText = "0") {
  return {LeaveRule::Kind::Clamp, 0, min, max, emptyText};
}
constexpr LeaveRule required(double max) { return {LeaveRule::Kind::Required, 0, LeaveRule{}.min, max}; }
constexpr LeaveRule announced(double max) { return {LeaveRule::Kind::Announced, 0, LeaveRule{}.min, max}; }
constexpr LeaveRule trimmed() { return {LeaveRule::Kind::Trimmed}; }
constexpr LeaveRule limited(double max, std::string_view message) {
  return {LeaveRule::Kind::Limited, 0, LeaveRule{}.min, max, "0", message};
}

// The outcome of a leave check: the box's new text, and the message to show (empty for none);
// a message always sends the focus back to the box.
struct LeaveOutcome {
  std::string text;
  std::string message;
};
LeaveOutcome CheckLeave(const LeaveRule& rule, std::string_view text);

// A swatch component: the box's leading number rounded, held to 0..255 (no number is 0).
int SwatchComponent(std::string_view text);
ui::Color SwatchColour(std::string_view red, std::string_view green, std::string_view blue);

}  // namespace olvex::customizers
