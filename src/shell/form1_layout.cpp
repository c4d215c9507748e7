// The main window's designer values: captions, texts, geometry (twips) and the enabled states it
// starts with. Controls inside a frame are placed relative to the frame.
#include "shell/form1.h"

#include <initializer_list>

namespace olvex::shell {

namespace {

constexpr int kRowHeight = 300;
constexpr int kLeftColumn = 120;
constexpr int kColumnWidth = 5280;
constexpr int kRightColumn = kLeftColumn + kColumnWidth + 120;
constexpr int kIndent = 240;
constexpr int kFormWidth = kRightColumn + kColumnWidth + 120;
constexpr int kFormHeight = Form1::kConsoleClosedHeight;  // the console lies below

struct CheckRow {
  ui::CheckBox Form1::*box;
  const char* caption;
  int left, top, width;
};

struct ButtonRow {
  ui::CommandButton Form1::*button;
  const char* caption;
  int left, top, width;
};

// Three option buttons side by side in a frame.
void layOutOptions(ui::ControlArray<ui::OptionButton>& options, ui::Frame& frame,
                   const char* const (&captions)[3]) {
  static const int kLefts[] = {120, 2040, 3240};
  for (int i = 0; i < 3; ++i) {
    auto& o = options.add(i);
    o.setContainer(&frame);
    o.setCaption(captions[i]);
    o.move(kLefts[i], 300, i == 1 ? 1080 : 1800, 255);
  }
  options[0].setValue(true);
}

// The two image buttons' pictures: a back arrow (defaults) and a bar chart (statistics).
void drawIcons(ui::Image& defaults, ui::Image& statistics) {
  constexpr ui::Color kFrame = 0x808080, kInk = 0x800000;
  for (ui::Image* image : {&defaults, &statistics}) {
    ui::Canvas& c = image->canvas();
    c.resize(32, 32, 0xF0F0F0);
    c.line(0, 0, 31, 0, kFrame);
    c.line(0, 31, 31, 31, kFrame);
    c.line(0, 0, 0, 31, kFrame);
    c.line(31, 0, 31, 31, kFrame);
  }
  ui::Canvas& arrow = defaults.canvas();
  arrow.fillRect(8, 15, 17, 3, kInk);
  for (int i = 0; i < 7; ++i) arrow.line(7 + i, 16 - i, 7 + i, 16 + i + 1, kInk);
  ui::Canvas& chart = statistics.canvas();
  static const int kBars[] = {10, 18, 6, 14};
  for (int i = 0; i < 4; ++i) chart.fillRect(6 + i * 6, 26 - kBars[i], 4, kBars[i], kInk);
  defaults.repaint();
  statistics.repaint();
}

}  // namespace

void Form1::layOut() {
  constexpr int L = kLeftColumn, R = kRightColumn, W = kColumnWidth;
  setCaption("OLVEX 0.76 rev. 4");
  resize(kFormWidth, kFormHeight);

  // Distances and their presets, top of the left column.
  Label1.setCaption("Hard Clipping range:");
  Label1.move(L, 150, 2400, 255);
  Text1.setText("20480");
  Text1.move(2640, 120, 1215, 285);
  Label2.setCaption("Drawing Distance range:");
  Label2.move(L, 510, 2400, 255);
  Text2.setText("20480");
  Text2.move(2640, 480, 1215, 285);
  Label3.setCaption("Distant Fog range:");
  Label3.move(L, 870, 2400, 255);
  Text3.setText("12288");
  Text3.move(2640, 840, 1215, 285);
  Text3.setBackColor(0xFFFFFF);

  Frame2.setCaption("Affect:");
  Frame2.move(L, 1200, W, 660);
  layOutOptions(Option2, Frame2, {"default (indoor)", "off", "all objects"});

  static const ButtonRow kButtons[] = {
      // Distance presets.
      {&Form1::Command2, "default", L, 2010, 1000},
      {&Form1::Command4, "hell!", L + 1070, 2010, 1000},
      {&Form1::Command5, "not too far", L + 2140, 2010, 1000},
      {&Form1::Command6, "far", L + 3210, 2010, 1000},
      {&Form1::Command7, "very far", L + 4280, 2010, 1000},
      {&Form1::Command23, "edit...", L + W - 1200, 2490, 1200},
      // The dialogs, three to a row.
      {&Form1::Command14, "GFX 1...", R, 4020, 1700},
      {&Form1::Command18, "GFX 2...", R + 1790, 4020, 1700},
      {&Form1::Command13, "lights...", R + 3580, 4020, 1700},
      {&Form1::Command17, "inventory...", R, 4395, 1700},
      {&Form1::Command19, "enemies...", R + 1790, 4395, 1700},
      {&Form1::Command11, "bars...", R + 3580, 4395, 1700},
      {&Form1::Command20, "weapons...", R, 4770, 1700},
      {&Form1::Command21, "font \\ text...", R + 1790, 4770, 1700},
      {&Form1::Command10, "damage \\ HP...", R + 3580, 4770, 1700},
      {&Form1::Command15, "physics...", R, 5145, 1700},
      {&Form1::Command22, "camera...", R + 1790, 5145, 1700},
      {&Form1::Command24, "sound...", R + 3580, 5145, 1700},
      {&Form1::Command25, "objects...", R, 5520, 1700},
      {&Form1::Command26, "flipeffects...", R + 1790, 5520, 1700},
      {&Form1::Command27, "timer...", R, 5895, 1700},
      {&Form1::Command30, "custom patches...", R + 1790, 5895, 3490},
      // The bottom row of the left column.
      {&Form1::Command12, "load preset", L, 6000, 1260},
      {&Form1::Command16, "save preset", L + 1340, 6000, 1260},
      {&Form1::Command9, "defaults", L + 2680, 6000, 1260},
      {&Form1::Command8, "about...", L + 4020, 6000, 1260},
      {&Form1::Command3, "modify", L, 6420, 2600},
      {&Form1::Command1, "quit", L + 2680, 6420, 2600},
  };
  for (const auto& b : kButtons) {
    (this->*b.button).setCaption(b.caption);
    (this->*b.button).move(b.left, b.top, b.width, 345);
  }
  // Takes the focus away from the other controls; it lies outside the visible area.
  Command28.setCaption("hi!");
  Command28.move(-2400, -2400, 615, 255);

  Label5.setCaption("Fog bulb cut-off:");
  Label5.move(L, 2535, 1680, 255);
  Label4.setCaption("Disable enemy disappearance:");
  Label4.move(L, 4140, 2880, 255);

  static const CheckRow kChecks[] = {
      {&Form1::Check11, "disable", L + 1800, 2520, 1500},
      {&Form1::Check1, "Turn off distance limit completely (experimental)", L, 2910, W},
      {&Form1::Check2, "Turn off distant fog completely (only for Vol.FX=ON)", L, 3210, W},
      {&Form1::Check8, "Force volumetric FX = OFF", L, 3510, W},
      {&Form1::Check3, "Remove look transparency", L, 3810, W},
      {&Form1::Check4, "Land", L + 3000, 4110, 900},
      {&Form1::Check6, "Water", L + 3960, 4110, 1200},
      {&Form1::Check12, "Fix holsters bug", L, 4410, W},
      {&Form1::Check14, "Disable ''Hang game thread'' on lost focus (debug option)", L, 4710, W},
      // Right column: memory and limits, then the extended executable and what needs it.
      {&Form1::Check5, "Remap scene memory (fixes hi-DD crashes)", R, 150, W},
      {&Form1::Check7, "Relocate target buffer", R + kIndent, 450, W - kIndent},
      {&Form1::Check10, "Increase statics limit", R + kIndent, 750, W - kIndent},
      {&Form1::Check18, "Increase flyby seq. limit", R + kIndent, 1050, W - kIndent},
      {&Form1::Check15, "Increase enemy / object limits", R, 1350, 3360},
      {&Form1::Check16, "Method 2", R + 3480, 1350, 1560},
      {&Form1::Check17, "Increase per-mesh vertex limit", R, 1650, W},
      {&Form1::Check9, "Extend tomb4.exe size", R, 1950, W},
      {&Form1::Check20, "Remap particle buffer (requires extended tomb4.exe)", R + kIndent, 2250, W - kIndent},
      {&Form1::Check21, "Enable advanced savegame management", R + kIndent, 2550, W - kIndent},
      {&Form1::Check19, "Enable bonus level workaround", R + kIndent, 2850, W - kIndent},
      {&Form1::Check13, "FE 40/41 save", R + 3580, 5535, 1700},
  };
  for (const auto& c : kChecks) {
    (this->*c.box).setCaption(c.caption);
    (this->*c.box).move(c.left, c.top, c.width, kRowHeight - 45);
  }

  Frame1.setCaption("Force pigtails:");
  Frame1.move(L, 5070, W, 660);
  layOutOptions(Option1, Frame1, {"Leave intact", "1", "2"});

  // Bonus level.
  Label12.setCaption("Bonus level #:");
  Label12.move(R + 2 * kIndent, 3195, 1320, 255);
  Text4.setText("1");
  Text4.move(R + 1800, 3165, 420, 285);
  Label16.setCaption("Alternate level #:");
  Label16.move(R + 2340, 3195, 1620, 255);
  Text7.setText("1");
  Text7.move(R + 3960, 3165, 420, 285);
  Command29.setCaption("conditions...");
  Command29.move(R + 2 * kIndent, 3540, 1800, 330);

  // Status, the patch pass's stage and progress, the two image buttons.
  Label6.move(R, 6330, 4080, 255);
  Label10.move(R, 6630, 1320, 255);
  Shape3.move(R + 1320, 6630, 2700, 210);
  Shape3.setBorderColor(0x808080);
  Shape4.move(R + 1335, 6645, 0, 180);
  Shape4.setFilled(true);
  Shape4.setFillColor(0xC08000);
  Label10.setVisible(false);
  Shape3.setVisible(false);
  Shape4.setVisible(false);
  Image1.move(R + 4200, 6330, 480, 480);
  Image1.setToolTip("main window defaults");
  Image2.move(R + 4800, 6330, 480, 480);
  Image2.setToolTip("offset statistics");
  drawIcons(Image1, Image2);

  // The console, below the normal height of the window.
  Label14.setCaption("CONSOLE");
  Label14.move(L, 7470, 900, 255);
  Text5.move(L + 960, 7440, kFormWidth - L - 960 - 120, 285);
  Text5.setEnabled(false);

  Timer1.setEnabled(false);
  Timer1.setInterval(300);

  // The bonus level labels start disabled with their boxes, as the interlocks keep them.
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Check7, &Check10, &Check18, &Check21,
                                                            &Text4, &Text7, &Command29, &Label12,
                                                            &Label16})
    c->setEnabled(false);
}

}  // namespace olvex::shell
