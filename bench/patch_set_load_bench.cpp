// Loading a patch set of 3,000 records whose last record has a high number: the table holds every
// record up to that number until the refresh after the load drops the ones in between. The
// second figure, the same records numbered without a gap, is what the records themselves cost.
#include <benchmark/benchmark.h>

#include <string>

#include "draco/patch_list.h"
#include "draco/patch_set_reader.h"
#include "platform/temp_folder.h"
#include "support/test_host.h"

namespace {

using namespace olvex;

constexpr int kRecords = 3000;

std::string record(int n) {
  const std::string number = std::to_string(n);
  return "/bgn " + number + "\r\nOmnipresence=1\r\nName=Patch " + number +
         "\r\nDescription=Raises a limit//second line\r\nOffffset00=4A3C12\r\nDeflData00=E80CF5FFFF\r\n"
         "ModNData00=9090909090\r\n/end " + number + "\r\n";
}

// Records 0 to 2,999, then the record numbered `last`.
void PatchSetLoad(benchmark::State& state) {
  test::TestHost host;
  platform::test_files::TempFolder folder;
  const int last = static_cast<int>(state.range(0));
  std::string text = "DRACO=0.3\r\n";
  for (int n = 0; n < kRecords; ++n) text += record(n);
  text += record(last);
  const std::string path = folder.file("patches.drc");
  platform::test_files::putBytes(path, text);
  for (auto _ : state) {
    state.PauseTiming();
    draco::PatchList = {};  // a table as fresh as at start-up, its memory given back
    draco::ClearPatchList();
    state.ResumeTiming();
    draco::LoadPatchSet(path);
    if (draco::ItemCount() != kRecords + 1 || !host.messages.empty()) {
      state.SkipWithError("the set was not loaded whole");
      break;
    }
  }
}
BENCHMARK(PatchSetLoad)->Arg(32767)->Arg(kRecords)->Unit(benchmark::kMillisecond);

}  // namespace
