#pragma once
// The main window's hidden one-line console: a key opens and closes it; a line typed into it is
// a settings line or one of the commands quit, modify and defaults.
#include <string>

#include "shell/form1.h"

namespace olvex::presets {

inline constexpr int kConsoleToggleKey = shell::Form1::kConsoleKey;
inline constexpr int kRecallKey = 38;  // Up
inline constexpr int kEnterKey = 13;

// The last line entered, without trailing blanks; recalled by Up.
extern std::string LastCmd;

// Key-down handler of the main window.
void ConsoleKeyDown(int& keyCode, int shift);

}  // namespace olvex::presets
