// The fields of the physics, limits and health dialogs: their checks on leaving and their typing
// filters, driven without a screen.
#include <gtest/gtest.h>

#include <functional>

#include "customizers/health/dialog.h"
#include "customizers/limits/dialog.h"
#include "customizers/physics/dialog.h"
#include "support/test_host.h"

namespace olvex::customizers {
namespace {

using ui::Forms;

// Leaving a field: the text it keeps or becomes, the message shown, and whether the focus came
// back to it.
struct LeaveCase {
  std::function<ui::TextBox&()> box;
  std::function<ui::TextBox&()> next;  // where the user goes
  const char* typed;
  const char* kept;
  const char* message;  // empty: none, and the focus moves on
  const char* fix = "";  // after a message: a text the field lets go
};

std::function<ui::TextBox&()> phys2(int i) { return [i]() -> ui::TextBox& { return Forms::get<CustPhys>().Text2[i]; }; }
std::function<ui::TextBox&()> phys1(int i) { return [i]() -> ui::TextBox& { return Forms::get<CustPhys>().Text1[i]; }; }
std::function<ui::TextBox&()> lim(int i) { return [i]() -> ui::TextBox& { return Forms::get<CustLimits>().Text2[i]; }; }
std::function<ui::TextBox&()> hp1(int i) { return [i]() -> ui::TextBox& { return Forms::get<CustLaraHP>().Text1[i]; }; }
std::function<ui::TextBox&()> hp2(int i) { return [i]() -> ui::TextBox& { return Forms::get<CustLaraHP>().Text2[i]; }; }

constexpr const char* kFourHex = "You must fill this field with four hexadecimal symbols!";
constexpr const char* kTwoHex = "You must fill this field with two hexadecimal symbols!";
constexpr const char* kEightHex = "You must fill this field with eight hexadecimal symbols!";
constexpr const char* kDigit = "You must fill this field with at least one digit!";

TEST(RulesLeaving, EachFieldChecksItsValueOnLeaving) {
  test::TestHost host;
  const LeaveCase cases[] = {
      {phys2(1), phys2(2), "ABC", "ABC", kFourHex, "0ABC"},
      {phys2(10), phys2(2), "00C8", "00C8", ""},
      {phys1(1), phys1(2), "300", "255", "Maximum value for this field is 255!", "255"},
      {phys1(2), phys1(3), "200", "127", "Maximum value for this field is 127!", "127"},
      {phys1(3), phys1(1), "", "", kDigit, "6"},
      {lim(0), lim(1), "40000", "32767", ""},
      {lim(9), lim(1), "", "0", ""},
      {lim(8), lim(1), "200", "127", ""},
      {lim(13), lim(1), "", "", ""},
      {lim(3), lim(1), "1234567", "1234567", kEightHex, "12345678"},
      {lim(7), lim(1), "A", "A", kTwoHex, "0A"},
      {hp1(9), hp1(0), "200", "127", ""},
      {hp1(9), hp1(0), "-300", "-128", ""},
      {hp1(0), hp1(9), "", "0", ""},
      {hp1(14), hp1(0), "2", "2", kTwoHex, "02"},
      {hp1(26), hp1(0), "999", "127", ""},
      {hp2(5), hp1(0), "400", "400", kFourHex, "0400"},
      {hp2(6), hp1(0), "40000", "32767", ""},
      {hp2(7), hp1(0), "-40000", "-32767", ""},
  };
  Forms::get<CustLaraHP>().Check2.setValue(1);  // the SAS damage box is enabled
  for (const LeaveCase& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " -> " + c.kept);
    host.messages.clear();
    ui::TextBox& box = c.box();
    box.setFocus();
    box.setText(c.typed);
    c.next().setFocus();
    EXPECT_EQ(box.text(), c.kept);
    if (*c.message) {
      EXPECT_EQ(host.texts(), std::vector<std::string>{c.message});
      EXPECT_TRUE(box.hasFocus());
      box.setText(c.fix);
      c.next().setFocus();
    } else {
      EXPECT_TRUE(host.messages.empty());
      EXPECT_TRUE(c.next().hasFocus());
    }
  }
}

TEST(RulesLeaving, TypingPassesEachFieldsFilter) {
  test::TestHost host;
  struct Case { std::function<ui::TextBox&()> box; const char* keys; const char* shows; } cases[] = {
      {phys2(4), "fe6g7", "FE67"}, {phys1(1), "1-2a", "12"},  {lim(3), "6g6", "66"},
      {lim(0), "1a0", "10"},       {hp1(0), "-5x", "-5"},     {hp1(4), "-15", "15"},
      {hp1(14), "0x2", "02"},      {hp2(5), "0a", "0A"},      {hp2(8), "-2", "-2"},
  };
  for (const auto& c : cases) {
    ui::TextBox& box = c.box();
    box.setText("");
    box.setFocus();
    for (const char* k = c.keys; *k; ++k) box.typeKey(*k);
    EXPECT_EQ(box.text(), c.shows) << c.keys;
  }
}

}  // namespace
}  // namespace olvex::customizers
