// The program as scripts run it: several real processes on one executable, runs killed in the
// middle of a pass, and the exit status each kind of run ends with.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "platform/files.h"
#include "program_runs.h"

namespace olvex::app::test {
namespace {

using platform::test_files::TempFolder;
using Names = std::vector<std::string>;
namespace fs = std::filesystem;

constexpr const char* kInUse = "tomb4.exe is in use by another run of OLVEX. Nothing was changed.";

class ProgramRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    original = reflayout::referenceExecutable();
    putBytes(exe(), original);
  }
  std::string exe() const { return dir.file("tomb4.exe"); }
  Names leftovers() const { return patcher::test::leftoversIn(dir.path()); }
  std::string errFile(int i) const { return logs.file("run" + std::to_string(i) + ".txt"); }

  // The executable a single undisturbed run gives with config, made in a folder of its own.
  std::string patchedWith(const std::string& config) {
    TempFolder alone;
    putBytes(alone.file("olvex.cfg"), config);
    putBytes(alone.file("tomb4.exe"), original);
    ProgramRun run(alone.path(), errFile(99));
    EXPECT_EQ(run.wait(), 0) << run.messages();
    return bytesOf(alone.file("tomb4.exe"));
  }

  TempFolder dir, logs;
  std::string original;
};

TEST_F(ProgramRuns, RunsAtOnceEndFullyPatchedAndEveryOtherRunSaysInUse) {
  const std::string config = extendingConfig(true);
  const std::string patched = patchedWith(config);
  ASSERT_NE(patched.size(), original.size());
  putBytes(dir.file("olvex.cfg"), config);
  int inUse = 0;
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(round);
    putBytes(exe(), original);
    std::vector<std::unique_ptr<ProgramRun>> runs;
    for (int i = 0; i < 4; ++i) runs.push_back(std::make_unique<ProgramRun>(dir.path(), errFile(i)));
    int succeeded = 0;
    for (auto& r : runs) {
      int status = r->wait();
      if (status == 0) {
        ++succeeded;
        continue;
      }
      EXPECT_EQ(status, 1) << r->messages();
      EXPECT_NE(r->messages().find(kInUse), std::string::npos) << r->messages();
      ++inUse;
    }
    EXPECT_GE(succeeded, 1);
    EXPECT_TRUE(bytesOf(exe()) == patched) << "the executable is not the fully patched one";
    EXPECT_EQ(leftovers(), Names{});
  }
  EXPECT_GT(inUse, 0) << "the runs never overlapped";
}

// Killed at moments through the whole pass (copy, stages, commit), the executable is always the
// original or the fully patched file; stopped from outside (SIGTERM, Ctrl+C, a closed terminal)
// in the middle of its stages, a run removes its working copy and lock itself and leaves the
// original. The next run removes what a killed one left and patches.
TEST_F(ProgramRuns, AStoppedRunLeavesAWholeFileAndTheNextRunCleansUp) {
  const std::string config = extendingConfig(true);
  const std::string patched = patchedWith(config);
  putBytes(dir.file("olvex.cfg"), config);
  const struct {
    int sig;
    const char* begun;  // the run has begun the pass once this file is there
    int delayMs;        // before the signal
  } rows[] = {
      {SIGKILL, ".olvex-lock", 0}, {SIGKILL, ".olvex-lock", 2},  {SIGKILL, ".olvex-lock", 6},
      {SIGKILL, ".olvex-lock", 20}, {SIGKILL, ".olvex-lock", 60}, {SIGTERM, "0", 0},
  };
  int leftBehind = 0;
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.sig) + " after " + std::to_string(r.delayMs) + " ms");
    putBytes(exe(), original);
    {
      ProgramRun run(dir.path(), errFile(0));
      auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
      while (!fs::exists(exe() + r.begun) && !run.ended() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
      std::this_thread::sleep_for(std::chrono::milliseconds(r.delayMs));
      if (r.sig == SIGTERM) {
        ASSERT_FALSE(run.ended()) << "the pass ended before the signal";
      }
      run.signal(r.sig);
      EXPECT_EQ(run.wait() == -SIGTERM, r.sig == SIGTERM);
    }
    std::string after = bytesOf(exe());
    EXPECT_TRUE(after == original || (after == patched && r.sig == SIGKILL)) << "an executable of " << after.size() << " bytes";
    if (r.sig == SIGTERM) {
      EXPECT_EQ(leftovers(), Names{});
    }
    if (!leftovers().empty()) ++leftBehind;

    ProgramRun next(dir.path(), errFile(1));
    EXPECT_EQ(next.wait(), 0) << next.messages();
    EXPECT_TRUE(bytesOf(exe()) == patched);
    EXPECT_EQ(leftovers(), Names{});
  }
  EXPECT_GT(leftBehind, 0) << "no kill hit a pass at work";
}

