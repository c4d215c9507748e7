#pragma once
// A text box's editor widget. Typed characters, Backspace, Enter and pastes (by the keys, the
// context menu or the middle button) go through the model (TextBox::typeKey / paste, so KeyPress
// filters them and the maximum length holds); the edits that type no character pass KeyPress as
// Backspace (TextBox::userEdit) before the widget makes them, and the result is written back
// with setText. Control keys reach the widget without their text, and a multi-line box starts no
// drag of its text. The caret follows the model both ways.
#include <QObject>
#include <QPoint>
#include <utility>

#include "ui/controls.h"

class QKeyEvent;
class QLineEdit;
class QMouseEvent;
class QPlainTextEdit;
class QWidget;

namespace olvex::ui::qt {

class FormView;

class TextInput : public QObject {
  Q_OBJECT

 public:
  // Watches `editor` (a QLineEdit or QPlainTextEdit) and becomes its child.
  TextInput(TextBox& box, QWidget* editor, FormView& view);
  static QWidget* createEditor(TextBox& box, FormView& view);
  static TextInput* of(QWidget* editor);
  void sync();  // model -> widget

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  bool key(QEvent* e);
  bool keyWithoutText(QKeyEvent& k);
  bool contextMenu(QEvent* e);
  void paste(const QString& text);
  void edit(const QKeyEvent& k);
  void placeCaret(QPoint at);  // where the editing surface was clicked
  void noDragFrom(const QMouseEvent& press);
  QWidget* editor() const;
  QWidget* surface() const;  // what the mouse presses on
  void fromWidget();  // the widget changed: text, then caret, to the model
  std::string widgetText() const;
  std::pair<int, int> widgetSelection() const;  // start and length in model positions
  void setWidgetSelection(int start, int length);
  void showSelection();

  TextBox& box_;
  QLineEdit* line_ = nullptr;
  QPlainTextEdit* plain_ = nullptr;
  FormView& view_;
  bool keepCaret_ = false;  // writing the widget's text back: its caret stays where it is
};

}  // namespace olvex::ui::qt
