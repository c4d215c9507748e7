#pragma once
// The program as a process of its own on an Xvfb of the test's, driven as its user drives it:
// windows found by their titles on the server, keys typed into the one that has the keyboard,
// clicks where the designer placed a button.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/program_runs.h"
#include "program_fixture.h"

namespace olvex::test::x {

// Polls `done` for up to 20 s.
inline bool within20s(const std::function<bool()>& done) {
  using namespace std::chrono_literals;
  for (auto until = std::chrono::steady_clock::now() + 20s; std::chrono::steady_clock::now() < until;
       std::this_thread::sleep_for(20ms))
    if (done()) return true;
  return false;
}

class ProgramProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XDisplay::available()) GTEST_SKIP() << "Xvfb or openbox is not installed";
    // In the sanitizer build, the leak check at exit() crashes on the dynamic TLS of threads that
    // are still alive then (Qt's image threads, which only the application object's destructor
    // stops): the runs here keep it from looking at that TLS. Any report still ends a run with 99.
    constexpr char kKeepOutOfTls[] = "intercept_tls_get_addr=0";
    const char* options = std::getenv("ASAN_OPTIONS");
    std::string kept = options ? options : "";
    if (kept.find(kKeepOutOfTls) == std::string::npos) ::setenv("ASAN_OPTIONS", (kept + ":" + kKeepOutOfTls).c_str(), 1);
    original = reflayout::referenceExecutable();
    platform::test_files::putBytes(exe(), original);
  }

  // The program's folder becomes `dir`'s subfolder `name`, with the reference executable in it.
  void moveHome(const std::string& name) {
    home = dir.file(name);
    std::filesystem::create_directory(home);
    platform::test_files::putBytes(exe(), original);
  }

  // The program started with `config` (and `environment`) on a server of its own, the start-up's
  // notice answered, and its main window up.
  void start(const std::string& config, const app::test::Environment& environment = {}) {
    platform::test_files::putBytes(home + "/olvex.cfg", config);
    server = std::make_unique<XDisplay>();
    program = std::make_unique<app::test::ProgramRun>(home, logs.file("run.txt"), server->name(), environment);
    ASSERT_TRUE(answer("OLVEX", [&] { return shown(kMain); })) << program->messages();
  }

  // Return typed into the window titled `caption` while it has the keyboard (at most every
  // 300 ms), until `done`.
  bool answer(const std::string& caption, const std::function<bool()>& done) {
    using namespace std::chrono_literals;
    std::chrono::steady_clock::time_point pressed;
    return within20s([&] {
      if (std::chrono::steady_clock::now() - pressed > 300ms && server->focusedIn(caption)) {
        pressKey("Return");
        pressed = std::chrono::steady_clock::now();
      }
      return done();
    });
  }

  bool shown(const std::string& caption) {
    Rect area;
    std::vector<Rect> above;
    return server->findWindow(caption, area, above);
  }

  void pressKey(const std::string& key) {
    server->key(key, true);
    server->key(key, false);
  }

  // One key a character: letters and digits by their own names, "." and "=" by theirs.
  void typeKeys(const std::string& text) {
    const std::pair<char, const char*> named[] = {{'.', "period"}, {'=', "equal"}};
    for (char c : text) {
      std::string key(1, c);
      for (auto [ch, name] : named)
        if (c == ch) key = name;
      pressKey(key);
    }
  }

  // A click on a button of the main window, where its designer placed it (15 twips a pixel on
  // this server's screen).
  void click(ui::CommandButton shell::Form1::*button) {
    Rect area;
    std::vector<Rect> above;
    ASSERT_TRUE(server->findWindow(kMain, area, above));
    const ui::Control& c = layout.*button;
    server->moveTo(area.left + (c.left() + c.width() / 2) / 15, area.top + (c.top() + c.height() / 2) / 15);
    server->button(true);
    server->button(false);
  }

  void waitShown(const std::string& caption) {
    ASSERT_TRUE(within20s([&] { return shown(caption); })) << caption << " never showed";
  }

  std::string exe() const { return home + "/tomb4.exe"; }

  platform::test_files::TempFolder dir, logs;
  std::string home = dir.path();  // the program's folder
  std::string original;
  const shell::Form1 layout;  // only read for the controls' places
  std::unique_ptr<XDisplay> server;
  std::unique_ptr<app::test::ProgramRun> program;
};

}  // namespace olvex::test::x
