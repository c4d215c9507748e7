// Reading the built-in command set from its text, as a run reads the command-set file it is
// given at start-up.
#include <benchmark/benchmark.h>

#include "furr/command_set.h"

namespace {

using namespace olvex::furr;

void BM_ParseCommandSet(benchmark::State& state) {
  for (auto _ : state) {
    ParsedCommandSet parsed = ParseCommandSet(BuiltInCommandSetText());
    benchmark::DoNotOptimize(parsed.set.commands.data());
  }
}
BENCHMARK(BM_ParseCommandSet)->Unit(benchmark::kMicrosecond);

}  // namespace
