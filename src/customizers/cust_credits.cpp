#include "customizers/cust_credits.h"

#include <algorithm>
#include <cmath>

#include "shell/number_text.h"
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

}  // namespace

CustCredits::CustCredits() : Form("CustCredits") {
  Text1.setMultiLine(true);
  Text3.add(0).setText("2");
  Text3.add(1).setText("6");
  Text4.add(1).setText("98");
  Text4.add(2).setText("39");
  for (int i = 0; i < 3; ++i) {
    Option1.add(i).setContainer(&Frame1);
    Option2.add(i).setContainer(&Frame2);
  }
  Option1[1].setValue(true);
  Option2[1].setValue(true);
  Label5.setCaption("Per-line character limit exceeded.");
  Image1.setContainer(&Picture2);

  for (auto* event : {&Text1.onChange, &Text1.onClick}) *event = [this] { RecalcCounters(); };
  Text1.onKeyPress = [this](int&) { RecalcCounters(); };
  Text2.onChange = [this] { text2Change(); };
  Text2.onLostFocus = [this] {
    if (shell::Val(Text2.text()) > kMaxLineChars) Text2.setText(std::to_string(kMaxLineChars));
    placeMarker();
    RecalcCounters();
  };
  Picture2.onMouseDown = Picture2.onMouseMove = [this](const ui::MouseEvent& e) {
    DoRulers(e.button, e.x / twipsPerPixel());
  };
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
  const int lines = Text1.lineCount();
  const int chars = lineChars();
  Label1.setCaption(std::to_string(lines));
  Label5.setVisible(false);
  for (int i = 0; i < lines; ++i) {
    if (static_cast<int>(Text1.lineText(i).size()) > chars) {
      Label5.setCaption("Line number " + std::to_string(i + 1) + " contains too many chars.");
      Label5.setVisible(true);
      break;
    }
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

}  // namespace olvex::customizers
