#include "ui/qt/widgets.h"

#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/qt/convert.h"

namespace olvex::ui::qt {

namespace {
QColor penColor(Color c, const QWidget& w) {
  return toQColor(c).value_or(w.palette().color(QPalette::WindowText));
}

// A key's move on a scroll bar drawn with its minimum on the left, and on one drawn inverted.
struct KeyMove {
  int key;
  QAbstractSlider::SliderAction plain, inverted;
};

using A = QAbstractSlider::SliderAction;
constexpr KeyMove kKeyMoves[] = {
    {Qt::Key_Left, A::SliderSingleStepSub, A::SliderSingleStepAdd},
    {Qt::Key_Up, A::SliderSingleStepSub, A::SliderSingleStepAdd},
    {Qt::Key_Right, A::SliderSingleStepAdd, A::SliderSingleStepSub},
    {Qt::Key_Down, A::SliderSingleStepAdd, A::SliderSingleStepSub},
    {Qt::Key_PageUp, A::SliderPageStepSub, A::SliderPageStepAdd},
    {Qt::Key_PageDown, A::SliderPageStepAdd, A::SliderPageStepSub},
    {Qt::Key_Home, A::SliderToMinimum, A::SliderToMaximum},
    {Qt::Key_End, A::SliderToMaximum, A::SliderToMinimum},
};
}  // namespace

// Qt's item views make the entry under any button's press the current one, and a Ctrl+click
// would toggle its highlight: a left press with Ctrl is taken as a plain one.
void ListWidget::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    e->accept();
    return;
  }
  QMouseEvent plain(e->type(), e->position(), e->scenePosition(), e->globalPosition(), e->button(), e->buttons(),
                    e->modifiers() & ~Qt::ControlModifier, e->pointingDevice());
  plain.setTimestamp(e->timestamp());
  QListWidget::mousePressEvent(&plain);
  e->setAccepted(plain.isAccepted());
}

// Qt would drop the highlight for a press or drag below the last entry and for Ctrl+Space, and
// leave the entry current.
QItemSelectionModel::SelectionFlags ListWidget::selectionCommand(const QModelIndex& index, const QEvent* e) const {
  QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, e);
  if (!index.isValid() || flags.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
    return QItemSelectionModel::NoUpdate;
  return flags;
}

// Qt's own keys follow invertedControls, which QScrollBar turns on so that Up and Down go a
// vertical bar's way; on a horizontal bar Left and Right would then move it backwards.
void ScrollBarWidget::keyPressEvent(QKeyEvent* e) {
  if (!move(e->key())) QScrollBar::keyPressEvent(e);
}

bool ScrollBarWidget::move(int key) {
  for (const KeyMove& m : kKeyMoves)
    if (key == m.key) {
      triggerAction(invertedAppearance() ? m.inverted : m.plain);
      return true;
    }
  return false;
}

void ScrollBarWidget::wheelEvent(QWheelEvent* e) {
  constexpr int kNotch = 120;  // the angle of one notch, in eighths of a degree
  wheelTurn_ += e->angleDelta().y();
  for (; wheelTurn_ >= kNotch; wheelTurn_ -= kNotch) move(Qt::Key_Up);
  for (; wheelTurn_ <= -kNotch; wheelTurn_ += kNotch) move(Qt::Key_Down);
  e->accept();
}

// The style's focus frame inside the thumb, however the focus came (a scroll bar has no other
// sign of it).
void ScrollBarWidget::paintEvent(QPaintEvent* e) {
  QScrollBar::paintEvent(e);
  if (!hasFocus()) return;
  QStyleOptionSlider bar;
  initStyleOption(&bar);
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  focus.state |= QStyle::State_KeyboardFocusChange;
  QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarSlider, this);
  focus.rect = thumb.adjusted(2, 2, -2, -2);
  QPainter p(this);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
}

void PictureButton::setPicture(const Canvas& picture) {
  QImage image = toQImage(picture);
  if (image == shown_) return;
  shown_ = image;
  setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
  setIconSize(image.size());
}

void PictureButton::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    if (!e->isAutoRepeat()) click();
    return;
  }
  QPushButton::keyPressEvent(e);
}

