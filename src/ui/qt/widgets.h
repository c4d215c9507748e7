#pragma once
// The widgets Qt lacks: buttons whose checked state only the model changes, command buttons
// showing a canvas, a horizontal scroll bar keyed as its arrows point, and the painted surfaces
// of picture boxes, shapes and lines.
#include <QCheckBox>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

#include "ui/canvas.h"
#include "ui/controls.h"
#include "ui/round_slider.h"

namespace olvex::ui::qt {

// A click anywhere on the control reports to the model, which decides the new value; the view
// then follows it.
class ModelCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;
 protected:
  void nextCheckState() override {}
  bool hitButton(const QPoint& p) const override { return rect().contains(p); }
};

class ModelRadioButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;
 protected:
  void nextCheckState() override {}
  bool hitButton(const QPoint& p) const override { return rect().contains(p); }
};

// A command button showing its picture at its own size beside the caption. Return and keypad
// Enter click it while it has the focus, as Space does.
class PictureButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  void setPicture(const Canvas& picture);
 protected:
  void keyPressEvent(QKeyEvent* e) override;
 private:
  QImage shown_;  // the picture made into the icon
};

// A list whose highlight is always its current entry, which moves with the left button and the
// keys only: a press of another button (a handler's own action on the right button) and a left
// press below the last entry leave the entry and its highlight as they are; a Ctrl+click is a
// plain click, so it never takes the highlight from the current entry.
class ListWidget : public QListWidget {
 public:
  using QListWidget::QListWidget;
 protected:
  void mousePressEvent(QMouseEvent* e) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* e) const override;
};

// A horizontal scroll bar that keys move towards the end they point to, as its arrows do: Right,
// Down and Page Down towards the right end, Left, Up and Page Up towards the left, Home to the
// left end and End to the right, whichever way its values run. A notch of the wheel moves it as
// Up or Down does. Its thumb shows the focus.
class ScrollBarWidget : public QScrollBar {
 public:
  explicit ScrollBarWidget(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}
 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
 private:
  bool move(int key);  // false for a key that moves nothing
  int wheelTurn_ = 0;  // the part of a notch turned so far
};

// Shows a canvas pixel for pixel from the top-left corner.
class CanvasWidget : public QWidget {
 public:
  CanvasWidget(const Canvas& canvas, QWidget* parent);
  void refresh();  // the canvas was drawn on
 protected:
  void paintEvent(QPaintEvent*) override;
 private:
  const Canvas& canvas_;
  QImage image_;
  bool stale_ = true;
};

class ShapeWidget : public QWidget {
 public:
  explicit ShapeWidget(QWidget* parent);
  void set(const Shape& s);
 protected:
  void paintEvent(QPaintEvent*) override;
 private:
  Shape::Kind kind_ = Shape::Kind::Rectangle;
  bool filled_ = false;
  Color fill_ = 0, border_ = 0;
};

// Covers the line's bounding box and draws from one end to the other.
class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent);
  void set(QPoint from, QPoint to, Color border);
 protected:
  void paintEvent(QPaintEvent*) override;
 private:
  QPoint from_, to_;
  Color border_ = 0;
};

// The knob: its dial face and both markers, drawn where the model has put them.
class KnobWidget : public QWidget {
 public:
  explicit KnobWidget(QWidget* parent);
  // Positions in twips, drawn at the given twips per pixel.
  void set(const vbkRoundSlider& k, int twipsPerPixelX, int twipsPerPixelY);
 protected:
  void paintEvent(QPaintEvent*) override;
 private:
  QRectF marker(double left, double top) const;
  double tx_ = 15, ty_ = 15;
  int markerLeft_ = 0, mirrorLeft_ = 0;
  float markerTop_ = 0, mirrorTop_ = 0;
};

}  // namespace olvex::ui::qt
