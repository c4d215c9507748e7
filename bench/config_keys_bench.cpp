// The key work of a config read: splitting every line of the built-in config into key and value,
// and looking up every version key by the name a version section gives it.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "shell/config_line.h"
#include "shell/config_lines.h"
#include "shell/config_state.h"
#include "shell/default_config.h"
#include "shell/text_case.h"
#include "shell/version_table.h"

namespace {

using namespace olvex::shell;

void BM_SplitConfigLines(benchmark::State& state) {
  const std::string_view text = BuiltInConfigText();
  for (auto _ : state) {
    ConfigLines lines(text);
    for (std::string_view line; lines.next(line);) ParseConfigLine(line, CfgValue);
    benchmark::DoNotOptimize(CfgValue.data());
  }
}
BENCHMARK(BM_SplitConfigLines)->Unit(benchmark::kMicrosecond);

void BM_FindVersionKeys(benchmark::State& state) {
  std::vector<std::string> keys;
  for (std::string_view k : kOffsetKeys) keys.push_back(LowerCase(k));
  for (std::string_view k : kDataKeys) keys.push_back(LowerCase(k));
  for (auto _ : state)
    for (const auto& k : keys) benchmark::DoNotOptimize(FindVersionKey(k));
}
BENCHMARK(BM_FindVersionKeys)->Unit(benchmark::kMicrosecond);

}  // namespace
