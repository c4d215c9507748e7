// Every window as a person opens it on a real X server: clicks on the buttons that lead to it,
// then on the screen, painted, showing its texts, and closed by its own button.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <filesystem>

#include "customizers/camera/dialog.h"
#include "customizers/credits/dialog.h"
#include "customizers/enemies/dialog.h"
#include "customizers/fog/dialog.h"
#include "customizers/fonts/dialog.h"
#include "customizers/fonts/window_title.h"
#include "customizers/gfx/dialog.h"
#include "customizers/gfx2/dialog.h"
#include "customizers/lights/dialog.h"
#include "customizers/physics/dialog.h"
#include "customizers/weapons/dialog.h"
#include "program_fixture.h"
#include "window_table.h"
#include "shell/about_box.h"

namespace olvex::test::x {
namespace {

class WindowsOnScreen : public ProgramTest, public ::testing::WithParamInterface<Window> {};

TEST_P(WindowsOnScreen, OpenPaintedAndClose) {
  const Window& w = GetParam();
  run([&] {
    mainWindow();
    for (const Click& c : w.opening) clickText(c.window, c.text);
    Shot shot = expectPainted(w.caption);
    for (const char* text : w.texts) EXPECT_TRUE(shot.shows(text)) << text;
    clickText(w.popup ? kMain : w.caption, w.close);
    waitClosed(w.caption);
  });
}

INSTANTIATE_TEST_SUITE_P(, WindowsOnScreen, ::testing::ValuesIn(kWindows), [](const auto& info) {
  std::string name = info.param.caption;
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
});

// The splash shows "LOADING" on its grey through the start-up (held up here by the start-up's
// message) and goes once the main window is up.
TEST_F(ProgramTest, SplashShowsLoadingOnItsGreyDuringStartUp) {
  run([&] {
    Shot splash = expectPainted("OLVEX Splash Screen");
    EXPECT_TRUE(splash.shows("LOADING"));
    const auto& rgb = splash.screen.rgb;  // the start-up's message may cover part of it
    auto visible = rgb.size() - std::count(rgb.begin(), rgb.end(), Pixels::kHidden);
    EXPECT_GT(std::count(rgb.begin(), rgb.end(), 0xE0E0E0u), static_cast<long>(visible / 2));
    mainWindow();
    waitClosed("OLVEX Splash Screen");
  });
}

using namespace customizers;
using WindowInput = ProgramTest;

// Values typed into four dialogs' boxes and the fog tuner's marker, grabbed and dragged, reach
// the executable through "modify".
TEST_F(WindowInput, TypedAndDraggedValuesArePatched) {
  int marker = 0;
  std::string file;
  run([&] {
    auto& main = mainWindow();
    const struct {
      const ui::Control& button;
      const char* caption;
      const ui::TextBox& (*box)();
      const char* typed;
    } boxes[] = {
        {main.Command14, "GFX customizer", []() -> const ui::TextBox& { return ui::Forms::get<CustGfx>().Text2; },
         "3A"},  // lightning display time
        {main.Command18, "GFX customizer 2",
         []() -> const ui::TextBox& { return ui::Forms::get<CustGfx2>().Text1[29]; }, "9"},  // sprinkler amount
        {main.Command13, "Light customizer",
         []() -> const ui::TextBox& { return ui::Forms::get<CustLite>().Text1[0]; }, "77"},  // pistol flash area
        // A lone sign and a sign after the digits pass the check on leaving as numbers the pass writes.
        {main.Command22, "Camera customizer",
         []() -> const ui::TextBox& { return ui::Forms::get<CustCamera>().Text1[0]; }, "-"},  // look distance
        {main.Command22, "Camera customizer",
         []() -> const ui::TextBox& { return ui::Forms::get<CustCamera>().Text1[4]; }, "7-"},  // normal top
    };
    for (const auto& b : boxes) {
      click(b.button);
      expectPainted(b.caption);
      const ui::TextBox* box = nullptr;
      onGui([&] { box = &b.box(); });
      click(*box);
      pressKey("Control_L+a");
      typeKeys(b.typed);
      waitFor(b.typed, [&] { return box->text() == b.typed; });
      clickText(b.caption, "apply");
      waitClosed(b.caption);
    }
    auto& tuner = open<FogTuner>(main.Command23, "Fog Tuner");
    click(tuner.Picture1);  // the bar's middle: the marker's middle under the pointer
    waitFor("the marker to follow", [&] { return tuner.markerLeft() > 100 && tuner.markerLeft() < 110; });
    onGui([&] { marker = tuner.markerLeft() + 60; });
    drag(tuner.Image1, {{2, 7}, {32, 7}, {62, 7}});  // the marker itself, grabbed and moved on
    waitFor("the marker to be dragged", [&] { return tuner.markerLeft() == marker; });
    click(main.Label6);
    waitClosed("Fog Tuner");
    file = modify(main);
  });
  EXPECT_EQ(bytesAt(file, "LightingDispOffset", 1), "\x3A");
  EXPECT_EQ(bytesAt(file, "SprinkAmountOffset", 1), "\x09");
  EXPECT_EQ(bytesAt(file, "PistolFlashPowerOffset", 1), "\x4D");
  EXPECT_EQ(bytesAt(file, "LookDistanceOffset", 4), std::string(4, '\0'));
  EXPECT_EQ(bytesAt(file, "NormCameraTopOffset", 2), "\xF9\xFF");
  // The fog bulb distance: (range * 1024) squared, as a single in little-endian bytes.
  auto bits = std::bit_cast<std::uint32_t>(static_cast<float>(marker * 1024.0 * marker * 1024.0));
  std::string le;
  for (int i = 0; i < 4; ++i) le += static_cast<char>(bits >> (8 * i));
  EXPECT_EQ(bytesAt(file, "FogBulbDistOffset", 4), le);
}

// The console opened with its key runs "mod" up to the question; Cancel leaves the executable
// as it was, and Up recalls the line.
TEST_F(WindowInput, ConsoleRunsModifyAndCancelLeavesTheFile) {
  auto before = std::filesystem::last_write_time(exe());
  run([&] {
    auto& main = mainWindow(true);
    click(main.Text4);
    pressKey("grave");
    waitFocus(main.Text5);
    EXPECT_TRUE(expectPainted(kMain).shows("CONSOLE"));
    typeKeys("mod");
    pressKey("Return");
    EXPECT_TRUE(expectPainted(kQuestion).shows("Are you sure you want to update tomb4.exe file?"));
    clickText(kQuestion, "Cancel");
    waitClosed(kQuestion);
    waitFor("the line to be cleared", [&] { return main.Text5.text().empty() && main.Command3.enabled(); });
    pressKey("Up");
    waitFor("the last line", [&] { return main.Text5.text() == "mod "; });
    pressKey("grave");
    waitFor("the console to close", [&] { return main.height() == shell::Form1::kConsoleClosedHeight; });
  });
  EXPECT_TRUE(exeBytes() == reflayout::referenceExecutable()) << "the executable changed";
  EXPECT_EQ(std::filesystem::last_write_time(exe()), before);
  EXPECT_FALSE(std::filesystem::exists(exe() + "0"));
}

// "save preset" and "load preset" through the real file dialogs, by clicks and typing. The
// window title, typed with blanks around it and ";" in it and pasted with another ";", is saved as
// the box shows it once left, and loaded back whole.
TEST_F(WindowInput, PresetsSavedAndLoadedThroughTheFileDialogs) {
  std::vector<std::string> preset;
  run([&] {
    auto& main = mainWindow();
    auto& fonts = open<CustFonts>(main.Command21, "Text customizer");
    const ui::TextBox& title = fonts.Text1[kTitleIndex];
    click(title);
    waitFocus(title);
    pressKey("Control_L+a");
    typeKeys("  tom;jerry ");
    selectElsewhere(";x", "CLIPBOARD");
    pressKey("Control_L+v");
    waitFor("the pasted title", [&] { return title.text() == "  tomjerry x"; });
    clickText("Text customizer", "apply");
    waitClosed("Text customizer");
    onGui([&] { EXPECT_EQ(title.text(), "tomjerry x"); });
    const struct {
      const char* value;
      const char* title;
      const ui::Control& button;
      const char* caption;
    } steps[] = {{"42", "tomjerry x", main.Command16, "Save OLVEX preset"},
                 {"7", "other", main.Command12, "Load OLVEX preset"}};
    for (const auto& s : steps) {
      onGui([&] {
        main.Text4.setText(s.value);
        fonts.Text1[kTitleIndex].setText(s.title);
      });
      click(s.button);
      expectPainted(s.caption);
      typeKeys("mine");
      pressKey("period");
      typeKeys("ovp");
      pressKey("Return");
      waitClosed(s.caption);
    }
    waitFor("the loaded value", [&] { return main.Text4.text() == "42" && main.Command12.enabled(); });
    onGui([&] { EXPECT_EQ(title.text(), "tomjerry x"); });
    preset = platform::readLines(dir.file("mine.ovp"));
  });
  EXPECT_NE(std::find(preset.begin(), preset.end(), "WindowTitle=tomjerry x"), preset.end());
}

// Animations run while their window is up and stop when it closes: the weapons preview's flash,
// the fonts dialog's legend preview, the about box's bands and pages.
TEST_F(WindowInput, AnimationsRunWhileTheirWindowIsUp) {
  run([&] {
    auto& main = mainWindow();
    auto& w = open<CustWeapons>(main.Command20, "Weapon customizer");
    click(w.Command10);
    waitFor("the flash", [&] { return w.Image2.visible(); });
    waitFor("the flash to go out", [&] { return !w.Image2.visible(); });
    EXPECT_EQ(colourIn(expectPainted("Weapon customizer"), w.Command10, 14, 14), 0xC00000u);  // the stop icon
    clickText("Weapon customizer", "apply");
    waitClosed("Weapon customizer");
    waitFor("the preview to stop", [&] { return !w.Timer1.enabled() && !w.Image2.visible(); });

    auto& fonts = open<CustFonts>(main.Command21, "Text customizer");
    click(fonts.Command18);
    waitFor("the legend preview to show its string", [&] { return fonts.Label19.visible(); });
    EXPECT_TRUE(expectPainted("Text customizer").shows("test string"));
    waitFor("the legend preview to end", [&] { return !fonts.Timer2.enabled(); });
    clickText("Text customizer", "apply");
    waitClosed("Text customizer");

    auto& about = open<shell::Form2>(main.Command8, "About OLVEX");
    Shot first = expectPainted("About OLVEX");
    waitFor("the bands to appear", [&] { return about.scrollCounter() > shell::Form2::kBandsFrom + 40; });
    waitFor("a page to be bright", [&] { return about.fadeLevel() > 200 && about.fadeLevel() < 300; });
    EXPECT_FALSE(expectPainted("About OLVEX").screen.rgb == first.screen.rgb) << "the picture did not change";
    click(about.Label2);
    waitClosed("About OLVEX");
  });
}

// Pictures that take the mouse: an enemy's flag cycles on a click and is drawn in its new
// colour, the caption "Set:" shows a picture over the Set HP box and a click on it hides it, the credits ruler sets the line width, a knob's marker dragged turns the pair beside it.
TEST_F(WindowInput, PicturesFollowClicksAndDrags) {
  run([&] {
    auto& main = mainWindow();
    auto& e = open<CustEnemy>(main.Command19, "Enemy HP customizer");
    EXPECT_EQ(colourIn(expectPainted("Enemy HP customizer"), e.Image1[0], 3, 7), 0xC0C0C0u);  // smoke
    click(e.Image1[0]);
    waitFor("the skeleton's next flag", [&] { return shell::EnemyFlags[0] == 4; });
    EXPECT_EQ(colourIn(expectPainted("Enemy HP customizer"), e.Image1[0], 3, 7), 0x80FF80u);  // clear damage
    const auto setBox = [&] { return colourIn(expectPainted("Enemy HP customizer"), e.Image2, 40, 8); };
    EXPECT_EQ(setBox(), 0xFFFFFFu);  // the box
    click(e.Label1[7]);
    waitFor("the picture", [&] { return e.Image2.visible(); });
    EXPECT_EQ(setBox(), 0xFFFFE0u);  // the picture's ground
    click(e.Image2);
    waitFor("the picture to hide", [&] { return !e.Image2.visible(); });
    EXPECT_EQ(setBox(), 0xFFFFFFu);
    clickText("Enemy HP customizer", "apply");
    waitClosed("Enemy HP customizer");
    waitFor("the blinking to stop", [&] { return !e.Timer1.enabled(); });

    click(main.Command21);
    auto& credits = open<CustCredits>(waitForForm<CustFonts>().Command3, "Credits sub-customizer");
    click(credits.Picture2);  // the ruler's middle, pixel 210: column 26
    waitFor("the ruler to set the characters", [&] { return credits.Text2.text() == "26"; });
    clickText("Credits sub-customizer", "apply");
    waitClosed("Credits sub-customizer");
    clickText("Text customizer", "apply");
    waitClosed("Text customizer");

    auto& d = open<CustPhys>(main.Command15, "Physics customizer");
    // From the marker at the far left to straight above the dial's centre, a little left of it.
    int mx = (100 + 82) / 15, my = (720 + 82) / 15, cx = 790 / 15;
    drag(d.vbkRoundSlider3, {{mx, my}, {mx + 4, my - 10}, {cx - 20, 30}, {cx - 8, 25}, {cx - 1, 20}});
    waitFor("the run turn pair", [&] { return d.Text2[1].text() != "FA50"; });
    TurnPair want;
    onGui([&] {
      EXPECT_GT(d.vbkRoundSlider3.value(), 4000);
      EXPECT_LT(d.vbkRoundSlider3.markerTop(), 400);  // near the top of the dial
      want = KnobTurnPair(d.vbkRoundSlider3.value());
      EXPECT_EQ(d.Text2[1].text(), want.left);
      EXPECT_EQ(d.Text2[2].text(), want.right);
    });
    EXPECT_TRUE(expectPainted("Physics customizer").shows(want.left));
    click(d.Command3);
    waitClosed("Physics customizer");
  });
}

}  // namespace
}  // namespace olvex::test::x
