#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_host.h"
#include "ui/box_lines.h"
#include "ui/test_forms.h"

namespace olvex::test {
namespace {

// Passes digits and Backspace, upper-cases nothing: the shape of the program's key filters.
void digitsOnly(int& key) {
  if (key != 8 && (key < '0' || key > '9')) key = 0;
}

class TextBoxTest : public ::testing::Test {
 protected:
  TestHost host;
  SampleForm& f = ui::Forms::get<SampleForm>();
  ui::TextBox& box = f.Text2;
};

TEST_F(TextBoxTest, TypingAndPastingPassTheKeyFilter) {
  box.onKeyPress = digitsOnly;
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.typeText("1a2");
  EXPECT_EQ(box.text(), "12");
  EXPECT_EQ(changes, 2);
  box.paste("3x4\r\n5");  // single line: stops at the line break
  EXPECT_EQ(box.text(), "1234");
  EXPECT_EQ(changes, 3);
  box.typeKey(8);
  EXPECT_EQ(box.text(), "123");
  box.paste("zz");  // nothing left after filtering: no Change
  EXPECT_EQ(changes, 4);
}

// An edit that types no character (Delete, cut, undo) asks KeyPress as Backspace: made when it
// passes, refused when swallowed, and a key KeyPress makes of it is typed instead. A key turned
// into a control code or into no byte types nothing.
TEST_F(TextBoxTest, EditsThatTypeNoCharacterAskKeyPressAsBackspace) {
  box.setText("12");
  box.setSelection(2, 0);
  std::vector<int> asked;
  int turnInto = 8;
  box.onKeyPress = [&](int& key) {
    asked.push_back(key);
    key = turnInto;
  };
  EXPECT_TRUE(box.userEdit());
  turnInto = 0;
  EXPECT_FALSE(box.userEdit());
  turnInto = '7';
  EXPECT_FALSE(box.userEdit());
  EXPECT_EQ(box.text(), "127");
  for (int code : {1, 9, 31, 256}) {
    turnInto = code;
    box.typeKey('5');
    EXPECT_FALSE(box.userEdit());
  }
  EXPECT_EQ(box.text(), "127");
  EXPECT_EQ(asked, (std::vector<int>{8, 8, 8, '5', 8, '5', 8, '5', 8, '5', 8}));
  box.setLocked(true);
  turnInto = 8;
  EXPECT_FALSE(box.userEdit());
}

TEST_F(TextBoxTest, MaxLengthAndSelectionReplace) {
  box.setMaxLength(4);
  box.typeText("abcdef");
  EXPECT_EQ(box.text(), "abcd");
  box.setSelection(1, 2);
  box.paste("XYZ");
  EXPECT_EQ(box.text(), "aXYd");
  EXPECT_EQ(box.selStart(), 3);
  box.setLocked(true);
  box.typeText("q");
  EXPECT_EQ(box.text(), "aXYd");
}

// Only CR LF ends a line; the text after the last one is a line, empty or not.
TEST(BoxLines, GivesEveryLineOnceInOrder) {
  const struct {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {""}},
      {"ONE\r\nTWO\r\n\r\nFOUR", {"ONE", "TWO", "", "FOUR"}},
      {"a\r\n", {"a", ""}},
      {"\r\n\r\n", {"", "", ""}},
      {"a\rb\nc", {"a\rb\nc"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> got;
    ui::BoxLines walk(c.text);
    for (std::string_view line; walk.next(line);) got.emplace_back(line);
    EXPECT_EQ(got, c.lines) << c.text;
  }
}

TEST_F(TextBoxTest, MultiLineHoldsCrLfAndAnswersLineQueries) {
  box.setMultiLine(true);
  box.paste("ONE\nTWO\r\n\rFOUR");
  ASSERT_EQ(box.text(), "ONE\r\nTWO\r\n\r\nFOUR");
  EXPECT_EQ(box.lineCount(), 4);
  EXPECT_EQ(box.lineFromChar(0), 0);
  EXPECT_EQ(box.lineFromChar(4), 0);  // on the CR of line 0
  EXPECT_EQ(box.lineFromChar(5), 1);
  EXPECT_EQ(box.lineFromChar(13), 3);
  box.setSelection(static_cast<int>(box.text().size()), 0);
  EXPECT_EQ(box.lineFromChar(-1), 3);  // -1: the caret's line
  box.setSelection(5, 0);
  box.typeKey(8);  // Backspace after a line break removes CR and LF together
  EXPECT_EQ(box.text(), "ONETWO\r\n\r\nFOUR");
  box.typeKey(13);
  EXPECT_EQ(box.text(), "ONE\r\nTWO\r\n\r\nFOUR");
}

TEST_F(TextBoxTest, PastedLineBreaksPassKeyPressAsEnter) {
  box.setMultiLine(true);
  std::vector<int> keys;
  box.onKeyPress = [&](int& key) {
    keys.push_back(key);
    if (key == 13 && keys.size() > 3) key = 0;  // a box that takes no more lines
  };
  box.paste("A\r\nB\nC");
  EXPECT_EQ(keys, (std::vector<int>{'A', 13, 'B', 13, 'C'}));
  EXPECT_EQ(box.text(), "A\r\nBC");
}

}  // namespace
}  // namespace olvex::test
