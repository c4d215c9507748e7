// Text that reaches a box by other ways than typing passes the same checks as typed text, with
// real input on a real X server: the text another program has selected, pasted with the middle
// button, passes the box's KeyPress one character at a time and its maximum length; the edits
// that type no character pass KeyPress as Backspace, so a box that swallows every key keeps what
// code wrote into it. The preset and the executable hold what the boxes show.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "customizers/camera/dialog.h"
#include "customizers/health/dialog.h"
#include "customizers/inventory/dialog.h"
#include "customizers/sound/dialog.h"
#include "program_fixture.h"

namespace olvex::test::x {
namespace {

using namespace customizers;

constexpr char kHealth[] = "HP \\ Damage customizer";
constexpr char kCamera[] = "Camera customizer";
constexpr char kSound[] = "Sound \\ music customizer";
constexpr char kInventory[] = "Inventory customizer";
constexpr char kSelected[] = "a1b2c3x9y9";  // what the other program has selected

class PastedText : public ProgramTest {
 protected:
  // The box's text replaced by the key typed, `shown` then, and the selection pasted into it with
  // the middle button.
  void typeAndPaste(const ui::TextBox& box, const std::string& key, const std::string& shown) {
    click(box);
    waitFocus(box);
    pressKey("Control_L+a");
    pressKey(key);
    waitFor(nameOf(box) + " to hold what was typed", [&] { return box.text() == shown; });
    selectElsewhere(kSelected);  // selecting in the box may have taken the selection
    click(box, 2);
    waitFor("the paste into " + nameOf(box), [&] { return box.text() != shown; });
  }

  void apply(const std::string& caption) {
    clickText(caption, "apply");
    waitClosed(caption);
  }
};

bool holds(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(PastedText, TheSelectionPastedByTheMiddleButtonPassesKeyPressAndTheMaximumLength) {
  std::vector<std::string> preset;
  std::string exe;
  run([&] {
    auto& main = mainWindow();
    auto& health = open<CustLaraHP>(main.Command10, kHealth);
    typeAndPaste(health.Text2[5], "0", "0");  // "Little beetle (dispersion):", four hex digits
    EXPECT_EQ(health.Text2[5].text(), "0A1B");
    typeAndPaste(health.Text1[9], "minus", "-");  // "Crocodile UW:", four characters, digits and a sign
    EXPECT_EQ(health.Text1[9].text(), "-123");
    apply(kHealth);
    auto& camera = open<CustCamera>(main.Command22, kCamera);
    typeAndPaste(camera.Text1[4], "minus", "-");  // "Normal camera top:", six characters
    EXPECT_EQ(camera.Text1[4].text(), "-12399");
    apply(kCamera);
    auto& sound = open<CustSnd>(main.Command24, kSound);
    typeAndPaste(sound.Text1[2], "0", "0");  // "Inside jeep audiotrack:", three digits
    EXPECT_EQ(sound.Text1[2].text(), "012");
    apply(kSound);
    auto& inventory = open<CustInv>(main.Command17, kInventory);
    typeAndPaste(inventory.Text3, "q", "Q");  // the magic word: four letters, upper-cased
    EXPECT_EQ(inventory.Text3.text(), "QABC");
    apply(kInventory);
    preset = savePreset(main);
    exe = modify(main);
  });
  for (const char* line : {"LittleBeetleDisp=0A1B", "CrocodileUWDmg=-123", "NormCameraTop=-12399",
                           "InsideJeepTrack=012", "FlyCheatMagicWord=QABC"})
    EXPECT_TRUE(holds(preset, line)) << line;
  ASSERT_FALSE(exe.empty());
  EXPECT_EQ(bytesAt(exe, "LittleBeetleDispOffset", 2), "\x1B\x0A");
  EXPECT_EQ(bytesAt(exe, "CrocodileUWDmgOffset", 1), "\x7B");        // negated: 123
  EXPECT_EQ(bytesAt(exe, "NormCameraTopOffset", 2), "\x6F\x30");     // negated: 12399
  EXPECT_EQ(bytesAt(exe, "InJeepTrackOffset1", 1) + bytesAt(exe, "InJeepTrackOffset2", 1), "\x0C\x0C");
}

// The sample-rate read-out is written by its scroll bar only: Delete and cut, by their keys
// (word and line deletes too, with any modifiers), leave it as the bar set it, and "modify"
// writes that rate.
TEST_F(PastedText, EditsThatTypeNoCharacterLeaveTheSampleRateAsTheScrollBarSetIt) {
  std::string exe;
  run([&] {
    auto& main = mainWindow();
    clickText(kMain, "Extend tomb4.exe size");  // the bar needs the extended executable
    auto& sound = open<CustSnd>(main.Command24, kSound);
    const ui::TextBox& rate = sound.Text1[1];
    waitFor("the bar to be enabled", [&] { return sound.HScroll3.enabled(); });
    Rect bar = placeOf(sound.HScroll3);
    for (int i = 0; i < 2; ++i) drag(sound.HScroll3, {{bar.width - 6, bar.height / 2}});  // its right arrow
    waitFor("48000 Hz", [&] { return rate.text() == "48000 Hz"; });
    const std::vector<const char*> edits[] = {
        {"Home", "Delete"},
        {"Control_L+a", "Control_L+x"},
        {"Control_L+a", "Shift_L+Delete"},
        {"End", "Control_L+BackSpace"},
        {"End", "Control_L+Shift_L+BackSpace"},
        {"Home", "Control_L+k"},
    };
    for (const auto& keys : edits) {
      click(rate);
      waitFocus(rate);
      for (const char* k : keys) pressKey(k);
      pressKey("Tab");  // on, once the keys before it are done
      waitFor("Tab to move the focus on", [&] { return sound.activeControl() != &rate; });
      onGui([&] { EXPECT_EQ(rate.text(), "48000 Hz") << keys.back(); });
    }
    apply(kSound);
    exe = modify(main);
  });
  ASSERT_FALSE(exe.empty());
  EXPECT_EQ(bytesAt(exe, "SRateOffset", 4), std::string("\x00\x80\x3B\x47", 4));
}

}  // namespace
}  // namespace olvex::test::x
