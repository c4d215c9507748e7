// The about box on a real X server: the page text in grey over the moving colour bands.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include "program_fixture.h"
#include "shell/about_box.h"

namespace olvex::test::x {
namespace {

using namespace std::chrono_literals;
using AboutBoxOnScreen = ProgramTest;

// Within 4 s of the click on "about...", the picture shows a page's text in grey and, around it,
// the bands in their colours. The faster button, pressed at 10 ms, stops the animation, so the
// grab holds the picture of that moment.
TEST_F(AboutBoxOnScreen, PageTextInGreyOverTheBands) {
  run([&] {
    auto& main = mainWindow();
    const auto opened = std::chrono::steady_clock::now();
    auto& about = open<shell::Form2>(main.Command8, "About OLVEX");
    waitFor("the bands and a bright page", [&] {
      return about.scrollCounter() > shell::Form2::kBandsFrom + 20 && about.fadeLevel() > 100 &&
             about.fadeLevel() < 400;
    });
    click(about.Image2);
    waitFor("the animation to stop", [&] { return about.Timer1.interval() == 0; });
    EXPECT_LT(std::chrono::steady_clock::now() - opened, 4s);

    const Shot shot = expectPainted("About OLVEX");
    const Pixels& screen = shot.screen;
    const int left = about.Picture1.left() / 15, top = about.Picture1.top() / 15;
    const int width = about.Picture1.width() / 15, height = about.Picture1.height() / 15;
    int grey = 0, coloured = 0;
    for (int y = top; y < top + height; ++y)
      for (int x = left; x < left + width; ++x) {
        const std::uint32_t p = screen.at(x, y);
        const std::uint32_t r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
        if (p == Pixels::kHidden) continue;
        if (r == g && g == b) grey += r >= 0x40;
        else ++coloured;
      }
    EXPECT_GT(grey, 100) << "text pixels in grey";
    EXPECT_GT(coloured, width * height / 2) << "pixels in the colours of the bands";
    click(about.Label2);
    waitClosed("About OLVEX");
  });
}

}  // namespace
}  // namespace olvex::test::x
