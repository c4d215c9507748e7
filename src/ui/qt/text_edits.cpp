#include "ui/qt/text_edits.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <algorithm>
#include <iterator>

#include "ui/qt/qt_host.h"

namespace olvex::ui::qt {

namespace {

constexpr QKeySequence::StandardKey kTextEdits[] = {
    QKeySequence::Delete,          QKeySequence::Cut,           QKeySequence::Undo,
    QKeySequence::Redo,            QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
    QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine,
};

// Keys that edit whatever modifiers they carry: a one-line box deletes a word for Backspace with
// Ctrl and any other modifier, not only for the standard Ctrl+Backspace.
constexpr int kEditKeys[] = {Qt::Key_Backspace, Qt::Key_Delete};

// What the context menu looks at in the text.
struct TextState {
  bool undo, redo, selection, readOnly, empty;
};

TextState stateOf(QWidget* editor) {
  if (auto* line = qobject_cast<QLineEdit*>(editor))
    return {line->isUndoAvailable(), line->isRedoAvailable(), line->hasSelectedText(), line->isReadOnly(),
            line->text().isEmpty()};
  auto* plain = static_cast<QPlainTextEdit*>(editor);
  return {plain->document()->isUndoAvailable(), plain->document()->isRedoAvailable(),
          plain->textCursor().hasSelection(), plain->isReadOnly(), plain->document()->isEmpty()};
}

enum class Use { Edit, Paste, Widget };

// The context menu, as Qt's standard one; a null text is a separator.
constexpr struct MenuItem {
  const char* text;
  const char* name;  // the object name, as newer Qt names its own
  QKeySequence::StandardKey key;
  Use use;
  bool (*enabled)(const TextState&);
} kMenu[] = {
    {"&Undo", "edit-undo", QKeySequence::Undo, Use::Edit, [](const TextState& s) { return s.undo && !s.readOnly; }},
    {"&Redo", "edit-redo", QKeySequence::Redo, Use::Edit, [](const TextState& s) { return s.redo && !s.readOnly; }},
    {},
    {"Cu&t", "edit-cut", QKeySequence::Cut, Use::Edit, [](const TextState& s) { return s.selection && !s.readOnly; }},
    {"&Copy", "edit-copy", QKeySequence::Copy, Use::Widget, [](const TextState& s) { return s.selection; }},
    {"&Paste", "edit-paste", QKeySequence::Paste, Use::Paste,
     [](const TextState& s) { return !s.readOnly && !QGuiApplication::clipboard()->text().isEmpty(); }},
    {"Delete", "edit-delete", QKeySequence::Delete, Use::Edit,
     [](const TextState& s) { return s.selection && !s.readOnly; }},
    {},
    {"Select All", "select-all", QKeySequence::SelectAll, Use::Widget, [](const TextState& s) { return !s.empty; }},
};

// The key event of a standard key, as the platform binds it first.
QKeyEvent keyOf(QKeySequence::StandardKey key) {
  QKeyCombination c = QKeySequence(key)[0];
  return QKeyEvent(QEvent::KeyPress, c.key(), c.keyboardModifiers());
}

}  // namespace

bool editsText(const QKeyEvent& k) {
  return std::find(std::begin(kEditKeys), std::end(kEditKeys), k.key()) != std::end(kEditKeys) ||
         std::any_of(std::begin(kTextEdits), std::end(kTextEdits), [&k](auto edit) { return k.matches(edit); });
}

void execTextMenu(QWidget* editor, QPoint globalPos, QtHost& host, const std::function<void()>& paste,
                  const std::function<void(const QKeyEvent&)>& edit) {
  TextState state = stateOf(editor);
  QPointer<QMenu> menu = new QMenu(editor);
  for (const MenuItem& item : kMenu) {
    if (!item.text) {
      menu->addSeparator();
      continue;
    }
    QString shortcut = QKeySequence(item.key).toString(QKeySequence::NativeText);
    QAction* a = menu->addAction(QString::fromLatin1(item.text) + (shortcut.isEmpty() ? "" : "\t" + shortcut));
    a->setObjectName(QString::fromLatin1(item.name));
    a->setEnabled(item.enabled(state));
    QObject::connect(a, &QAction::triggered, menu, [editor, paste, edit, key = item.key, use = item.use] {
      QKeyEvent k = keyOf(key);
      if (use == Use::Edit) edit(k);
      else if (use == Use::Paste) paste();
      else static_cast<QObject*>(editor)->event(&k);
    });
  }
  {
    QtHost::Nested nested(host);
    menu->exec(globalPos);
  }
  delete menu;
}

bool middleButtonPaste(const QEvent& e, const std::function<void(QPoint, const QString&)>& paste) {
  bool press = e.type() == QEvent::MouseButtonPress || e.type() == QEvent::MouseButtonDblClick;
  if (!press && e.type() != QEvent::MouseButtonRelease) return false;
  const auto& m = static_cast<const QMouseEvent&>(e);
  if (m.button() != Qt::MiddleButton) return false;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (press && clipboard->supportsSelection()) paste(m.position().toPoint(), clipboard->text(QClipboard::Selection));
  return true;
}

}  // namespace olvex::ui::qt
