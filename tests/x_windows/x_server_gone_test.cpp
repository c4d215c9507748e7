// The X server goes away under the running program, as when its user logs out. The program runs
// as a process of its own on an Xvfb of the test's, which ends it. Whatever the program shows, it
// ends with the status the window toolkit chose, without a crash or a sanitizer report; a pass
// at work leaves the executable whole and nothing for the next run to clean.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include "app/program_runs.h"
#include "program_fixture.h"

namespace olvex::test::x {
namespace {

using app::test::ProgramRun;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The status the toolkit ends the process with once its display is gone.
constexpr int kToolkitsStatus = 1;
constexpr char kKeepOutOfTls[] = "intercept_tls_get_addr=0";

// Polls `done` for up to 20 s.
bool within20s(const std::function<bool()>& done) {
  for (auto until = std::chrono::steady_clock::now() + 20s; std::chrono::steady_clock::now() < until;
       std::this_thread::sleep_for(20ms))
    if (done()) return true;
  return false;
}

class XServerGone : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XDisplay::available()) GTEST_SKIP() << "Xvfb or openbox is not installed";
    // In the sanitizer build, the leak check at exit() crashes on the dynamic TLS of threads that
    // are still alive then (Qt's image threads, which only the application object's destructor
    // stops): the runs here keep it from looking at that TLS. Any report still ends a run with 99.
    const char* options = std::getenv("ASAN_OPTIONS");
    std::string kept = options ? options : "";
    if (kept.find(kKeepOutOfTls) == std::string::npos) ::setenv("ASAN_OPTIONS", (kept + ":" + kKeepOutOfTls).c_str(), 1);
    original = reflayout::referenceExecutable();
    platform::test_files::putBytes(exe(), original);
  }

  // The program started with `config` on a server of its own, the start-up's notice answered,
  // and its main window up.
  void start(const std::string& config) {
    platform::test_files::putBytes(dir.file("olvex.cfg"), config);
    server = std::make_unique<XDisplay>();
    program = std::make_unique<ProgramRun>(dir.path(), logs.file("run.txt"), server->name());
    ASSERT_TRUE(answer("OLVEX", [&] { return shown(kMain); })) << program->messages();
  }

  // Return typed into the window titled `caption` while it has the keyboard (at most every
  // 300 ms), until `done`.
  bool answer(const std::string& caption, const std::function<bool()>& done) {
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

  // Ends the server and returns the program's exit status (-signal when a signal ended it).
  int endServer() {
    server->stopServer();
    if (!within20s([&] { return program->ended(); })) ADD_FAILURE() << "the program outlived its display";
    program->signal(SIGKILL);
    return program->wait();
  }

  std::string exe() const { return dir.file("tomb4.exe"); }

  platform::test_files::TempFolder dir, logs;
  std::string original;
  const shell::Form1 layout;  // only read for the controls' places
  std::unique_ptr<XDisplay> server;
  std::unique_ptr<ProgramRun> program;
};

TEST_F(XServerGone, TheProgramEndsWithTheToolkitsStatusWhateverItShows) {
  const struct {
    const char* name;
    ui::CommandButton shell::Form1::*button;  // clicked in the main window, if any
    const char* shows;                         // the window then up
  } rows[] = {
      {"the main window idle", nullptr, kMain},
      {"a dialog open", &shell::Form1::Command14, "GFX customizer"},
      {"the pass's question open", &shell::Form1::Command3, kQuestion},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    start(app::test::builtInConfig({}));
    if (HasFatalFailure()) return;
    if (r.button) click(r.button);
    waitShown(r.shows);
    std::this_thread::sleep_for(300ms);  // the program settles in its event loop
    EXPECT_EQ(endServer(), kToolkitsStatus) << program->messages();
    EXPECT_TRUE(platform::test_files::bytesOf(exe()) == original);
  }
}

TEST_F(XServerGone, APassAtWorkLeavesTheExecutableWholeAndNothingToClean) {
  start(app::test::extendingConfig(true, false));
  if (HasFatalFailure()) return;
  click(&shell::Form1::Command3);
  ASSERT_TRUE(answer(kQuestion, [&] { return fs::exists(exe() + ".olvex-lock") || program->ended(); }));
  EXPECT_EQ(endServer(), kToolkitsStatus) << program->messages();
  EXPECT_TRUE(platform::test_files::bytesOf(exe()) == original) << "the pass was not caught at work";
  EXPECT_EQ(patcher::test::leftoversIn(dir.path()), std::vector<std::string>{});

  platform::test_files::putBytes(dir.file("olvex.cfg"), app::test::extendingConfig(true));
  ProgramRun next(dir.path(), logs.file("next.txt"));
  EXPECT_EQ(next.wait(), 0) << next.messages();
  EXPECT_NE(platform::test_files::bytesOf(exe()).size(), original.size());
  EXPECT_EQ(patcher::test::leftoversIn(dir.path()), std::vector<std::string>{});
}

}  // namespace
}  // namespace olvex::test::x
