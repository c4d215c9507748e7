#pragma once
// The items of the patch list: one per present patch record, each with its check mark (the
// patch is selected for the next pass). The items live in the DRACO module, so the selection
// outlasts the patch list window however it is closed; the window's list box only mirrors them.
#include <string>
#include <string_view>
#include <vector>

namespace olvex::ui {
class ListBox;
}

namespace olvex::draco {

int ItemCount();
const std::string& ItemText(int k);  // k must be a position of an item
bool IsItemSelected(int k);           // false for a position without an item
void SetItemSelected(int k, bool selected);          // ignored for a position without an item
int LastItemNamed(std::string_view name);            // -1 when no item has that text
void SetItemText(int k, std::string text);           // ignored for a position without an item

struct ListItem {
  std::string text;
  bool selected = false;
};
// Replaces every item; the mirrored list box is refilled, its current item set to none and then
// to the first item. Used by RefreshPatchList.
void ReplaceItems(std::vector<ListItem> items);

// Fills the box with the items (check marks on), makes its current item the first, and keeps it
// in step from now on both ways: a check the user sets or clears reaches the selection, and every
// change of the items reaches the box. One box at a time; Detach before the box goes away.
void AttachPatchListBox(ui::ListBox& box);
void DetachPatchListBox(ui::ListBox& box);

}  // namespace olvex::draco
