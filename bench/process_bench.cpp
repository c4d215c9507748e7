// Whole processes: the program's silent run over the reference executable (a patch set present,
// so nothing is shown) against `cp` of the executable, and the program's start-up until its
// main window is shown (windowed, offscreen), measured through the start-up probe.
#include <benchmark/benchmark.h>

#include "run_folder.h"
#include "run_process.h"

namespace {

using olvex::bench::RunFolder;
using olvex::bench::runProcess;

void SilentRunProcess(benchmark::State& state) {
  RunFolder folder;
  for (auto _ : state)
    if (runProcess({OLVEX_PROGRAM}).status != 0) state.SkipWithError("the silent run failed");
}
BENCHMARK(SilentRunProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void CopyExecutableProcess(benchmark::State& state) {
  RunFolder folder;
  for (auto _ : state)
    if (runProcess({"cp", "tomb4.exe", "copy.exe"}).status != 0) state.SkipWithError("cp failed");
}
BENCHMARK(CopyExecutableProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void StartUpToMainWindow(benchmark::State& state) {
  RunFolder folder(false);
  for (auto _ : state)
    if (runProcess({OLVEX_STARTUP_PROBE}, {"QT_QPA_PLATFORM=offscreen"}).status != 0)
      state.SkipWithError("the main window was not shown");
}
BENCHMARK(StartUpToMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
