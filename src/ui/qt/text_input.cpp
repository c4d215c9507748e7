#include "ui/qt/text_input.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <memory>

#include "ui/qt/convert.h"
#include "ui/qt/form_view.h"
#include "ui/qt/sync_guard.h"
#include "ui/qt/text_edits.h"

namespace olvex::ui::qt {

namespace {
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
}  // namespace

QWidget* TextInput::createEditor(TextBox& box, FormView& view) {
  QWidget* editor;
  if (box.multiLine()) {
    auto* plain = new QPlainTextEdit(&view);
    plain->setTabChangesFocus(true);
    editor = plain;
  } else {
    editor = new QLineEdit(&view);
  }
  editor->setAcceptDrops(false);
  editor->setAttribute(Qt::WA_InputMethodEnabled, false);
  new TextInput(box, editor, view);
  return editor;
}

TextInput* TextInput::of(QWidget* editor) {
  return editor->findChild<TextInput*>(QString(), Qt::FindDirectChildrenOnly);
}

TextInput::TextInput(TextBox& box, QWidget* editor, FormView& view)
    : QObject(editor), box_(box), view_(view) {
  line_ = qobject_cast<QLineEdit*>(editor);
  plain_ = qobject_cast<QPlainTextEdit*>(editor);
  editor->installEventFilter(this);
  // The widget's state is read when the action runs, in order with the keys before it.
  auto changed = [this] {
    if (view_.acting()) view_.post(&box_, [this] { fromWidget(); });
  };
  if (line_) {
    connect(line_, &QLineEdit::textEdited, this, changed);
    connect(line_, &QLineEdit::cursorPositionChanged, this, changed);
    connect(line_, &QLineEdit::selectionChanged, this, changed);
  } else {
    plain_->viewport()->installEventFilter(this);
    connect(plain_, &QPlainTextEdit::textChanged, this, changed);
    connect(plain_, &QPlainTextEdit::cursorPositionChanged, this, changed);
    connect(plain_, &QPlainTextEdit::selectionChanged, this, changed);
  }
}

void TextInput::sync() {
  SyncGuard guard;
  if (line_) {
    QString text = toQString(box_.text());
    if (line_->text() != text) line_->setText(text);
    if (line_->isReadOnly() != box_.locked()) line_->setReadOnly(box_.locked());
  } else {
    QString text = toViewText(box_.text());
    if (plain_->toPlainText() != text) plain_->setPlainText(text);
    if (plain_->isReadOnly() != box_.locked()) plain_->setReadOnly(box_.locked());
  }
  if (keepCaret_) return;
  showSelection();
}

// A one-line box without the focus draws no selection (its caret stays where it is): the model
// keeps the selection, and the box shows it again when code gives it the focus.
void TextInput::showSelection() {
  std::pair<int, int> shown(box_.selStart(), line_ && !line_->hasFocus() ? 0 : box_.selLength());
  if (widgetSelection() != shown) setWidgetSelection(shown.first, shown.second);
}

std::string TextInput::widgetText() const {
  return line_ ? toBytes(line_->text()) : toModelText(plain_->toPlainText());
}

std::pair<int, int> TextInput::widgetSelection() const {
  if (line_) {
    if (!line_->hasSelectedText()) return {line_->cursorPosition(), 0};
    return {line_->selectionStart(), line_->selectionLength()};
  }
  QTextCursor c = plain_->textCursor();
  int start = toModelPos(box_.text(), c.selectionStart());
  return {start, toModelPos(box_.text(), c.selectionEnd()) - start};
}

void TextInput::setWidgetSelection(int start, int length) {
  if (line_) {
    if (length > 0) line_->setSelection(start, length);
    else line_->setCursorPosition(start);
    return;
  }
  const std::string& text = box_.text();
  QTextCursor c = plain_->textCursor();
  c.setPosition(toViewPos(text, start));
  c.setPosition(toViewPos(text, start + length), QTextCursor::KeepAnchor);
  plain_->setTextCursor(c);
}

void TextInput::fromWidget() {
  QWidget* editor = line_ ? static_cast<QWidget*>(line_) : plain_;
  std::string text = widgetText();
  if (text != box_.text()) {
    keepCaret_ = true;
    box_.setText(std::move(text));
    keepCaret_ = false;
    if (!view_.acting()) return;
  }
  if (!editor->hasFocus()) return;  // a focus-out deselects the widget, not the model
  auto [start, length] = widgetSelection();
  box_.setSelection(start, length);
}

QWidget* TextInput::editor() const { return line_ ? static_cast<QWidget*>(line_) : plain_; }

QWidget* TextInput::surface() const { return line_ ? static_cast<QWidget*>(line_) : plain_->viewport(); }

void TextInput::paste(const QString& text) {
  std::string bytes = toBytes(text);
  view_.post(&box_, [this, bytes] {
    fromWidget();
    if (view_.acting()) box_.paste(bytes);
  });
}

// The widget makes the edit (the key replayed past this filter) once KeyPress let it through.
void TextInput::edit(const QKeyEvent& k) {
  std::shared_ptr<QKeyEvent> pressed(k.clone());
  view_.post(&box_, [this, pressed] {
    fromWidget();
    if (!view_.acting() || !box_.userEdit()) return;
    if (!view_.acting()) return;  // KeyPress closed the window
    static_cast<QObject*>(editor())->event(pressed.get());
    fromWidget();
  });
}

// A left press on selected text of a multi-line box would start a drag of it, which no window of
// the program takes, and which a drop outside would move out of the box past KeyPress. The
// selection goes first, so the press places the caret and a drag from it selects, as anywhere
// else in the box; Shift with a press extends the selection, as before.
void TextInput::noDragFrom(const QMouseEvent& press) {
  if (press.button() != Qt::LeftButton || press.modifiers() == Qt::ShiftModifier) return;
  QTextCursor c = plain_->textCursor();
  if (!c.hasSelection()) return;
  c.clearSelection();
  plain_->setTextCursor(c);
}

void TextInput::placeCaret(QPoint at) {
  if (line_) line_->setCursorPosition(line_->cursorPositionAt(at));
  else plain_->setTextCursor(plain_->cursorForPosition(at));
}

bool TextInput::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::FocusIn && line_) {
    auto reason = static_cast<QFocusEvent*>(e)->reason();
    // Tab selects the whole text and a click places the caret; any other way in shows the model's.
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::MouseFocusReason) {
      SyncGuard guard;
      showSelection();
    }
    return false;
  }
  // The event's type first: a box being destroyed still filters its parts' events.
  if (e->type() == QEvent::MouseButtonPress && plain_ && o == surface()) noDragFrom(*static_cast<QMouseEvent*>(e));
  if (!view_.acting()) return false;
  if (o == surface() && middleButtonPaste(*e, [this](QPoint at, const QString& selection) {
        placeCaret(at);
        paste(selection);
      }))
    return true;
  if (e->type() == QEvent::KeyPress) return key(e);
  if (e->type() == QEvent::ContextMenu) return contextMenu(e);
  return false;
}

