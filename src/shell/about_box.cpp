#include "shell/about_box.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "shell/move_mouse.h"
#include "ui/host.h"

namespace olvex::shell {

namespace {

struct Page {
  std::string_view text;
  bool slow;  // fades at half speed
};

constexpr std::array<Page, Form2::kPageCount> kPages = {{
    {"OLVEX\r\nthe executable customizer\r\nfor level builders", false},
    {"OLVEX", false},
    {"OLVEX 0.76 rev. 4", true},
    {"Written by", false},
    {"the OLVEX developers\r\nand everyone who tested it", true},
    {"Greetings to", false},
    {"every level builder", false},
    {"everyone who shares a preset", false},
    {"everyone who writes a patch", false},
    {"...", false},
    {"Homepage", false},
    {"see the README that came with OLVEX", true},
    {"Mail", false},
    {"see the README that came with OLVEX", true},
    {"Thank you for building with OLVEX!", false},
    {"", false},
    {"", false},
}};

constexpr int kBandCount = 162;
constexpr int kBandWidth = 200;
constexpr int kSplitBand = 80;
constexpr int kBandBase = 96;
constexpr int kTextMargin = 4;  // pixels of black kept around a page's text
constexpr ui::Color kStartBack = 0xFF;

int component(ui::Color c, int i) { return static_cast<int>(c >> (8 * i) & 0xFF); }

}  // namespace

Form2::Form2() : Form("Form2") {
  layOut();
  Timer1.onTimer = [this] { Timer1_Timer(); };
  Image1.onClick = [this] { Timer1.setInterval(Timer1.interval() + kIntervalStep); };
  Image2.onClick = [this] {
    if (Timer1.interval() >= kIntervalStep) Timer1.setInterval(Timer1.interval() - kIntervalStep);
  };
  Image3.onClick = [this] { Label1.setVisible(!Label1.visible()); };
  Picture1.onClick = [this] {
    if (scroll_ > kRestartFrom) restart_ = true;
  };
  Label2.onClick = [this] {
    Timer1.setEnabled(false);
    unload();
  };
  onMouseMove = [this](const ui::MouseEvent& e) { DragForm(*this, e.x, e.y, e.button, 10); };
}

void Form2::layOut() {
  setCaption("About OLVEX");
  setBorderless(true);
  setBackColor(0);
  resize(5040, 3600);
  for (ui::PictureBox* p : {&Picture1, &Picture2, &Picture3}) p->move(120, 120, 4800, 2880);
  Picture2.setVisible(false);
  Picture3.setVisible(false);
  Picture3.setFont({"MS Sans Serif", 10, true});
  Label1.setCaption("IZ: ");
  Label1.move(120, 3120, 3600, 255);
  Label1.setForeColor(0xC0C0C0);
  Label1.setBackColor(0);
  Label1.setVisible(false);
  Label2.setCaption("close");
  Label2.move(4320, 3120, 600, 255);
  Label2.setForeColor(0xFFFFFF);
  Label2.setBackColor(0);
  Label2.setAlignment(ui::Align::Right);
  const std::array<ui::Image*, 3> images = {&Image1, &Image2, &Image3};
  const std::array<ui::Color, 3> colours = {0x0000C0, 0x00C000, 0xC0C0C0};
  for (int i = 0; i < 3; ++i) {
    images[i]->move(3420 + i * 270, 3135, 225, 225);
    images[i]->canvas().resize(15, 15, colours[i]);
  }
  Timer1.setInterval(10);
}

void Form2::load() {
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Label2, &Picture1, &Image1, &Image2, &Image3})
    c->setMouseIcon(ui::kHandCursor);
  const int px = ui::host().twipsPerPixelX();
  // Until the bands begin, the band layer is black and the page shows alone.
  for (ui::PictureBox* p : {&Picture1, &Picture2, &Picture3}) p->canvas().resize(p->width() / px, p->height() / px, 0);
  measurePages();
  back_ = kStartBack;
  Timer1.setEnabled(true);
}

