// The program under its user's locale, which the window toolkit takes from the environment: a
// Turkish one, where capital I lowers to a dotless i and the decimal point is a comma, changes
// neither a saved preset nor the console's commands; a folder named in the user's letters takes
// the files saved through the file dialogs. The program runs as a process of its own, driven
// only through the X server.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "program_process.h"
#include "support/compiled_locale.h"

namespace olvex::test::x {
namespace {

constexpr char kSave[] = "Save OLVEX preset";

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The first line where two files part, for the failure message.
std::string firstDifference(const std::string& a, const std::string& b) {
  std::vector<std::string> x = linesOf(a), y = linesOf(b);
  for (std::size_t i = 0; i < std::max(x.size(), y.size()); ++i) {
    std::string p = i < x.size() ? x[i] : "(end)", q = i < y.size() ? y[i] : "(end)";
    if (p != q) return "line " + std::to_string(i + 1) + ": " + p + " | " + q;
  }
  return "none";
}

class UserLocale : public ProgramProcess {
 protected:
  int mainHeight() {
    Rect area;
    std::vector<Rect> above;
    return server->findWindow(kMain, area, above) ? area.height : 0;
  }

  // The key left of 1, typed into the main window once it has the keyboard: the console opens
  // (the window grows) or closes. False, with a failure, where it does not.
  bool toggleConsole(bool open) {
    if (!within20s([&] { return server->focusedIn(kMain); })) {
      ADD_FAILURE() << "the main window never had the keyboard";
      return false;
    }
    const int before = mainHeight();
    pressKey("grave");
    if (within20s([&] { return open ? mainHeight() > before : mainHeight() < before; })) return true;
    ADD_FAILURE() << "the console did not " << (open ? "open" : "close");
    return false;
  }

  // A setting typed into the console, "save preset" to `name`.ovp, then "quit" in the console:
  // the preset's bytes, once the program has ended by itself (empty where a step failed).
  std::string savePresetAndQuit(const std::string& name, const app::test::Environment& locale) {
    start(app::test::builtInConfig({}), locale);
    if (HasFatalFailure() || !toggleConsole(true)) return {};
    typeKeys("fov=45.5");
    pressKey("Return");
    if (!toggleConsole(false)) return {};

    click(&shell::Form1::Command16);
    waitShown(kSave);
    if (HasFatalFailure()) return {};
    EXPECT_TRUE(within20s([&] { return server->focusedIn(kSave); })) << "the save dialog never had the keyboard";
    typeKeys(name);
    pressKey("Return");
    const std::string file = home + "/" + name + ".ovp";
    if (!within20s([&] { return std::filesystem::exists(file) && !shown(kSave); })) {
      ADD_FAILURE() << "no preset saved at " << file;
      return {};
    }

    if (!toggleConsole(true)) return {};
    typeKeys("quit");
    pressKey("Return");
    EXPECT_TRUE(within20s([&] { return program->ended(); })) << "the console's \"quit\" did not end the program";
    program->signal(SIGKILL);
    EXPECT_EQ(program->wait(), 0) << program->messages();
    return platform::test_files::bytesOf(file);
  }
};

TEST_F(UserLocale, TurkishSavesThePresetOfTheCLocaleAndQuitsFromTheConsole) {
  const CompiledLocale turkish("tr_TR", "UTF-8");
  if (!turkish.ok()) GTEST_SKIP() << "localedef or the tr_TR sources are missing";
  const std::string plain = savePresetAndQuit("plain", {{"LOCPATH", ""}, {"LANG", "C.UTF-8"}, {"LC_ALL", "C.UTF-8"}});
  ASSERT_NE(plain.find("\r\nFOV=45.5\r\n"), std::string::npos) << "the console's setting is not in the preset";
  ASSERT_NE(plain.find("\r\nInvtFontMainColourR="), std::string::npos);
  const std::string local = savePresetAndQuit(
      "turkish", {{"LOCPATH", turkish.folder()}, {"LANG", turkish.name()}, {"LC_ALL", turkish.name()}});
  EXPECT_EQ(linesOf(local).size(), linesOf(plain).size());
  EXPECT_TRUE(local == plain) << "first difference (Turkish | C): " << firstDifference(local, plain);
}

// The dialog's path reaches the program in the file system's bytes, not as code-page text.
TEST_F(UserLocale, AFolderNamedInTheUsersLettersTakesThePreset) {
  moveHome("\xC3\xA7" "al" "\xC4\xB1" "\xC5\x9F" "ma");  // Turkish for "work", in UTF-8
  EXPECT_NE(savePresetAndQuit("preset", {{"LANG", "C.UTF-8"}, {"LC_ALL", "C.UTF-8"}}), "");
}

}  // namespace
}  // namespace olvex::test::x
