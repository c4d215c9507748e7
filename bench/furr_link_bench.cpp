// Linking every script slot of full tables: 256 flipeffects and 255 race-timer events, each a
// few lines of FURR, into the images the patch pass copies into the executable.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "furr/flip_linker.h"
#include "furr/race_linker.h"

namespace {

using namespace olvex::furr;

const char* const kScript =
    "BYTE_IF= 7FE240 1\r\nINC_HP 100 1000\r\nSET_SUPPLY PISTOL_AMMO 30\r\nPLAY_SAMPLE 105\r\nCHANGE_POSITION 40960 -2048";

class WorkDir {
 public:
  WorkDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "olvex-bench-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
    path_ += "/";
  }
  ~WorkDir() { std::filesystem::remove_all(path_); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

void BM_LinkAllFlipeffects(benchmark::State& state) {
  WorkDir dir;
  std::vector<FlipSlot> slots(256, FlipSlot{kScript, 0});
  for (std::size_t s = 0; s < slots.size(); s += 4) slots[s].doOnlyOnce = 1;
  FlipLinkOptions options{true, true, false, true, OneShotMode::Pre};
  FlipVersionData version{"C3", "C3", 790529, 790529 + 0x40000};
  for (auto _ : state) {
    FlipLinkResult r = LinkFlipeffects(BuiltInCommandSet(), slots, options, version, dir.path());
    if (!r.linked()) state.SkipWithError("link failed");
    benchmark::DoNotOptimize(r.image.data());
  }
}
BENCHMARK(BM_LinkAllFlipeffects)->Unit(benchmark::kMillisecond);

void BM_LinkAllRaceEvents(benchmark::State& state) {
  WorkDir dir;
  std::vector<RaceEvent> events;
  for (int e = 0; e < 255; ++e) events.push_back({kScript, static_cast<float>(e / 60), static_cast<float>(e % 60)});
  RaceLinkOptions options{true, true, false, false};
  RaceVersionData version{"FF0546777F00", "FF0D46777F00", 8728576, 12922880, 790529 + 0x40000, 790529, 524287};
  for (auto _ : state) {
    LinkResult r = LinkRaceTimer(BuiltInCommandSet(), events, options, version, dir.path());
    if (!r.linked()) state.SkipWithError("link failed");
    benchmark::DoNotOptimize(r.image.data());
  }
}
BENCHMARK(BM_LinkAllRaceEvents)->Unit(benchmark::kMillisecond);

}  // namespace
