#include "furr/feditor.h"

#include "furr/command_list.h"
#include "furr/command_set.h"
#include "furr/script_editor.h"
#include "platform/files.h"
#include "shell/form1.h"
#include "shell/script_slots.h"
#include "ui/host.h"

namespace olvex::furr {

namespace {

constexpr int kFirstNumber = 47;

}  // namespace

FEditor::FEditor() : Form("FEditor") {
  layOut();
  wire();
  enableEditor();
}

void FEditor::layOut() {
  setCaption("Flipeffect editor");
  resize(7200, 6720);
  Place(Check1, "Enable flipeffect editor", 120, 120, 3000, 255);
  Place(Label33, "Current flipeffect:", 120, 510, 1500, 255);
  Combo1.setStyle(ui::ComboBox::Style::DropDownList);
  Combo1.move(1680, 480, 1095, 315);
  Place(Label1, "Description:", 120, 930, 1500, 255);
  Text2.setText("Type your custom flipeffect description here!");
  Text2.move(1680, 900, 5280, 285);
  Place(Check2, "One shot", 120, 1290, 1095, 255);
  Place(Label4, "(mode:", 1320, 1290, 780, 255);
  Place(Option1.add(0), "pre", 2160, 1290, 735, 255);
  Place(Option1.add(1), "post", 2940, 1290, 735, 255);
  Option1[0].setValue(true);
  Place(Label5, ")", 3720, 1290, 135, 255);
  PlaceCodeBox(Text1, Label3, Label2, 120, 1680, 6840, 3600);
  PlaceButtonRow(120, 5760, {{&Command2, "S", 495}, {&Command3, "LIST", 735}, {&Command5, "L", 495},
                             {&Command12, "import", 1095}, {&Command16, "export", 1095},
                             {&Command28, "defaults", 1215}, {&Command1, "proceed", 1380}});
}

void FEditor::load() {
  ShowLinePos();
  Label33.setMouseIcon(ui::kHandCursor);
}

int FEditor::slot() const { return SlotOf(Combo1, kFirstNumber, shell::TriggerSlots()); }

void FEditor::ShowLinePos() { lines_.show(); }

bool FEditor::SeeSyntax() { return furr::SeeSyntax(Text1, Label2, Dialect::Flipeffect); }

void FEditor::showSlot(int slot) {
  SelectEntry(Combo1, std::to_string(kFirstNumber + slot));
  SeeSyntax();
}

void FEditor::wire() {
  Check1.onClick = [this] { enableEditor(); };
  Combo1.onClick = [this] {
    int s = slot();
    if (s < 0) return;
    // Each write stores back into the slot through the change handlers.
    std::string code = shell::FlipCode[s], annotation = shell::FlipAnnotation[s];
    int once = shell::FlipDoOnlyOnce[s] == 1;  // any other flag runs every time
    Text1.setText(code);
    Text2.setText(annotation);
    Check2.setValue(once);
  };
  Text1.onKeyPress = [](int& key) { key = UpperCaseKey(key); };
  Text1.onChange = [this] {
    if (int s = slot(); s >= 0) shell::FlipCode[s] = Text1.text();
    lines_.update();
  };
  Text1.onMouseUp = [this](const ui::MouseEvent&) { lines_.update(); };
  Text1.onKeyUp = [this](int) { lines_.update(); };
  Text2.onChange = [this] {
    if (int s = slot(); s >= 0) shell::FlipAnnotation[s] = Text2.text();
  };
  Check2.onClick = [this] {
    if (int s = slot(); s >= 0) shell::FlipDoOnlyOnce[s] = static_cast<std::uint8_t>(Check2.value());
  };
  Label33.onClick = [this] { openGuide(); };
  onKeyDown = [this](int& key, int) {
    EditorKey(key, Check1.value() == 1, [this] { openGuide(); }, [this] { return SeeSyntax(); });
  };
  Command2.onClick = [this] { CheckAllSlots(Combo1, [this] { return SeeSyntax(); }); };
  Command3.onClick = [] { ShowCommandList(); };
  Command5.onClick = [this] { loadCommandSet(); };
  Command12.onClick = [this] { importFlip(); };
  Command16.onClick = [this] { exportFlip(); };
  Command28.onClick = [] { ReadScopeDefaults("flip"); };
  Command1.onClick = [this] { proceed(); };
  // The close box keeps the window and its values for the run, as "proceed" does.
  onCloseBox = [this] { proceed(); };
}

void FEditor::proceed() {
  SelectEntry(Combo1, std::to_string(kFirstNumber + 1));
  SelectEntry(Combo1, std::to_string(kFirstNumber));
  hide();
}

void FEditor::enableEditor() {
  bool on = Check1.value() == 1;
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Text1, &Text2, &Combo1, &Command2, &Command3, &Command5,
                                                            &Label1, &Label2, &Label3, &Label33})
    c->setEnabled(on);
  followAdvancedSave(ui::Forms::loaded<shell::Form1>() && ui::Forms::get<shell::Form1>().Check21.value() == 1);
}

void FEditor::followAdvancedSave(bool checked) {
  const bool oneShot = checked && Check1.value() == 1;
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Check2, &Label4, &Label5, &Option1[0], &Option1[1]})
    c->setEnabled(oneShot);
}

void FEditor::openGuide() { OpenGuideAt(GuideFor::Flipeffect, Combo1.text(), Label33, 1570, 380); }

void FEditor::loadCommandSet() {
  std::optional<std::string> path = ui::host().openFile(
      {"Load Command Set", "FURR Language command set (*.fln)|*.fln|All Files (*.*)|*.*", {}, {}});
  if (!path) return;
  try {
    SetLoadedCommandSet(ReadCommandSet(*path));
  } catch (const platform::FileError& e) {
    ui::msgBox("Command file " + *path + " could not be read; the loaded command set is kept.\r\n" + e.what());
    return;
  }
  SeeSyntax();
}

void FEditor::importFlip() {
  std::optional<ScriptFile> script = ImportScript("Load Flipeffect Code", true, 999);
  if (!script) return;
  if (script->annotation) Text2.setText(*script->annotation);
  if (script->doOnlyOnce) Check2.setValue(*script->doOnlyOnce);
  Text1.setText(script->code);
}

void FEditor::exportFlip() {
  ExportScript("Save Flipeffect Code", {Text2.text(), Check2.value(), Text1.text()});
}

}  // namespace olvex::furr
