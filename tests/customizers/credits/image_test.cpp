// The credits image: layouts for short, full and over-full texts, the bounds of the characters
// per line.
#include <gtest/gtest.h>

#include <string>

#include "customizers/credits/image.h"
#include "support/test_host.h"
#include "ui/form.h"

namespace olvex::customizers {
namespace {

class TextForm : public ui::Form {
 public:
  TextForm() : Form("TextForm") { Text1.setMultiLine(true); }
  ui::TextBox Text1{*this, "Text1"};
};

std::string lines(int n, const std::string& line) {
  std::string text;
  for (int i = 0; i < n; ++i) text += (i ? "\r\n" : "") + line;
  return text;
}

std::string zeros(std::size_t bytes) { return std::string(2 * bytes, '0'); }

TEST(CreditsImage, LineCharsAreBoundedToOneToFifty) {
  const struct { const char* text; int chars; } cases[] = {
      {"", 1},    {"0", 1},  {"-5", 1},   {"0.5", 1},  {"abc", 1}, {"1", 1},  {"21", 21},
      {"21.9", 21}, {"12abc", 12}, {" 7", 7}, {"50", 50}, {"51", 50}, {"77", 50}, {"1e9", 50}};
  for (const auto& c : cases) EXPECT_EQ(LineCharsOf(c.text), c.chars) << "'" << c.text << "'";
}

class Image : public ::testing::Test {
 protected:
  CreditsImage build(const std::string& text, int chars) {
    auto& box = ui::Forms::get<TextForm>().Text1;
    box.setText(text);
    return BuildCreditsImage(box, chars);
  }
  test::TestHost host;
};

TEST_F(Image, ShortTextLeavesTheRestZero) {
  CreditsImage image = build("%01\r\nAB\r\n\r\nToo long for three", 3);
  EXPECT_EQ(image.count, 4);
  ASSERT_EQ(image.hex.size(), 2u * 390 * 4);
  EXPECT_EQ(image.hex.substr(0, 32), "25303100" "41420000" "00000000" "546F6F00");
  EXPECT_EQ(image.hex.substr(32), zeros(386 * 4));
}

TEST_F(Image, EmptyTextIsOneZeroSlot) {
  CreditsImage image = build("", 21);
  EXPECT_EQ(image.count, 1);
  EXPECT_EQ(image.hex, zeros(1562));
}

TEST_F(Image, FullTextFillsEverySlot) {
  CreditsImage image = build(lines(71, std::string(25, 'x')), 21);
  EXPECT_EQ(image.count, 71);
  ASSERT_EQ(image.hex.size(), 2u * 1562);
  std::string slot;
  for (int i = 0; i < 21; ++i) slot += "78";
  slot += "00";
  for (int k = 0; k < 71; ++k) EXPECT_EQ(image.hex.substr(44 * k, 44), slot) << k;
}

TEST_F(Image, OverFullTextDropsLinesBeyondTheSlots) {
  std::string text = lines(30, "a") + "\r\n" + lines(41, "dropped");
  CreditsImage image = build(text, 50);
  EXPECT_EQ(image.count, 30);
  ASSERT_EQ(image.hex.size(), 2u * 30 * 51);
  EXPECT_EQ(image.hex.find("64"), std::string::npos);  // no "d" of the dropped lines
  EXPECT_EQ(image.hex.substr(29 * 102, 102), "61" + zeros(50));
}

TEST_F(Image, ControlCharactersAreBytesLikeAnyOther) {
  EXPECT_EQ(build("a\tb", 21).hex.substr(0, 8), "61096200");
}

}  // namespace
}  // namespace olvex::customizers
