#include "draco/statistics_window.h"

#include "draco/offset_map.h"
#include "draco/statistics.h"
#include "platform/files.h"
#include "shell/config_state.h"
#include "shell/move_mouse.h"
#include "shell/version_table.h"
#include "ui/host.h"

namespace olvex::draco {
namespace {

constexpr int kRows = 12;
constexpr int kRowHeight = 240;
constexpr int kWidth = 4560;

constexpr const char* kCaptions[kRows] = {
    "Offsets used in current version:", "Empty offsets in file:", "Data entries used:",
    "Last loaded config version:",      "FURR language commands:", "FURR language byte constants:",
    "FURR language word constants:",    "FURR language dword constants:", "FURR language hex constants:",
    "DRACO custom patches:",            "DRACO overall offsets used:",    "Total amount of offsets used:",
};

}  // namespace

FLAbout::FLAbout() : Form("FLAbout") {
  setCaption("OLVEX info");
  setBorderless(true);
  int height = 240 + kRows * kRowHeight + 480;
  move(3000, 2500, kWidth, height);
  for (int i = 0; i < kRows; ++i) {
    ui::Label& c = Caption.add(i);
    c.setCaption(kCaptions[i]);
    c.move(240, 180 + i * kRowHeight, 2940, 225);
    ui::Label& v = Value.add(i);
    v.setCaption(i >= 4 && i <= 8 ? "0" : "000");
    v.move(3240, 180 + i * kRowHeight, 1080, 225);
    v.setFont(ui::Font{"MS Sans Serif", 8, true});
  }
  int linkTop = 180 + kRows * kRowHeight + 120;
  struct Link {
    ui::Label* label;
    const char* caption;
    int left;
  };
  for (const Link& link : {Link{&Label28, "show map", 240}, Link{&Label2, "create offsets.txt", 1440},
                           Link{&Label1, "close", 3600}}) {
    link.label->setCaption(link.caption);
    link.label->move(link.left, linkTop, 1500, 225);
    link.label->setForeColor(ui::rgb(0, 0, 192));
    link.label->setFont(ui::Font{"MS Sans Serif", 8, false, false, true});
  }
  Line1.setPoints(0, 0, 0, height);
  Line2.setPoints(0, 0, kWidth, 0);
  Line3.setPoints(0, height - 15, kWidth, height - 15);
  Line4.setPoints(kWidth - 15, 0, kWidth - 15, height);
}

// Its place is 25 twips right of where it opens, centred over the main window.
void FLAbout::load() {
  centreOnOpener();
  setLeft(left() + 25);
  for (ui::Label* link : {&Label28, &Label2, &Label1}) link->setMouseIcon(ui::kHandCursor);
  Statistics s = ComputeStatistics(shell::Offsets);
  Value[0].setCaption(std::to_string(s.offsetsUsed));
  Value[1].setCaption(std::to_string(s.emptyOffsets));
  Value[2].setCaption(std::to_string(s.dataEntries));
  Value[3].setCaption(s.configVersion);
  for (int i = 0; i < 5; ++i)
    if (s.furrRows[i]) Value[4 + i].setCaption(std::to_string(*s.furrRows[i]));
  Value[9].setCaption(std::to_string(s.patches));
  Value[10].setCaption(std::to_string(s.patchOffsets));
  Value[11].setCaption(std::to_string(s.total()));

  Label28.onClick = [] { ui::Forms::get<Form3>().show(true); };
  Label2.onClick = [this] { writeListing(); };
  Label1.onClick = [this] { unload(); };
  onMouseMove = [this](const ui::MouseEvent& e) { shell::DragForm(*this, e.x, e.y, e.button, 10); };
}

void FLAbout::writeListing() {
  std::string path = shell::WorkDir + "offsets.txt";
  try {
    platform::writeLinesAtomic(path, OffsetListingLines(shell::Offsets));
  } catch (const platform::FileError&) {
    ui::msgBox("Error writing listing (" + path + ").");
    return;
  }
  ui::msgBox(OffsetListingMessage(shell::Offsets, shell::WorkDir));
}

}  // namespace olvex::draco
