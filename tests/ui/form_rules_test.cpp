#include <gtest/gtest.h>

#include "support/test_host.h"
#include "ui/test_forms.h"

namespace olvex::test {
namespace {

using ui::Forms;

class FormRules : public ::testing::Test {
 protected:
  void SetUp() override { log().events.clear(); }
  TestHost host;
  std::vector<std::string>& events() { return log().events; }
};

TEST_F(FormRules, DefaultInstanceIsCreatedAndLoadedOnFirstAccess) {
  EXPECT_FALSE(Forms::loaded<SampleForm>());
  auto& f = Forms::get<SampleForm>();
  EXPECT_TRUE(Forms::loaded<SampleForm>());
  EXPECT_FALSE(f.visible());  // touching a form loads it hidden
  EXPECT_EQ(&f, &Forms::get<SampleForm>());
  EXPECT_EQ(events(), (std::vector<std::string>{"SampleForm_Load"}));
}

TEST_F(FormRules, UnloadRunsHandlerAndNextAccessGivesDesignerValues) {
  Forms::get<SampleForm>().Text1.setText("edited");
  Forms::get<SampleForm>().unload();
  Forms::collect();
  EXPECT_FALSE(Forms::loaded<SampleForm>());
  EXPECT_EQ(Forms::get<SampleForm>().Text1.text(), "designer");
  EXPECT_EQ(events(), (std::vector<std::string>{"SampleForm_Load", "Text1_Change", "SampleForm_Unload",
                                                "SampleForm_Load"}));
  EXPECT_EQ(host.unloadedForms, (std::vector<std::string>{"SampleForm"}));
}

TEST_F(FormRules, CodeWritesRaiseEventsOnlyOnRealChange) {
  auto& f = Forms::get<SampleForm>();
  events().clear();
  f.Check1.setValue(1);
  f.Check1.setValue(1);
  f.Check1.setValue(2);
  f.Text1.setText("designer");  // unchanged
  f.Text1.setText("x");
  f.Scroll1.setValue(0);  // unchanged
  f.Scroll1.setValue(5);
  f.Boxes[2].setText("b");
  EXPECT_EQ(events(), (std::vector<std::string>{"Check1_Click", "Check1_Click", "Text1_Change",
                                                "Scroll1_Change", "Boxes_Change 2"}));
  EXPECT_THROW(f.Check1.setValue(3), std::out_of_range);
}

TEST_F(FormRules, DisablingKeepsValueAndBlocksUserClicks) {
  auto& f = Forms::get<SampleForm>();
  f.Check1.setValue(1);
  f.Check1.setEnabled(false);
  EXPECT_EQ(f.Check1.value(), 1);
  events().clear();
  f.Check1.userClick();
  EXPECT_EQ(f.Check1.value(), 1);
  f.Check1.setValue(0);  // code still writes
  EXPECT_EQ(events(), (std::vector<std::string>{"Check1_Click"}));
}

TEST_F(FormRules, UserClickCyclesCheckBox) {
  auto& f = Forms::get<SampleForm>();
  struct Row { int before, after; } rows[] = {{0, 1}, {1, 0}, {2, 0}};
  for (auto r : rows) {
    f.Check1.setValue(r.before);
    f.Check1.userClick();
    EXPECT_EQ(f.Check1.value(), r.after) << r.before;
  }
}

TEST_F(FormRules, OptionButtonsInOneContainerExcludeEachOther) {
  auto& f = Forms::get<SampleForm>();
  ui::OptionButton inFrame{f, "Option3"};
  inFrame.setContainer(&f.Frame1);
  inFrame.setValue(true);
  events().clear();
  f.Option1.setValue(true);
  f.Option2.userClick();
  f.Option2.setValue(true);  // already selected: nothing
  EXPECT_FALSE(f.Option1.value());
  EXPECT_TRUE(f.Option2.value());
  EXPECT_TRUE(inFrame.value());  // another group
  EXPECT_EQ(events(), (std::vector<std::string>{"Option1_Click", "Option2_Click"}));
}

TEST_F(FormRules, LostFocusCheckCanTakeTheFocusBack) {
  auto& f = Forms::get<SampleForm>();
  f.Text1.setFocus();
  f.Text1.setText("");
  events().clear();
  f.Text2.setFocus();
  EXPECT_TRUE(f.Text1.hasFocus());
  // Text2 never got the focus, so it never loses it either.
  EXPECT_EQ(events(), (std::vector<std::string>{"Text1_LostFocus"}));
  f.Text1.setText("ok");
  events().clear();
  f.Text2.setFocus();
  EXPECT_TRUE(f.Text2.hasFocus());
  EXPECT_EQ(events(), (std::vector<std::string>{"Text1_LostFocus", "Text2_GotFocus"}));
}

// Closing a window leaves its field first: a check that takes the focus back keeps the window.
// A field left so loses the focus once, whatever close follows, and has it again when the window
// is shown again, so the next move checks it again.
TEST_F(FormRules, ClosingLeavesTheFocusedFieldOnce) {
  auto& f = Forms::get<SampleForm>();
  f.onCloseBox = [&f] { f.hide(); };
  f.show();
  f.Text1.setFocus();
  f.Text1.setText("");
  f.Text2.setFocus();  // refused: Text1 keeps the focus
  events().clear();
  f.userClose();
  EXPECT_TRUE(f.visible() && f.Text1.hasFocus());
  f.Text1.setText("ok");
  f.Text2.setFocus();
  f.userClose();
  f.userClose();
  EXPECT_FALSE(f.visible());
  EXPECT_TRUE(f.Text2.hasFocus());
  f.show();
  f.Text1.setFocus();
  EXPECT_EQ(events(), (std::vector<std::string>{"Text1_LostFocus", "Text1_Change", "Text1_LostFocus", "Text2_GotFocus",
                                                "Text2_LostFocus", "Text2_GotFocus", "Text2_LostFocus"}));
}

TEST_F(FormRules, DisabledControlsAndFramesCannotTakeFocus) {
  auto& f = Forms::get<SampleForm>();
  f.Text2.setEnabled(false);
  f.Text2.setFocus();
  f.Frame1.setFocus();  // a frame, like a label or a picture, never holds the focus
  EXPECT_EQ(f.activeControl(), nullptr);
}

// A second window class, loaded beside SampleForm.
class OtherForm : public ui::Form {
 public:
  OtherForm() : Form("OtherForm") {}
};

TEST_F(FormRules, EachWindowClassHasItsOwnDefaultInstance) {
  auto& sample = Forms::get<SampleForm>();
  auto& other = Forms::get<OtherForm>();
  EXPECT_EQ(Forms::all(), (std::vector<ui::Form*>{&sample, &other}));
  sample.unload();
  EXPECT_FALSE(Forms::loaded<SampleForm>());
  EXPECT_TRUE(Forms::loaded<OtherForm>());
  EXPECT_FALSE(Forms::isLoaded(sample));
  EXPECT_EQ(&Forms::get<OtherForm>(), &other);
  auto& fresh = Forms::get<SampleForm>();
  EXPECT_TRUE(Forms::isLoaded(fresh));
  EXPECT_EQ(Forms::all(), (std::vector<ui::Form*>{&other, &fresh}));
  Forms::reset();
  EXPECT_FALSE(Forms::loaded<SampleForm>());
  EXPECT_FALSE(Forms::loaded<OtherForm>());
  EXPECT_TRUE(Forms::all().empty());
}

// A window that code never placed opens centred over the active window (else in the work area)
// and inside the work area, again at every show; one that code placed opens where it was put.
TEST_F(FormRules, AWindowWithoutAPlaceOpensCentredOverItsOpener) {
  struct Case {
    const char* what;
    bool active, shown;     // the opener, 6000 x 3000 twips
    int openerLeft, openerTop;
    int left, top;          // of the 4800 x 3600 window, in a work area of 15360 x 11520 twips
  };
  const Case cases[] = {
      {"over its opener", true, true, 3000, 1500, 3600, 1200},
      {"no window active: in the work area", false, true, 3000, 1500, 5280, 3960},
      {"the opener hidden: in the work area", true, false, 3000, 1500, 5280, 3960},
      {"kept inside at the top", true, true, 0, 0, 600, 0},
      {"kept inside at the bottom right", true, true, 12000, 9000, 10560, 7920},
  };
  auto& opener = Forms::get<OtherForm>();
  auto& f = Forms::get<SampleForm>();
  for (const Case& c : cases) {
    opener.move(c.openerLeft, c.openerTop, 6000, 3000);
    c.shown ? opener.show() : opener.hide();
    host.active = c.active ? &opener : nullptr;
    f.hide();
    f.show();
    EXPECT_EQ(f.left(), c.left) << c.what;
    EXPECT_EQ(f.top(), c.top) << c.what;
  }
  f.movedTo(150, 300);  // the window system moved it
  f.hide();
  f.show();
  EXPECT_EQ(f.left(), 10560);
  f.setLeft(150);
  f.hide();
  f.show();
  EXPECT_EQ(f.left(), 150);
}

// A modal window takes the keyboard from the window it opens over: the field there is left first
// and has the focus again once the modal window is closed; a check that refuses keeps the modal
// window closed. A modeless window, or one opened over no shown window, leaves nothing. Code about
// to show something else in a window checks its field the same way, in place.
TEST_F(FormRules, AModalWindowLeavesTheFieldOfTheWindowItOpensOver) {
  auto& f = Forms::get<SampleForm>();
  auto& other = Forms::get<OtherForm>();
  host.onShow = [](ui::Form& shown, bool) { log().add(shown.name() + " shown"); };
  f.show();
  f.Text2.setFocus();
  const struct {
    const char* what;
    bool modal, active, openerShown;
    std::vector<std::string> events;
  } cases[] = {
      {"modal", true, true, true, {"Text2_LostFocus", "OtherForm shown", "Text2_GotFocus"}},
      {"modeless", false, true, true, {"OtherForm shown"}},
      {"no window active", true, false, true, {"OtherForm shown"}},
      {"the opener hidden", true, true, false, {"OtherForm shown"}},
  };
  for (const auto& c : cases) {
    c.openerShown ? f.show() : f.hide();
    host.active = c.active ? &f : nullptr;
    events().clear();
    other.show(c.modal);
    other.hide();
    EXPECT_EQ(events(), c.events) << c.what;
  }
  f.show();
  host.active = &f;
  events().clear();
  EXPECT_TRUE(f.checkField());
  f.Text1.setFocus();
  f.Text1.setText("");
  other.show(true);
  EXPECT_FALSE(other.visible());
  EXPECT_FALSE(f.checkField());
  EXPECT_TRUE(f.Text1.hasFocus());
  EXPECT_EQ(events(), (std::vector<std::string>{"Text2_LostFocus", "Text2_GotFocus", "Text2_LostFocus",
                                                "Text1_Change", "Text1_LostFocus", "Text1_LostFocus"}));
}

TEST_F(FormRules, ControlArrayKeepsHoles) {
  auto& f = Forms::get<SampleForm>();
  EXPECT_EQ(f.Boxes.indexes(), (std::vector<int>{0, 2}));
  EXPECT_FALSE(f.Boxes.exists(1));
  EXPECT_THROW(f.Boxes[1], std::out_of_range);
  EXPECT_EQ(f.Boxes[2].index(), 2);
  EXPECT_EQ(f.Boxes.ubound(), 2);
}

TEST_F(FormRules, ControlArrayAddAndRemoveKeepIndexesAndTheFormsControls) {
  auto& f = Forms::get<SampleForm>();
  auto controls = f.controls().size();
  f.Boxes.add(5);
  EXPECT_EQ(f.Boxes.indexes(), (std::vector<int>{0, 2, 5}));
  EXPECT_EQ(f.Boxes.ubound(), 5);
  f.Boxes.remove(5);  // the last: the bound goes back to the element before the holes
  f.Boxes.remove(7);  // no such element
  EXPECT_EQ(f.Boxes.ubound(), 2);
  f.Boxes.remove(0);
  EXPECT_EQ(f.Boxes.indexes(), (std::vector<int>{2}));
  EXPECT_EQ(f.Boxes.count(), 1);
  EXPECT_EQ(f.controls().size(), controls - 1);
  EXPECT_THROW(f.Boxes.add(-1), std::out_of_range);
  EXPECT_FALSE(f.Boxes.exists(-1));
  f.Boxes.remove(2);
  EXPECT_EQ(f.Boxes.ubound(), -1);
  EXPECT_EQ(f.Boxes.count(), 0);
  f.Boxes.add(1).setText("again");  // events still route with the index
  EXPECT_EQ(events().back(), "Boxes_Change 1");
}

TEST_F(FormRules, ComboAndListSelection) {
  auto& f = Forms::get<SampleForm>();
  for (auto s : {"47", "48", "49"}) f.Combo1.addItem(s);
  events().clear();
  f.Combo1.setListIndex(1);
  EXPECT_EQ(f.Combo1.text(), "48");
  f.Combo1.setText("49");  // editable combo: Change, and the index follows the item
  EXPECT_EQ(f.Combo1.listIndex(), 2);
  f.Combo1.setText("free");
  EXPECT_EQ(f.Combo1.listIndex(), -1);
  f.List1.setCheckBoxes(true);
  f.List1.addItem("a");
  f.List1.addItem("b");
  f.List1.setSelected(1, true);
  f.List1.setSelected(1, true);
  EXPECT_EQ(events(), (std::vector<std::string>{"Combo1_Click", "Combo1_Change", "Combo1_Change",
                                                "List1_ItemCheck 1"}));
  f.Combo1.setStyle(ui::ComboBox::Style::DropDownList);
  EXPECT_THROW(f.Combo1.setText("nope"), std::invalid_argument);
}

TEST_F(FormRules, ScrollBarClampsToRange) {
  auto& f = Forms::get<SampleForm>();
  f.Scroll1.setValue(40000);
  EXPECT_EQ(f.Scroll1.value(), 32767);  // the end of the range a new bar has
  f.Scroll1.setRange(0, 10);
  f.Scroll1.setValue(50);
  EXPECT_EQ(f.Scroll1.value(), 10);
  f.Scroll1.setRange(0, 4);  // the value follows the shrunk range
  EXPECT_EQ(f.Scroll1.value(), 4);
}

TEST_F(FormRules, TimersTickOnlyWhenEnabledWithInterval) {
  auto& f = Forms::get<SampleForm>();
  ui::Timer t{f, "Timer1"};
  int ticks = 0;
  t.onTimer = [&] { ++ticks; };
  host.tickTimers();
  t.setInterval(10);
  host.tickTimers();
  t.setEnabled(false);
  host.tickTimers();
  EXPECT_EQ(ticks, 1);
}

TEST_F(FormRules, TimersOfAnUnloadedFormNeverRun) {
  auto& f = Forms::get<SampleForm>();
  f.Timer1.setInterval(10);
  host.tickTimers();
  f.unload();
  f.Timer1.setEnabled(false);  // a handler still holding the old instance re-arms its timer
  f.Timer1.setEnabled(true);
  host.tickTimers();
  f.Timer1.tick();
  EXPECT_EQ(events(), (std::vector<std::string>{"SampleForm_Load", "Timer1_Timer", "SampleForm_Unload"}));
}

}  // namespace
}  // namespace olvex::test
