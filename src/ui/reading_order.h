#pragma once
// The order in which a person reads a window's controls, which Tab follows. Within a container,
// columns come left to right where a gutter that no control crosses parts them; otherwise bands
// parted by a wide gap top to bottom, and within a band rows top to bottom, each left to right (a control that begins above the middle of the row's first control lies
// in it). A frame's controls are read in turn at the frame's place. Only the stops and the
// containers holding some take part: labels, shapes, lines and pictures that take no focus
// form no rows and no columns.
#include <functional>
#include <vector>

namespace olvex::ui {

class Control;
class Form;

// Columns lie at least this far apart, in twips: farther than the controls of one row, closer
// than a caption or two frames' margins. Two boxes of one row (a pair, a colour's three) may lie
// farther apart; two boxes of two columns have a caption or a wider gap between them.
inline constexpr int kColumnGutter = 105;
inline constexpr int kBoxColumnGutter = 180;
// Where no columns part them, bands of rows lie at least this far apart; each band is read whole,
// its own columns in turn.
inline constexpr int kBandGap = 150;

std::vector<Control*> ReadingOrder(const Form& form, const std::function<bool(const Control&)>& isStop);

}  // namespace olvex::ui
