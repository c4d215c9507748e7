// The about box's animation, stepped by its timer ticked by hand: pages fade in and out at their
// speed and follow each other, the shown picture is the page text mixed with the bands, which
// start after the scroll counter's threshold, the speed and readout buttons, "close" and a fresh
// start.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "shell/about_box.h"
#include "support/test_host.h"
#include "ui/form.h"

namespace olvex::shell {
namespace {

class AboutBoxTest : public ::testing::Test {
 protected:
  Form2& box() { return ui::Forms::get<Form2>(); }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) host.tickTimers();
  }
  // The characters of the text picture's first text line as the test host draws them: "#" for a
  // character, " " for a blank.
  std::string printedLine() {
    const ui::Canvas& text = box().Picture3.canvas();
    std::string line;
    for (int x = Form2::kTextLeft; x < text.width(); x += test::TestHost::kCharWidth)
      line += text.pixel(x, Form2::kTextTop) != 0 ? '#' : ' ';
    return line.substr(0, line.find_last_not_of(' ') + 1);
  }
  olvex::test::TestHost host;
};

TEST_F(AboutBoxTest, PagesFadeInAndOutAtTheirSpeedAndRepeat) {
  Form2& b = box();
  EXPECT_EQ(b.caption(), "About OLVEX");
  EXPECT_TRUE(b.borderless());
  ticks(1);
  EXPECT_EQ(b.fadeLevel(), 2);
  EXPECT_EQ(b.textColour(), ui::rgb(2, 2, 2));
  EXPECT_EQ(printedLine(), "#####");  // "OLVEX", in the fade colour
  EXPECT_EQ(b.Picture3.canvas().pixel(Form2::kTextLeft, Form2::kTextTop), ui::rgb(2, 2, 2));
  ticks(149);
  EXPECT_EQ(b.textColour(), ui::rgb(210, 210, 210));  // fading out: 510 - 300
  ticks(105);                                          // level 510: the next page
  EXPECT_EQ(b.page(), 1);
  EXPECT_EQ(b.fadeLevel(), 0);
  ticks(255);
  EXPECT_EQ(b.page(), 2);
  ticks(255);  // page 2 fades at half speed
  EXPECT_EQ(b.page(), 2);
  EXPECT_EQ(b.fadeLevel(), 255);
  EXPECT_EQ(printedLine(), "##### #### #### #");  // "OLVEX 0.76 rev. 4"
  ticks(255);
  EXPECT_EQ(b.page(), 3);
  for (int page = 3; page < Form2::kPageCount - 1; ++page) ticks(page == 4 || page == 11 || page == 13 ? 510 : 255);
  EXPECT_EQ(b.page(), 0);
}

// The shown picture is the text picture with the band layer ANDed in: the page alone until the
// bands begin, then the page in the colours of the bands beneath it.
TEST_F(AboutBoxTest, TheShownPictureIsThePageMixedWithTheBands) {
  Form2& b = box();
  auto mixed = [&] {
    std::vector<ui::Color> m = b.Picture3.canvas().pixels();
    for (std::size_t i = 0; i < m.size(); ++i) m[i] &= b.Picture2.canvas().pixels()[i];
    return m;
  };
  ticks(Form2::kBandsFrom / 2);
  EXPECT_EQ(b.Picture1.canvas().pixels(), b.Picture3.canvas().pixels());
  ticks(1);
  const std::vector<ui::Color>& bands = b.Picture2.canvas().pixels();
  EXPECT_GT(std::set<ui::Color>(bands.begin(), bands.end()).size(), 10u);
  const std::vector<ui::Color>& shown = b.Picture1.canvas().pixels();
  EXPECT_NE(shown, b.Picture3.canvas().pixels());
  EXPECT_EQ(shown, mixed());
  EXPECT_GT(std::count_if(shown.begin(), shown.end(), [](ui::Color c) { return c != 0; }), 100);
}

TEST_F(AboutBoxTest, SpeedReadoutCloseAndRestart) {
  Form2& b = box();
  EXPECT_EQ(b.Timer1.interval(), 10);
  b.Image2.userClick();
  EXPECT_EQ(b.Timer1.interval(), 0);
  ticks(5);
  EXPECT_EQ(b.fadeLevel(), 0);  // stopped
  b.Image2.userClick();
  EXPECT_EQ(b.Timer1.interval(), 0);
  b.Image1.userClick();
  EXPECT_EQ(b.Timer1.interval(), 10);
  ticks(3);
  EXPECT_EQ(b.fadeLevel(), 6);

  EXPECT_FALSE(b.Label1.visible());
  b.Image3.userClick();
  ticks(1);
  EXPECT_TRUE(b.Label1.caption().starts_with("IZ:8 LC:0 FB:8 FS:10"));
  b.Image3.userClick();
  EXPECT_FALSE(b.Label1.visible());
  ticks(1);
  EXPECT_EQ(b.fadeLevel(), 10);  // the readout never stops the animation

  // A click on the picture restarts the pages only after the scroll counter passed its mark.
  b.Picture1.userClick();
  ticks(300);
  EXPECT_EQ(b.page(), 1);
  b.Picture1.userClick();
  ticks(1);
  EXPECT_EQ(b.page(), 0);
  EXPECT_EQ(b.fadeLevel(), 2);

  ticks(300);
  b.Label2.userClick();
  EXPECT_FALSE(ui::Forms::loaded<Form2>());
  EXPECT_EQ(box().page(), 0);
  EXPECT_EQ(box().fadeLevel(), 0);
}

}  // namespace
}  // namespace olvex::shell
