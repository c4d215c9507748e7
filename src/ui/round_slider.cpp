#include "ui/round_slider.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "ui/property.h"

namespace olvex::ui {

namespace {

// The angle scale of the dial: a little wider than degrees, so a nearly vertical drag gives up to
// 95 on the left side and down to 85 on the right, and 90 only straight above the centre.
constexpr double kAngleScale = 60.283;
// The marker picture's centre lies this far inside its top-left corner; the mirror marker is
// reflected about this sum.
constexpr int kMarkerCentre = 97;
constexpr int kMirrorAxis = 1400;

// Whole numbers to nearest, halves to even (the default floating-point rounding mode).
double roundEven(double x) { return std::nearbyint(x); }

}  // namespace

vbkRoundSlider::vbkRoundSlider(Form& f, std::string name, int index)
    : Control(f, ControlKind::RoundSlider, std::move(name), index) {
  Control::move(left(), top(), kWidth, kHeight);
}

void vbkRoundSlider::setMin(int v) {
  if (assign(min_, v)) changed();
}

void vbkRoundSlider::setMax(int v) {
  if (assign(max_, v)) changed();
}

void vbkRoundSlider::setValue(int v) {
  if (assign(value_, v)) changed();
}

void vbkRoundSlider::move(int left, int top, int, int) { Control::move(left, top, kWidth, kHeight); }

bool vbkRoundSlider::overMarker(double x, double y) const {
  auto inside = [x, y](double l, double t) { return x >= l && x < l + kMarkerSize && y >= t && y < t + kMarkerSize; };
  return inside(markerLeft_, markerTop_) || inside(mirrorLeft_, mirrorTop_);
}

void vbkRoundSlider::setCaptured(bool c) {
  if (assign(captured_, c)) changed();
}

void vbkRoundSlider::userMouseMove(const MouseEvent& e) {
  if (!enabled()) return;
  if (captured_) dragStep(e);
  else if (overMarker(e.x, e.y)) setCaptured(true);
}

void vbkRoundSlider::userMouseUp(const MouseEvent&) { setCaptured(false); }

void vbkRoundSlider::dragStep(const MouseEvent& e) {
  if (e.y >= kCentreY) return;  // on or below the centre line: nothing, the capture stays
  if (e.button != kLeftButton) {
    setCaptured(false);
    return;
  }
  double dx = e.x - kCentreX, dy = e.y - kCentreY;
  double distance = std::sqrt(dx * dx + dy * dy);  // never 0: dy < 0
  double vertical = kRadius * std::fabs(dy) / distance;
  double horizontal = kRadius * std::fabs(dx) / distance;
  bool leftSide = e.x <= kCentreX;

  int markerX = static_cast<int>(roundEven(leftSide ? kCentreX - horizontal : kCentreX + horizontal));
  markerLeft_ = markerX - kMarkerCentre;
  markerTop_ = static_cast<float>(kCentreY - vertical) - kMarkerCentre;
  mirrorLeft_ = std::abs(kMirrorAxis - markerLeft_);
  mirrorTop_ = markerTop_;

  int angle = 90;
  if (horizontal != 0) {
    int a = static_cast<int>(roundEven(std::atan(vertical / horizontal) * kAngleScale));
    angle = leftSide ? a : 180 - a;
  }
  double step = static_cast<double>(std::int64_t{max_} - min_) / 180;
  value_ = static_cast<int>(roundEven(min_ + step * angle));
  changed();
  if (onChange) {
    int v = value_;
    onChange(v);
  }
}

}  // namespace olvex::ui
