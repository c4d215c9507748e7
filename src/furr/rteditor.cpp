#include "furr/rteditor.h"

#include <charconv>
#include <cmath>

#include "furr/command_list.h"
#include "furr/script_editor.h"
#include "shell/form1.h"
#include "shell/key_filters.h"
#include "shell/number_text.h"
#include "shell/script_slots.h"
#include "shell/settings_keys.h"
#include "ui/host.h"

namespace olvex::furr {

namespace {

constexpr ui::Color kEnabledFrame = 0xC0C0C0, kDisabledFrame = 0xE0E0E0;
constexpr int kMaxFontEffect = 255;

// The shortest decimal text that reads back as the same single-precision number.
std::string floatText(float v) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

}  // namespace

RTEditor::RTEditor() : Form("RTEditor") {
  layOut();
  wire();
  enableEvents();
  // The workaround needs the extended executable.
  followExtendExe(shell::ExtendExeChecked());
}

void RTEditor::layOut() {
  setCaption("Race timer editor");
  resize(7200, 7680);
  Place(Check1, "Enable race timer workaround", 120, 120, 3000, 255);
  Place(Label13, "(method:", 3240, 120, 900, 255);
  Place(Option1.add(0), "jump", 4200, 120, 855, 255);
  Place(Option1.add(1), "call", 5100, 120, 735, 255);
  Option1[1].setValue(true);
  Place(Label14, ")", 5880, 120, 135, 255);
  Place(Check2, "Invert race timer", 120, 480, 3000, 255);
  Place(Label8, "Timer font effect ID:", 120, 870, 2400, 255);
  Text3.setText("0");
  Text3.move(2640, 840, 615, 285);
  Place(Label9, "Timer becomes visible at:", 120, 1230, 2400, 255);
  Text4.add(0).move(2640, 1200, 495, 285);
  Text4[0].setText("60");
  Place(Label2, ":", 3180, 1230, 75, 255);
  Text4.add(1).move(3300, 1200, 495, 285);
  Text4[1].setText("00");
  Shape2.move(120, 1620, 6960, 5520);
  Shape2.setBorderColor(kDisabledFrame);
  Place(Label5, "Event number:", 240, 1770, 1400, 255);
  Combo2.setStyle(ui::ComboBox::Style::DropDownList);
  Combo2.move(1680, 1740, 1095, 315);
  Place(Label1, "If race timer value =", 240, 2190, 1800, 255);
  Text1.add(0).move(2100, 2160, 495, 285);
  Place(Label6, "min", 2640, 2190, 375, 255);
  Text1.add(1).move(3060, 2160, 615, 285);
  Place(Label7, "sec...", 3720, 2190, 615, 255);
  Place(Label12, "[raw]", 4440, 2190, 1500, 255);
  Place(Label3, "Then (description):", 240, 2610, 1800, 255);
  Text7.move(2100, 2580, 4920, 285);
  PlaceCodeBox(Text2, Label10, Label11, 240, 2970, 6780, 3240);
  PlaceButtonRow(240, 6660, {{&Command3, "S", 495}, {&Command4, "LIST", 735}, {&Command12, "import", 1095},
                             {&Command16, "export", 1095}, {&Command2, "defaults", 1215},
                             {&Command1, "proceed", 1380}});
}

void RTEditor::load() {
  ShowLinePos();
  Label5.setMouseIcon(ui::kHandCursor);
}

int RTEditor::slot() const { return SlotOf(Combo2, 1, shell::RaceTimerSlots()); }

void RTEditor::ShowLinePos() { lines_.show(); }

bool RTEditor::SeeSyntax() { return furr::SeeSyntax(Text2, Label11, Dialect::RaceEvent); }

void RTEditor::showSlot(int slot) {
  SelectEntry(Combo2, std::to_string(slot + 1));
  SeeSyntax();
}

void RTEditor::followExtendExe(bool checked) { Check1.setEnabled(checked); }

void RTEditor::wire() {
  Check1.onClick = [this] { enableEvents(); };
  Combo2.onClick = [this] {
    int s = slot();
    if (s < 0) return;
    // Each write stores back into the slot through the change handlers.
    std::string code = shell::RaceCode[s], annotation = shell::RaceAnnotation[s];
    std::array<float, 2> time = shell::RaceTime[s];
    Text2.setText(code);
    Text7.setText(annotation);
    Text1[0].setText(floatText(time[0]));
    Text1[1].setText(floatText(time[1]));
  };
  Text1.onChange = [this](int i) { timeChanged(i); };
  Text1.onKeyPress = [](int i, int& key) { key = i == 0 ? shell::FilterDigitKey(key) : shell::FilterDecimalKey(key); };
  Text2.onKeyPress = [](int& key) { key = UpperCaseKey(key); };
  Text2.onChange = [this] {
    if (int s = slot(); s >= 0) shell::RaceCode[s] = Text2.text();
    lines_.update();
  };
  Text2.onMouseUp = [this](const ui::MouseEvent&) { lines_.update(); };
  Text2.onKeyUp = [this](int) { lines_.update(); };
  Text7.onChange = [this] {
    if (int s = slot(); s >= 0) shell::RaceAnnotation[s] = Text7.text();
  };
  Text3.onKeyPress = [](int& key) { key = shell::FilterDigitKey(key); };
  Text4.onKeyPress = [](int, int& key) { key = shell::FilterDigitKey(key); };
  Text3.onLostFocus = [this] {
    if (shell::Val(Text3.text()) > kMaxFontEffect) Text3.setText(std::to_string(kMaxFontEffect));
  };
  Label5.onClick = [this] { openGuide(); };
  onKeyDown = [this](int& key, int) {
    EditorKey(key, Check1.value() == 1, [this] { openGuide(); }, [this] { return SeeSyntax(); });
  };
  Command3.onClick = [this] { CheckAllSlots(Combo2, [this] { return SeeSyntax(); }); };
  Command4.onClick = [] { ShowCommandList(); };
  Command12.onClick = [this] { importEvent(); };
  Command16.onClick = [this] { ExportScript("Save Time Event Code", {Text7.text(), std::nullopt, Text2.text()}); };
  Command2.onClick = [] { ReadScopeDefaults("rt"); };
  Command1.onClick = [this] { proceed(); };
  // The close box keeps the window and its values for the run, as "proceed" does.
  onCloseBox = [this] { proceed(); };
}

void RTEditor::proceed() {
  SelectEntry(Combo2, "2");
  SelectEntry(Combo2, "1");
  hide();
}

void RTEditor::enableEvents() {
  bool on = Check1.value() == 1;
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &Text1[0], &Text1[1], &Text7, &Text2, &Command3, &Command4, &Combo2, &Label1, &Label3, &Label5, &Label10,
           &Label11, &Label13, &Label14, &Label6, &Label7, &Option1[0], &Option1[1]})
    c->setEnabled(on);
  Shape2.setBorderColor(on ? kEnabledFrame : kDisabledFrame);
}

void RTEditor::timeChanged(int index) {
  float minutes = static_cast<float>(shell::Val(Text1[0].text()));
  float seconds = static_cast<float>(shell::Val(Text1[1].text()));
  if (int s = slot(); s >= 0) shell::RaceTime[s][index] = index == 0 ? minutes : seconds;
  double frames = std::trunc((static_cast<double>(minutes) * 60 + seconds) * 30 + 1);
  Label12.setCaption("[" + shell::NumberText(frames) + "]");
}

void RTEditor::openGuide() { OpenGuideAt(GuideFor::RaceEvent, Combo2.text(), Label5, 1400, 380); }

void RTEditor::importEvent() {
  std::optional<ScriptFile> script = ImportScript("Load Timer Event Code", false, std::string::npos);
  if (!script) return;
  if (script->annotation) Text7.setText(*script->annotation);
  Text2.setText(script->code);
}

}  // namespace olvex::furr
