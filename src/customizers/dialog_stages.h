#pragma once
// The pass stages of the customizer dialogs, each writing the dialog's current values into the
// open working copy.
namespace olvex::platform {
class RandomAccessFile;
}

namespace olvex::customizers {

void WriteBars(platform::RandomAccessFile& file);     // "BARS"
void WriteFonts(platform::RandomAccessFile& file);    // "FONTS"
void WriteCredits(platform::RandomAccessFile& file);  // "CREDITS"
// "WEAPON": the weapons dialog's values and the ammo flags.
void WriteWeapons(platform::RandomAccessFile& file);
// "INVENTORY": the inventory dialog's values, with the pistol ammo function that needs the
// extended executable.
void WriteInventory(platform::RandomAccessFile& file);
// "ITEMS": for each of the 21 combination slots, the instruction that yields the chosen item and
// the id of the item that takes the focus.
void WriteItems(platform::RandomAccessFile& file);
// "ENEMY": hit points, hit flags and the small scorpion's hit point patch.
void WriteEnemies(platform::RandomAccessFile& file);

}  // namespace olvex::customizers
