#include "draco/patch_list_window.h"

#include <algorithm>
#include <exception>

#include "draco/input_box.h"
#include "draco/patch_editor.h"
#include "draco/patch_list.h"
#include "draco/patch_list_geometry.h"
#include "draco/patch_set_reader.h"
#include "draco/patch_set_writer.h"
#include "draco/patch_writer.h"
#include "draco/pictures.h"
#include "shell/config_state.h"
#include "shell/conversions.h"
#include "shell/text_case.h"
#include "ui/host.h"

namespace olvex::draco {
namespace {

constexpr int kEnter = 13, kF2 = 113, kF3 = 114;
constexpr const char* kSetFilter = "DRACO Patch Set (*.drc)|*.drc|All Files (*.*)|*.*";

void explain(const std::string& text, const std::string& title) {
  ui::msgBox(text, ui::MsgButtons::Ok, title, ui::MsgIcon::Information);
}

}  // namespace

Patches::Patches() : Form("patches") {
  layOut();
  wireList();
  wireSearch();
  wireParams();
}

void Patches::load() {
  struct Picture {
    ui::Image Patches::*image;
    const char* name;
  };
  static constexpr Picture kPictures[] = {
      {&Patches::Image1, "layout-switch.xpm"},     {&Patches::Image2, "param-default.xpm"},
      {&Patches::Image3, "marker-dependency.xpm"}, {&Patches::Image4, "marker-particle.xpm"},
      {&Patches::Image5, "marker-extend.xpm"},     {&Patches::Image6, "marker-remap.xpm"},
      {&Patches::Image7, "marker-savegame.xpm"},   {&Patches::Image8, "search-next.xpm"},
      {&Patches::Image9, "search-top.xpm"},
  };
  for (const Picture& p : kPictures) ShowPicture(this->*p.image, p.name, kPatchesBack);
  ShowPicture(Command4, "arrow-up.xpm");
  ShowPicture(Command6, "arrow-down.xpm");
  setDeveloperLayout(shell::DeveloperMode);
  AttachPatchListBox(Listbox1);
}

std::array<ui::Image*, 4> Patches::requirementMarkers() { return {&Image6, &Image5, &Image4, &Image7}; }

int Patches::currentRecord() const {
  if (PatchList.empty()) return -1;
  int k = Listbox1.listIndex();
  return k >= 0 && k < static_cast<int>(PatchList.size()) ? k : 0;
}

void Patches::wireList() {
  Listbox1.onClick = [this] { Listbox1_Click(); };
  onUnload = [this] { DetachPatchListBox(Listbox1); };
  // The close box keeps the window, its list and the selection, as "proceed" does.
  onCloseBox = [this] { proceed(); };
  Image3.onClick = [] { explain("Please enable these custom patches:\r\n\r\n" + DependencyText, "Custom patches required"); };
  auto markers = requirementMarkers();
  for (std::size_t i = 0; i < markers.size(); ++i) {
    std::string option(kRequirements[i].option);
    markers[i]->onClick = [option] {
      explain("Please enable ''" + option + "'' option in main OLVEX window!", option + " required");
    };
  }
  Image1.onClick = [this] {
    bool developer = !Command1.enabled();
    setDeveloperLayout(developer);
    if (developer) Label6.setVisible(false);
  };
  Command12.onClick = [this] { loadSet(); };
  Command16.onClick = [] { SavePatchSetAs(); };
  Command7.onClick = [] { ResetPatches(); };
  Command3.onClick = [this] { proceed(); };
  Command1.onClick = [this] { editCurrent(); };
  Command5.onClick = [this] { newPatch(); };
  Command2.onClick = [this] { deleteCurrent(); };
  Command28.onClick = [this] {
    if (ui::msgBox("Warning: this operation will delete ALL custom patches. Continue?", ui::MsgButtons::YesNo) !=
        ui::MsgAnswer::No)
      killlist();
  };
  Command4.onClick = [this] { moveCurrent(-1); };
  Command6.onClick = [this] { moveCurrent(1); };
}

void Patches::Listbox1_Click() {
  LastListIndex = Listbox1.listIndex();
  int r = currentRecord();
  Label1.setCaption(r >= 0 ? PatchList[r].Name : std::string());
  Text3.setText(r >= 0 ? shell::DecodeLineBreaks(PatchList[r].Description) : std::string());
  CurParamSlot = 0;
  SelParamShowez();
  showWarnings(r);
}

void Patches::showWarnings(int r) {
  Label1.setForeColor(kNoWarning);
  Label1.setToolTip("");
  for (ui::Image* marker : {&Image3, &Image6, &Image5, &Image4, &Image7}) {
    marker->setVisible(false);
    marker->setLeft(px(kMarkerLeft));
  }
  if (r < 0) return;
  int shift = 0;
  auto warn = [&](ui::Image& marker, std::string tip) {
    Label1.setForeColor(kWarning);
    Label1.setToolTip(std::move(tip));
    marker.setLeft(px(kMarkerLeft - shift));
    marker.setVisible(true);
    shift += kMarkerStep;
  };
  if (CheckDependencies(r) == 1) warn(Image3, "Some other required patches are not activated!");
  RequirementChecks options = CurrentMainOptions();
  auto markers = requirementMarkers();
  for (std::size_t i = 0; i < kRequirements.size(); ++i) {
    const Requirement& req = kRequirements[i];
    if (PatchList[r].*req.flag == 1 && !(options.*req.met))
      warn(*markers[i], "You haven't enabled ''" + std::string(req.option) + "'' option in OLVEX main window!");
  }
}

void Patches::setDeveloperLayout(bool developer) {
  Listbox1.setHeight(px(developer ? kDeveloperListHeight : kCompactListHeight));
  Text5.setWidth(px(developer ? kDeveloperText5Width : kCompactText5Width));
  Text6.setWidth(px(developer ? kDeveloperText6Width : kCompactText6Width));
  Shape3.setWidth(px(developer ? kDeveloperShape3Width : kCompactShape3Width));
  for (ui::CommandButton* b : {&Command1, &Command2, &Command5, &Command28, &Command4, &Command6})
    b->setEnabled(developer);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Shape1, &Shape4, &Label4}) c->setVisible(developer);
}

