#include "draco/patch_selection.h"

#include "ui/controls.h"

namespace olvex::draco {
namespace {

std::vector<ListItem> gItems;
ui::ListBox* gMirror = nullptr;

bool hasItem(int k) { return k >= 0 && k < ItemCount(); }

void fillMirror() {
  ui::ListBox& box = *gMirror;
  box.clear();
  for (const ListItem& item : gItems) box.addItem(item.text);
  for (int k = 0; k < ItemCount(); ++k) box.setSelected(k, gItems[k].selected);
  box.setListIndex(-1);
  if (box.listCount() > 0) box.setListIndex(0);
}

}  // namespace

int ItemCount() { return static_cast<int>(gItems.size()); }

const std::string& ItemText(int k) { return gItems.at(k).text; }

bool IsItemSelected(int k) { return hasItem(k) && gItems[k].selected; }

void SetItemSelected(int k, bool selected) {
  if (!hasItem(k)) return;
  gItems[k].selected = selected;
  if (gMirror) gMirror->setSelected(k, selected);
}

void SetItemText(int k, std::string text) {
  if (!hasItem(k)) return;
  gItems[k].text = text;
  if (gMirror) gMirror->setList(k, std::move(text));
}

int LastItemNamed(std::string_view name) {
  for (int k = ItemCount() - 1; k >= 0; --k)
    if (gItems[k].text == name) return k;
  return -1;
}

void ReplaceItems(std::vector<ListItem> items) {
  gItems = std::move(items);
  if (gMirror) fillMirror();
}

void AttachPatchListBox(ui::ListBox& box) {
  gMirror = &box;
  box.setCheckBoxes(true);
  box.onItemCheck = [&box](int k) {
    if (gMirror == &box && hasItem(k)) gItems[k].selected = box.selected(k);
  };
  fillMirror();
}

void DetachPatchListBox(ui::ListBox& box) {
  if (gMirror != &box) return;
  box.onItemCheck = nullptr;
  gMirror = nullptr;
}

}  // namespace olvex::draco
