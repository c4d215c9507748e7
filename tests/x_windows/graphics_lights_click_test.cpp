// The graphics, graphics 2, lights and fog tuner windows opened with the mouse on a real X
// server: each is painted with its controls; values typed and clicked in them reach the
// executable through "modify".
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "customizers/fog/dialog.h"
#include "customizers/gfx/dialog.h"
#include "customizers/gfx2/dialog.h"
#include "customizers/lights/dialog.h"
#include "program_fixture.h"
#include "shell/form1.h"

namespace olvex::test::x {
namespace {

using customizers::CustGfx;
using customizers::CustGfx2;
using customizers::CustLite;
using customizers::FogTuner;

class GraphicsClick : public ProgramTest {
 protected:
  // Clicks into a box, clears it and types the text key by key.
  void retype(const ui::TextBox& box, const std::string& text) {
    click(box);
    pressKey("End");
    for (int i = 0; i < 6; ++i) pressKey("BackSpace");
    for (char c : text) pressKey(std::string(1, c));
    waitFor("the typed text", [&] { return box.text() == text; });
  }
  std::string hexAt(const std::string& file, std::string_view key, std::size_t n) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    std::size_t at = reflayout::findOffsetKey(key)->position - 1;
    for (std::size_t i = 0; i < n; ++i) {
      auto b = static_cast<unsigned char>(file.at(at + i));
      hex += digits[b >> 4];
      hex += digits[b & 15];
    }
    return hex;
  }
};

TEST_F(GraphicsClick, EachWindowOpensPaintedAndTypedValuesArePatched) {
  int marker = 0;
  run([&] {
    clickButton("OLVEX", "OK");  // the start-up's notice of the missing patch set
    auto& main = waitForForm<shell::Form1>();

    click(main.Command14);
    auto& gfx = waitForForm<CustGfx>();
    Shot g = expectPainted("GFX customizer");
    for (const char* text : {"lightning", "blood", "smoke", "colours", "misc", "Raw sky scroll direction:",
                             "override main colour:", "apply", "defaults"})
      EXPECT_TRUE(g.shows(text)) << text;
    retype(gfx.Text2, "3A");  // lightning display time
    clickButton("GFX customizer", "apply");
    waitClosed("GFX customizer");

    click(main.Command18);
    auto& gfx2 = waitForForm<CustGfx2>();
    Shot g2 = expectPainted("GFX customizer 2");
    for (const char* text : {"Fog unit # :", "Raw blast timeout:", "Unify for various surfaces", "Loop forever"})
      EXPECT_TRUE(g2.shows(text)) << text;
    retype(gfx2.Text1[29], "9");  // sprinkler amount
    clickButton("GFX customizer 2", "apply");
    waitClosed("GFX customizer 2");

    click(main.Command13);
    auto& lite = waitForForm<CustLite>();
    Shot l = expectPainted("Light customizer");
    for (const char* text : {"Binoculars light range:", "Combine with alarm light", "Flare lifetime (seconds):",
                             "amber light", "0.0039..."})
      EXPECT_TRUE(l.shows(text)) << text;
    retype(lite.Text1[0], "77");  // pistol flash area
    clickButton("Light customizer", "apply");
    waitClosed("Light customizer");

    click(main.Command23);
    auto& tuner = waitForForm<FogTuner>();
    expectPainted("Fog Tuner");
    click(tuner.Picture1);  // the bar's middle: the marker's middle under the pointer
    waitFor("the marker to follow", [&] { return tuner.markerLeft() > 100 && tuner.markerLeft() < 110; });
    onGui([&] { marker = tuner.markerLeft() + 60; });
    drag(tuner.Image1, {{2, 7}, {32, 7}, {62, 7}});  // the marker itself, grabbed and moved on
    waitFor("the marker to be dragged", [&] { return tuner.markerLeft() == marker; });
    click(main.Label6);  // the main window takes the activation back
    waitClosed("Fog Tuner");

    click(main.Command3);
    expectPainted("Confirm file modifying");
    clickButton("Confirm file modifying", "OK");
    waitClosed("Confirm file modifying");
    waitFor("\"modify\" to be enabled again", [&] { return main.Command3.enabled(); });
  });
  std::string file = exeBytes();
  EXPECT_EQ(hexAt(file, "LightingDispOffset", 1), "3A");
  EXPECT_EQ(hexAt(file, "SprinkAmountOffset", 1), "09");
  EXPECT_EQ(hexAt(file, "PistolFlashPowerOffset", 1), "4D");
  EXPECT_EQ(shell::FogBulbRange, marker);
  // The fog bulb distance: (range * 1024) squared, as a single in little-endian bytes.
  double d = marker * 1024.0;
  auto bits = std::bit_cast<std::uint32_t>(static_cast<float>(d * d));
  std::string le;
  for (int i = 0; i < 4; ++i) le += reflayout::bytesOf("00").replace(0, 1, 1, static_cast<char>(bits >> (8 * i)));
  EXPECT_EQ(file.substr(reflayout::findOffsetKey("FogBulbDistOffset")->position - 1, 4), le);
}

}  // namespace
}  // namespace olvex::test::x