void Patches::killlist() { ClearPatchList(); }

bool Patches::CheckEqualNames(std::string_view name) const {
  return std::any_of(PatchList.begin(), PatchList.end(), [&](const PatchRecord& r) { return r.Name == name; });
}

void Patches::deleteCurrent() {
  int p = std::max(Listbox1.listIndex(), 0);
  if (Listbox1.listCount() > 1) {
    PatchRecord& r = PatchList[currentRecord()];
    r.Omnipresence = 0;
    r.Name.clear();
    RefreshPatchList();
  } else {
    killlist();
  }
  if (Listbox1.listCount() > p) Listbox1.setListIndex(p);
  else if (Listbox1.listCount() > 0) Listbox1.setListIndex(0);
}

void Patches::newPatch() {
  int n = 1;
  while (LastItemNamed("Patch " + std::to_string(n)) >= 0) ++n;
  std::string name = AskInput("patchname", *this, Command5, "Patch " + std::to_string(n));
  if (name == "EMPTY" || CheckEqualNames(name)) return;
  PatchRecord record;
  record.Omnipresence = 1;
  record.Name = name;
  PatchList.push_back(std::move(record));
  RefreshPatchList();
  Listbox1.setListIndex(Listbox1.listCount() - 1);
  editCurrent();
}

void Patches::editCurrent() {
  int p = Listbox1.listIndex();
  ui::Forms::get<PatchesConf>().show(true);
  if (p >= 0 && p < Listbox1.listCount()) Listbox1.setListIndex(p);
  Listbox1_Click();
}

void Patches::moveCurrent(int step) {
  int c = Listbox1.listIndex(), d = c + step;
  if (Listbox1.listCount() < 2 || c < 0 || d < 0 || d >= Listbox1.listCount()) return;
  std::swap(PatchList[c], PatchList[d]);
  bool selectedC = IsItemSelected(c), selectedD = IsItemSelected(d);
  SetItemSelected(c, selectedD);
  SetItemSelected(d, selectedC);
  RefreshPatchList();
  Listbox1.setListIndex(d);
}

void Patches::loadSet() {
  std::optional<std::string> path = ui::host().openFile({"Load Patch Set", kSetFilter, {}, {}});
  if (!path) return;
  try {
    shell::DefaultPatchSet = *path;
    LoadPatchSet(*path);
    ResetPatches();
  } catch (const std::exception&) {
    ui::msgBox("Error opening file! Make sure that selected file isn't corrupted.");
  }
}

void Patches::proceed() {
  ErraticDreams();
  hide();
}

void Patches::wireSearch() {
  Text5.onGotFocus = [this] {
    if (SearchUsed) return;
    Text5.setText("");
    Text5.setForeColor(ui::rgb(64, 64, 64));
    SearchUsed = true;
  };
  Text5.onKeyPress = [this](int& key) {
    if (key != kEnter) return;
    key = 0;
    ScrollThru(Text5.text());
  };
  onKeyDown = [this](int& key, int) {
    if (!SearchUsed || (key != kF2 && key != kF3)) return;
    if (key == kF2) SearchFromTop = true;
    ScrollThru(Text5.text());
  };
  Image8.onClick = [this] {
    if (SearchUsed) ScrollThru(Text5.text());
  };
  Image9.onClick = [this] {
    SearchFromTop = true;
    if (SearchUsed) ScrollThru(Text5.text());
  };
  Timer2.onTimer = [this] {
    NotFoundTicks = 1;
    Text6.setVisible(false);
    Timer2.setEnabled(false);
  };
}

void Patches::ScrollThru(const std::string& text) {
  if (text.empty()) return;
  std::string needle = shell::LowerCase(text);
  int current = Listbox1.listIndex();
  for (int i = 0; i < static_cast<int>(PatchList.size()) && i < Listbox1.listCount(); ++i) {
    if (!SearchFromTop && i <= current) continue;
    if (shell::LowerCase(PatchList[i].Name).find(needle) == std::string::npos) continue;
    // F2, F3 and the search arrows leave the value box where it is: its check runs for the
    // parameter shown now, before the found patch replaces it.
    if (!checkField()) return;
    Listbox1.setListIndex(i);
    if (SearchFromTop) {
      SearchFromTop = false;
      Image9.setVisible(true);
    }
    return;
  }
  Text6.setVisible(true);
  NotFoundTicks = 0;
  Timer2.setEnabled(true);
}

}  // namespace olvex::draco
