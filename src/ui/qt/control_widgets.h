#pragma once
// One widget kind per control kind: how each is made, wired to the model's user actions, and
// kept in step with the control's own properties (the common ones are FormView's).
#include "ui/control.h"

class QWidget;

namespace olvex::ui::qt {

class FormView;

// Null for a control without a widget (a timer). The widget's parent is the form's window.
QWidget* createWidget(Control& c, FormView& view);
void syncWidget(Control& c, QWidget* w, FormView& view);

// Controls whose left-button press and release on them is a Click.
bool clickedByMouse(ControlKind k);
// Controls the mouse wheel turns (while they have the focus).
bool turnedByWheel(ControlKind k);
// Controls drawn beneath the others, in creation order, and those drawn above them.
bool drawnBeneath(const Control& c);
bool drawnOnTop(const Control& c);

}  // namespace olvex::ui::qt
