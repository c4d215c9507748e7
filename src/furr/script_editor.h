#pragma once
// What the flipeffect and race-timer editors share: the line indicator, the syntax check shown
// in a status label, the check of every slot, and one script as a text file (import, export).
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "furr/guide.h"
#include "furr/parameters.h"
#include "ui/controls.h"

namespace olvex::furr {

inline constexpr ui::Color kErrorColour = 255;  // red status text
inline constexpr const char* kScriptFileFilter = "Plain text (*.txt)|*.txt|All Files (*.*)|*.*";

// Designer values of a control with a caption: caption and geometry in twips.
template <class C>
void Place(C& c, const char* caption, int left, int top, int width, int height) {
  c.setCaption(caption);
  c.move(left, top, width, height);
}

// A row of buttons from left to right, 45 twips apart.
struct ButtonSpec {
  ui::CommandButton* button;
  const char* caption;
  int width;
};
void PlaceButtonRow(int left, int top, std::initializer_list<ButtonSpec> buttons);

// A code box at its place, with its line indicator and status label below it.
void PlaceCodeBox(ui::TextBox& code, ui::Label& lines, ui::Label& status, int left, int top, int width, int height);

// The slot a selector names: its number minus the first number, or -1 when it names none.
int SlotOf(const ui::ComboBox& selector, int firstNumber, int slotCount);

// Selects the selector's entry with this text; a text that is not in its list changes nothing.
void SelectEntry(ui::ComboBox& selector, const std::string& text);

// Fills the selector with the numbers first .. first + count - 1.
void NumberEntries(ui::ComboBox& selector, int first, int count);

// The code boxes' typed letters are upper case.
int UpperCaseKey(int key);

// "defaults" of an editor: reads its keys and its section from the config file again (scope
// "flip" or "rt"); a read that fails even after the recovery is reported.
void ReadScopeDefaults(const char* scope);

// "caret line / line count" of a multi-line box, the caret line counted from 1.
std::string LinePosition(const ui::TextBox& code);

// The line indicator of a code box. update() shows the position and runs the check when the
// indicator's text changed, so moving to another line checks the script, typing within a line
// does not.
class LineIndicator {
 public:
  LineIndicator(const ui::TextBox& code, ui::Label& label, std::function<bool()> check)
      : code_(code), label_(label), check_(std::move(check)) {}
  void show();
  void update();

 private:
  const ui::TextBox& code_;
  ui::Label& label_;
  std::function<bool()> check_;
  std::string shown_;
};

// The editors' keys, only while the executable is extended and the editor is on: F1 the command
// list, F2 the number popup, F3 the check. A handled key is swallowed.
void EditorKey(int& key, bool editorOn, const std::function<void()>& openGuide, const std::function<bool()>& check);

// The popup's place over an editor's label: the label's position rounded to whole pixels, plus
// the offsets (twips).
void OpenGuideAt(GuideFor mode, const std::string& number, const ui::Control& label, int plusX, int plusY);

// Checks every line of the box with the loaded command set and shows the first failing line's
// message in red, or "spellcheck OK" in black. True when every line passes.
bool SeeSyntax(const ui::TextBox& code, ui::Label& status, Dialect dialect);

// Selects every entry of the selector in turn and checks it; stops, showing that slot, at the
// first one whose check fails, else selects the remembered entry again.
void CheckAllSlots(ui::ComboBox& selector, const std::function<bool()>& check);

// One script as a file: "/Annotation=" + description, optionally "/DoOnlyOnce=" + 0 or 1, then
// the code lines.
struct ScriptFile {
  std::optional<std::string> annotation;  // none: the file has no such line
  std::optional<int> doOnlyOnce;
  std::string code;                       // CR LF between lines
};

// Asks for a file name and writes the script there. Cancelling does nothing; a failure to write
// is reported.
void ExportScript(const std::string& title, const ScriptFile& script);

// Asks for a file and reads a script from it; "/DoOnlyOnce=" lines count only when withOnce is
// set (otherwise they are code). Cancelling gives nothing; a file that cannot be read, or a
// one-shot flag other than 0 or 1, says "Error opening file! ..." and gives nothing.
std::optional<ScriptFile> ImportScript(const std::string& title, bool withOnce, std::size_t maxAnnotation);

}  // namespace olvex::furr