// A link someone put at a name the run writes itself (the working copy, the lock, the linked
// scripts' scratch files) is never written through: what it leads to stays as it was.
TEST_F(ProgramRuns, NoLinkAtANameOfTheRunsOwnIsWrittenThrough) {
  const std::string config = builtInConfig({"SilentPatch=1", "ExtendExeSize=1", "EnableFlipeffectEditor=1", "EnableRaceTimerWorkaround=1"});
  const std::string patched = patchedWith(config);
  putBytes(dir.file("olvex.cfg"), config);
  TempFolder elsewhere;
  const std::string notes = elsewhere.file("notes.txt");
  const struct {
    const char* name;
    int status;
    const char* message;  // part of what the run printed
  } rows[] = {
      {"tomb4.exe0", 0, ""},
      {"yiff.tmp", 0, ""},
      {"timr.tmp", 0, ""},
      {"tomb4.exe.olvex-lock", 1, "Cannot open the lock"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    putBytes(exe(), original);
    putBytes(notes, "my notes");
    fs::create_symlink(notes, dir.file(r.name));
    ProgramRun run(dir.path(), errFile(0));
    EXPECT_EQ(run.wait(), r.status) << run.messages();
    EXPECT_NE(run.messages().find(r.message), std::string::npos) << run.messages();
    EXPECT_EQ(bytesOf(notes), "my notes");
    EXPECT_FALSE(fs::is_symlink(exe()));
    EXPECT_TRUE(bytesOf(exe()) == (r.status == 0 ? patched : original));
    EXPECT_EQ(fs::is_symlink(dir.file(r.name)), r.status != 0);  // only a refused lock's link stays
    fs::remove(dir.file(r.name));
    EXPECT_EQ(leftovers(), Names{});
  }
}

// A config handed over by someone else names no file outside the program's folder: such a line
// is refused with a message naming it, and nothing outside is read or written.
TEST_F(ProgramRuns, ConfigNamesLeadingOutOfTheFolderAreRefused) {
  TempFolder root;
  fs::create_directory(root.file("game"));
  fs::create_directory(root.file("victim"));
  const std::string victim = root.file("victim/tomb4.exe");
  const struct {
    const char* key;
    std::string value;
    int status;
  } rows[] = {
      {"ExeName", "../victim/tomb4.exe", 2},
      {"ExeName", victim, 2},
      {"ExeName", "..", 2},
      {"DefaultSyntaxFile", "../victim/x.fln", 0},
      {"DefaultSyntaxFile", "..\\victim\\x.fln", 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.value);
    putBytes(victim, original);
    putBytes(root.file("game/tomb4.exe"), original);
    putBytes(root.file("game/olvex.cfg"), builtInConfig({"SilentPatch=1", std::string(r.key) + "=" + r.value}));
    ProgramRun run(root.file("game"), errFile(0));
    EXPECT_EQ(run.wait(), r.status) << run.messages();
    EXPECT_NE(run.messages().find(std::string(r.key) + "=" + r.value + ": "), std::string::npos) << run.messages();
    EXPECT_TRUE(bytesOf(victim) == original);
    EXPECT_EQ(std::distance(fs::directory_iterator(root.file("victim")), fs::directory_iterator()), 1);
  }
}

TEST_F(ProgramRuns, TheExitStatusSaysWhatTheRunDid) {
  struct Row {
    const char* name;
    std::string config;
    bool exe;
    int status;
    const char* message;  // part of what the run printed
    const char* display = kOffscreen;
  } rows[] = {
      {"silent, committed", extendingConfig(), true, 0, ""},
      {"silent, committed, no display", extendingConfig(), true, 0, "", kNoDisplay},
      {"silent, rolled back", builtInConfig({"SilentPatch=1", "ExtendedSizeNum=2147483647"}), true, 1,
       "ExtendedSizeNum=2147483647"},
      {"silent, no executable", extendingConfig(), false, 2, "tomb4.exe not found"},
      {"silent, no executable, no display", extendingConfig(), false, 2, "tomb4.exe not found", kNoDisplay},
      {"windowed, no screen", builtInConfig({"SilentPatch=0"}), true, 3, "No screen"},
      {"windowed, no display", builtInConfig({"SilentPatch=0"}), true, 3, "No screen", kNoDisplay},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    putBytes(dir.file("olvex.cfg"), r.config);
    fs::remove(exe());
    if (r.exe) putBytes(exe(), original);
    ProgramRun run(dir.path(), errFile(0), r.display);
    EXPECT_EQ(run.wait(), r.status) << run.messages();
    EXPECT_NE(run.messages().find(r.message), std::string::npos) << run.messages();
  }
}

}  // namespace
}  // namespace olvex::app::test
