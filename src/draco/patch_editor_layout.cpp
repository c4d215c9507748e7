// The patch editor's designer values, in pixels (15 twips each).
#include "draco/patch_editor.h"
#include "draco/patch_list_geometry.h"

namespace olvex::draco {

namespace {

struct LabelRow {
  ui::Label PatchesConf::*label;
  const char* caption;
  int left, top, width, height;
};

constexpr LabelRow kLabels[] = {
    {&PatchesConf::Label1, "Title:", 8, 10, 70, 14},
    {&PatchesConf::Label2, "Description:", 8, 32, 100, 14},
    {&PatchesConf::Label3, "Dependencies:", 8, 204, 80, 14},
    {&PatchesConf::Label12, "Parameter slot:", 8, 282, 90, 14},
    {&PatchesConf::Label7, "Title:", 8, 308, 50, 14},
    {&PatchesConf::Label8, "Offset:", 8, 334, 50, 14},
    {&PatchesConf::Label9, "Value:", 160, 334, 40, 14},
    {&PatchesConf::Label10, "Type:", 8, 358, 50, 14},
    {&PatchesConf::Label4, "OFFSET LIST", 312, 8, 110, 14},
    {&PatchesConf::Label5, "ORIGINAL", 436, 10, 120, 14},
    {&PatchesConf::Label6, "MODIFIED", 436, 86, 120, 14},
    {&PatchesConf::Label11, "MODIFIED\r\n(REMAP)", 436, 160, 120, 28},
    {&PatchesConf::Label13, "TRIM", 596, 256, 30, 14},
    {&PatchesConf::Label16, "?", 286, 204, 12, 14},
};

struct TextRow {
  int index, left, top, width, height, maxLength;
};

constexpr TextRow kTexts[] = {
    {0, 80, 6, 220, 20, 255}, {1, 8, 48, 292, 70, 0},  {5, 90, 200, 190, 20, 255},
    {2, 60, 304, 240, 20, 50}, {3, 60, 330, 90, 20, 8}, {4, 200, 330, 100, 20, 10},
};

struct ButtonRow {
  ui::CommandButton PatchesConf::*button;
  const char* caption;
  int left, top;
};

constexpr ButtonRow kButtons[] = {
    {&PatchesConf::Command1, "add", 312, 230},     {&PatchesConf::Command2, "kill", 369, 230},
    {&PatchesConf::Command12, "import", 312, 430}, {&PatchesConf::Command16, "export", 386, 430},
    {&PatchesConf::Command3, "apply", 484, 430},   {&PatchesConf::Command28, "cancel", 558, 430},
};

constexpr const char* kTypeCaptions[] = {"hex (1)", "hex (2)", "hex (4)", "byte (u)",
                                         "integer (u)", "byte (s)", "integer (s)", "long"};

}  // namespace

void PatchesConf::layOut() {
  setCaption("Patch configuration");
  setBackColor(kPatchesBack);
  resize(px(640), px(466));
  const ui::Font fixed{"Courier New", 9};

  for (const LabelRow& row : kLabels) {
    ui::Label& l = this->*row.label;
    l.setCaption(row.caption);
    l.move(px(row.left), px(row.top), px(row.width), px(row.height));
  }
  Label13.setMouseIcon(ui::kHandCursor);
  Label16.setMouseIcon(ui::kHandCursor);
  Label13.setForeColor(ui::rgb(0, 0, 192));
  Label16.setForeColor(ui::rgb(0, 0, 192));
  for (const TextRow& row : kTexts) {
    ui::TextBox& t = Text2.add(row.index);
    t.move(px(row.left), px(row.top), px(row.width), px(row.height));
    t.setMaxLength(row.maxLength);
  }
  Text2[1].setMultiLine(true);
  Text2[3].setFont(fixed);

  struct CheckRow {
    ui::CheckBox PatchesConf::*box;
    const char* caption;
    int top;
  };
  static constexpr CheckRow kChecks[] = {
      {&PatchesConf::Check1, "Patch requires remap scene memory", 124},
      {&PatchesConf::Check2, "Patch requires increased tomb4.exe size", 142},
      {&PatchesConf::Check3, "Patch requires relocated particle buffer", 160},
      {&PatchesConf::Check5, "Patch requires advanced savegame management", 178},
  };
  for (const CheckRow& row : kChecks) {
    ui::CheckBox& c = this->*row.box;
    c.setCaption(row.caption);
    c.move(px(8), px(row.top), px(292), px(17));
  }
  Check4.setCaption("Enable parameter");
  Check4.move(px(160), px(280), px(140), px(17));

  Frame1.setCaption("When conditions are not complied...");
  Frame1.move(px(8), px(226), px(292), px(44));
  static constexpr const char* kBehaviours[] = {"Ignore patch", "Patch original"};
  for (int i = 0; i < 2; ++i) {
    ui::OptionButton& o = Option2.add(i);
    o.setContainer(&Frame1);
    o.setCaption(kBehaviours[i]);
    o.move(px(8 + 140 * i), px(20), px(130), px(17));
  }

  Frame2.move(px(8), px(374), px(292), px(84));
  for (int i = 0; i < 8; ++i) {
    ui::OptionButton& o = Option1.add(i);
    o.setContainer(&Frame2);
    o.setCaption(kTypeCaptions[i]);
    o.move(px(6 + 96 * (i % 3)), px(10 + 24 * (i / 3)), px(94), px(17));
  }

  Combo1.setStyle(ui::ComboBox::Style::DropDownList);
  Combo1.move(px(100), px(278), px(50), px(21));
  for (int k = 0; k < kParamSlots; ++k) Combo1.addItem(k < 10 ? "0" + std::to_string(k) : std::to_string(k));

  List1.move(px(312), px(24), px(110), px(200));
  List1.setFont(fixed);
  Shape1.setFilled(true);
  Shape1.setFillColor(0xE0E0E0);
  Shape1.move(px(430), px(6), px(200), px(246));
  static constexpr int kCodeTops[] = {26, 190, 100};  // Text1(0), Text1(1), Text1(2)
  for (int i = 0; i < 3; ++i) {
    ui::TextBox& t = Text1.add(i);
    t.setMultiLine(true);
    t.setFont(fixed);
    t.move(px(436), px(kCodeTops[i]), px(188), px(56));
  }

  for (const ButtonRow& row : kButtons) {
    ui::CommandButton& b = this->*row.button;
    b.setCaption(row.caption);
    b.move(px(row.left), px(row.top), px(row.left < 400 && row.top < 300 ? 53 : 70), px(25));
  }
}

}  // namespace olvex::draco
