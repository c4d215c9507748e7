// The X server goes away under the running program, as when its user logs out. The program runs
// as a process of its own on an Xvfb of the test's, which ends it. Whatever the program shows, it
// ends with the status the window toolkit chose, without a crash or a sanitizer report; a pass
// at work leaves the executable whole and nothing for the next run to clean.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "program_process.h"

namespace olvex::test::x {
namespace {

using app::test::ProgramRun;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The status the toolkit ends the process with once its display is gone.
constexpr int kToolkitsStatus = 1;

class XServerGone : public ProgramProcess {
 protected:
  // Ends the server and returns the program's exit status (-signal when a signal ended it).
  int endServer() {
    server->stopServer();
    if (!within20s([&] { return program->ended(); })) ADD_FAILURE() << "the program outlived its display";
    program->signal(SIGKILL);
    return program->wait();
  }
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
