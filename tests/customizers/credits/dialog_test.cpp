// The credits editor's handlers: characters per line kept within 1..50, the line counter and
// the per-line warning, the caret line, and the ruler.
#include <gtest/gtest.h>

#include <string>

#include "customizers/credits/dialog.h"
#include "support/test_host.h"

namespace olvex::customizers {
namespace {

class CreditsEditor : public ::testing::Test {
 protected:
  CustCredits& f() { return ui::Forms::get<CustCredits>(); }
  int markerPixel() { return f().Image1.left() / 15; }
  test::TestHost host;
};

std::string lines(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += (i ? "\r\n" : "") + std::string("name");
  return text;
}

TEST_F(CreditsEditor, LoadShowsTwentyTwoCharacters) {
  EXPECT_EQ(f().Text2.text(), "22");
  EXPECT_EQ(markerPixel(), 176);
  EXPECT_EQ(f().Label4.caption(), "1 / 1 [max 67]");
  EXPECT_FALSE(f().Label5.visible());
  EXPECT_TRUE(f().Option1[1].value());
  EXPECT_TRUE(f().Option2[1].value());
}

TEST_F(CreditsEditor, CharactersPerLineStayWithinOneToFifty) {
  const struct { const char* typed; const char* kept; } cases[] = {
      {"0", "1"}, {"", "1"}, {"abc", "1"}, {"-3", "1"}, {"0.5", "1"}, {"77", "50"}, {"50", "50"}, {"21", "21"}};
  for (const auto& c : cases) {
    f().Text2.setText("30");
    f().Text2.setText(c.typed);
    EXPECT_EQ(f().Text2.text(), c.kept) << "'" << c.typed << "'";
  }
}

TEST_F(CreditsEditor, CounterTurnsRedWithMoreLinesThanSlots) {
  f().Text2.setText("50");
  f().Text1.setText(lines(71));
  EXPECT_EQ(f().Label1.caption(), "71");
  EXPECT_EQ(f().Label4.caption(), "Too many strings: 1 / 71 [max 30]");
  EXPECT_EQ(f().Label4.foreColor(), ui::rgb(255, 0, 0));
  f().Text2.setText("21");
  EXPECT_EQ(f().Label4.caption(), "1 / 71 [max 71]");
  EXPECT_EQ(f().Label4.foreColor(), 0xC0C0C0u);
}

TEST_F(CreditsEditor, WarningNamesTheFirstLongLine) {
  f().Text2.setText("21");
  f().Text1.setText("short\r\n" + std::string(25, 'x') + "\r\n" + std::string(30, 'y'));
  EXPECT_TRUE(f().Label5.visible());
  EXPECT_EQ(f().Label5.caption(), "Line number 2 contains too many chars.");
  f().Text2.setText("30");
  EXPECT_FALSE(f().Label5.visible());
}

TEST_F(CreditsEditor, CounterFollowsTheCaret) {
  f().Text1.setFocus();
  f().Text1.typeText("a\rb\rc");  // Enter starts a new line
  EXPECT_EQ(f().Text1.text(), "a\r\nb\r\nc");
  EXPECT_EQ(CustCredits::CurrentLine(f().Text1), 3);
  f().Text1.userClick();
  EXPECT_EQ(f().Label4.caption().substr(0, 6), "3 / 3 ");
  f().Text1.setSelection(3, 0);  // an arrow key moved the caret up
  f().Text1.userKeyUp(38);
  EXPECT_EQ(f().Label4.caption().substr(0, 6), "2 / 3 ");
}

TEST_F(CreditsEditor, RulerSetsTheCharactersAndSnaps) {
  const struct { int button; double x; const char* chars; int marker; } cases[] = {
      {ui::kLeftButton, 170, "21", 168}, {ui::kLeftButton, 1000, "50", 401}, {ui::kLeftButton, -20, "1", 8},
      {0, 600, "1", 8},  // a move without the button keeps the value
  };
  for (const auto& c : cases) {
    f().DoRulers(c.button, c.x);
    EXPECT_EQ(f().Text2.text(), c.chars) << c.x;
    EXPECT_EQ(markerPixel(), c.marker) << c.x;
  }
  for (int chars = 1; chars <= 50; ++chars) {
    f().Text2.setText(std::to_string(chars));
    f().DoRulers(0, 0);
    EXPECT_EQ(f().Text2.text(), std::to_string(chars));
  }
}

TEST_F(CreditsEditor, LeavingCharactersPlacesTheMarker) {
  f().Text2.setFocus();
  f().Text2.setText("30");
  f().Text3[0].setFocus();
  EXPECT_EQ(markerPixel(), 241);
}

}  // namespace
}  // namespace olvex::customizers
