// The about box's animation, stepped by its timer ticked by hand.
#include "shell/about_box.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "support/test_host.h"

namespace olvex::shell {
namespace {

class AboutBox : public ::testing::Test {
 protected:
  void ticks(int n) {
    for (int i = 0; i < n; ++i) host.tickTimers();
  }
  test::TestHost host;
  Form2& box = ui::Forms::get<Form2>();
};

// Pages fade in from black and out again, the slow ones at half speed, and follow each other; the
// shown picture is the page alone until the bands begin.
TEST_F(AboutBox, PagesFadeInAndOutAndFollowEachOther) {
  ticks(1);
  EXPECT_EQ(box.textColour(), ui::rgb(2, 2, 2));
  EXPECT_EQ(box.Picture3.canvas().pixel(Form2::kTextLeft, Form2::kTextTop), ui::rgb(2, 2, 2));
  EXPECT_EQ(box.Picture1.canvas().pixels(), box.Picture3.canvas().pixels());
  ticks(149);
  EXPECT_EQ(box.textColour(), ui::rgb(210, 210, 210));  // fading out: 510 - 300
  ticks(105 + 255);
  EXPECT_EQ(box.page(), 2);
  ticks(256);  // page 2 fades at half speed: at 256 it is still at its brightest
  EXPECT_EQ(box.fadeLevel(), 256);
  EXPECT_EQ(box.textColour(), ui::rgb(255, 255, 255));
  EXPECT_NE(box.Picture1.canvas().pixels(), box.Picture3.canvas().pixels());  // the bands have begun
  for (int page = 2; page < Form2::kPageCount - 1; ++page) {
    ticks(page == 2 ? 254 : page == 4 || page == 11 || page == 13 ? 510 : 255);
    if (box.page() == 15) {
      EXPECT_EQ(box.Picture1.canvas().pixels(), box.Picture2.canvas().pixels()) << "an empty page";
    }
  }
  EXPECT_EQ(box.page(), 0);
}

// Once the bands begin, the shown picture is the band layer with the page's rectangle of the text
// picture copied over it: the text in its grey on black, the bands as drawn all around.
TEST_F(AboutBox, PageRectangleCopiedOverTheBands) {
  ticks(150);  // page 0 fading out at 510 - 300
  const ui::Canvas& shown = box.Picture1.canvas();
  EXPECT_EQ(shown.pixel(Form2::kTextLeft, Form2::kTextTop), ui::rgb(210, 210, 210));
  // The longest of the page's three lines, and a margin of 4 pixels.
  const int left = Form2::kTextLeft - 4, right = Form2::kTextLeft + 25 * test::TestHost::kCharWidth + 4;
  const int top = Form2::kTextTop - 4, bottom = Form2::kTextTop + 3 * test::TestHost::kLineHeight + 4;
  int fromText = 0, fromBands = 0, wrong = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      const bool inText = x >= left && x < right && y >= top && y < bottom;
      const ui::Canvas& from = inText ? box.Picture3.canvas() : box.Picture2.canvas();
      wrong += shown.pixel(x, y) != from.pixel(x, y);
      (inText ? fromText : fromBands) += shown.pixel(x, y) != 0;
    }
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(fromText, 0);
  EXPECT_GT(fromBands, shown.width() * shown.height() / 2);
  // The band layer's middle column is bands of many colours, which move down from tick to tick;
  // its edges are the back colour alone.
  const ui::Canvas& bands = box.Picture2.canvas();
  auto column = [&bands](int x) {
    std::vector<ui::Color> c;
    for (int y = 0; y < bands.height(); ++y) c.push_back(bands.pixel(x, y));
    return c;
  };
  const std::vector<ui::Color> middle = column(bands.width() / 2), edge = column(0);
  EXPECT_GT(std::set<ui::Color>(middle.begin(), middle.end()).size(), 50u);
  EXPECT_EQ(std::set<ui::Color>(edge.begin(), edge.end()).size(), 1u);
  ticks(4);
  EXPECT_NE(column(bands.width() / 2), middle);
}

TEST_F(AboutBox, SpeedReadoutRestartAndClose) {
  box.Image2.userClick();
  box.Image2.userClick();  // no faster than 0
  EXPECT_EQ(box.Timer1.interval(), 0);
  box.Image1.userClick();
  EXPECT_EQ(box.Timer1.interval(), 10);
  box.Image3.userClick();
  ticks(3);
  EXPECT_TRUE(box.Label1.caption().starts_with("IZ:6 LC:0 FB:6 FS:10 XRB:3"));
  box.Image3.userClick();
  EXPECT_FALSE(box.Label1.visible());
  // A click on the picture restarts the pages only after the scroll counter passed its mark.
  box.Picture1.userClick();
  ticks(300);
  box.Picture1.userClick();
  ticks(1);
  EXPECT_EQ(box.page(), 0);
  EXPECT_EQ(box.fadeLevel(), 2);
  box.Label2.userClick();
  EXPECT_FALSE(ui::Forms::loaded<Form2>());
}

}  // namespace
}  // namespace olvex::shell
