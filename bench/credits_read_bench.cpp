// Reading a [credits] section of a million lines into the credits editor, whose counters (line
// count, first overlong line, slots) follow every change of its text.
#include <benchmark/benchmark.h>
#include <string>

#include "app/modules.h"
#include "customizers/credits/dialog.h"
#include "platform/files.h"
#include "platform/temp_folder.h"
#include "shell/config_reader.h"
#include "shell/config_state.h"
#include "shell/default_config.h"
#include "support/test_host.h"

namespace {

using namespace olvex;

// The built-in config with `lines` credit lines in place of its own.
std::string configWithCredits(int lines) {
  std::string text(shell::BuiltInConfigText());
  const std::size_t from = text.find("[credits]\r\n") + 11, to = text.find("[end credits]", from);
  std::string credits;
  for (int i = 0; i < lines; ++i) credits += "Credit line " + std::to_string(i) + "\r\n";
  return text.replace(from, to - from, credits);
}

void CreditsRead(benchmark::State& state) {
  test::TestHost host;
  platform::test_files::WorkingFolder folder;
  const int lines = static_cast<int>(state.range(0));
  platform::writeFileAtomic(folder.file("olvex.cfg"), configWithCredits(lines));
  shell::SetWorkDir(folder.path());
  app::InstallModules();
  for (auto _ : state) {
    shell::LoadScope = "creds";
    shell::ReadCommonConfig();
    auto& credits = ui::Forms::get<customizers::CustCredits>();
    if (credits.Label1.caption() != std::to_string(lines)) {
      state.SkipWithError("the credit lines were not all read");
      break;
    }
    state.PauseTiming();
    credits.unload();
    ui::Forms::collect();
    state.ResumeTiming();
  }
}
BENCHMARK(CreditsRead)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
