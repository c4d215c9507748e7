#pragma once
// The program run as a real process in a folder of its own, the way a script runs it: silent
// mode on the reference executable, without a screen, its messages caught from standard error.
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

#include "patcher/pass_fixture.h"

namespace olvex::app::test {

using patcher::test::builtInConfig;
using platform::test_files::bytesOf;
using platform::test_files::putBytes;

// A run that extends the executable, so a patched file is told from the original by its length
// alone: silent, or with its windows up. With a large area the pass takes long enough to be
// caught in the middle.
inline std::string extendingConfig(bool largeArea = false, bool silent = true) {
  std::vector<std::string> changes = {silent ? "SilentPatch=1" : "SilentPatch=0", "ExtendExeSize=1"};
  if (largeArea) {
    // 0x4AF9F00 bytes appended; the new section's headers declare it (raw size and offset in hex
    // of either case, as a config may have them).
    const std::string header = "2E79696666000000000018000030410000" "9Faf04" "00100c00000000000000000000000000E00000E0";
    std::string remapped = header;
    remapped.replace(28, 2, "81");
    changes.insert(changes.end(), {"ExtendedSizeNum=78618367", "ExtendedSizeNoRelData=" + header,
                                   "ExtendedSizeYoRelData=" + remapped});
  }
  return builtInConfig(changes);
}

// Where a run shows its windows: Qt's offscreen platform, no display of any kind, or an X
// display named ":N".
inline constexpr char kOffscreen[] = "offscreen";
inline constexpr char kNoDisplay[] = "";

// Variables set for a run on top of the test's own, as name and value.
using Environment = std::vector<std::pair<std::string, std::string>>;

class ProgramRun {
 public:
  // Starts the program in folder, showing its windows on `display`; its standard error goes to
  // errPath.
  ProgramRun(const std::string& folder, const std::string& errPath, const std::string& display = kOffscreen,
             const Environment& environment = {})
      : err_(errPath) {
    pid_ = ::fork();
    if (pid_ == 0) {
      int fd = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (fd < 0 || ::chdir(folder.c_str()) != 0) ::_exit(126);
      ::dup2(fd, 1);
      ::dup2(fd, 2);
      for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) ::unsetenv(name);
      if (display == kOffscreen) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
      } else if (!display.empty()) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        ::setenv("DISPLAY", display.c_str(), 1);
      }
      for (const auto& [name, value] : environment) ::setenv(name.c_str(), value.c_str(), 1);
      ::execl(OLVEX_PROGRAM, "olvex", static_cast<char*>(nullptr));
      ::_exit(127);
    }
  }
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;
  ~ProgramRun() {
    signal(SIGKILL);
    wait();
  }

  // True once the run has ended (it is then never signalled again).
  bool ended() { return done_ || reap(WNOHANG); }
  void signal(int sig) {
    if (!ended()) ::kill(pid_, sig);
  }
  // The exit status; -signal when a signal ended the run.
  int wait() {
    if (!done_) reap(0);
    return status_;
  }
  std::string messages() const { return bytesOf(err_); }

 private:
  bool reap(int options) {
    int status = 0;
    if (::waitpid(pid_, &status, options) != pid_) return false;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    done_ = true;
    return true;
  }

  pid_t pid_ = -1;
  std::string err_;
  bool done_ = false;
  int status_ = 0;
};

}  // namespace olvex::app::test
