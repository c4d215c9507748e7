// Renders a window with every control kind and checks that model and widgets follow each other
// both ways, with each event raised exactly once.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>

#include "qt_fixture.h"
#include "sample_form.h"
#include "ui/qt/form_view.h"
#include "ui/xpm.h"

namespace olvex::test {
namespace {

class FormViewTest : public QtHostTest {
 protected:
  FormViewTest() : form(ui::Forms::get<SampleForm>()) {
    form.show();
    view = host->view(form);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
  }
  template <class W>
  W* widget(const ui::Control& c) {
    return dynamic_cast<W*>(view->widgetOf(c));
  }
  SampleForm& form;
  ui::qt::FormView* view = nullptr;
};

TEST_F(FormViewTest, BuildsOneWidgetPerControlKind) {
  ASSERT_NE(view, nullptr);
  struct Row { const ui::Control& control; const char* widgetClass; };
  const Row rows[] = {
      {form.label, "QLabel"},          {form.text, "QLineEdit"},         {form.memo, "QPlainTextEdit"},
      {form.check, "QCheckBox"},       {form.option[1], "QRadioButton"}, {form.button, "QPushButton"},
      {form.combo, "QComboBox"},       {form.dropList, "QComboBox"},     {form.list, "QListWidget"},
      {form.frame, "QGroupBox"},       {form.scroll, "QScrollBar"},
  };
  for (const Row& r : rows) {
    QWidget* w = view->widgetOf(r.control);
    ASSERT_NE(w, nullptr) << r.control.name();
    EXPECT_TRUE(w->inherits(r.widgetClass)) << r.control.name();
  }
  for (const ui::Control* c : {static_cast<ui::Control*>(&form.picture), static_cast<ui::Control*>(&form.image),
                               static_cast<ui::Control*>(&form.shape), static_cast<ui::Control*>(&form.line)})
    EXPECT_NE(view->widgetOf(*c), nullptr) << c->name();
  EXPECT_EQ(view->widgetOf(form.timer), nullptr);
  EXPECT_TRUE(widget<QComboBox>(form.combo)->isEditable());
  EXPECT_FALSE(widget<QComboBox>(form.dropList)->isEditable());
  EXPECT_EQ(view->windowTitle(), "Sample");
  EXPECT_EQ(view->size(), QSize(600, 500));
  // A frame holds its option buttons, placed relative to it.
  QWidget* option = view->widgetOf(form.option[2]);
  EXPECT_EQ(option->parentWidget(), view->widgetOf(form.frame));
  EXPECT_EQ(option->geometry(), QRect(10, 20 + 48, 133, 20));
  EXPECT_EQ(view->widgetOf(form.line)->geometry(), QRect(8, 287, 193, 1));
}

// The controls lie at fixed places: the window takes the form's size and no other, also after
// the form is resized from code.
TEST_F(FormViewTest, TheWindowKeepsTheFormsSize) {
  EXPECT_EQ(view->minimumSize(), QSize(600, 500));
  EXPECT_EQ(view->maximumSize(), QSize(600, 500));
  view->resize(900, 800);
  EXPECT_EQ(view->size(), QSize(600, 500));
  form.move(form.left(), form.top(), 6000, 4500);
  EXPECT_EQ(view->size(), QSize(400, 300));
  EXPECT_EQ(view->maximumSize(), QSize(400, 300));
}

TEST_F(FormViewTest, CodeChangesReachTheirWidget) {
  form.label.setCaption("Caf\xE9");
  EXPECT_EQ(widget<QLabel>(form.label)->text(), QString::fromUtf8("Café"));
  form.text.setText("12\xFF");
  EXPECT_EQ(widget<QLineEdit>(form.text)->text(), QString::fromLatin1("12\xFF"));
  form.text.setSelection(1, 2);
  EXPECT_EQ(widget<QLineEdit>(form.text)->selectionStart(), 1);
  EXPECT_EQ(widget<QLineEdit>(form.text)->selectedText().size(), 2);
  form.text.setLocked(true);
  EXPECT_TRUE(widget<QLineEdit>(form.text)->isReadOnly());
  form.memo.setText("one\r\ntwo");
  EXPECT_EQ(widget<QPlainTextEdit>(form.memo)->toPlainText(), "one\ntwo");
  form.memo.setSelection(5, 3);  // "two", after CR LF
  EXPECT_EQ(widget<QPlainTextEdit>(form.memo)->textCursor().selectedText(), "two");
  form.check.setValue(2);
  EXPECT_EQ(widget<QCheckBox>(form.check)->checkState(), Qt::PartiallyChecked);
  form.option[2].setValue(true);
  EXPECT_TRUE(widget<QRadioButton>(form.option[2])->isChecked());
  EXPECT_FALSE(widget<QRadioButton>(form.option[0])->isChecked());
  form.combo.setListIndex(1);
  EXPECT_EQ(widget<QComboBox>(form.combo)->currentText(), "beta");
  form.combo.setText("free text");
  EXPECT_EQ(widget<QComboBox>(form.combo)->currentText(), "free text");
  form.dropList.removeItem(0);
  EXPECT_EQ(widget<QComboBox>(form.dropList)->count(), 2);
  form.list.setListIndex(2);
  EXPECT_EQ(widget<QListWidget>(form.list)->currentRow(), 2);
  form.checks.setSelected(1, true);
  EXPECT_EQ(widget<QListWidget>(form.checks)->item(1)->checkState(), Qt::Checked);
  EXPECT_EQ(widget<QListWidget>(form.checks)->item(0)->checkState(), Qt::Unchecked);
  form.scroll.setValue(40);
  EXPECT_EQ(widget<QScrollBar>(form.scroll)->value(), 40);
  form.frame.setCaption("Choice");
  EXPECT_EQ(widget<QGroupBox>(form.frame)->title(), "Choice");
  form.button.setEnabled(false);
  EXPECT_FALSE(view->widgetOf(form.button)->isEnabled());
  form.label.setVisible(false);
  EXPECT_TRUE(view->widgetOf(form.label)->isHidden());
  form.label.setForeColor(ui::rgb(255, 0, 0));
  EXPECT_EQ(view->widgetOf(form.label)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  form.button.setMouseIcon(ui::kHandCursor);
  EXPECT_EQ(view->widgetOf(form.button)->cursor().shape(), Qt::PointingHandCursor);
  // A picture of the program's own: a pointer that aims with its hot spot, a button's picture;
  // both see-through where the picture has no colour.
  constexpr std::string_view kPicture = R"("2 1 2 1 1 0", ". c None", "x c #0000FF", ".x")";
  form.list.setMouseIcon({ui::MousePointer::Kind::Picture, kPicture});
  QCursor pointer = view->widgetOf(form.list)->cursor();
  EXPECT_EQ(pointer.shape(), Qt::BitmapCursor);
  EXPECT_EQ(pointer.hotSpot(), QPoint(1, 0));
  EXPECT_EQ(pointer.pixmap().toImage().pixel(0, 0), qRgba(0, 0, 0, 0));
  form.list.setMouseIcon({});
  EXPECT_FALSE(view->widgetOf(form.list)->testAttribute(Qt::WA_SetCursor));
  ui::Canvas picture;
  ui::DrawXpm(kPicture, picture, ui::kSeeThrough);
  form.button.setPicture(picture);
  QImage icon = widget<QPushButton>(form.button)->icon().pixmap(2, 1).toImage();
  EXPECT_EQ(icon.pixel(0, 0), qRgba(0, 0, 0, 0));
  EXPECT_EQ(icon.pixel(1, 0), qRgb(0, 0, 255));
  form.button.move(0, 0, 1500, 450);
  EXPECT_EQ(view->widgetOf(form.button)->geometry(), QRect(0, 0, 100, 30));
  form.setCaption("Renamed");
  EXPECT_EQ(view->windowTitle(), "Renamed");
  // Code writes raise each event once, and the view's echo adds none.
  EXPECT_EQ(form.events["Text1_Change"], 1);
  EXPECT_EQ(form.events["Check1_Click"], 1);
  EXPECT_EQ(form.events["Combo1_Click"], 1);
  EXPECT_EQ(form.events["Combo1_Change"], 1);
  EXPECT_EQ(form.events["HScroll1_Change"], 1);
  EXPECT_EQ(form.itemChecks, std::vector<int>{1});
}

TEST_F(FormViewTest, TypingPassesThroughKeyPress) {
  auto* edit = widget<QLineEdit>(form.text);
  form.text.setFocus();
  QTest::keyClicks(edit, "a1b2c3");
  settle();
  EXPECT_EQ(form.text.text(), "123");
  EXPECT_EQ(edit->text(), "123");
  EXPECT_EQ(form.events["Text1_Change"], 3);
  edit->setCursorPosition(1);
  QTest::keyClicks(edit, "9");
  settle();
  EXPECT_EQ(form.text.text(), "1923");
  EXPECT_EQ(edit->cursorPosition(), 2);
  QTest::keyClick(edit, Qt::Key_Backspace);
  settle();
  EXPECT_EQ(form.text.text(), "123");
  QTest::keyClick(edit, Qt::Key_Delete);  // acts on the widget, then writes back
  settle();
  EXPECT_EQ(form.text.text(), "13");
  EXPECT_EQ(form.text.selStart(), 1);
  EXPECT_EQ(form.events["Text1_Change"], 6);
  form.text.setMaxLength(3);
  QTest::keyClicks(edit, "4567");
  settle();
  EXPECT_EQ(form.text.text(), "143");
  QGuiApplication::clipboard()->setText("x8y");
  form.text.setText("");
  QTest::keySequence(edit, QKeySequence::Paste);
  settle();
  EXPECT_EQ(form.text.text(), "8");
}

// Opens the context menu of `w`, a text, once the keys before are done, and picks the action
// named `action` in it.
void pickFromMenu(QWidget* w, const char* action) {
  settle();
  QTimer::singleShot(0, [action] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
      ADD_FAILURE() << "no context menu";
      return;
    }
    QAction* picked = menu->findChild<QAction*>(QLatin1String(action));
    EXPECT_TRUE(picked && picked->isEnabled()) << action << " is not in the menu, or not enabled";
    if (picked) picked->trigger();
    menu->close();
  });
  QContextMenuEvent e(QContextMenuEvent::Keyboard, QPoint(4, 4), w->mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(w, &e);
  w->activateWindow();  // the closed menu leaves the focus nowhere here, unlike a window system
  w->setFocus();
}

// What reaches a text box besides typed characters passes KeyPress, in one line or many: a paste
// from the context menu a character at a time, up to the maximum length, and the edits that type
// no character, by key or from the menu, as Backspace. A box that swallows every key keeps its
// text; one that lets Backspace through takes the edit.
TEST_F(FormViewTest, EditsAndPastesInATextBoxPassKeyPress) {
  std::function<void(int&)> swallow = [](int& k) { k = 0; }, digits = [](int& k) {
    if (k != 8 && (k < '0' || k > '9')) k = 0;
  };
  for (ui::TextBox* box : {&form.text, &form.memo}) {
    QWidget* w = view->widgetOf(*box);
    auto keys = [w](std::initializer_list<QKeySequence> sequence) {
      for (const QKeySequence& k : sequence) QTest::keySequence(w, k);
    };
    const struct {
      const char* what;
      std::function<void(int&)> keyPress;
      std::function<void()> input;
      const char* text;
    } rows[] = {
        {"Delete", swallow, [&] { keys({Qt::Key_Home, Qt::Key_Delete}); }, "123"},
        {"Delete", digits, [&] { keys({Qt::Key_Home, Qt::Key_Delete}); }, "23"},
        {"cut", swallow, [&] { box->setSelection(0, 3), keys({QKeySequence::Cut}); }, "123"},
        {"word deletes", swallow,
         [&] { keys({Qt::Key_End, QKeySequence::DeleteStartOfWord, Qt::Key_Home, QKeySequence::DeleteEndOfWord}); },
         "123"},
        {"undo", digits,
         [&] {
           keys({Qt::Key_Home, Qt::Key_Delete});
           settle();
           box->onKeyPress = swallow;
           keys({QKeySequence::Undo});
           pickFromMenu(w, "edit-undo");
         },
         "23"},
        {"menu cut", swallow, [&] { box->setSelection(0, 3), pickFromMenu(w, "edit-cut"); }, "123"},
        {"menu delete", swallow, [&] { box->setSelection(0, 3), pickFromMenu(w, "edit-delete"); }, "123"},
        {"menu cut", digits, [&] { box->setSelection(0, 3), pickFromMenu(w, "edit-cut"); }, ""},
        {"menu paste", digits,
         [&] {
           box->setMaxLength(5);
           QGuiApplication::clipboard()->setText("4x56y7");
           keys({Qt::Key_End}), pickFromMenu(w, "edit-paste");
         },
         "12345"},
    };
    for (const auto& r : rows) {
      box->setMaxLength(0);
      box->setText("123");
      box->onKeyPress = r.keyPress;
      box->setFocus();
      settle();
      r.input();
      settle();
      EXPECT_EQ(box->text(), r.text) << box->name() << ": " << r.what;
    }
  }
}

// What a combo box takes from the keyboard passes KeyPress first: typed characters, a paste (by
// key or from the context menu), and the edits that change its text without typing (as
// Backspace). A box that swallows every key changes only by a choice from its list, and a list's
// search sees only what passes.
TEST_F(FormViewTest, ComboBoxTypingPassesThroughKeyPress) {
  auto* combo = widget<QComboBox>(form.combo);
  auto* drop = widget<QComboBox>(form.dropList);
  auto upperNoDigits = [](int& k) {
    if (k >= '0' && k <= '9') k = 0;
    else if (k >= 'a' && k <= 'z') k -= 32;
  };
  auto swallow = [](int& k) { k = 0; };
  const struct {
    const char* what;
    std::function<void(int&)> keyPress;
    ui::ComboBox& box;
    std::function<void()> keys;
    const char* text;
  } cases[] = {
      {"typed", upperNoDigits, form.combo, [&] { QTest::keyClicks(combo, "b1eta"); }, "BETA"},
      {"Backspace", upperNoDigits, form.combo, [&] { QTest::keyClick(combo, Qt::Key_Backspace); }, "BET"},
      {"pasted", upperNoDigits, form.combo,
       [&] {
         QGuiApplication::clipboard()->setText("x9y\nz");
         QTest::keySequence(combo, QKeySequence::Paste);
       },
       "BETXY"},
      {"Delete", upperNoDigits, form.combo,
       [&] {
         QTest::keyClick(combo, Qt::Key_Home);
         QTest::keyClick(combo, Qt::Key_Delete);
       },
       "ETXY"},
      {"swallowed", swallow, form.combo,
       [&] {
         QTest::keyClicks(combo, "q7");
         QTest::keyClick(combo, Qt::Key_Backspace);
         QTest::keyClick(combo, Qt::Key_Delete);
         QTest::keySequence(combo, QKeySequence::Paste);
         QTest::keySequence(combo, QKeySequence::Cut);
         pickFromMenu(combo->lineEdit(), "edit-paste");
         combo->lineEdit()->selectAll();
         pickFromMenu(combo->lineEdit(), "edit-cut");
       },
       "ETXY"},
      {"chosen", swallow, form.combo,
       [&] {
         form.combo.setListIndex(0);
         QTest::keyClick(combo, Qt::Key_Down);
       },
       "beta"},
      {"searched", upperNoDigits, form.dropList, [&] { QTest::keyClicks(drop, "t"); }, "two"},
      {"not searched", swallow, form.dropList, [&] { QTest::keyClicks(drop, "o"); }, "two"},
  };
  for (const auto& c : cases) {
    c.box.onKeyPress = c.keyPress;
    c.box.setFocus();
    c.keys();
    settle();
    EXPECT_EQ(c.box.text(), c.text) << c.what;
    EXPECT_EQ(widget<QComboBox>(c.box)->currentText(), c.text) << c.what;
  }
}

TEST_F(FormViewTest, MultiLineTypingKeepsCrLf) {
  auto* edit = widget<QPlainTextEdit>(form.memo);
  form.memo.setFocus();
  QTest::keyClicks(edit, "ab");
  QTest::keyClick(edit, Qt::Key_Return);
  settle();
  QTest::keyClicks(edit, "cd");
  settle();
  EXPECT_EQ(form.memo.text(), "ab\r\ncd");
  EXPECT_EQ(edit->toPlainText(), "ab\ncd");
  EXPECT_EQ(form.memo.selStart(), 6);
  QTest::keyClick(edit, Qt::Key_Up);  // the caret moves in the widget and in the model
  settle();
  EXPECT_EQ(form.memo.selStart(), 2);
  QTest::keyClick(edit, Qt::Key_Backspace);
  settle();
  EXPECT_EQ(form.memo.text(), "a\r\ncd");
  QTest::keyClick(edit, Qt::Key_Delete);  // removes the line break
  settle();
  EXPECT_EQ(form.memo.text(), "acd");
}

TEST_F(FormViewTest, ButtonsReportClicksOnceAndShowTheModelsValue) {
  // Clicks land on the indicator, inside the button's hit area.
  auto hit = [](QWidget* w) { return QPoint(6, w->height() / 2); };
  auto* check = widget<QCheckBox>(form.check);
  QTest::mouseClick(check, Qt::LeftButton, {}, hit(check));
  settle();
  EXPECT_EQ(form.check.value(), 1);
  EXPECT_EQ(check->checkState(), Qt::Checked);
  form.check.setValue(2);
  QTest::mouseClick(check, Qt::LeftButton, {}, hit(check));  // grey -> clear, as the model decides
  settle();
  EXPECT_EQ(form.check.value(), 0);
  EXPECT_EQ(check->checkState(), Qt::Unchecked);
  EXPECT_EQ(form.events["Check1_Click"], 3);

  auto* radio = widget<QRadioButton>(form.option[1]);
  QTest::mouseClick(radio, Qt::LeftButton, {}, hit(radio));
  QTest::mouseClick(radio, Qt::LeftButton, {}, hit(radio));
  settle();
  EXPECT_TRUE(form.option[1].value());
  EXPECT_FALSE(form.option[0].value());
  for (int i : {0, 1, 2}) EXPECT_EQ(widget<QRadioButton>(form.option[i])->isChecked(), i == 1) << i;
  EXPECT_EQ(form.events["Option1_Click(1)"], 1);

  QTest::mouseClick(widget<QPushButton>(form.button), Qt::LeftButton);
  settle();
  EXPECT_EQ(form.events["Command1_Click"], 1);
  form.button.setFocus();
  QTest::keyClick(widget<QPushButton>(form.button), Qt::Key_Return);
  QTest::keyClick(widget<QPushButton>(form.button), Qt::Key_Enter, Qt::KeypadModifier);
  settle();
  EXPECT_EQ(form.events["Command1_Click"], 3);
  form.button.setEnabled(false);
  QTest::mouseClick(widget<QPushButton>(form.button), Qt::LeftButton);
  settle();
  EXPECT_EQ(form.events["Command1_Click"], 3);

  QTest::mouseClick(view->widgetOf(form.label), Qt::LeftButton);
  settle();
  EXPECT_EQ(form.events["Label1_Click"], 1);
}

// A handler may open a modal window, whose loop would starve painting if it ran inside the
// input event's delivery: every handler runs once the delivery is over, in input order.
TEST_F(FormViewTest, HandlersRunAfterTheInputIsDeliveredInOrder) {
  std::vector<std::string> seen;
  auto record = [&seen](ui::Control& c) {
    c.onMouseDown = [&seen, &c](const ui::MouseEvent&) { seen.push_back(c.name() + "_MouseDown"); };
    c.onMouseUp = [&seen, &c](const ui::MouseEvent&) { seen.push_back(c.name() + "_MouseUp"); };
  };
  record(form.label);
  record(form.button);
  form.button.onClick = [&seen] { seen.push_back("Command1_Click"); };
  form.label.onClick = [&seen] { seen.push_back("Label1_Click"); };
  QTest::mouseClick(view->widgetOf(form.button), Qt::LeftButton);
  QTest::mouseClick(view->widgetOf(form.label), Qt::LeftButton);
  auto* edit = widget<QLineEdit>(form.text);
  QTest::mouseClick(edit, Qt::LeftButton);
  QTest::keyClicks(edit, "7");
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(form.text.text(), "");
  settle();
  const std::vector<std::string> order = {"Command1_MouseDown", "Command1_MouseUp", "Command1_Click",
                                          "Label1_MouseDown",   "Label1_MouseUp",   "Label1_Click"};
  EXPECT_EQ(seen, order);
  EXPECT_EQ(form.text.text(), "7");
}

// Keys are held back with the other input: the window's KeyDown sees each first and may swallow
// it, the text box types it, then KeyUp follows, in the order the keys came.
TEST_F(FormViewTest, KeysReachWindowThenTextBoxInOrder) {
  std::vector<std::string> seen;
  form.onKeyDown = [&seen](int& code, int) {
    seen.push_back("KeyDown " + std::to_string(code));
    if (code == 'X') code = 0;
  };
  form.text.onChange = [this, &seen] { seen.push_back("Change " + form.text.text()); };
  form.text.onKeyUp = [&seen](int code) { seen.push_back("KeyUp " + std::to_string(code)); };
  auto* edit = widget<QLineEdit>(form.text);
  form.text.setFocus();
  QTest::keyClicks(edit, "1X2");
  EXPECT_TRUE(seen.empty());
  settle();
  const std::vector<std::string> order = {"KeyDown 49", "Change 1", "KeyUp 49", "KeyDown 88", "KeyUp 88",
                                          "KeyDown 50", "Change 12", "KeyUp 50"};
  EXPECT_EQ(seen, order);
  EXPECT_EQ(edit->text(), "12");
}

TEST_F(FormViewTest, AClickNeedsPressAndReleaseOnTheSameControl) {
  QWidget* label = view->widgetOf(form.label);
  QWidget* picture = view->widgetOf(form.picture);
  struct Row { const char* name; QWidget* pressOn; QWidget* releaseOn; QPoint releaseAt; int labelClicks; };
  const Row rows[] = {
      {"same control", label, label, QPoint(5, 5), 1},
      {"released on another control", label, picture, QPoint(5, 5), 0},
      {"released outside the control", label, label, QPoint(-5, 5), 0},
      {"pressed elsewhere", picture, label, QPoint(5, 5), 0},
  };
  for (const Row& r : rows) {
    form.events.clear();
    QTest::mousePress(r.pressOn, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(r.releaseOn, Qt::LeftButton, {}, r.releaseAt);
    settle();
    EXPECT_EQ(form.events["Label1_Click"], r.labelClicks) << r.name;
  }
}

TEST_F(FormViewTest, AYieldTakesNoUserInput) {
  QTest::mouseClick(widget<QPushButton>(form.button), Qt::LeftButton);
  host->yield();
  EXPECT_EQ(form.events["Command1_Click"], 0);
  settle();
  EXPECT_EQ(form.events["Command1_Click"], 1);
}

TEST_F(FormViewTest, ListsAndScrollBarReportTheUsersChoice) {
  auto* drop = widget<QComboBox>(form.dropList);
  form.dropList.setFocus();
  QTest::keyClick(drop, Qt::Key_Down);
  settle();
  EXPECT_EQ(form.dropList.listIndex(), 1);
  EXPECT_EQ(form.dropList.text(), "two");
  EXPECT_EQ(form.events["Combo2_Click"], 1);

  auto* combo = widget<QComboBox>(form.combo);
  form.combo.setFocus();
  QTest::keyClicks(combo->lineEdit(), "beta");
  settle();
  EXPECT_EQ(form.combo.text(), "beta");
  EXPECT_EQ(form.combo.listIndex(), 1);  // the typed text matches an item
  EXPECT_EQ(form.events["Combo1_Change"], 4);
  EXPECT_EQ(combo->count(), 3);

  auto* list = widget<QListWidget>(form.list);
  QRect row = list->visualItemRect(list->item(2));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
  settle();
  EXPECT_EQ(form.list.listIndex(), 2);
  EXPECT_EQ(form.events["List1_Click"], 1);

  auto* checks = widget<QListWidget>(form.checks);
  checks->item(0)->setCheckState(Qt::Checked);
  settle();
  EXPECT_TRUE(form.checks.selected(0));
  EXPECT_EQ(form.itemChecks, std::vector<int>{0});

  auto* bar = widget<QScrollBar>(form.scroll);
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  settle();
  EXPECT_EQ(form.scroll.value(), 10);
  EXPECT_EQ(form.events["HScroll1_Change"], 1);
  EXPECT_EQ(form.events["HScroll1_Scroll"], 0);
  bar->setSliderDown(true);
  bar->setSliderPosition(30);
  settle();
  bar->setSliderDown(false);
  settle();
  EXPECT_EQ(form.scroll.value(), 30);
  EXPECT_EQ(form.events["HScroll1_Scroll"], 1);
  EXPECT_EQ(form.events["HScroll1_Change"], 2);
}

// A bar whose minimum is the larger number is drawn from the right; its keys still move it
// towards the end they point to (the window tests drive the ordinary bars).
TEST_F(FormViewTest, KeysMoveAnInvertedScrollBarAsItIsDrawn) {
  form.scroll.setRange(100, 0);
  form.scroll.setValue(50);
  form.scroll.setFocus();
  settle();
  const struct {
    Qt::Key key;
    int value;
  } moves[] = {{Qt::Key_Right, 49}, {Qt::Key_PageDown, 39}, {Qt::Key_Left, 40}, {Qt::Key_Up, 41},
               {Qt::Key_PageUp, 51}, {Qt::Key_Down, 50}, {Qt::Key_End, 0}, {Qt::Key_Home, 100}};
  for (const auto& m : moves) {
    QTest::keyClick(view->widgetOf(form.scroll), m.key);
    settle();
    EXPECT_EQ(form.scroll.value(), m.value) << QKeySequence(m.key).toString().toStdString();
  }
  EXPECT_EQ(form.events["HScroll1_Change"], 9);
}

// The wheel turns a combo box or scroll bar only while it has the focus, a notch as Down or Up
// moves it (an inverted bar the way it is drawn); without the focus it changes nothing.
TEST_F(FormViewTest, TheWheelTurnsOnlyTheControlWithTheFocus) {
  form.scroll.setRange(100, 0);
  form.scroll.setValue(50);
  auto turn = [&](ui::Control& c, int notches) {
    QWidget* w = view->widgetOf(c);
    QPointF at(5, 5);
    QWheelEvent e(at, w->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
    settle();
  };
  const struct {
    ui::Control& control;
    std::function<int()> value;
    int before, down;
  } rows[] = {
      {form.dropList, [&] { return form.dropList.listIndex(); }, 0, 1},
      {form.scroll, [&] { return form.scroll.value(); }, 50, 49},
  };
  for (const auto& r : rows) {
    form.text.setFocus();
    turn(r.control, -1);
    EXPECT_EQ(r.value(), r.before) << r.control.name() << " without the focus";
    EXPECT_EQ(form.activeControl(), &form.text);
    r.control.setFocus();
    turn(r.control, -1);
    EXPECT_EQ(r.value(), r.down) << r.control.name();
    turn(r.control, 1);
    EXPECT_EQ(r.value(), r.before) << r.control.name();
  }
}

TEST_F(FormViewTest, MouseEventsArriveInTwipsOnce) {
  QWidget* picture = view->widgetOf(form.picture);
  QTest::mousePress(picture, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
  QTest::mouseRelease(picture, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
  settle();
  QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(3, 4));
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(590, 490));
  settle();
  ASSERT_EQ(form.mice.size(), 3u);
  struct Want { int button, shift; double x, y; };
  const Want want[] = {{ui::kRightButton, 1, 150, 300}, {ui::kLeftButton, 0, 45, 60}, {ui::kLeftButton, 0, 8850, 7350}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(form.mice[i].button, want[i].button) << i;
    EXPECT_EQ(form.mice[i].shift, want[i].shift) << i;
    EXPECT_DOUBLE_EQ(form.mice[i].x, want[i].x) << i;
    EXPECT_DOUBLE_EQ(form.mice[i].y, want[i].y) << i;
  }
  EXPECT_EQ(form.events["Picture1_Click"], 1);
}

// A click or Tab moves the model's focus; a LostFocus handler that takes it back wins over both,
// and Qt's own moves (a programmatic setFocus) never reach the model.
TEST_F(FormViewTest, FocusFollowsTheModelWhenLostFocusTakesItBack) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(view));
  form.text.onLostFocus = [this] {
    form.count("Text1_LostFocus");
    form.text.setFocus();
  };
  form.text.setFocus();
  settle();
  EXPECT_TRUE(view->widgetOf(form.text)->hasFocus());
  auto* memo = widget<QPlainTextEdit>(form.memo);
  memo->setFocus();
  settle();
  EXPECT_EQ(form.events["Text1_LostFocus"], 0);
  QTest::mouseClick(memo->viewport(), Qt::LeftButton);
  settle();
  QTest::keyClick(view->widgetOf(form.text), Qt::Key_Tab);
  settle();
  EXPECT_EQ(form.events["Text1_LostFocus"], 2);
  EXPECT_EQ(form.activeControl(), &form.text);
  EXPECT_TRUE(view->widgetOf(form.text)->hasFocus());
}

// Tab goes through the layout's rows, top to bottom and left to right, a frame's controls at the
// frame's place; hidden, disabled and off-window controls are no stops.
TEST_F(FormViewTest, TabFollowsTheLayout) {
  struct Row {
    const char* what;
    std::function<void()> change;
    std::vector<std::string> stops;  // after Text1, by Tab; the last wraps round to Text1
  };
  const Row rows[] = {
      {"the layout", [] {}, {"Check1", "Text2", "Option1(0)", "Option1(1)", "Option1(2)", "Command1", "Combo1",
                             "Combo2", "List1", "List2", "HScroll1", "Text1"}},
      {"some controls out of reach", [this] {
         form.check.setVisible(false);
         form.option[1].setEnabled(false);
         form.button.move(-2000, 2000, 1200, 400);
       }, {"Text2", "Option1(0)", "Option1(2)", "Combo1", "Combo2", "List1", "List2", "HScroll1", "Text1"}},
  };
  auto nameOf = [](const ui::Control* c) {
    return c ? c->name() + (c->index() < 0 ? "" : "(" + std::to_string(c->index()) + ")") : "none";
  };
  for (const Row& r : rows) {
    r.change();
    form.text.setFocus();
    settle();
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < r.stops.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      settle();
      seen.push_back(nameOf(form.activeControl()));
    }
    EXPECT_EQ(seen, r.stops) << r.what;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    settle();
    EXPECT_EQ(nameOf(form.activeControl()), r.stops[r.stops.size() - 2]) << r.what;
  }
}

TEST_F(FormViewTest, ControlsAddedAndRemovedWhileShown) {
  form.option.add(3).setCaption("late");
  form.option[3].setContainer(&form.frame);
  settle();
  QWidget* late = view->widgetOf(form.option[3]);
  ASSERT_NE(late, nullptr);
  EXPECT_EQ(static_cast<QRadioButton*>(late)->text(), "late");
  EXPECT_EQ(late->parentWidget(), view->widgetOf(form.frame));
  QPointer<QWidget> gone = view->widgetOf(form.option[1]);
  form.option.remove(1);
  settle();
  EXPECT_TRUE(gone.isNull());
  form.option[3].setValue(true);  // the survivors still sync
  EXPECT_TRUE(static_cast<QRadioButton*>(late)->isChecked());
}

TEST_F(FormViewTest, CloseButtonUnloadsAndDropsTheWindow) {
  QPointer<QWidget> window = view;
  view->close();
  settle();
  EXPECT_FALSE(ui::Forms::loaded<SampleForm>());  // and freed: `form` is not read again
  settle();
  EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace olvex::test
