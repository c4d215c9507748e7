// Name look-ups with 32,768 patches, in the main window started over a patch set of records
// numbered 0 to 32767, each naming two dependencies (the patch before it and a patch of no
// record): "load preset" of the preset saved from it with every patch selected (each of its
// DRACO lines names a patch), and a whole pass ("modify") with every patch selected (each looks
// up both its dependencies).
#include <benchmark/benchmark.h>

#include <string>

#include "app/modules.h"
#include "draco/patch_list.h"
#include "patcher/pass_hooks.h"
#include "platform/files.h"
#include "presets/preset_writer.h"
#include "run_folder.h"
#include "shell/config_state.h"
#include "shell/conversions.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/script_slots.h"
#include "shell/shared_tables.h"
#include "shell/version_table.h"
#include "support/test_host.h"

namespace {

using namespace olvex;

constexpr int kRecords = 32768;
constexpr long long kPatchedOffset = 0xC0000;  // every patch writes its byte there

std::string number(int n) { return shell::PadLeftZeros(std::to_string(n), 3); }

std::string dependentSet() {
  std::string text = "DRACO=0.3\r\n";
  for (int n = 0; n < kRecords; ++n) {
    text += "/bgn " + number(n) + "\r\nOmnipresence=1\r\nName=P" + number(n) + "\r\nDependencies=P" +
            number((n + kRecords - 1) % kRecords) + ",Missing " + number(n) +
            "\r\nCondBehave=1\r\nOffffset00=C0000\r\nDeflData00=00\r\nModNData00=90\r\n/end " + number(n) + "\r\n";
  }
  return text;
}

bool everyPatchSelected() {
  if (draco::ItemCount() != kRecords) return false;
  for (int k = 0; k < kRecords; ++k)
    if (!draco::IsItemSelected(k)) return false;
  return true;
}

// The main window after the program's start-up in a folder whose default patch set is that set,
// with every patch selected.
struct MainWindow {
  MainWindow() {
    platform::writeFileAtomic(folder.file("patches.drc"), dependentSet());
    shell::ResetConfigState();
    shell::ResetVersionTables();
    shell::ResetSharedTables();
    shell::ResetScriptSlots();
    shell::form1Hooks() = shell::Form1Hooks{};
    patcher::passHooks() = patcher::PassHooks{};
    app::InstallModules();
    form = &ui::Forms::get<shell::Form1>();
    for (int k = 0; k < draco::ItemCount(); ++k) draco::SetItemSelected(k, true);
  }

  bench::RunFolder folder{false};
  test::TestHost host;
  shell::Form1* form = nullptr;
};

void PresetLoad32768Records(benchmark::State& state) {
  MainWindow window;
  const std::string preset = window.folder.file("every patch.ovp");
  platform::writeLinesAtomic(preset, presets::PresetLines());
  for (auto _ : state) {
    state.PauseTiming();
    draco::ResetPatches();
    window.host.fileAnswers.push_back(preset);
    state.ResumeTiming();
    window.form->Command12.userClick();
  }
  if (!window.host.messages.empty()) state.SkipWithError(window.host.messages.front().text.c_str());
  else if (!everyPatchSelected()) state.SkipWithError("the preset did not select every patch");
  state.counters["preset_KB"] = static_cast<double>(platform::readFile(preset).size()) / 1024;
}
BENCHMARK(PresetLoad32768Records)->Unit(benchmark::kMillisecond);

void Pass32768SelectedRecords(benchmark::State& state) {
  MainWindow window;
  if (!everyPatchSelected()) state.SkipWithError("not every patch is selected");
  for (auto _ : state) {
    if (!shell::form1Hooks().ModifyExe()) {
      state.SkipWithError("the pass failed");
      break;
    }
  }
  if (!window.host.messages.empty()) state.SkipWithError(window.host.messages.front().text.c_str());
  else if (platform::readFile(window.folder.exe()).at(kPatchedOffset) != '\x90')
    state.SkipWithError("the patches were not applied");
}
BENCHMARK(Pass32768SelectedRecords)->Unit(benchmark::kMillisecond);

}  // namespace