bool TextInput::key(QEvent* e) {
  auto* k = static_cast<QKeyEvent*>(e);
  if (k->matches(QKeySequence::Paste)) {
    paste(QGuiApplication::clipboard()->text());
    return true;
  }
  std::vector<int> keys;
  bool ctrl = k->modifiers() & Qt::ControlModifier;
  if (k->key() == Qt::Key_Backspace && !ctrl) {
    keys.push_back(kBackspace);
  } else if (editsText(*k)) {
    edit(*k);
    return true;
  } else if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
    keys.push_back(kEnter);
  } else {
    QString text = k->text();
    if (text.isEmpty()) return false;
    for (QChar ch : text)
      if (ch.unicode() < 32 || ch.unicode() == 127) return keyWithoutText(*k);  // a control key
    for (QChar ch : text)
      if (ch.unicode() <= 255) keys.push_back(ch.unicode());  // others have no byte: dropped
  }
  view_.post(&box_, [this, keys] {
    fromWidget();
    for (int key : keys) {
      if (!view_.acting()) break;
      box_.typeKey(key);
    }
  });
  return true;
}

// The widget takes a control key as a key alone (Tab moves the focus, Ctrl+A selects), never as
// its text: a multi-line box would type the tab of Ctrl+Alt+I, which no KeyPress saw. A key the
// widget leaves goes on to its parents, as the key itself would.
bool TextInput::keyWithoutText(QKeyEvent& k) {
  QKeyEvent alone(k.type(), k.key(), k.modifiers(), k.nativeScanCode(), k.nativeVirtualKey(), k.nativeModifiers(),
                  QString(), k.isAutoRepeat(), k.count());
  static_cast<QObject*>(editor())->event(&alone);
  k.setAccepted(alone.isAccepted());
  return true;
}

bool TextInput::contextMenu(QEvent* e) {
  execTextMenu(
      editor(), static_cast<QContextMenuEvent*>(e)->globalPos(), view_.host(),
      [this] {
        if (view_.acting()) paste(QGuiApplication::clipboard()->text());
      },
      [this](const QKeyEvent& k) {
        if (view_.acting()) edit(k);
      });
  return true;
}

}  // namespace olvex::ui::qt
