#include "ui/qt/combo_input.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <memory>
#include <vector>

#include "ui/qt/convert.h"
#include "ui/qt/form_view.h"
#include "ui/qt/text_edits.h"

namespace olvex::ui::qt {

namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;

// The key event that types `code`: the key pressed when KeyPress left it as it was, else the
// character KeyPress made of it.
std::unique_ptr<QKeyEvent> typing(const QKeyEvent& pressed, int asked, int code) {
  if (code == asked && pressed.text().size() <= 1) return std::unique_ptr<QKeyEvent>(pressed.clone());
  if (code == kBackspace) return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  if (code == kEnter) return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(code)));
}

}  // namespace

ComboInput::ComboInput(ComboBox& box, QComboBox* widget, FormView& view)
    : QObject(widget), box_(box), widget_(widget), view_(view) {
  widget->installEventFilter(this);
  widget->view()->installEventFilter(this);
}

ComboInput* ComboInput::of(QComboBox* widget) {
  return widget->findChild<ComboInput*>(QString(), Qt::FindDirectChildrenOnly);
}

void ComboInput::takeEdit(QLineEdit* edit) {
  widget_->setCompleter(nullptr);  // its inline completion would type what the model never saw
  widget_->setAttribute(Qt::WA_InputMethodEnabled, false);
  edit->setAttribute(Qt::WA_InputMethodEnabled, false);
  edit->setAcceptDrops(false);
  edit->installEventFilter(this);
  view_.watch(edit);
}

bool ComboInput::eventFilter(QObject* o, QEvent* e) {
  if (!view_.acting()) return false;
  if (e->type() == QEvent::KeyPress && (o == widget_ || o == widget_->view()))
    return key(*static_cast<QKeyEvent*>(e), static_cast<QWidget*>(o));
  QLineEdit* edit = widget_->lineEdit();
  if (!edit || o != edit) return false;
  if (middleButtonPaste(*e, [this, edit](QPoint at, const QString& selection) {
        edit->setCursorPosition(edit->cursorPositionAt(at));
        paste(selection);
      }))
    return true;
  if (e->type() != QEvent::ContextMenu) return false;
  execTextMenu(
      edit, static_cast<QContextMenuEvent*>(e)->globalPos(), view_.host(),
      [this] {
        if (view_.acting()) paste(QGuiApplication::clipboard()->text());
      },
      [this](const QKeyEvent& k) {
        if (view_.acting()) key(k, widget_);
      });
  return true;
}

// `receiver` is the box (a replayed key) or its open list.
bool ComboInput::key(const QKeyEvent& k, QWidget* receiver) {
  bool inList = receiver != widget_;
  QLineEdit* edit = inList ? nullptr : widget_->lineEdit();
  if (edit && k.matches(QKeySequence::Paste)) {
    paste(QGuiApplication::clipboard()->text());
    return true;
  }
  std::vector<int> keys;
  bool ctrl = k.modifiers() & Qt::ControlModifier;
  if (!inList && k.key() == Qt::Key_Backspace && !ctrl) {
    keys.push_back(kBackspace);
  } else if (!inList && (k.key() == Qt::Key_Return || k.key() == Qt::Key_Enter)) {
    keys.push_back(kEnter);
  } else if (edit && editsText(k)) {
    keys.push_back(kBackspace);
  } else {
    QString text = k.text();
    if (text.isEmpty()) return false;
    for (QChar ch : text)
      if (ch.unicode() < 32 || ch.unicode() == 127) return false;  // a control key: the widget's
    for (QChar ch : text)
      if (ch.unicode() <= 255) keys.push_back(ch.unicode());  // others have no byte: dropped
  }
  std::shared_ptr<QKeyEvent> pressed(k.clone());
  QPointer<QWidget> to(receiver);
  view_.post(&box_, [this, pressed, to, keys] {
    for (int asked : keys) {
      int code = asked;
      if (!to || !to->isVisible() || !box_.typeKey(code)) continue;
      if (!to || !view_.acting()) return;  // KeyPress closed the window
      std::unique_ptr<QKeyEvent> typed = typing(*pressed, asked, code);
      static_cast<QObject*>(to.data())->event(typed.get());  // past the filters: it was filtered here
    }
  });
  return true;
}

void ComboInput::paste(const QString& clip) {
  std::string text = toBytes(clip);
  view_.post(&box_, [this, text] {
    std::string typed = box_.filterPaste(text);
    QLineEdit* edit = widget_->lineEdit();
    if (edit && !typed.empty() && view_.acting()) edit->insert(toQString(typed));
  });
}

}  // namespace olvex::ui::qt
