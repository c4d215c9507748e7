#include "customizers/credits/dialog.h"

#include <algorithm>
#include <cmath>

#include "customizers/frame/colour_rows.h"
#include "patcher/pass_hooks.h"
#include "shell/config_reader.h"
#include "shell/number_text.h"
#include "ui/box_lines.h"
#include "ui/host.h"

namespace olvex::customizers {

namespace {

constexpr ui::Color kTooManyLines = ui::rgb(255, 0, 0);
constexpr ui::Color kLinesFit = 0xC0C0C0;
// One column of the ruler is 8.04 pixels wide for placing the marker and 7.95 for reading it.
constexpr double kPlaceColumn = 8.04;
constexpr double kReadColumn = 7.95;
constexpr int kRulerFirst = 8, kRulerLast = 402;

int twipsPerPixel() { return ui::hostIfSet() ? ui::host().twipsPerPixelX() : 15; }

constexpr const char* kHelpText =
    "Scripted Lines descriptor:\r\n\r\nIn TR4 engine, some credit lines read from SCRIPT.DAT files.\r\n"
    "Engine will identify these lines if any %n value found.\r\n"
    "So, you can disable SCRIPT.DAT lines and use normal text instead of %n lines.";

constexpr int kRulerPixels = 420;

const Place kLayout[] = {
    {"Picture2", -1, 120, 120, kRulerPixels * 15, 300},
    {"Image1", -1, 0, 0, 120, 300, {}, "Picture2"},
    {"Text1", -1, 120, 450, kRulerPixels * 15, 3600},
    {"Label4", -1, 120, 4110, 4200, 255},
    {"Label5", -1, 120, 4410, kRulerPixels * 15, 255, "Per-line character limit exceeded."},
    {"Label1", -1, 120, 4410, 600, 255},
    {"Caption", 0, 120, 4800, 2700, 255, "Characters in one line:"},
    {"Text2", -1, 2880, 4755, 420, 285},
    {"Caption", 1, 120, 5190, 2700, 255, "Normal line effect # / align:"},
    {"Text3", 0, 2880, 5145, 420, 285},
    {"Frame1", -1, 3360, 5085, 1200, 390},
    {"Option1", 0, 60, 90, 300, 255, {}, "Frame1"},
    {"Option1", 1, 450, 90, 300, 255, {}, "Frame1"},
    {"Option1", 2, 840, 90, 300, 255, {}, "Frame1"},
    {"Caption", 2, 120, 5580, 2700, 255, "Scripted line effect # / align:"},
    {"Text3", 1, 2880, 5535, 420, 285},
    {"Frame2", -1, 3360, 5475, 1200, 390},
    {"Option2", 0, 60, 90, 300, 255, {}, "Frame2"},
    {"Option2", 1, 450, 90, 300, 255, {}, "Frame2"},
    {"Option2", 2, 840, 90, 300, 255, {}, "Frame2"},
    {"Caption", 3, 120, 5970, 2700, 255, "Credits audiotrack number:"},
    {"Text4", 1, 2880, 5925, 420, 285},
    {"Caption", 4, 120, 6360, 2700, 255, "Credits level jump number:"},
    {"Text4", 2, 2880, 6315, 420, 285},
    {"Check1", -1, 120, 6720, 4800, 255, "Don't replace %n lines with SCRIPT.DAT lines"},
    {"Check2", -1, 120, 7020, 4800, 255, "Fix credits flyby bug"},
    {"Command1", -1, 4800, 7440, 1080, 375, "apply"},
    {"Command3", -1, 3600, 7440, 1080, 375, "defaults"},
    {"Command6", -1, 6000, 7440, 420, 375, "?"},
    {"Command5", -1, -2400, 0, 900, 375},
};

const FieldRow kFields[] = {
    {"Text2", -1, -1, Filter::LineValue, 2, trimmed()},
    {"Text3", 0, 1, Filter::Digit, 3},
    {"Text4", 1, 2, Filter::Digit, 3},
};

const FocusRedirect kRedirects[] = {
    {"Option1", 0, 2, "Command5"},
    {"Option2", 0, 2, "Command5"},
};

const DialogTable kTable = {
    .caption = "Credits sub-customizer",
    .scope = "creds",
    .width = 6720,
    .height = 8340,
    .defaultsButton = "Command3",
    .layout = kLayout,
    .fields = kFields,
    .redirects = kRedirects,
};

}  // namespace

CustCredits::CustCredits() : Dialog("CustCredits", kTable) {
  Text1.setMultiLine(true);
  Text1.setFont({"Courier New", 10});
  Text3.add(0).setText("2");
  Text3.add(1).setText("6");
  Text4.add(1).setText("98");
  Text4.add(2).setText("39");
  addRange(Option1, 0, 2);
  addRange(Option2, 0, 2);
  AddCaptions(Caption, 4);
  Label1.setVisible(false);
  Label4.setBackColor(0);  // silver and red read on black
  Label5.setForeColor(ui::rgb(255, 0, 0));
  Command6.onClick = [] { ui::msgBox(kHelpText); };
  drawRuler();

  for (auto* event : {&Text1.onChange, &Text1.onClick}) *event = [this] { RecalcCounters(); };
  Text1.onKeyPress = [this](int&) { RecalcCounters(); };
  Text1.onKeyUp = [this](int) { RecalcCounters(); };
  Text2.onChange = [this] { text2Change(); };
  Text2.onLostFocus = [this] {
    if (shell::Val(Text2.text()) > kMaxLineChars) Text2.setText(std::to_string(kMaxLineChars));
    placeMarker();
    RecalcCounters();
  };
  Picture2.onMouseDown = Picture2.onMouseMove = [this](const ui::MouseEvent& e) {
    DoRulers(e.button, e.x / twipsPerPixel());
  };
  build();
  // Selected once each group has its frame.
  Option1[1].setValue(true);
  Option2[1].setValue(true);
}

// Ticks at every column, longer at every fifth; the marker is a red bar. Drawn when first used.
void CustCredits::drawRuler() {
  Picture2.canvas().drawLater([](ui::Canvas& ruler) {
    ruler.resize(kRulerPixels, 20, 0xFFFFFF);
    for (int c = 1; c <= kMaxLineChars; ++c) {
      int x = static_cast<int>(std::trunc(c * kPlaceColumn));
      ruler.line(x, c % 5 == 0 ? 8 : 14, x, 19, 0);
    }
  });
  Picture2.repaint();
  Image1.canvas().drawLater([](ui::Canvas& marker) { marker.resize(8, 20, ui::rgb(255, 0, 0)); });
  Image1.repaint();
}

void CustCredits::load() {
  RecalcCounters();
  Text2.setText("22");
  placeMarker();
}

int CustCredits::lineChars() const { return LineCharsOf(Text2.text()); }

void CustCredits::placeMarker() {
  Image1.setLeft(static_cast<int>(std::trunc(lineChars() * kPlaceColumn)) * twipsPerPixel());
}

// Anything below one character becomes "1", anything above fifty "50".
void CustCredits::text2Change() {
  double c = shell::Val(Text2.text());
  if (!(c >= kMinLineChars)) Text2.setText(std::to_string(kMinLineChars));
  else if (c > kMaxLineChars) Text2.setText(std::to_string(kMaxLineChars));
  RecalcCounters();
}

int CustCredits::CurrentLine(const ui::TextBox& box) { return box.lineFromChar(box.selStart()) + 1; }

CreditsImage CustCredits::RecalcLength() const { return BuildCreditsImage(Text1, lineChars()); }

void CustCredits::RecalcCounters() {
  const int chars = lineChars();
  // One pass over the text, however many lines it holds: the count and the first long line.
  int lines = 0, firstLong = 0;
  ui::BoxLines walk(Text1.text());
  for (std::string_view line; walk.next(line);) {
    ++lines;
    if (firstLong == 0 && line.size() > static_cast<std::size_t>(chars)) firstLong = lines;
  }
  Label1.setCaption(std::to_string(lines));
  Label5.setVisible(false);
  if (firstLong != 0) {
    Label5.setCaption("Line number " + std::to_string(firstLong) + " contains too many chars.");
    Label5.setVisible(true);
  }
  const int slots = SlotCount(chars);
  const bool tooMany = slots < lines;
  Label4.setForeColor(tooMany ? kTooManyLines : kLinesFit);
  std::string counter = std::to_string(CurrentLine(Text1)) + " / " + Label1.caption() + " [max " +
                        std::to_string(slots) + "]";
  Label4.setCaption(tooMany ? "Too many strings: " + counter : counter);
  placeMarker();
}

void CustCredits::DoRulers(int button, double x) {
  const int tpp = twipsPerPixel();
  if (button == ui::kLeftButton) Image1.setLeft(static_cast<int>(std::trunc(x - 2)) * tpp);
  int left = std::clamp(Image1.left() / tpp, kRulerFirst, kRulerLast);
  Text2.setText(std::to_string(static_cast<int>(std::trunc(left / kReadColumn))));
  placeMarker();
}

void InstallCreditsDialog() {
  RegisterCreditsKeys();
  shell::ReaderHooks.creditsText = [](const std::string& text) { ui::Forms::get<CustCredits>().Text1.setText(text); };
  patcher::passHooks().StageWriters["CREDITS"] = WriteCredits;
}

}  // namespace olvex::customizers
