#include "ui/qt/widgets.h"

#include <QPainter>
#include <algorithm>

#include "ui/qt/convert.h"

namespace olvex::ui::qt {

namespace {
QColor penColor(Color c, const QWidget& w) {
  return toQColor(c).value_or(w.palette().color(QPalette::WindowText));
}
}  // namespace

CanvasWidget::CanvasWidget(const Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {}

void CanvasWidget::refresh() {
  stale_ = true;
  update();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  if (stale_) {
    image_ = QImage(canvas_.width(), canvas_.height(), QImage::Format_RGB32);
    const auto& px = canvas_.pixels();
    for (int y = 0; y < canvas_.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
      for (int x = 0; x < canvas_.width(); ++x) line[x] = toQRgb(px[static_cast<std::size_t>(y) * canvas_.width() + x]);
    }
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

}  // namespace olvex::ui::qt
