// Whole processes: the program's silent run over the reference executable (a patch set present,
// so nothing is shown) against `cp` of the executable, and the program's start-up until its
// main window is shown (windowed, offscreen), measured through the start-up probe.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "run_folder.h"

extern char** environ;

namespace {

using olvex::bench::RunFolder;

// Runs a command in the current directory with `extra` added to the environment; its exit
// status, or -1 when it could not run or did not exit.
int runProcess(std::vector<std::string> args, const std::vector<std::string>& extra = {}) {
  std::vector<char*> argv, envp;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> env(extra);
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

void SilentRunProcess(benchmark::State& state) {
  RunFolder folder;
  for (auto _ : state)
    if (runProcess({OLVEX_PROGRAM}) != 0) state.SkipWithError("the silent run failed");
}
BENCHMARK(SilentRunProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void CopyExecutableProcess(benchmark::State& state) {
  RunFolder folder;
  for (auto _ : state)
    if (runProcess({"cp", "tomb4.exe", "copy.exe"}) != 0) state.SkipWithError("cp failed");
}
BENCHMARK(CopyExecutableProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void StartUpToMainWindow(benchmark::State& state) {
  RunFolder folder(false);
  for (auto _ : state)
    if (runProcess({OLVEX_STARTUP_PROBE}, {"QT_QPA_PLATFORM=offscreen"}) != 0)
      state.SkipWithError("the main window was not shown");
}
BENCHMARK(StartUpToMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
