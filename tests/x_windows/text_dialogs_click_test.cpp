// The bar, font and credits dialogs opened with the mouse on a real X server: each is painted
// with its controls, swatches and samples; the legend preview runs while the fonts dialog is up.
#include <gtest/gtest.h>

#include "customizers/bars/dialog.h"
#include "customizers/credits/dialog.h"
#include "customizers/fonts/dialog.h"
#include "program_fixture.h"
#include "shell/form1.h"

namespace olvex::test::x {
namespace {

using customizers::CustBars;
using customizers::CustCredits;
using customizers::CustFonts;

class TextDialogsClick : public ProgramTest {};

// The screen colour at the centre of a control of the window whose client area `shot` holds.
std::uint32_t centreColour(const Shot& shot, const ui::Control& c) {
  int x = 0, y = 0;
  for (const ui::Control* p = &c; p; p = p->container()) {
    x += p->left();
    y += p->top();
  }
  x = (x + c.width() / 2) / 15;
  y = (y + c.height() / 2) / 15;
  return shot.screen.at(x, y);
}

TEST_F(TextDialogsClick, EachDialogOpensPaintedFromItsButton) {
  run([&] {
    clickButton("OLVEX", "OK");  // the start-up's notice of the missing patch set
    auto& main = waitForForm<shell::Form1>();

    click(main.Command11);
    auto& bars = waitForForm<CustBars>();
    Shot b = expectPainted("Bar customizer");
    for (const char* text : {"health bar", "loading bar", "music volume bar", "borders:", "gradient (TR5-like)",
                             "Critical bars blinking interval:", "apply", "defaults"})
      EXPECT_TRUE(b.shows(text)) << text;
    EXPECT_EQ(centreColour(b, bars.Shape4), 0xFF0000u);   // health main colour
    EXPECT_EQ(centreColour(b, bars.Shape6), 0x0000FFu);   // air main colour
    EXPECT_EQ(centreColour(b, bars.Image4), 0xFF0000u);   // the normal style's sample
    click(bars.Option1[1]);
    waitFor("the TR5-like style", [&] { return bars.Option1[1].value(); });
    EXPECT_EQ(centreColour(expectPainted("Bar customizer"), bars.Image4), 0xED0000u);  // its gradient
    clickButton("Bar customizer", "apply");
    waitClosed("Bar customizer");

    click(main.Command21);
    auto& fonts = waitForForm<CustFonts>();
    Shot f = expectPainted("Text customizer");
    for (const char* text : {"main font", "inventory item font", "Main Menu -> New Game", "align to:",
                             "Legend displaying time:", "Window title:", "credits..."})
      EXPECT_TRUE(f.shows(text)) << text;
    EXPECT_EQ(centreColour(f, fonts.Shape6), 0xC08040u);  // option title main colour
    click(fonts.Command18);
    waitFor("the legend preview to show its string", [&] { return fonts.Label19.visible(); });
    EXPECT_TRUE(expectPainted("Text customizer").shows("test string"));
    waitFor("the legend preview to end", [&] { return !fonts.Timer2.enabled(); });

    click(fonts.Command3);
    auto& credits = waitForForm<CustCredits>();
    Shot c = expectPainted("Credits sub-customizer");
    for (const char* text : {"Characters in one line:", "Scripted line effect # / align:",
                             "Fix credits flyby bug", "1 / 23 [max 71]"})
      EXPECT_TRUE(c.shows(text)) << text;
    EXPECT_EQ(centreColour(c, credits.Image1), 0xFF0000u);  // the ruler's marker
    click(credits.Picture2);  // the ruler's middle, pixel 210: column 26
    waitFor("the ruler to set the characters", [&] { return credits.Text2.text() == "26"; });
    clickButton("Credits sub-customizer", "apply");
    waitClosed("Credits sub-customizer");
    clickButton("Text customizer", "apply");
    waitClosed("Text customizer");
  });
}

}  // namespace
}  // namespace olvex::test::x
