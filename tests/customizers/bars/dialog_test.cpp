// The bars dialog's own behaviour: swatches, leave rules, the poisoned preview and the style
// sample.
#include "customizers/bars/dialog.h"
#include "customizers/dialog_fixture.h"

namespace olvex::customizers::test {
namespace {

TEST_F(DialogTest, BarSwatchesFollowTheirBoxes) {
  auto& bars = dialog<CustBars>();
  EXPECT_EQ(bars.Shape4.fillColor(), ui::rgb(255, 0, 0));
  bars.Text1[41].setText("200");  // music fade red
  EXPECT_EQ(bars.Shape20.fillColor(), ui::rgb(200, 31, 31));
  bars.Text1[50].setText("10");  // border red: fill of Shape22, outline of Shape25
  EXPECT_EQ(bars.Shape22.fillColor(), ui::rgb(10, 63, 63));
  EXPECT_EQ(bars.Shape25.borderColor(), ui::rgb(10, 63, 63));
}

TEST_F(DialogTest, LeavingABarFieldClampsItSilently) {
  auto& bars = dialog<CustBars>();
  const LeaveCase cases[] = {
      {bars.Text1[7], "300", "255"},      {bars.Text1[7], "", "0"},           {bars.Text2[8], "200", "127"},
      {bars.Text2[9], "40000", "32767"}, {bars.Text2[9], "9000", "9000"}, {bars.Text2[11], "999", "127"},
      {bars.Text2[1], "300", "255"},
  };
  expectLeaving(cases);
}

TEST_F(DialogTest, PoisonedPreviewAlternates) {
  auto& bars = dialog<CustBars>();
  const struct { const char* main[3]; const char* poison[3]; ui::Color first, second; } cases[] = {
      {{"255", "0", "0"}, {"0", "255", "0"}, ui::rgb(255, 255, 0), ui::rgb(255, 0, 0)},
      {{"200", "0", "0"}, {"100", "255", "0"}, ui::rgb(100, 255, 0), ui::rgb(200, 0, 0)},
  };
  for (const auto& c : cases) {
    for (int i = 0; i < 3; ++i) {
      bars.Text1[i].setText(c.main[i]);
      bars.Text1[24 + i].setText(c.poison[i]);
    }
    host.tickTimers();
    EXPECT_EQ(bars.Shape13.fillColor(), c.first);
    host.tickTimers();
    EXPECT_EQ(bars.Shape13.fillColor(), c.second);
  }
  EXPECT_EQ(bars.Timer1.interval(), 500);
}

TEST_F(DialogTest, StyleSampleFollowsTheChosenStyle) {
  auto& bars = dialog<CustBars>();
  const ui::Image* sources[] = {&bars.Image2, &bars.Image1, &bars.Image3};
  EXPECT_EQ(bars.Image4.canvas().pixels(), bars.Image2.canvas().pixels());
  EXPECT_NE(bars.Image1.canvas().pixels(), bars.Image2.canvas().pixels());
  EXPECT_NE(bars.Image3.canvas().pixels(), bars.Image1.canvas().pixels());
  for (int i : {2, 1, 0}) {
    bars.Option1[i].userClick();
    EXPECT_EQ(bars.Image4.canvas().pixels(), sources[i]->canvas().pixels()) << i;
  }
  // The TR5-like sample darkens by 18 a half row away from its middle, alike above and below.
  auto& tr5 = bars.Image1.canvas();
  EXPECT_EQ(tr5.pixel(60, 6), ui::rgb(237, 0, 0));
  EXPECT_EQ(tr5.pixel(60, 7), ui::rgb(237, 0, 0));
  EXPECT_EQ(tr5.pixel(60, 1), ui::rgb(57, 0, 0));
  EXPECT_EQ(tr5.pixel(60, 12), ui::rgb(57, 0, 0));
}

}  // namespace
}  // namespace olvex::customizers::test
