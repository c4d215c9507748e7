#include "furr/script_editor.h"

#include "furr/checker.h"
#include "furr/command_list.h"
#include "furr/command_set.h"
#include "platform/files.h"
#include "shell/config_reader.h"
#include "shell/config_state.h"
#include "shell/form1.h"
#include "shell/number_text.h"
#include "shell/text_case.h"
#include "ui/host.h"

namespace olvex::furr {

namespace {

constexpr std::string_view kAnnotation = "/Annotation=";
constexpr std::string_view kDoOnlyOnce = "/DoOnlyOnce=";
constexpr const char* kImportError = "Error opening file! Make sure that selected file isn't corrupted.";

bool startsWith(std::string_view line, std::string_view prefix) { return line.substr(0, prefix.size()) == prefix; }

}  // namespace

void PlaceButtonRow(int left, int top, std::initializer_list<ButtonSpec> buttons) {
  constexpr int kHeight = 375, kGap = 45;
  for (const ButtonSpec& b : buttons) {
    Place(*b.button, b.caption, left, top, b.width, kHeight);
    left += b.width + kGap;
  }
}

void PlaceCodeBox(ui::TextBox& code, ui::Label& lines, ui::Label& status, int left, int top, int width, int height) {
  constexpr int kLineWidth = 1095, kLabelHeight = 255, kGap = 60;
  code.setMultiLine(true);
  code.setFont({"Courier New", 10});
  code.move(left, top, width, height);
  Place(lines, "", left, top + height + kGap, kLineWidth, kLabelHeight);
  Place(status, "spellcheck OK", left + kLineWidth + 105, top + height + kGap, width - kLineWidth - 105, kLabelHeight);
}

int SlotOf(const ui::ComboBox& selector, int firstNumber, int slotCount) {
  if (selector.text().empty()) return -1;
  int s = static_cast<int>(shell::Val(selector.text())) - firstNumber;
  return s >= 0 && s < slotCount ? s : -1;
}

void SelectEntry(ui::ComboBox& selector, const std::string& text) {
  for (int i = 0; i < selector.listCount(); ++i)
    if (selector.list(i) == text) return selector.setListIndex(i);
}

void NumberEntries(ui::ComboBox& selector, int first, int count) {
  for (int i = 0; i < count; ++i) selector.setList(i, std::to_string(first + i));
  while (selector.listCount() > count) selector.removeItem(selector.listCount() - 1);
}

int UpperCaseKey(int key) { return key >= 0 && key < 256 ? static_cast<unsigned char>(shell::UpperChar(static_cast<char>(key))) : key; }

void ReadScopeDefaults(const char* scope) {
  shell::LoadScope = scope;
  try {
    shell::ReadCommonConfig();
  } catch (const shell::ConfigReadError& e) {
    ui::msgBox(e.what());
  }
}

std::string LinePosition(const ui::TextBox& code) {
  return std::to_string(code.lineFromChar(-1) + 1) + " / " + std::to_string(code.lineCount());
}

void LineIndicator::show() {
  shown_ = LinePosition(code_);
  label_.setCaption(shown_);
}

void LineIndicator::update() {
  std::string before = shown_;
  show();
  if (shown_ != before) check_();
}

void EditorKey(int& key, bool editorOn, const std::function<void()>& openGuide, const std::function<bool()>& check) {
  constexpr int kF1 = 112, kF2 = 113, kF3 = 114;
  if (key < kF1 || key > kF3 || !editorOn || ui::Forms::get<shell::Form1>().Check9.value() != 1) return;
  int pressed = key;
  key = 0;
  if (pressed == kF1) ShowCommandList();
  if (pressed == kF2) openGuide();
  if (pressed == kF3) check();
}

void OpenGuideAt(GuideFor mode, const std::string& number, const ui::Control& label, int plusX, int plusY) {
  int tx = ui::host().twipsPerPixelX(), ty = ui::host().twipsPerPixelY();
  const ui::Form& editor = label.form();
  OpenGuide(mode, number, editor.left() + label.left() / tx * tx + plusX, editor.top() + label.top() / ty * ty + plusY);
}

bool SeeSyntax(const ui::TextBox& code, ui::Label& status, Dialect dialect) {
  ScriptCheck check = CheckScript(LoadedCommandSet(), code.text(), dialect);
  status.setCaption(check.status);
  status.setForeColor(check.ok() ? 0 : kErrorColour);
  return check.ok();
}

void CheckAllSlots(ui::ComboBox& selector, const std::function<bool()>& check) {
  const std::string remembered = selector.text();
  for (int i = 0; i < selector.listCount(); ++i) {
    selector.setListIndex(i);
    if (!check()) return;
  }
  SelectEntry(selector, remembered);
}

void ExportScript(const std::string& title, const ScriptFile& script) {
  std::optional<std::string> path = ui::host().saveFile({title, kScriptFileFilter, {}, {}});
  if (!path) return;
  std::string text = std::string(kAnnotation) + script.annotation.value_or("") + "\r\n";
  if (script.doOnlyOnce) text += std::string(kDoOnlyOnce) + std::to_string(*script.doOnlyOnce) + "\r\n";
  text += script.code + "\r\n";
  try {
    platform::writeFileAtomic(*path, text);
  } catch (const platform::FileError& e) {
    ui::msgBox("The script could not be saved to " + *path + ".\r\n" + e.what());
  }
}

std::optional<ScriptFile> ImportScript(const std::string& title, bool withOnce, std::size_t maxAnnotation) {
  std::optional<std::string> path = ui::host().openFile({title, kScriptFileFilter, {}, {}});
  if (!path) return std::nullopt;
  ScriptFile script;
  try {
    bool first = true;
    for (const std::string& line : platform::readLines(*path)) {
      if (startsWith(line, kAnnotation)) {
        script.annotation = line.substr(kAnnotation.size(), maxAnnotation);
      } else if (withOnce && startsWith(line, kDoOnlyOnce)) {
        double flag = shell::Val(std::string_view(line).substr(kDoOnlyOnce.size()));
        if (flag != 0 && flag != 1) throw platform::FileError("one-shot flag " + line);
        script.doOnlyOnce = static_cast<int>(flag);
      } else {
        if (!first) script.code += "\r\n";
        script.code += line;
        first = false;
      }
    }
  } catch (const platform::FileError&) {
    ui::msgBox(kImportError);
    return std::nullopt;
  }
  return script;
}

}  // namespace olvex::furr
