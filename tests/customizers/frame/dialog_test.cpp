// The frame's rules on a small dialog that uses every kind of row.
#include <gtest/gtest.h>

#include <vector>

#include "customizers/frame/dialog.h"
#include "support/test_host.h"

namespace olvex::customizers {
namespace {

void tickPreview(Dialog& d);

const FieldRow kFields[] = {
    {"Text1", 0, 5, Filter::Digit, 3, clampTo(255)},
    {"Text1", 0, 0, Filter::Hex, 2, hexWidth(2)},  // overrides the row above
    {"Text1", 4, 4, Filter::Signed, 4, clampTo(-128, 127)},
    {"Text1", 5, 5, Filter::Digit, 3, clampTo(1, 127, "1")},
    {"Text2", -1, -1, Filter::Hex, 4, hexWidth(4)},
    {"Text3", -1, -1, Filter::Digit, 3, required(99)},
    {"Text4", -1, -1, Filter::Digit, 3, announced(127)},
    {"Combo1", -1, -1, Filter::Swallow, 0},
};
const Swatch kSwatches[] = {{"Shape1", "Text1", 3, 2, 1}};
const Coupling kCouplings[] = {
    {"Check1", "Text6", -1, -1},
    {"Check1", "Check2", -1, -1, false},
};
const ReadoutEntry kReadings[] = {{"off", 0}, {"low", 140}, {"high"}};
const Readout kReadouts[] = {{"HScroll1", "Text5", -1, -1, kReadings}};
const Preview kPreviews[] = {{"Timer1", 500, true, &tickPreview}};
const FocusRedirect kRedirects[] = {{"Option1", 0, 1, "Command3"}};
const Place kLayout[] = {
    {"Frame1", -1, 120, 120, 3000, 2000, "colours"},
    {"Text1", 1, 120, 240, 600, 285, "10", "Frame1"},
    {"Text1", 2, 120, 600, 600, 285, "20"},
    {"Text1", 3, 120, 960, 600, 285, "30"},
    {"Check1", -1, 120, 1320, 2000, 255, "override"},
};

const DialogTable kTable{
    .caption = "Sample customizer",
    .scope = "gfx",
    .layout = kLayout,
    .fields = kFields,
    .swatches = kSwatches,
    .couplings = kCouplings,
    .readouts = kReadouts,
    .previews = kPreviews,
    .redirects = kRedirects,
};

class Sample : public Dialog {
 public:
  Sample() : Dialog("Sample", kTable) {
    addRange(Text1, 0, 5);
    addRange(Option1, 0, 1);
    HScroll1.setRange(-1, 1);
    Text1.onLostFocus = [this](int i) { ownLeaves.push_back(i); };
    Text2.onKeyPress = [this](int& key) { ownKeys.push_back(key); };
    build();
  }
  ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};
  ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};
  ui::TextBox Text2{*this, "Text2"}, Text3{*this, "Text3"}, Text4{*this, "Text4"}, Text5{*this, "Text5"},
      Text6{*this, "Text6"};
  ui::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"};
  ui::Shape Shape1{*this, "Shape1"};
  ui::Frame Frame1{*this, "Frame1"};
  ui::ComboBox Combo1{*this, "Combo1"};
  ui::HScrollBar HScroll1{*this, "HScroll1"};
  ui::Timer Timer1{*this, "Timer1"};
  ui::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"}, Command3{*this, "Command3"};
  std::vector<int> ownLeaves, ownKeys;
  int ticks = 0;
};

void tickPreview(Dialog& d) { ++static_cast<Sample&>(d).ticks; }

class FrameTest : public ::testing::Test {
 protected:
  Sample& dialog() { return ui::Forms::get<Sample>(); }
  // The user moves from `from` into `to`.
  void leave(ui::Control& from, ui::Control& to) {
    from.setFocus();
    to.setFocus();
  }
  test::TestHost host;
};

