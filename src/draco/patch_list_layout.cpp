// The patch list window's designer values. The window lays out in pixels (15 twips each).
#include "draco/patch_list_window.h"
#include "draco/patch_list_geometry.h"

namespace olvex::draco {

namespace {

struct ButtonRow {
  ui::CommandButton Patches::*button;
  const char* caption;
  int left, top, width;
};

constexpr ButtonRow kButtons[] = {
    {&Patches::Command12, "load set", 265, 204, 64},
    {&Patches::Command16, "save set", 333, 204, 64},
    {&Patches::Command7, "defaults", 401, 204, 64},
    {&Patches::Command3, "proceed", 469, 204, 64},
    {&Patches::Command1, "edit ", 8, 236, 58},
    {&Patches::Command2, "delete ", 68, 236, 58},
    {&Patches::Command5, "new", 128, 236, 58},
    {&Patches::Command28, "delete all", 188, 236, 65},
    {&Patches::Command4, "", 462, 240, 25},  // arrow pictures
    {&Patches::Command6, "", 489, 240, 25},
};

}  // namespace

void Patches::layOut() {
  setCaption("Custom patches");
  setBackColor(kPatchesBack);
  resize(px(543), px(268));

  Listbox1.move(px(8), px(8), px(245), px(kCompactListHeight));
  Label6.setCaption("search:");
  Label6.move(px(8), px(179), px(60), px(14));
  Shape3.move(px(8), px(194), px(kCompactShape3Width), px(28));
  Text5.move(px(46), px(198), px(kCompactText5Width), px(20));
  Text5.setText("[enter search pattern here]");
  Text5.setForeColor(ui::rgb(128, 128, 128));
  Text6.move(px(45), px(198), px(kCompactText6Width), px(20));
  Text6.setText("[sequence not found]");
  Text6.setLocked(true);
  Text6.setForeColor(ui::rgb(255, 0, 0));
  Text6.setVisible(false);
  Image8.move(px(13), px(201), px(13), px(13));
  Image8.setToolTip("Search");
  Image9.move(px(29), px(201), px(13), px(13));
  Image9.setToolTip("Reset search from beginning");
  Timer2.setInterval(800);
  Timer2.setEnabled(false);

  Label1.move(px(265), px(8), px(240), px(16));
  Label1.setFont(ui::Font{"MS Sans Serif", 8, true});
  Label1.setForeColor(kNoWarning);
  for (ui::TextBox* box : {&Text3, &Text4}) {
    box->setMultiLine(true);
    box->setLocked(true);
    box->move(px(265), px(28), px(kDescriptionWidth), px(132));
  }
  Text4.setVisible(false);
  Line2.setPoints(px(265), px(150), px(530), px(150));
  Line2.setBorderColor(0x808080);
  Label3.move(px(265), px(160), px(170), px(14));
  Text1.move(px(440), px(157), px(70), px(20));
  Image2.move(px(515), px(160), px(13), px(13));
  Image2.setToolTip("Default");
  Image3.move(px(kMarkerLeft), px(8), px(13), px(13));
  for (ui::Image* marker : {&Image6, &Image5, &Image4, &Image7}) marker->move(px(kMarkerLeft), px(8), px(13), px(13));
  for (ui::Image* marker : {&Image3, &Image6, &Image5, &Image4, &Image7}) marker->setVisible(false);

  for (const ButtonRow& row : kButtons) {
    ui::CommandButton& b = this->*row.button;
    b.setCaption(row.caption);
    b.move(px(row.left), px(row.top), px(row.width), px(23));
  }
  Shape1.move(px(5), px(233), px(251), px(29));
  Shape4.move(px(459), px(237), px(58), px(29));
  for (ui::Shape* frame : {&Shape1, &Shape3, &Shape4}) frame->setBorderColor(0xA0A0A0);
  Image1.move(px(520), px(244), px(13), px(13));
  Label4.setCaption("DEVELOPER MODE!");
  Label4.setForeColor(ui::rgb(192, 0, 0));
  Label4.setFont(ui::Font{"MS Sans Serif", 8, true});
  Label4.move(px(265), px(244), px(150), px(14));
}

}  // namespace olvex::draco
