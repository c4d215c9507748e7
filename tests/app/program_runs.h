#pragma once
// The program run as a real process in a folder of its own, the way a script runs it: silent
// mode on the reference executable, without a screen, its messages caught from standard error.
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "platform/temp_folder.h"
#include "reflayout/layout.h"
#include "shell/default_config.h"

namespace olvex::app::test {

using platform::test_files::bytesOf;
using platform::test_files::putBytes;

// The built-in config with key=value in place of each key's own line.
inline std::string configWith(std::initializer_list<std::pair<std::string, std::string>> changes) {
  std::string text(shell::BuiltInConfigText());
  for (const auto& [key, value] : changes) {
    std::size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) throw std::runtime_error("no key " + key);
    std::size_t end = text.find_first_of("\r\n", at + 1);
    text.replace(at + 1, end - at - 1, key + "=" + value);
  }
  return text;
}

// A silent run that extends the executable, so a patched file is told from the original by its
// length alone. With a large area the pass takes long enough to be caught in the middle.
inline std::string silentExtendingConfig(bool largeArea = false) {
  if (!largeArea) return configWith({{"SilentPatch", "1"}, {"ExtendExeSize", "1"}});
  // 64 MiB appended; the new section's headers declare it (raw size 0x4000000).
  const std::string header = "2E7969666600000000001800003041000000000400100C00000000000000000000000000E00000E0";
  std::string remapped = header;
  remapped.replace(28, 2, "81");
  return configWith({{"SilentPatch", "1"}, {"ExtendExeSize", "1"}, {"ExtendedSizeNum", "67108863"},
                     {"ExtendedSizeNoRelData", header}, {"ExtendedSizeYoRelData", remapped}});
}

class ProgramRun {
 public:
  // Starts the program in folder; its standard error goes to errPath. Qt's offscreen platform
  // stands in for a screen, or (offscreen false) the run has no display of any kind.
  ProgramRun(const std::string& folder, const std::string& errPath, bool offscreen = true) : err_(errPath) {
    pid_ = ::fork();
    if (pid_ == 0) {
      int fd = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (fd < 0 || ::chdir(folder.c_str()) != 0) ::_exit(126);
      ::dup2(fd, 1);
      ::dup2(fd, 2);
      if (offscreen) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
      } else {
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) ::unsetenv(name);
      }
      ::execl(OLVEX_PROGRAM, "olvex", static_cast<char*>(nullptr));
      ::_exit(127);
    }
  }
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;
  ~ProgramRun() {
    kill();
    wait();
  }

  // True once the run has ended (it is then never signalled again).
  bool ended() { return done_ || reap(WNOHANG); }
  void kill() { signal(SIGKILL); }
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
