#include "presets/console.h"

#include <array>
#include <string_view>

#include "presets/apply_line.h"
#include "shell/form1.h"
#include "shell/settings_keys.h"
#include "shell/text_case.h"
#include "shell/unload_all.h"

namespace olvex::presets {

std::string LastCmd;

namespace {

enum class Command { None, Quit, Modify, Defaults };

struct CommandWord {
  std::string_view word;
  Command command;
};
constexpr std::array<CommandWord, 9> kCommandWords = {{
    {"QUIT", Command::Quit},         {"EXIT", Command::Quit},          {"KILL", Command::Quit},
    {"MODIFY", Command::Modify},     {"PATCH", Command::Modify},       {"MOD", Command::Modify},
    {"RESET", Command::Defaults},    {"DEFAULT", Command::Defaults},   {"DEFAULTS", Command::Defaults},
}};

std::string trimRight(std::string_view s) {
  std::size_t end = s.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view{} : s.substr(0, end + 1));
}

Command commandOf(const std::string& line) {
  const std::string word = shell::UpperCase(trimRight(line));
  for (const auto& w : kCommandWords)
    if (w.word == word) return w.command;
  return Command::None;
}

void toggle(shell::Form1& f) {
  if (f.height() != shell::Form1::kConsoleClosedHeight) {
    f.move(f.left(), f.top(), f.width(), shell::Form1::kConsoleClosedHeight);
    f.Text5.setEnabled(false);
  } else {
    f.move(f.left(), f.top(), f.width(), shell::Form1::kConsoleOpenHeight);
    f.Text5.setText("");
    f.Text5.setEnabled(true);
    f.Text5.setFocus();
  }
}

// A pass or reload is running: one the console started, or one the buttons started ("quit" is
// off while either runs).
bool running = false;
bool busy(const shell::Form1& f) { return running || !f.Command1.enabled(); }

// Runs a command as its button would, and only while that button can be clicked and nothing is
// running, so that a command typed during a pass or reload never starts a second one inside it.
void runCommand(shell::Form1& f, const ui::CommandButton& button, void (shell::Form1::*action)()) {
  if (button.enabled() && !busy(f)) {
    running = true;
    try {
      (f.*action)();
    } catch (...) {
      running = false;
      throw;
    }
    running = false;
  }
  f.Text5.setFocus();
}

void enter(shell::Form1& f) {
  const std::string line = f.Text5.text();
  LastCmd = trimRight(line);
  try {
    ApplySettingsLine(line);
  } catch (const shell::SettingsKeyError&) {
    // A value the table rejects stores nothing; the line is simply cleared.
  }
  switch (commandOf(line)) {
    case Command::Quit: shell::UnloadAll(); return;
    case Command::Modify: runCommand(f, f.Command3, &shell::Form1::modify); break;
    case Command::Defaults: runCommand(f, f.Command9, &shell::Form1::reloadDefaults); break;
    case Command::None: break;
  }
  f.Text5.setText("");
}

}  // namespace

void ConsoleKeyDown(int& keyCode, int) {
  auto& f = ui::Forms::get<shell::Form1>();
  if (keyCode == kConsoleToggleKey) {
    toggle(f);
    keyCode = 0;  // it types nothing into the box with the focus
    return;
  }
  if (f.activeControl() != &f.Text5 || !f.Text5.enabled()) return;
  if (keyCode == kRecallKey) {
    f.Text5.setText(LastCmd + " ");
    f.Text5.setSelection(static_cast<int>(f.Text5.text().size()), 0);
  } else if (keyCode == kEnterKey) {
    enter(f);
  }
}

}  // namespace olvex::presets
