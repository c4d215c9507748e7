#include "ui/qt/control_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <algorithm>

#include "ui/controls.h"
#include "ui/qt/combo_input.h"
#include "ui/qt/convert.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/sync_guard.h"
#include "ui/qt/text_input.h"
#include "ui/qt/widgets.h"

namespace olvex::ui::qt {

namespace {

// Runs a user action once Qt has delivered the input, then shows what the model made of it.
// The signal's arguments are the widget's state at the time of the input.
template <class Action>
auto userAction(Control& c, FormView& v, Action action) {
  return [&c, &v, action](auto... args) {
    if (!v.acting()) return;
    v.post(&c, [&c, &v, action, args...] {
      action(args...);
      v.syncControl(c);
    });
  };
}

// The text of an editable box: what it takes from the user (ComboInput) is written back.
void wireComboEdit(QComboBox* w, ComboBox& c, FormView& v) {
  QLineEdit* edit = w->lineEdit();
  if (!edit) return;
  QObject::connect(edit, &QLineEdit::textEdited, &v,
                   userAction(c, v, [&c](const QString& text) { c.setText(toBytes(text)); }));
  ComboInput::of(w)->takeEdit(edit);
}

QWidget* createCombo(ComboBox& c, FormView& v) {
  auto* w = new QComboBox(&v);
  w->setInsertPolicy(QComboBox::NoInsert);
  QObject::connect(w, &QComboBox::activated, &v, userAction(c, v, [&c](int i) { c.setListIndex(i); }));
  new ComboInput(c, w, v);
  w->setEditable(c.style() != ComboBox::Style::DropDownList);
  wireComboEdit(w, c, v);
  return w;
}

QWidget* createList(ListBox& c, FormView& v) {
  auto* w = new ListWidget(&v);
  w->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  QObject::connect(w, &QListWidget::currentRowChanged, &v, userAction(c, v, [&c](int row) {
                     if (row < c.listCount()) c.setListIndex(row);
                   }));
  QObject::connect(w, &QListWidget::itemChanged, &v, [&c, &v, w](QListWidgetItem* item) {
    userAction(c, v, [&c](int row, bool checked) {
      if (c.checkBoxes() && row >= 0 && row < c.listCount()) c.setSelected(row, checked);
    })(w->row(item), item->checkState() == Qt::Checked);
  });
  QObject::connect(w->verticalScrollBar(), &QScrollBar::valueChanged, &v,
                   userAction(c, v, [&c](int top) { c.setTopIndex(top); }));
  return w;
}

QWidget* createScrollBar(HScrollBar& c, FormView& v) {
  auto* w = new ScrollBarWidget(&v);
  w->setFocusPolicy(Qt::StrongFocus);  // a Tab stop, moved by the arrow keys while it has the focus
  // Dragging the thumb scrolls (Scroll, then Change); the arrows and the track only change.
  QObject::connect(w, &QScrollBar::valueChanged, &v, [&c, &v, w](int value) {
    userAction(c, v, [&c](int value, bool dragged) {
      if (dragged) c.userScroll(value);
      else if (c.enabled()) c.setValue(value);
    })(value, w->isSliderDown());
  });
  return w;
}

void syncCombo(ComboBox& c, QComboBox* w, FormView& v) {
  bool editable = c.style() != ComboBox::Style::DropDownList;
  if (w->isEditable() != editable) {
    w->setEditable(editable);
    wireComboEdit(w, c, v);
  }
  QStringList items;
  for (int i = 0; i < c.listCount(); ++i) items << toQString(c.list(i));
  bool same = w->count() == items.size();
  for (int i = 0; same && i < w->count(); ++i) same = w->itemText(i) == items[i];
  if (!same) {
    w->clear();
    w->addItems(items);
  }
  // An editable box keeps its caret while the index follows the typed text.
  QLineEdit* edit = w->lineEdit();
  int caret = edit ? edit->cursorPosition() : 0;
  if (w->currentIndex() != c.listIndex() && (c.listIndex() >= 0 || !editable)) w->setCurrentIndex(c.listIndex());
  if (edit) {
    QString text = toQString(c.text());
    if (edit->text() != text) w->setEditText(text);
    else edit->setCursorPosition(caret);
  }
}

void syncList(ListBox& c, QListWidget* w) {
  const int shown = w->currentRow();
  bool same = w->count() == c.listCount();
  for (int i = 0; same && i < w->count(); ++i) same = w->item(i)->text() == toQString(c.list(i));
  if (!same) {
    w->clear();
    for (int i = 0; i < c.listCount(); ++i) w->addItem(toQString(c.list(i)));
  }
  for (int i = 0; i < c.listCount(); ++i) {
    QListWidgetItem* item = w->item(i);
    Qt::ItemFlags flags = item->flags();
    flags.setFlag(Qt::ItemIsUserCheckable, c.checkBoxes());
    if (item->flags() != flags) item->setFlags(flags);
    if (!c.checkBoxes()) continue;
    Qt::CheckState state = c.selected(i) ? Qt::Checked : Qt::Unchecked;
    if (item->data(Qt::CheckStateRole).isNull() || item->checkState() != state) item->setCheckState(state);
  }
  if (w->currentRow() != c.listIndex()) w->setCurrentRow(c.listIndex());
  QScrollBar* bar = w->verticalScrollBar();
  if (bar->value() != c.topIndex()) bar->setValue(c.topIndex());
  // An entry that became current from code is scrolled into view, and the model's top follows.
  if (QListWidgetItem* current = w->currentItem(); current && shown != c.listIndex()) {
    w->scrollToItem(current);
    c.setTopIndex(bar->value());
  }
}

void syncScrollBar(HScrollBar& c, QScrollBar* w) {
  int lo = std::min(c.min(), c.max()), hi = std::max(c.min(), c.max());
  if (w->minimum() != lo || w->maximum() != hi) w->setRange(lo, hi);
  if (w->invertedAppearance() != (c.min() > c.max())) w->setInvertedAppearance(c.min() > c.max());
  if (w->singleStep() != c.smallChange()) w->setSingleStep(c.smallChange());
  if (w->pageStep() != c.largeChange()) w->setPageStep(c.largeChange());
  if (w->value() != c.value()) w->setValue(c.value());
}

void syncLine(Line& c, LineWidget* w, FormView& v) {
  int tx = v.host().twipsPerPixelX(), ty = v.host().twipsPerPixelY();
  QPoint a(toPixels(c.x1(), tx), toPixels(c.y1(), ty)), b(toPixels(c.x2(), tx), toPixels(c.y2(), ty));
  QRect box = QRect(a, b).normalized();
  if (w->geometry() != box) w->setGeometry(box);
  w->set(a - box.topLeft(), b - box.topLeft(), c.borderColor());
}

void setText(QAbstractButton* w, const std::string& caption) {
  QString text = toQString(caption);
  if (w->text() != text) w->setText(text);
}

Qt::Alignment toAlignment(Align a) {
  switch (a) {
    case Align::Left: return Qt::AlignLeft | Qt::AlignTop;
    case Align::Right: return Qt::AlignRight | Qt::AlignTop;
    case Align::Center: return Qt::AlignHCenter | Qt::AlignTop;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

bool clickedByMouse(ControlKind k) {
  return k == ControlKind::Label || k == ControlKind::PictureBox || k == ControlKind::Image ||
         k == ControlKind::Frame || k == ControlKind::TextBox;
}

bool turnedByWheel(ControlKind k) {
  return k == ControlKind::ComboBox || k == ControlKind::ListBox || k == ControlKind::HScrollBar;
}

bool drawnOnTop(const Control& c) {
  return c.kind() == ControlKind::Image && static_cast<const Image&>(c).onTop();
}

bool drawnBeneath(const Control& c) {
  const ControlKind k = c.kind();
  return k == ControlKind::Label || (k == ControlKind::Image && !drawnOnTop(c)) || k == ControlKind::Shape ||
         k == ControlKind::Line;
}

QWidget* createWidget(Control& c, FormView& v) {
  switch (c.kind()) {
    case ControlKind::Label: {
      auto* w = new QLabel(&v);
      w->setTextFormat(Qt::PlainText);
      w->setWordWrap(true);
      return w;
    }
    case ControlKind::TextBox: return TextInput::createEditor(static_cast<TextBox&>(c), v);
    case ControlKind::CheckBox: {
      auto* w = new ModelCheckBox(&v);
      QObject::connect(w, &QAbstractButton::clicked, &v, userAction(c, v, [&c](bool) { c.userClick(); }));
      return w;
    }
    case ControlKind::OptionButton: {
      auto* w = new ModelRadioButton(&v);
      w->setAutoExclusive(false);
      QObject::connect(w, &QAbstractButton::clicked, &v, userAction(c, v, [&c](bool) { c.userClick(); }));
      return w;
    }
    case ControlKind::CommandButton: {
      auto* w = new PictureButton(&v);
      w->setAutoDefault(false);
      QObject::connect(w, &QAbstractButton::clicked, &v, userAction(c, v, [&c](bool) { c.userClick(); }));
      return w;
    }
    case ControlKind::ComboBox: return createCombo(static_cast<ComboBox&>(c), v);
    case ControlKind::ListBox: return createList(static_cast<ListBox&>(c), v);
    case ControlKind::PictureBox:
    case ControlKind::Image: return new CanvasWidget(static_cast<PictureBox&>(c).canvas(), &v);
    case ControlKind::Frame: return new QGroupBox(&v);
    case ControlKind::Shape: return new ShapeWidget(&v);
    case ControlKind::Line: return new LineWidget(&v);
    case ControlKind::HScrollBar: return createScrollBar(static_cast<HScrollBar&>(c), v);
    case ControlKind::RoundSlider: return new KnobWidget(&v);
    case ControlKind::Timer: return nullptr;
  }
  return nullptr;
}

void syncWidget(Control& c, QWidget* w, FormView& v) {
  switch (c.kind()) {
    case ControlKind::Label: {
      auto& l = static_cast<Label&>(c);
      auto* q = static_cast<QLabel*>(w);
      QString text = toQString(l.caption());
      if (q->text() != text) q->setText(text);
      if (q->alignment() != toAlignment(l.alignment())) q->setAlignment(toAlignment(l.alignment()));
      q->setAutoFillBackground(!l.transparent());
      break;
    }
    case ControlKind::TextBox: TextInput::of(w)->sync(); break;
    case ControlKind::CheckBox: {
      auto& b = static_cast<CheckBox&>(c);
      auto* q = static_cast<QCheckBox*>(w);
      setText(q, b.caption());
      static constexpr Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
      if (q->checkState() != states[b.value()]) q->setCheckState(states[b.value()]);
      break;
    }
    case ControlKind::OptionButton: {
      auto& o = static_cast<OptionButton&>(c);
      auto* q = static_cast<QRadioButton*>(w);
      setText(q, o.caption());
      if (q->isChecked() != o.value()) q->setChecked(o.value());
      break;
    }
    case ControlKind::CommandButton: {
      auto& b = static_cast<CommandButton&>(c);
      auto* q = static_cast<PictureButton*>(w);
      setText(q, b.caption());
      q->setPicture(b.picture());
      break;
    }
    case ControlKind::ComboBox: syncCombo(static_cast<ComboBox&>(c), static_cast<QComboBox*>(w), v); break;
    case ControlKind::ListBox: syncList(static_cast<ListBox&>(c), static_cast<QListWidget*>(w)); break;
    case ControlKind::PictureBox:
    case ControlKind::Image:
      w->setAutoFillBackground(c.kind() == ControlKind::PictureBox);
      // An image without mouse handlers lets the mouse through to what lies beneath (a marker
      // on its bar is grabbed with the bar), as shapes and lines do.
      if (c.kind() == ControlKind::Image)
        w->setAttribute(Qt::WA_TransparentForMouseEvents, !c.onClick && !c.onDblClick && !c.onMouseDown &&
                                                              !c.onMouseMove && !c.onMouseUp);
      static_cast<CanvasWidget*>(w)->refresh();
      break;
    case ControlKind::Frame: {
      auto* q = static_cast<QGroupBox*>(w);
      QString title = toQString(static_cast<Frame&>(c).caption());
      if (q->title() != title) q->setTitle(title);
      q->setAutoFillBackground(true);
      break;
    }
    case ControlKind::Shape: static_cast<ShapeWidget*>(w)->set(static_cast<Shape&>(c)); break;
    case ControlKind::Line: syncLine(static_cast<Line&>(c), static_cast<LineWidget*>(w), v); break;
    case ControlKind::HScrollBar: syncScrollBar(static_cast<HScrollBar&>(c), static_cast<QScrollBar*>(w)); break;
    case ControlKind::RoundSlider:
      static_cast<KnobWidget*>(w)->set(static_cast<vbkRoundSlider&>(c), v.host().twipsPerPixelX(),
                                       v.host().twipsPerPixelY());
      break;
    case ControlKind::Timer: break;
  }
}

}  // namespace olvex::ui::qt
