// Whole silent runs whose default patch set is costly by its record numbers rather than its size:
// a set cut off inside the record numbered 32767 (the reader keeps every record up to it), and
// 32,768 records numbered 0 to 32767 (each looked up by name in the pass). Each reports the run's
// peak resident memory beside its wall time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "platform/files.h"
#include "run_folder.h"
#include "run_process.h"
#include "shell/conversions.h"

namespace {

using namespace olvex;

constexpr int kRecords = 32768;

// "/bgn 32767" and the first lines of its record, then the end of the file: 47 bytes.
const std::string kCutOffSet = "DRACO=0.3\r\n/bgn 32767\r\nOmnipresence=1\r\nName=x\r\n";

std::string fullSet() {
  std::string text = "DRACO=0.3\r\n";
  for (int n = 0; n < kRecords; ++n) {
    const std::string number = shell::PadLeftZeros(std::to_string(n), 3);
    text += "/bgn " + number + "\r\nOmnipresence=1\r\nName=P" + number + "\r\n/end " + number + "\r\n";
  }
  return text;
}

void runWithSet(benchmark::State& state, const std::string& set) {
  bench::RunFolder folder;
  platform::writeFileAtomic(folder.file("patches.drc"), set);
  long peakKb = 0;
  for (auto _ : state) {
    bench::ProcessExit exit = bench::runProcess({OLVEX_PROGRAM}, {}, true);
    if (exit.status != 0) state.SkipWithError("the silent run failed");
    peakKb = std::max(peakKb, exit.peakKb);
  }
  state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024;
}

void SilentRunCutOffSet(benchmark::State& state) { runWithSet(state, kCutOffSet); }
BENCHMARK(SilentRunCutOffSet)->Unit(benchmark::kMillisecond)->UseRealTime();

void SilentRun32768Records(benchmark::State& state) { runWithSet(state, fullSet()); }
BENCHMARK(SilentRun32768Records)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
