#include "shell/key_filters.h"

#include <gtest/gtest.h>

namespace olvex::shell {
namespace {

TEST(KeyFilters, PassUpperCaseOrSwallow) {
  // key, then what the hex, digit, signed, letter and decimal filters type for it.
  struct Case { int key, hex, digit, sign, letter, decimal; };
  const Case cases[] = {
      {8, 8, 8, 8, 8, 8},                         // Backspace
      {'0', '0', '0', '0', 0, '0'},
      {'9', '9', '9', '9', 0, '9'},
      {'A', 'A', 0, 0, 'A', 0},
      {'F', 'F', 0, 0, 'F', 0},
      {'b', 'B', 0, 0, 'B', 0},
      {'f', 'F', 0, 0, 'F', 0},
      {'g', 0, 0, 0, 'G', 0},
      {'G', 0, 0, 0, 'G', 0},
      {'z', 0, 0, 0, 'Z', 0},
      {'Z', 0, 0, 0, 'Z', 0},
      {'-', 0, 0, '-', 0, 0},
      {'.', 0, 0, 0, 0, '.'},
      {'/', 0, 0, 0, 0, 0},
      {':', 0, 0, 0, 0, 0},
      {'@', 0, 0, 0, 0, 0},
      {'[', 0, 0, 0, 0, 0},
      {'`', 0, 0, 0, 0, 0},
      {'{', 0, 0, 0, 0, 0},
      {' ', 0, 0, 0, 0, 0},
      {13, 0, 0, 0, 0, 0},                        // Enter
      {9, 0, 0, 0, 0, 0},                         // Tab
      {22, 0, 0, 0, 0, 0},                        // Ctrl+V
      {0, 0, 0, 0, 0, 0},
      {127, 0, 0, 0, 0, 0},
      {0xC4, 0, 0, 0, 0, 0},
      {0xE4, 0, 0, 0, 0, 0},
      {0x100 + 'A', 0, 0, 0, 0, 0},
      {-1, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FilterHexKey(c.key), c.hex) << c.key;
    EXPECT_EQ(FilterDigitKey(c.key), c.digit) << c.key;
    EXPECT_EQ(FilterSignedKey(c.key), c.sign) << c.key;
    EXPECT_EQ(FilterLetterKey(c.key), c.letter) << c.key;
    EXPECT_EQ(FilterDecimalKey(c.key), c.decimal) << c.key;
  }
}

}  // namespace
}  // namespace olvex::shell
