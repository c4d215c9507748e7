#include "draco/patch_editor.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <stdexcept>

#include "draco/input_box.h"
#include "draco/patch_layout_file.h"
#include "draco/patch_list.h"
#include "draco/patch_list_window.h"
#include "draco/patch_set_reader.h"
#include "platform/files.h"
#include "resources/embedded.h"
#include "shell/conversions.h"
#include "shell/key_filters.h"
#include "shell/text_case.h"
#include "ui/host.h"

namespace olvex::draco {
namespace {

constexpr int kSlotFull = 255;
constexpr const char* kLayoutFilter = "Text documents (*.txt)|*.txt|All Files (*.*)|*.*";
constexpr ui::Color kPanelInUse = 0xF0F0F0, kPanelEmpty = 0xE0E0E0;

// The boxes whose text a patch set stores up to a ";" (title, description, parameter title and
// value, dependencies): ";" cannot be typed or pasted into them.
bool refusesSemicolon(int index) { return index != 3; }

std::string withoutBlanks(const std::string& s) {
  std::string r;
  for (char c : s)
    if (c != '\r' && c != '\n' && c != ' ') r += c;
  return r;
}

}  // namespace

PatchesConf::PatchesConf() : Form("patchesConf") {
  layOut();
  wire();
}

void PatchesConf::load() {
  List1.setMouseIcon({ui::MousePointer::Kind::Picture, resources::get("cursor-document.xpm")});
  Patches& list = ui::Forms::get<Patches>();
  EditIndex = std::max(list.currentRecord(), 0);
  try {
    if (PatchList.empty()) throw std::out_of_range("no patch to edit");
    showRecord(PatchList.at(EditIndex));
    rebuildOffsets();
    Combo1.setText("00");
    showParamSlot(0);
  } catch (const std::exception&) {
    ui::msgBox("Errors during patch data. Make sure you've no any wrong parameters set in your code file.");
    // What was copied is incomplete: it must not replace the record or go to a file.
    Command3.setEnabled(false);
    Command16.setEnabled(false);
  }
}

void PatchesConf::wire() {
  Combo1.onClick = [this] {
    if (!Combo1.text().empty()) showParamSlot(std::stoi(Combo1.text()));
  };
  Combo1.onGotFocus = [this] { Combo1_GotFocus(); };
  Check4.onClick = [this] { enableParamFields(Check4.value() == 1); };
  List1.onClick = [this] {
    if (List1.listIndex() < 0) return;
    int slot = ScanByOffset(List1.list(List1.listIndex()));
    Text1[0].setText(Edit.DeflData[slot]);
    Text1[2].setText(Edit.ModNData[slot]);
    Text1[1].setText(Edit.ModRData[slot]);
  };
  List1.onMouseDown = [this](const ui::MouseEvent& e) {
    if (e.button == ui::kRightButton) editOffset();
  };
  Command1.onClick = [this] { addOffset(); };
  Command2.onClick = [this] { killOffset(); };
  Text1.onKeyPress = [](int, int& key) { key = shell::FilterHexKey(key); };
  Text1.onKeyUp = [this](int, int) { savebytes(); };
  Text1.onMouseUp = [this](int i, const ui::MouseEvent& e) {
    if (e.button == ui::kMiddleButton) Text1[i].setText(ui::host().clipboardText());
    savebytes();
  };
  Label13.onClick = [this] {
    for (int i : Text1.indexes()) Text1[i].setText(withoutBlanks(Text1[i].text()));
    savebytes();
  };
  Text2.onKeyPress = [](int i, int& key) {
    if (i == 3) key = shell::FilterHexKey(key);
    else if (refusesSemicolon(i) && key == ';') key = 0;
  };
  Text2.onLostFocus = [this](int i) {
    if (i == 0 && Text2[0].text().empty()) Text2[0].setText("Untitled (" + std::to_string(EditIndex) + ")");
  };
  Label16.onClick = [] {
    ui::msgBox("Divide dependencies with commas. Example:\r\n"
               "Enable standable pushables,Relocate fog bulb buffer,Pigtail: gravity");
  };
  Command3.onClick = [this] { apply(); };
  Command28.onClick = [this] { unload(); };
  Command12.onClick = [this] { importLayout(); };
  Command16.onClick = [this] { exportLayout(); };
}

void PatchesConf::showRecord(const PatchRecord& record) {
  Edit = record;
  Text2[0].setText(record.Name);
  Text2[1].setText(shell::DecodeLineBreaks(record.Description));
  Check1.setValue(record.RequiresRemap);
  Check2.setValue(record.RequiresYiff);
  Check3.setValue(record.RequiresPart);
  Check5.setValue(record.RequiresSave);
  Text2[5].setText(record.Dependencies);
  Option2[record.CondBehave].setValue(true);
}

PatchRecord PatchesConf::gathered() {
  PatchRecord r = Edit;
  r.Name = Text2[0].text();
  r.Description = shell::EncodeLineBreaks(Text2[1].text());
  r.RequiresRemap = static_cast<std::uint8_t>(Check1.value());
  r.RequiresYiff = static_cast<std::uint8_t>(Check2.value());
  r.RequiresPart = static_cast<std::uint8_t>(Check3.value());
  r.RequiresSave = static_cast<std::uint8_t>(Check5.value());
  r.Dependencies = Text2[5].text();
  r.CondBehave = Option2[0].value() ? 0 : 1;
  return r;
}

void PatchesConf::ValidateOffsetEntries() {
  for (const std::string& offset : Edit.Offffset)
    if (!offset.empty()) List1.addItem(offset);
}

void PatchesConf::ENableBoxes() {
  bool any = List1.listCount() > 0;
  for (int i : Text1.indexes()) {
    Text1[i].setEnabled(any);
    if (!any) Text1[i].setText("");
  }
  Shape1.setFillColor(any ? kPanelInUse : kPanelEmpty);
}

int PatchesConf::ScanByOffset(const std::string& offset) const {
  auto it = std::find(Edit.Offffset.begin(), Edit.Offffset.end(), offset);
  return it == Edit.Offffset.end() ? 0 : static_cast<int>(it - Edit.Offffset.begin());
}

int PatchesConf::CheckAvailableOffs() const {
  auto it = std::find(Edit.Offffset.begin(), Edit.Offffset.end(), std::string());
  return it == Edit.Offffset.end() ? kSlotFull : static_cast<int>(it - Edit.Offffset.begin());
}

bool PatchesConf::CheckIfEqual(const std::string& offset) const {
  return std::find(Edit.Offffset.begin(), Edit.Offffset.end(), offset) != Edit.Offffset.end();
}

void PatchesConf::savebytes() {
  if (List1.listIndex() < 0) return;
  int slot = ScanByOffset(List1.list(List1.listIndex()));
  Edit.DeflData[slot] = Text1[0].text();
  Edit.ModNData[slot] = Text1[2].text();
  Edit.ModRData[slot] = Text1[1].text();
}

void PatchesConf::rebuildOffsets() {
  List1.clear();
  ValidateOffsetEntries();
  if (List1.listCount() > 0) List1.setListIndex(0);
  ENableBoxes();
}

void PatchesConf::showParamSlot(int k) {
  const PatchParam& p = Edit.Params[k];
  // A flag or type a file gave outside the editor's range shows as disabled, no type chosen.
  Check4.setValue(p.Enabled <= 2 ? p.Enabled : 0);
  enableParamFields(Check4.value() == 1);
  Text2[2].setText(p.Name);
  Text2[3].setText(p.Offset);
  Text2[4].setText(p.DefaultValue);
  if (Option1.exists(p.Type)) {
    Option1[p.Type].setValue(true);
  } else {
    for (int i : Option1.indexes()) Option1[i].setValue(false);
  }
}

void PatchesConf::enableParamFields(bool enabled) {
  for (int i : {2, 3, 4}) Text2[i].setEnabled(enabled);
  for (int i : Option1.indexes()) Option1[i].setEnabled(enabled);
  for (ui::Label* l : {&Label7, &Label8, &Label9, &Label10}) l->setEnabled(enabled);
}

void PatchesConf::Combo1_GotFocus() {
  if (Combo1.text().empty()) return;
  PatchParam& p = Edit.Params[std::stoi(Combo1.text())];
  p.Enabled = static_cast<std::uint8_t>(Check4.value());
  p.Name = Text2[2].text();
  p.Offset = Text2[3].text();
  p.DefaultValue = Text2[4].text();
  for (int i : Option1.indexes())
    if (Option1[i].value()) p.Type = static_cast<std::uint8_t>(i);
}

void PatchesConf::addOffset() {
  int slot = CheckAvailableOffs();
  if (slot == kSlotFull) {
    ui::msgBox("Max. 100 slots per patch!");
    return;
  }
  std::string offset = AskInput("offsethex", *this, Command1, "");
  if (offset == "EMPTY" || CheckIfEqual(offset)) return;
  Edit.Offffset[slot] = offset;
  Edit.DeflData[slot].clear();  // a slot freed by an import may still hold bytes
  Edit.ModNData[slot].clear();
  Edit.ModRData[slot].clear();
  List1.addItem(offset);
  List1.setListIndex(List1.listCount() - 1);
  ENableBoxes();
}

void PatchesConf::editOffset() {
  int at = List1.listIndex();
  if (at < 0) return;
  std::string old = List1.list(at);
  std::string offset = AskInput("offsethex_edit", *this, List1, old);
  if (offset == "EMPTY" || CheckIfEqual(offset)) return;
  Edit.Offffset[ScanByOffset(old)] = offset;
  List1.setList(at, offset);
}

void PatchesConf::killOffset() {
  int p = List1.listIndex();
  if (p < 0) return;  // nothing selected: no slot to kill
  int slot = ScanByOffset(List1.list(p));
  for (SlotTexts* texts : {&Edit.Offffset, &Edit.DeflData, &Edit.ModNData, &Edit.ModRData}) (*texts)[slot].clear();
  List1.clear();
  ValidateOffsetEntries();
  ENableBoxes();
  if (List1.listCount() > p) List1.setListIndex(p);
  else if (List1.listCount() > 0) List1.setListIndex(0);
}

void PatchesConf::apply() {
  Combo1_GotFocus();
  if (Text2[0].text().empty()) Text2[0].setText("Untitled (" + std::to_string(EditIndex) + ")");
  std::string title = shell::LowerCase(Text2[0].text());
  for (int i = 0; i < static_cast<int>(PatchList.size()); ++i) {
    if (i == EditIndex || shell::LowerCase(PatchList[i].Name) != title) continue;
    ui::msgBox("Patch with specified name already exists. Please specify different name.");
    Text2[0].setFocus();
    return;
  }
  PatchRecord record = gathered();
  PatchRecord& stored = PatchList.at(EditIndex);
  record.Omnipresence = stored.Omnipresence;
  for (int k = 0; k < kParamSlots; ++k)
    if (record.Params[k].CurrentValue.empty()) record.Params[k].CurrentValue = record.Params[k].DefaultValue;
  stored = std::move(record);
  SetItemText(EditIndex, stored.Name);
  unload();
}

void PatchesConf::exportLayout() {
  Combo1_GotFocus();
  std::optional<std::string> path = ui::host().saveFile({"Save Patch Layout", kLayoutFilter, {}, {}});
  if (!path) return;
  try {
    platform::writeLinesAtomic(*path, PatchLayoutLines(gathered(), PatchList.at(EditIndex).Omnipresence));
  } catch (const platform::FileError&) {
    ui::msgBox("Error saving patch layout (" + *path + ").");
  }
}

void PatchesConf::importLayout() {
  std::optional<std::string> path = ui::host().openFile({"Load Patch Layout", kLayoutFilter, {}, {}});
  if (!path) return;
  Combo1_GotFocus();
  PatchRecord merged = gathered();
  try {
    MergePatchLayout(platform::readLines(*path), merged);
  } catch (const std::exception&) {
    ui::msgBox("Error opening file! Make sure that selected file isn't corrupted.");
  }
  // What was read, up to a failing line, is shown: the controls always show the working copy.
  showRecord(merged);
  rebuildOffsets();
  Combo1.setText("00");
  showParamSlot(0);
}

}  // namespace olvex::draco
