#pragma once
// Runs a command as a child process in the current directory, with `extra` added to the
// environment, and waits for it; with `quiet` its output goes to /dev/null.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace olvex::bench {

struct ProcessExit {
  int status = -1;  // the exit status; -1 when the command could not run or did not exit
  // The child's peak resident memory. The kernel starts it from the resident size of this
  // process at the spawn, so a benchmark that reports it runs best on its own (filtered).
  long peakKb = 0;
};

inline ProcessExit runProcess(std::vector<std::string> args, const std::vector<std::string>& extra = {},
                              bool quiet = false) {
  std::vector<char*> argv, envp;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> env(extra);
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (quiet)
    for (int fd : {1, 2}) posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", O_WRONLY, 0);
  pid_t pid;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return {};
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status)) return {};
  return {WEXITSTATUS(status), usage.ru_maxrss};
}

}  // namespace olvex::bench
