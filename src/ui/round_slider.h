#pragma once
// The knob: a half-round dial whose marker the user drags along the upper half of a circle with
// the left button. The marker's angle (0 at the far left, 180 at the far right) becomes an
// integer Value between Min and Max, reported by OnChange after each drag step.
#include <functional>
#include <string>

#include "ui/control.h"

namespace olvex::ui {

class vbkRoundSlider : public Control {
 public:
  // Fixed geometry in twips, from the control's top-left corner.
  static constexpr int kWidth = 1475, kHeight = 1000;
  static constexpr int kCentreX = 790, kCentreY = 900;
  static constexpr double kRadius = 600.0;
  static constexpr int kMarkerSize = 165;

  vbkRoundSlider(Form& f, std::string name, int index = -1);

  int min() const { return min_; }
  void setMin(int v);
  int max() const { return max_; }
  void setMax(int v);
  int value() const { return value_; }
  // Stores the value only: the markers stay where they are and OnChange is not raised.
  void setValue(int v);

  // The marker (imgB) and its mirror image (Image1): top-left corners in twips.
  int markerLeft() const { return markerLeft_; }
  float markerTop() const { return markerTop_; }
  int mirrorLeft() const { return mirrorLeft_; }
  float mirrorTop() const { return mirrorTop_; }
  // Moves over a marker capture the mouse; while captured, every move is a drag step.
  bool captured() const { return captured_; }

  // The control keeps its size whatever it is given.
  void move(int left, int top, int width, int height) override;
  void userMouseMove(const MouseEvent& e) override;
  void userMouseUp(const MouseEvent& e) override;

  std::function<void(int& value)> onChange;

 private:
  bool overMarker(double x, double y) const;
  void dragStep(const MouseEvent& e);
  void setCaptured(bool c);

  int min_ = 0, max_ = 10, value_ = 0;
  int markerLeft_ = 100;
  float markerTop_ = 720;
  int mirrorLeft_ = 1280;
  float mirrorTop_ = 720;
  bool captured_ = false;
};

}  // namespace olvex::ui
