#pragma once
// A combo box's typing. Typed characters and pastes (by the keys, its text's context menu or the
// middle button) pass the model's KeyPress (ComboBox::typeKey, filterPaste) before the widget
// takes them: the box's text types them at the caret, a drop-down list and the open list look
// for the entry they begin. Edits that change the text without typing a character (Delete, cut,
// undo) pass as Backspace. Choosing from the list, with the mouse or the arrow keys, is the
// widget's.
#include <QObject>

#include "ui/controls.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace olvex::ui::qt {

class FormView;

class ComboInput : public QObject {
  Q_OBJECT

 public:
  // Watches `widget` and its list, and becomes the widget's child.
  ComboInput(ComboBox& box, QComboBox* widget, FormView& view);
  static ComboInput* of(QComboBox* widget);
  // The box became editable: its text takes only what the model lets through.
  void takeEdit(QLineEdit* edit);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  bool key(const QKeyEvent& k, QWidget* receiver);
  void paste(const QString& clip);

  ComboBox& box_;
  QComboBox* widget_;
  FormView& view_;
};

}  // namespace olvex::ui::qt
