#pragma once
// The fog tuner: a small borderless window that sets the shared fog bulb range by dragging a
// marker along a bar of 0 to 208 pixels. Shown modeless by the main window's "edit..."; it stores
// the value and hides itself when it loses activation or is closed (Alt+F4).
#include "customizers/frame/dialog.h"

namespace olvex::customizers {

class FogTuner : public Dialog {
 public:
  FogTuner();

  // A press or drag in the bar at x pixels: with the left button alone the marker follows.
  void DoBars(int button, double x);
  // The marker's left edge in the bar's pixels: the value being edited.
  int markerLeft() const;
  // Shows it beside the main window's "edit..." button, as its activation places it.
  void openBeside();

  ui::PictureBox Picture1{*this, "Picture1"};  // the bar
  ui::Image Image1{*this, "Image1"};           // the marker
  ui::Label Label1{*this, "Label1"};           // the value
  ui::Shape Shape1{*this, "Shape1"};
  ui::Line Line1{*this, "Line1"}, Line2{*this, "Line2"};
  ui::PictureBox Picture2{*this, "Picture2"};

 protected:
  void load() override;

 private:
  void activate();
  void placeBesideButton();
  void setMarker(int left);

  bool moved_ = false;  // the user dragged the window: it keeps its own place
};

// "edit..." on the main window opens the tuner.
void InstallFogDialog();

}  // namespace olvex::customizers