TEST(LeaveRules, EachKindGivesItsTextAndMessage) {
  struct Case {
    LeaveRule rule;
    const char* text;
    const char* after;
    const char* message;
  };
  const Case cases[] = {
      {hexWidth(2), "A", "A", "You must fill this field with two hexadecimal symbols!"},
      {hexWidth(2), "", "", "You must fill this field with two hexadecimal symbols!"},
      {hexWidth(4), "7FF", "7FF", "You must fill this field with four hexadecimal symbols!"},
      {hexWidth(8), "1234567", "1234567", "You must fill this field with eight hexadecimal symbols!"},
      {hexWidth(2), "1C", "1C", ""},
      {clampTo(255), "300", "255", ""},
      {clampTo(255), "", "0", ""},
      {clampTo(255), "12abc", "12", ""},  // no number as a whole: its leading number
      {clampTo(-128, 127), "200", "127", ""},
      {clampTo(-128, 127), "-200", "-128", ""},
      {clampTo(-128, 127), "-", "0", ""},  // no number: as empty
      {clampTo(255), "&HFF", "&HFF", ""},
      {clampTo(4, 1092), "2", "4", ""},
      {clampTo(4, 1092), "2000", "1092", ""},
      {clampTo(4, 1092), "", "0", ""},  // the minimum holds for a number typed
      {clampTo(1, 127, "1"), "", "1", ""},
      {clampTo(1, 127, "1"), "0", "1", ""},
      {required(255), "", "", "You must fill this field with at least one digit!"},
      {required(255), "999", "255", ""},
      {announced(127), "200", "127", "Maximum value for this field is 127!"},
      {announced(32767), "40000", "32767", "Maximum value for this field is 32767!"},
      {announced(127), "", "", "You must fill this field with at least one digit!"},
      {trimmed(), "  Tom Jerry ", "Tom Jerry", ""},
      {trimmed(), "   ", "", ""},
      {{}, "anything", "anything", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    LeaveOutcome out = CheckLeave(c.rule, c.text);
    EXPECT_EQ(out.text, c.after);
    EXPECT_EQ(out.message, c.message);
  }
}

TEST(Swatches, ComponentsAreRoundedAndHeldToAByte) {
  EXPECT_EQ(SwatchColour("255", "128", "0"), 0x0080FFu);
  EXPECT_EQ(SwatchColour("300", "", "x"), 0x0000FFu);
  EXPECT_EQ(SwatchColour("-5", "2.5", "3.5"), 0x040200u);  // halves to the even neighbour
  EXPECT_EQ(SwatchColour("1e9", "16", "32"), 0x2010FFu);
}

TEST_F(FrameTest, CaptionLayoutAndContainersComeFromTheTables) {
  Sample& d = dialog();
  EXPECT_EQ(d.caption(), "Sample customizer");
  EXPECT_EQ(d.Text1[1].text(), "10");
  EXPECT_EQ(d.Text1[1].container(), &d.Frame1);
  EXPECT_EQ(d.Frame1.caption(), "colours");
  EXPECT_EQ(d.Check1.caption(), "override");
  EXPECT_EQ(d.Text1[0].maxLength(), 2);
  EXPECT_EQ(d.Text1[4].maxLength(), 4);
  EXPECT_EQ(d.Text1[2].maxLength(), 3);
}

TEST_F(FrameTest, TypedKeysPassTheRowsFilter) {
  Sample& d = dialog();
  d.Text1[0].setText("");
  d.Text1[0].typeText("a-9z");
  EXPECT_EQ(d.Text1[0].text(), "A9");
  d.Text1[2].setText("");
  d.Text1[2].typeText("1a-2");
  EXPECT_EQ(d.Text1[2].text(), "12");
  d.Text1[4].typeText("-5x");
  EXPECT_EQ(d.Text1[4].text(), "-5");
  d.Text1[4].typeKey(8);
  EXPECT_EQ(d.Text1[4].text(), "-");
  d.Text2.typeText("g1");
  EXPECT_EQ(d.ownKeys, std::vector<int>{'1'});  // the dialog's own handler sees the keys let through
  d.Combo1.setText("20");
  int key = '5';
  d.Combo1.onKeyPress(key);
  EXPECT_EQ(key, 0);
}

TEST_F(FrameTest, AShortHexFieldCannotBeLeftAndKeepsItsText) {
  Sample& d = dialog();
  d.Text2.setText("7FF");
  for (int attempt = 0; attempt < 3; ++attempt) leave(d.Text2, d.Text3);
  EXPECT_EQ(host.texts(), std::vector<std::string>(3, "You must fill this field with four hexadecimal symbols!"));
  EXPECT_EQ(d.activeControl(), &d.Text2);
  EXPECT_EQ(d.Text2.text(), "7FF");
}

TEST_F(FrameTest, ClampsRunSilentlyAndThenTheDialogsOwnHandler) {
  Sample& d = dialog();
  d.Text1[2].setText("300");
  leave(d.Text1[2], d.Command3);
  d.Text1[5].setText("");
  leave(d.Text1[5], d.Command3);
  EXPECT_EQ(d.Text1[2].text(), "255");
  EXPECT_EQ(d.Text1[5].text(), "1");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(d.ownLeaves, (std::vector<int>{2, 5}));
  // A failed check skips the dialog's own handler.
  d.Text1[0].setText("1");
  leave(d.Text1[0], d.Command3);
  EXPECT_EQ(d.ownLeaves, (std::vector<int>{2, 5}));
}

TEST_F(FrameTest, AnnouncedMaximumSetsTheTextAndTakesTheFocusBack) {
  Sample& d = dialog();
  d.Text4.setText("500");
  leave(d.Text4, d.Text2);
  EXPECT_EQ(d.Text4.text(), "127");
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Maximum value for this field is 127!"});
  EXPECT_EQ(d.activeControl(), &d.Text4);
}

TEST_F(FrameTest, TwoFailingFieldsNeverBounceMessagesAtEachOther) {
  Sample& d = dialog();
  d.Text2.setText("1");
  d.Text3.setText("");
  // While the first message is up the view reports the focus in the second failing field;
  // giving the focus back to the first must not run the second one's check.
  host.onMessage = [&](const ui::Message&) { d.Text3.setFocus(); };
  leave(d.Text2, d.Text4);
  EXPECT_EQ(host.texts(), std::vector<std::string>{"You must fill this field with four hexadecimal symbols!"});
  EXPECT_EQ(d.activeControl(), &d.Text2);
  host.onMessage = nullptr;
  // The guard is cleared again: the next leave is checked.
  leave(d.Text2, d.Text4);
  EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(FrameTest, SwatchFollowsItsTripleOnlyAndLoadedValues) {
  Sample& d = dialog();
  EXPECT_EQ(d.Shape1.fillColor(), ui::rgb(30, 20, 10));  // red 3, green 2, blue 1
  d.Text1[3].setText("300");
  EXPECT_EQ(d.Shape1.fillColor(), ui::rgb(255, 20, 10));
  d.Text1[1].setText("7");
  EXPECT_EQ(d.Shape1.fillColor(), ui::rgb(255, 20, 7));
  d.Text1[4].setText("99");
  EXPECT_EQ(d.Shape1.fillColor(), ui::rgb(255, 20, 7));
}

TEST_F(FrameTest, CouplingsFollowTheCheckBoxAndKeepValues) {
  Sample& d = dialog();
  EXPECT_FALSE(d.Text6.enabled());
  EXPECT_TRUE(d.Check2.enabled());
  d.Check2.setValue(1);
  d.Text6.setText("kept");
  d.Check1.setValue(1);
  EXPECT_TRUE(d.Text6.enabled());
  EXPECT_FALSE(d.Check2.enabled());
  EXPECT_EQ(d.Check2.value(), 1);
  d.Check1.setValue(2);  // grey is not checked
  EXPECT_FALSE(d.Text6.enabled());
  EXPECT_EQ(d.Text6.text(), "kept");
  EXPECT_TRUE(d.Check2.enabled());
}

TEST_F(FrameTest, ReadoutShowsThePositionsTextAndColours) {
  Sample& d = dialog();
  EXPECT_EQ(d.Text5.text(), "low");
  d.HScroll1.setValue(-1);
  EXPECT_EQ(d.Text5.text(), "off");
  EXPECT_EQ(d.Text5.backColor(), 0u);
  EXPECT_EQ(d.Text5.foreColor(), 0xFFFFFFu);
  d.HScroll1.setValue(0);
  EXPECT_EQ(d.Text5.backColor(), ui::rgb(140, 140, 140));
  EXPECT_EQ(d.Text5.foreColor(), 0u);
  d.HScroll1.setValue(1);
  EXPECT_EQ(d.Text5.text(), "high");
  EXPECT_EQ(d.Text5.backColor(), ui::rgb(140, 140, 140));  // no colour of its own
}

TEST_F(FrameTest, PreviewTimerTicksAndFocusRedirects) {
  Sample& d = dialog();
  EXPECT_EQ(d.Timer1.interval(), 500);
  host.tickTimers();
  host.tickTimers();
  EXPECT_EQ(d.ticks, 2);
  d.Option1[1].userClick();
  d.Option1[1].setFocus();
  EXPECT_TRUE(d.Option1[1].value());
  EXPECT_EQ(d.activeControl(), &d.Command3);
}

TEST_F(FrameTest, ApplyAndTitleBarCloseOnlyHide) {
  Sample& d = dialog();
  d.open();
  EXPECT_EQ(host.shown, std::vector<std::string>{"Sample"});
  d.Text1[2].setText("42");
  d.Command1.userClick();
  EXPECT_FALSE(d.visible());
  d.open();
  d.userClose();
  EXPECT_TRUE(ui::Forms::loaded<Sample>());
  EXPECT_EQ(dialog().Text1[2].text(), "42");
}

}  // namespace
}  // namespace olvex::customizers
