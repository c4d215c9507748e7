#pragma once
// What reaches a box's text besides typed characters, shared by text boxes and a combo box's
// text: the edits that type no character (Delete, cut, undo and redo, word and line deletes),
// which pass KeyPress as Backspace before the widget makes them, and the pastes (the keys, the
// context menu, the middle button), whose characters pass KeyPress one at a time.
#include <QPoint>
#include <QString>
#include <functional>

class QEvent;
class QKeyEvent;
class QWidget;

namespace olvex::ui::qt {

class QtHost;

// The key makes an edit of the text that types no character: a standard edit key, or Backspace
// or Delete with any modifiers (a box types Backspace without Ctrl itself, before asking this).
bool editsText(const QKeyEvent& k);

// The context menu of `editor` (a QLineEdit or QPlainTextEdit), run at `globalPos`: Undo, Redo,
// Cut and Delete call `edit` with the key that makes the same edit, Paste calls `paste`, Copy
// and Select All are the widget's. (Qt's own menu makes its edits and pastes itself.)
void execTextMenu(QWidget* editor, QPoint globalPos, QtHost& host, const std::function<void()>& paste,
                  const std::function<void(const QKeyEvent&)>& edit);

// The middle button pastes the X selection where it is pressed (a second, quick press again):
// at the press, so that the MouseUp its release raises sees the box with it. The release, which
// would paste once more, does nothing. True when `e` is the middle button's; `paste` runs for a
// press, with the place in the receiver and the selection's text.
bool middleButtonPaste(const QEvent& e, const std::function<void(QPoint, const QString&)>& paste);

}  // namespace olvex::ui::qt
