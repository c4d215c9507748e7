#include "furr/furr_module.h"

#include "furr/command_set.h"
#include "furr/feditor.h"
#include "furr/rteditor.h"
#include "furr/script_editor.h"
#include "furr/script_writers.h"
#include "patcher/pass_hooks.h"
#include "shell/config_reader.h"
#include "shell/config_state.h"
#include "shell/folder_names.h"
#include "shell/form1_hooks.h"
#include "shell/settings_keys.h"

namespace olvex::furr {

namespace {

using shell::Conversion;
using shell::KeyRow;
using shell::control;

constexpr std::size_t kMaxTimePart = 999;
constexpr const char* kFirstFlipText = "47";  // slot 0

FEditor& flip() { return ui::Forms::get<FEditor>(); }
RTEditor& race() { return ui::Forms::get<RTEditor>(); }

void loadSyntaxFile(const shell::Converted& v) {
  if (shell::AcceptFolderFileName("DefaultSyntaxFile", v.text))
    SetLoadedCommandSet(LoadCommandSet(shell::WorkDir + v.text));
}

// "minutes:seconds", split at the first ":"; a value without one changes nothing.
void setVisibleThreshold(const shell::Converted& v) {
  std::size_t colon = v.text.find(':');
  if (colon == std::string::npos) return;
  race().Text4[1].setText(v.text.substr(colon + 1, kMaxTimePart));
  race().Text4[0].setText(v.text.substr(0, colon));
}
std::string visibleThreshold() { return race().Text4[0].text() + ":" + race().Text4[1].text(); }

const KeyRow kFlipKeys[] = {
    {"enableflipeffecteditor", Conversion::Check, shell::CheckBoxOf{&control<FEditor, &FEditor::Check1>}},
    {"oneshotmode", Conversion::OptionByte, shell::OptionOf{&control<FEditor, &FEditor::Option1>}},
    {"defaultsyntaxfile", Conversion::Text, shell::Setter{&loadSyntaxFile}},
};

const KeyRow kRaceKeys[] = {
    {"invertracetimer", Conversion::Check, shell::CheckBoxOf{&control<RTEditor, &RTEditor::Check2>}},
    {"timerfonteffectid", Conversion::Number, shell::TextBoxOf{&control<RTEditor, &RTEditor::Text3>}},
    {"enableracetimerworkaround", Conversion::Check, shell::CheckBoxOf{&control<RTEditor, &RTEditor::Check1>}},
    {"racetimerworkaroundmethod", Conversion::OptionByte, shell::OptionOf{&control<RTEditor, &RTEditor::Option1>}},
    {"timervisiblethresh", Conversion::Text, shell::Setter{&setVisibleThreshold, &visibleThreshold}},
};

// The editor shows the entry again, also when it was already selected, so that it shows what a
// section just read into its slot.
void showEntry(ui::ComboBox& selector, const char* number) {
  selector.setListIndex(-1);
  SelectEntry(selector, number);
}

void installReaderSteps() {
  shell::ConfigReaderHooks& r = shell::ReaderHooks;
  r.triggerSlotsSized = [](int n) { NumberEntries(flip().Combo1, 47, n); };
  r.raceSlotsSized = [](int n) { NumberEntries(race().Combo2, 1, n); };
  r.flipSectionStart = [] {
    SelectEntry(flip().Combo1, kFirstFlipText);
    flip().Text1.setText("");
    flip().Text2.setText("");
  };
  r.flipSectionEnd = [] { showEntry(flip().Combo1, kFirstFlipText); };
  r.raceSectionStart = [] {
    race().Text2.setText("");
    race().Text7.setText("");
  };
  r.raceSectionEnd = [] { showEntry(race().Combo2, "1"); };
}

void installMainWindowSteps() {
  shell::Form1Hooks& h = shell::form1Hooks();
  h.ButtonActions["Command26"] = [] { flip().show(true); };
  h.ButtonActions["Command27"] = [] { race().show(true); };
  h.ExtendExeFollowers.push_back([](bool checked) { race().followExtendExe(checked); });
  h.AdvancedSaveFollowers.push_back([](bool checked) { flip().followAdvancedSave(checked); });
}

}  // namespace

void InstallFurr() {
  shell::RegisterKeys(shell::Scope::Flip, kFlipKeys);
  shell::RegisterKeys(shell::Scope::Race, kRaceKeys);
  installReaderSteps();
  installMainWindowSteps();
  auto& writers = patcher::passHooks().StageWriters;
  writers["FLIPEFFECTS"] = [](platform::RandomAccessFile& file) { WriteFlips(file); };
  writers["RACETIMER"] = [](platform::RandomAccessFile& file) { WriteRace(file); };
}

}  // namespace olvex::furr
