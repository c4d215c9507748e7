#pragma once
// Runs a piece of a test where file permissions apply. Tests run as root in CI, and root reads
// and writes whatever it likes; the child process made here drops root for the user "nobody"
// first, so a file with mode 000 or of another owner is as unreadable to it as to a user.
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace olvex::test {

inline constexpr uid_t kNobody = 65534;

// Runs body in a child process (without root's rights) and returns the text body returned, or
// a text starting with "child:" when the child could not run it to the end.
inline std::string RunUnprivileged(const std::function<std::string()>& body) {
  int out[2];
  if (::pipe(out) != 0) return "child: no pipe";
  pid_t pid = ::fork();
  if (pid < 0) return "child: no fork";
  if (pid == 0) {
    ::close(out[0]);
    std::string text = "child: cannot drop root";
    if (::geteuid() != 0 ||
        (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0))
      text = body();
    for (std::size_t done = 0; done < text.size();) {
      ssize_t n = ::write(out[1], text.data() + done, text.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(out[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
  ::close(out[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status)) return "child: ended by signal " + std::to_string(WTERMSIG(status));
  return text;
}

}  // namespace olvex::test
