// A whole silent run (start-up with the built-in config, version detection, the full pass and
// its commit) over the reference executable, set against copying that file once.
#include <benchmark/benchmark.h>

#include <string>

#include "app/modules.h"
#include "platform/files.h"
#include "reflayout/layout.h"
#include "run_folder.h"
#include "shell/config_state.h"
#include "shell/form1.h"
#include "shell/shared_tables.h"
#include "shell/version_table.h"
#include "ui/form.h"
#include "support/test_host.h"

namespace {

using namespace olvex;

using Folder = bench::RunFolder;

void SilentRun(benchmark::State& state) {
  test::TestHost host;
  Folder folder;
  app::InstallModules();
  for (auto _ : state) {
    shell::ResetConfigState();
    shell::ResetVersionTables();
    shell::ResetSharedTables();
    ui::Forms::get<shell::Form1>();  // its Load patches and unloads every window
    ui::Forms::collect();
  }
  if (!host.messages.empty()) state.SkipWithError(host.messages.front().text.c_str());
  if (platform::readFile(folder.exe()) != reflayout::referenceExecutable()) state.SkipWithError("unexpected result");
}
BENCHMARK(SilentRun)->Unit(benchmark::kMillisecond);

void CopyExecutableOnce(benchmark::State& state) {
  Folder folder;
  for (auto _ : state) platform::copyFile(folder.exe(), folder.exe() + "0");
}
BENCHMARK(CopyExecutableOnce)->Unit(benchmark::kMillisecond);

}  // namespace