CanvasWidget::CanvasWidget(const Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {}

void CanvasWidget::refresh() {
  stale_ = true;
  update();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  if (stale_) {
    image_ = toQImage(canvas_);
    stale_ = false;
  }
  if (!image_.isNull()) QPainter(this).drawImage(0, 0, image_);
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::set(const Shape& s) {
  if (kind_ == s.shape() && filled_ == s.filled() && fill_ == s.fillColor() && border_ == s.borderColor()) return;
  kind_ = s.shape();
  filled_ = s.filled();
  fill_ = s.fillColor();
  border_ = s.borderColor();
  update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  using K = Shape::Kind;
  QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (kind_ == K::Square || kind_ == K::Circle || kind_ == K::RoundedSquare) {
    double side = std::min(r.width(), r.height());
    r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
  }
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, kind_ != K::Rectangle && kind_ != K::Square);
  p.setPen(penColor(border_, *this));
  p.setBrush(filled_ ? QBrush(penColor(fill_, *this)) : Qt::NoBrush);
  switch (kind_) {
    case K::Rectangle:
    case K::Square: p.drawRect(r); break;
    case K::Oval:
    case K::Circle: p.drawEllipse(r); break;
    case K::RoundedRectangle:
    case K::RoundedSquare: {
      double radius = std::min(r.width(), r.height()) / 6;
      p.drawRoundedRect(r, radius, radius);
      break;
    }
  }
}

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::set(QPoint from, QPoint to, Color border) {
  if (from == from_ && to == to_ && border == border_) return;
  from_ = from;
  to_ = to;
  border_ = border;
  update();
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(penColor(border_, *this));
  p.drawLine(from_, to_);
}

KnobWidget::KnobWidget(QWidget* parent) : QWidget(parent) {}

void KnobWidget::set(const vbkRoundSlider& k, int twipsPerPixelX, int twipsPerPixelY) {
  if (markerLeft_ == k.markerLeft() && markerTop_ == k.markerTop() && mirrorLeft_ == k.mirrorLeft() &&
      mirrorTop_ == k.mirrorTop() && tx_ == twipsPerPixelX && ty_ == twipsPerPixelY)
    return;
  markerLeft_ = k.markerLeft();
  markerTop_ = k.markerTop();
  mirrorLeft_ = k.mirrorLeft();
  mirrorTop_ = k.mirrorTop();
  tx_ = twipsPerPixelX;
  ty_ = twipsPerPixelY;
  update();
}

QRectF KnobWidget::marker(double left, double top) const {
  return {left / tx_, top / ty_, vbkRoundSlider::kMarkerSize / tx_, vbkRoundSlider::kMarkerSize / ty_};
}

void KnobWidget::paintEvent(QPaintEvent*) {
  using K = vbkRoundSlider;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // The face: a half disc around the dial centre with the marker's track and a scale every 15
  // steps of the angle inside it.
  QPointF centre(K::kCentreX / tx_, K::kCentreY / ty_);
  auto around = [&](double r) { return QRectF(centre.x() - r / tx_, centre.y() - r / ty_, 2 * r / tx_, 2 * r / ty_); };
  const QPalette& pal = palette();
  p.setPen(QPen(pal.color(QPalette::Dark), 1));
  p.setBrush(pal.color(QPalette::Midlight));
  p.drawPie(around(K::kRadius + K::kMarkerSize / 2.0), 0, 180 * 16);
  p.setBrush(Qt::NoBrush);
  p.drawArc(around(K::kRadius), 0, 180 * 16);
  for (int a = 0; a <= 180; a += 15) {
    double rad = a * 3.14159265358979 / 180;
    double c = std::cos(rad), s = std::sin(rad);
    double inner = a % 45 ? 440 : 380, outer = 500;
    p.drawLine(QPointF(centre.x() - inner * c / tx_, centre.y() - inner * s / ty_),
               QPointF(centre.x() - outer * c / tx_, centre.y() - outer * s / ty_));
  }
  p.setBrush(pal.color(QPalette::Dark));
  p.drawEllipse(centre, 3, 3);
  // The mirror marker beneath, the marker the user drags on top.
  p.setPen(QPen(QColor(96, 0, 0), 1));
  p.setBrush(QColor(240, 170, 170));
  p.drawEllipse(marker(mirrorLeft_, mirrorTop_));
  p.setBrush(QColor(200, 0, 0));
  p.drawEllipse(marker(markerLeft_, markerTop_));
}

}  // namespace olvex::ui::qt
