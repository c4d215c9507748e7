// Runs that overlap or get killed: only a lock file is taken as the lock, a termination signal
// or exit() removes a run's files, and a killed save's temporary file is removed by a later
// run, while everything that is not such a file stays. Two runs at once and a killed lock holder
// are tried with the program itself (tests/app).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "platform/files.h"
#include "platform/posix_io.h"
#include "platform/remove_on_signal.h"
#include "platform/temp_files.h"
#include "platform/temp_folder.h"

namespace olvex::platform {
namespace {

using test_files::bytesOf;
using test_files::putBytes;
using test_files::TempFolder;
using Names = std::vector<std::string>;

// Runs body in a child process and returns its exit status (body's result); -signal when a
// signal ended it.
int inChild(const std::function<int()>& body) {
  pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// 0: locked; 1: in use; 2: another error.
int tryLock(const std::string& path) {
  try {
    FileLock lock(path);
    return 0;
  } catch (const FileInUse&) {
    return 1;
  } catch (const FileError&) {
    return 2;
  }
}

TEST(FileLock, ALinkOrPipeAtTheLockNameOrAMissingFolderIsAnError) {
  TempFolder dir;
  std::filesystem::create_symlink(dir.file("elsewhere"), dir.file("lock"));
  ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
  for (const char* name : {"lock", "pipe", "no/such/folder/lock"}) EXPECT_EQ(tryLock(dir.file(name)), 2) << name;
  EXPECT_EQ(dir.entries(), (Names{"lock", "pipe"}));
}

TEST(RemoveLeftoverTemporaries, RemovesOnlyTheFilesOfKilledRunsOnThisMachine) {
  TempFolder dir;
  // A save killed between creating its temporary file and renaming it.
  ASSERT_EQ(inChild([&] {
              std::string path;
              detail::createTemporaryFile(dir.path(), dir.file("a.cfg"), path);
              putBytes(dir.file("name"), path.substr(path.rfind('/') + 1));
              return 0;
            }),
            0);
  const std::string killed = bytesOf(dir.file("name"));
  std::filesystem::remove(dir.file("name"));
  std::string running;  // this process's own, still being written
  detail::createTemporaryFile(dir.path(), dir.file("b.cfg"), running);
  Names kept = {".olvex-.tmp", ".olvex-1-2.tmp", ".olvex-x-y-z.tmp", "game.tmp", "tomb4.exe",
                running.substr(running.rfind('/') + 1),
                // The same name from another machine sharing the folder: its process cannot be asked.
                ".olvex-otherhost" + killed.substr(killed.find('-', 7))};
  for (const std::string& name : kept) putBytes(dir.file(name), "keep");
  std::string folderLike = killed;
  folderLike.replace(folderLike.rfind('-'), 1, "-9");
  std::filesystem::create_directory(dir.file(folderLike));  // not a file: not ours
  kept.push_back(folderLike);

  EXPECT_EQ(removeLeftoverTemporaries(dir.path()), 1);
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(dir.entries(), kept);
  EXPECT_EQ(removeLeftoverTemporaries(dir.file("no-such-folder")), 0);
}

TEST(RemoveOnSignal, ATerminationSignalOrExitRemovesTheFilesAndStillEndsTheProcess) {
  TempFolder dir;
  const Names all = {"1", "2", "3", "4"};  // the most paths it takes
  struct Row {
    const char* name;
    int sig;             // 0: the process calls exit(3) instead
    bool ignoredBefore;  // the program was started with the signal ignored (nohup)
    bool released;       // the object is gone when the signal comes
    int status;          // of the child: -signal, or its exit status
    Names left;
  } rows[] = {
      {"SIGTERM", SIGTERM, false, false, -SIGTERM, {}},
      {"SIGINT", SIGINT, false, false, -SIGINT, {}},
      {"SIGHUP", SIGHUP, false, false, -SIGHUP, {}},
      {"SIGHUP under nohup", SIGHUP, true, false, 0, all},
      {"after release", SIGTERM, false, true, -SIGTERM, all},
      {"exit", 0, false, false, 3, {}},
      {"exit after release", 0, false, true, 3, all},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Names paths;
    for (const std::string& name : all) {
      putBytes(dir.file(name), name);
      paths.push_back(dir.file(name));
    }
    int status = inChild([&] {
      if (r.ignoredBefore) ::signal(r.sig, SIG_IGN);
      auto end = [&] {
        if (r.sig == 0) std::exit(3);
        ::raise(r.sig);
      };
      {
        RemoveOnSignal cleanup(paths);
        if (!r.released) end();
      }
      if (r.released) end();
      return 0;
    });
    EXPECT_EQ(status, r.status);
    EXPECT_EQ(dir.entries(), r.left);
  }
}

// A guarded name, one of the paths or one guarded later (the run's own name a commit moves its
// copy to), loses its file only when that is the run's own; another program's file put there stays
// where it was, and no name of the run's own is left behind.
TEST(RemoveOnSignal, AGuardedNameLosesOnlyTheRunsOwnFile) {
  TempFolder dir;
  const std::string copy = dir.file("tomb4.exe0");
  for (bool listed : {true, false}) {
    for (bool replaced : {false, true}) {
      SCOPED_TRACE(std::string(listed ? "listed, " : "guarded later, ") + (replaced ? "replaced" : "own"));
      putBytes(copy, "own");
      struct stat st {};
      ASSERT_EQ(::lstat(copy.c_str(), &st), 0);
      const int status = inChild([&] {
        RemoveOnSignal cleanup(listed ? Names{copy} : Names{dir.file("lock")});
        cleanup.onlyIf(copy, detail::identityOf(st));
        if (replaced) {
          putBytes(dir.file("other"), "other");
          std::filesystem::rename(dir.file("other"), copy);
        }
        ::raise(SIGTERM);
        return 0;
      });
      EXPECT_EQ(status, -SIGTERM);
      EXPECT_EQ(dir.entries(), replaced ? Names{"tomb4.exe0"} : Names{});
      if (replaced) {
        EXPECT_EQ(bytesOf(copy), "other");
      }
    }
  }
}

}  // namespace
}  // namespace olvex::platform
