// The physics, health and limits dialogs opened with the mouse on a real X server: each is
// painted with its controls, the physics dialog with its eight knobs, and dragging a knob's
// marker changes the turn rates beside it.
#include <gtest/gtest.h>

#include "customizers/health/dialog.h"
#include "customizers/limits/dialog.h"
#include "customizers/physics/dialog.h"
#include "program_fixture.h"
#include "shell/form1.h"

namespace olvex::test::x {
namespace {

using customizers::CustLaraHP;
using customizers::CustLimits;
using customizers::CustPhys;

using RulesWindows = ProgramTest;

// The knob's marker is drawn dark red where the model put it.
bool markerAt(const Shot& shot, const ui::Control& knob, int markerLeft, float markerTop) {
  int x = (knob.left() + markerLeft + 82) / 15, y = (knob.top() + static_cast<int>(markerTop) + 82) / 15;
  std::uint32_t c = shot.screen.at(x, y);
  return (c >> 16) > 150 && ((c >> 8) & 0xFF) < 80 && (c & 0xFF) < 80;
}

TEST_F(RulesWindows, PhysicsDialogShowsItsKnobsAndADragTurnsThePair) {
  run([&] {
    click(mainWindow().Command15);
    auto& d = waitForForm<CustPhys>();
    Shot shot = expectPainted("Physics customizer");
    for (const char* text : {"jump turn / grav", "swim turn / speed", "run turn", "stand turn", "MS turn",
                             "duck move turn", "duck stand turn", "rope / pole turn", "Shell gravity:",
                             "Disable ledge climb delay", "apply", "defaults"})
      EXPECT_TRUE(shot.shows(text)) << text;
    for (const ui::vbkRoundSlider* knob : {&d.vbkRoundSlider1, &d.vbkRoundSlider2, &d.vbkRoundSlider3,
                                           &d.vbkRoundSlider4, &d.vbkRoundSlider5, &d.vbkRoundSlider7,
                                           &d.vbkRoundSlider8, &d.vbkRoundSlider9})
      EXPECT_TRUE(markerAt(shot, *knob, knob->markerLeft(), knob->markerTop())) << knob->name();

    // From the marker at the far left to straight above the dial's centre, a little left of it.
    int mx = (100 + 82) / 15, my = (720 + 82) / 15, cx = 790 / 15;
    drag(d.vbkRoundSlider3, {{mx, my}, {mx + 4, my - 10}, {cx - 20, 30}, {cx - 8, 25}, {cx - 1, 20}});
    waitFor("the run turn pair", [&] { return d.Text2[1].text() != "FA50"; });
    std::string left, right;
    int value = 0;
    onGui([&] {
      left = d.Text2[1].text();
      right = d.Text2[2].text();
      value = d.vbkRoundSlider3.value();
    });
    EXPECT_GT(value, 4000);
    customizers::TurnPair want = customizers::KnobTurnPair(value);
    EXPECT_EQ(left, want.left);
    EXPECT_EQ(right, want.right);
    Shot moved = expectPainted("Physics customizer");
    EXPECT_TRUE(moved.shows(want.left));
    int markerLeft = 0;
    float markerTop = 0;
    onGui([&] {
      markerLeft = d.vbkRoundSlider3.markerLeft();
      markerTop = d.vbkRoundSlider3.markerTop();
    });
    EXPECT_LT(markerTop, 400);  // near the top of the dial
    EXPECT_TRUE(markerAt(moved, d.vbkRoundSlider3, markerLeft, markerTop));
    click(d.Command3);
    waitClosed("Physics customizer");
  });
}

TEST_F(RulesWindows, HealthDialogOpensTheLimitsDialog) {
  run([&] {
    click(mainWindow().Command10);
    auto& health = waitForForm<CustLaraHP>();
    Shot shot = expectPainted("HP \\ Damage customizer");
    for (const char* text : {"enemy damage / behaviour", "HP drain", "SAS grenades bugfix", "Baddy UZI:",
                             "Little beetle (dispersion):", "In prong spikes:", "Damage / threshold:",
                             "customize limits..."})
      EXPECT_TRUE(shot.shows(text)) << text;
    click(health.Command5);
    auto& limits = waitForForm<CustLimits>();
    Shot l = expectPainted("Limit sub-customizer");
    for (const char* text : {"HP limit", "air limit", "sprint limit", "recalculate HP bar range",
                             "Bike nitro drain rate:", "66666667"})
      EXPECT_TRUE(l.shows(text)) << text;
    onGui([&] { limits.Text2[0].setText("100"); });
    click(limits.Command3);
    clickButton("OLVEX", "OK");
    waitFor("the corrected maximum", [&] { return limits.Text2[0].text() == "201"; });
    click(limits.Command1);
    waitClosed("Limit sub-customizer");
    click(health.Command1);
    waitClosed("HP \\ Damage customizer");
  });
}

}  // namespace
}  // namespace olvex::test::x