void Form2::Timer1_Timer() {
  random_.seed(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
  if (restart_) {
    restart_ = false;
    page_ = level_ = scroll_ = 0;
  }
  ++steps_;
  level_ += kPages[page_].slow ? 1 : 2;
  if (level_ < 256) Picture3.setForeColor(ui::rgb(level_, level_, level_));
  else if (level_ > 256) Picture3.setForeColor(ui::rgb(kFadeEnd - level_, kFadeEnd - level_, kFadeEnd - level_));
  if (level_ >= kFadeEnd) {
    level_ = 0;
    page_ = (page_ + 1) % (kPageCount - 1);
  }
  printPage();
  scroll_ += 2;
  if (scroll_ > kBandsFrom) {
    drawBands();
    driftBackground();
  }
  compose();
  if (Label1.visible()) showReadout();
}

// The page in its fade colour on black.
void Form2::printPage() {
  Picture3.canvas().fill(0);
  Picture3.print(kTextLeft, kTextTop, std::string(kPages[page_].text));
}

// Horizontal bands that move down with the scroll counter; the upper ones shade towards red, the
// lower ones towards blue.
void Form2::drawBands() {
  ui::Canvas& c = Picture2.canvas();
  if (c.height() == 0) return;
  c.fill(back_);
  for (int i = 0; i < kBandCount; ++i) {
    const int shade = std::min(255, kBandBase + static_cast<int>(i * 1.2));
    const ui::Color colour = i < kSplitBand ? ui::rgb(shade, shade / 3, component(back_, 2))
                                            : ui::rgb(component(back_, 0) / 2, shade / 2, shade);
    const int y = (i * 2 + scroll_ / 2) % c.height();
    c.fillRect((c.width() - kBandWidth) / 2, y, kBandWidth, 2, colour);
  }
}

// The back colour's components move one step at a time towards random targets.
void Form2::driftBackground() {
  std::array<int, 3> rgb{};
  for (int i = 0; i < 3; ++i) {
    int v = component(back_, i);
    if (v == drift_[i]) drift_[i] = static_cast<int>(random_() % 256);
    rgb[i] = v + (drift_[i] > v) - (drift_[i] < v);
  }
  back_ = ui::rgb(rgb[0], rgb[1], rgb[2]);
}

// Where each page's text lies, with a margin: the page printed in white on black, and the
// rectangle around what it covers (none for an empty page).
void Form2::measurePages() {
  const ui::Canvas& text = Picture3.canvas();
  for (int page = 0; page < kPageCount; ++page) {
    ui::Canvas ink;
    ink.resize(text.width(), text.height(), 0);
    ui::host().drawText(ink, kTextLeft, kTextTop, std::string(kPages[page].text), Picture3.font(), 0xFFFFFF);
    int left = ink.width(), top = ink.height(), right = -1, bottom = -1;
    for (int y = 0; y < ink.height(); ++y)
      for (int x = 0; x < ink.width(); ++x)
        if (ink.pixel(x, y) != 0) {
          left = std::min(left, x);
          right = std::max(right, x);
          top = std::min(top, y);
          bottom = y;
        }
    if (right < 0) continue;
    left = std::max(0, left - kTextMargin);
    top = std::max(0, top - kTextMargin);
    right = std::min(ink.width() - 1, right + kTextMargin);
    bottom = std::min(ink.height() - 1, bottom + kTextMargin);
    textAreas_[page] = {left, top, right - left + 1, bottom - top + 1};
  }
}

// The band layer ANDed into the shown picture, then the page's rectangle of the text picture
// copied over it: the page in its grey on black, the bands moving around it. The shown picture
// starts white on every tick, so the AND leaves the bands as drawn rather than darkening them
// with the last tick's.
void Form2::compose() {
  ui::Canvas& shown = Picture1.canvas();
  shown.fill(0xFFFFFF);
  shown.andWith(Picture2.canvas());
  const Area& a = textAreas_[page_];
  for (int y = a.top; y < a.top + a.height; ++y)
    for (int x = a.left; x < a.left + a.width; ++x) shown.setPixel(x, y, Picture3.canvas().pixel(x, y));
  Picture1.repaint();
}

void Form2::showReadout() {
  Label1.setCaption("IZ:" + std::to_string(level_) + " LC:" + std::to_string(page_) + " FB:" +
                    std::to_string(scroll_) + " FS:" + std::to_string(Timer1.interval()) + " XRB:" +
                    std::to_string(steps_));
}

}  // namespace olvex::shell
