// The inventory, item combination, weapons and enemies dialogs opened with the mouse on a real X
// server: each is painted with its controls and pictures; the weapons preview and the enemies'
// blinking run while their dialog is up and stop when it closes.
#include <gtest/gtest.h>

#include "customizers/enemies/dialog.h"
#include "customizers/inventory/dialog.h"
#include "customizers/puzzles/dialog.h"
#include "customizers/weapons/dialog.h"
#include "program_fixture.h"
#include "shell/form1.h"

namespace olvex::test::x {
namespace {

using customizers::CustEnemy;
using customizers::CustInv;
using customizers::CustWeapons;
using customizers::PuzzleConf;

class PlayDialogsClick : public ProgramTest {
 protected:
  // The main window, once the start-up's notice of the missing patch set is answered.
  shell::Form1& mainWindow() {
    clickButton("OLVEX", "OK");
    return waitForForm<shell::Form1>();
  }
};

// The screen colour of pixel (dx, dy) of a control, in the window whose client area `shot` holds.
std::uint32_t colourIn(const Shot& shot, const ui::Control& c, int dx, int dy) {
  int x = 0, y = 0;
  for (const ui::Control* p = &c; p; p = p->container()) {
    x += p->left();
    y += p->top();
  }
  return shot.screen.at(x / 15 + dx, y / 15 + dy);
}

TEST_F(PlayDialogsClick, InventoryAndItemCombinationsOpenPainted) {
  run([&] {
    auto& main = mainWindow();
    click(main.Command17);
    auto& inv = waitForForm<CustInv>();
    Shot shot = expectPainted("Inventory customizer");
    for (const char* text : {"start-up inventory", "pick-ups quantity", "item effect", "misc", "Pistols",
                             "Amount of Big Medkits:", "Grenade flash ammo:", "Item rotate speed:",
                             "More savegame slots (24)", "FlyCheat magic word:", "items...", "apply", "defaults"})
      EXPECT_TRUE(shot.shows(text)) << text;
    EXPECT_FALSE(shot.shows("Add Pistol Ammo functionality"));  // the hidden switches
    click(inv.Command3);
    waitForForm<PuzzleConf>();
    Shot items = expectPainted("Item configurator");
    EXPECT_TRUE(items.shows("puzzle combo editor"));
    std::string combination;
    onGui([&] { combination = ui::Forms::get<PuzzleConf>().Combo2.text(); });
    EXPECT_EQ(combination, "Puzzle Item 1 Combo 1 + Combo 2");
    clickButton("Item configurator", "apply");
    waitClosed("Item configurator");
    clickButton("Inventory customizer", "apply");
    waitClosed("Inventory customizer");
  });
}

TEST_F(PlayDialogsClick, WeaponsPreviewFlashesWhileShown) {
  run([&] {
    auto& main = mainWindow();
    click(main.Command20);
    auto& w = waitForForm<CustWeapons>();
    Shot shot = expectPainted("Weapon customizer");
    for (const char* text : {"complex weapon modifiers", "pistols:", "flash dur.", "Crossbow bolt fly speed:",
                             "Grenade ammo flags:", "twin weapon overrides", "gunflash",
                             "Crossbow targeting distance:", "revolver", "?"})
      EXPECT_TRUE(shot.shows(text)) << text;
    EXPECT_EQ(colourIn(shot, w.Command10, 14, 14), 0x008000u);  // the start icon, amid the button
    EXPECT_EQ(colourIn(shot, w.Image1, 20, 8), 0x808080u);    // the gun

    click(w.Command10);
    waitFor("the flash", [&] { return w.Image2.visible(); });
    waitFor("the flash to go out", [&] { return !w.Image2.visible(); });
    waitFor("the flash again", [&] { return w.Image2.visible(); });
    EXPECT_EQ(colourIn(expectPainted("Weapon customizer"), w.Command10, 14, 14), 0xC00000u);  // the stop icon
    clickButton("Weapon customizer", "apply");
    waitClosed("Weapon customizer");
    waitFor("the preview to stop", [&] { return !w.Timer1.enabled() && !w.Image2.visible(); });
  });
}

TEST_F(PlayDialogsClick, EnemiesBlinkWhileShownAndFlagsCycleOnClicks) {
  run([&] {
    auto& main = mainWindow();
    click(main.Command19);
    auto& e = waitForForm<CustEnemy>();
    Shot shot = expectPainted("Enemy HP customizer");
    for (const char* text : {"enemy HP", "Mutant:", "Set:", "Small Scorpion:", "Von Croy:", "Enable SS HP change",
                             "AI", "?", "apply", "defaults"})
      EXPECT_TRUE(shot.shows(text)) << text;
    EXPECT_EQ(colourIn(shot, e.Image1[0], 3, 7), 0xC0C0C0u);   // the skeleton: smoke
    EXPECT_EQ(colourIn(shot, e.Image1[1], 3, 7), 0xFF8080u);   // baddy 1: blood
    EXPECT_EQ(colourIn(shot, e.Image1[14], 3, 7), 0xE0E0E0u);  // demigod 2: fixed

    click(e.Image1[0]);
    waitFor("the skeleton's next flag", [&] { return shell::EnemyFlags[0] == 4; });
    EXPECT_EQ(colourIn(expectPainted("Enemy HP customizer"), e.Image1[0], 3, 7), 0x80FF80u);  // clear damage

    // The guide's 49152 blinks between dark red and grey.
    waitFor("grey", [&] { return e.Text1[25].foreColor() == ui::rgb(128, 128, 128); });
    waitFor("dark red", [&] { return e.Text1[25].foreColor() == ui::rgb(64, 0, 0); });
    clickButton("Enemy HP customizer", "apply");
    waitClosed("Enemy HP customizer");
    waitFor("the blinking to stop", [&] { return !e.Timer1.enabled(); });
  });
}

}  // namespace
}  // namespace olvex::test::x
