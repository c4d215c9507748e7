#include "platform/remove_on_signal.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "platform/posix_io.h"
#include "platform/set_aside.h"
#include "platform/temp_files.h"

namespace olvex::platform {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kMaxPaths = 4;
constexpr std::size_t kMaxPath = 4096;

// Plain arrays: the handler may only touch memory that needs no allocation.
struct Entry {
  char path[kMaxPath];
  char aside[kMaxPath];  // this run's own name for the file while it is looked at
  dev_t device;
  ino_t inode;
  volatile sig_atomic_t guarded;  // removed only when it is that file
};
Entry entries[kMaxPaths];
volatile sig_atomic_t pathCount = 0;
struct sigaction previous[std::size(kSignals)];

void removeEntry(Entry& e) {
  if (!e.guarded) {
    ::unlink(e.path);
    return;
  }
  if (!detail::renameNoReplace(e.path, e.aside)) return;
  struct stat st {};
  if (::lstat(e.aside, &st) == 0 && st.st_dev == e.device && st.st_ino == e.inode) ::unlink(e.aside);
  else detail::renameNoReplace(e.aside, e.path);
}

void removeEntries() {
  for (int i = 0; i < pathCount; ++i) removeEntry(entries[i]);
}

void removeAndEnd(int sig) {
  removeEntries();
  // The signal then ends the process as it would have without us.
  ::signal(sig, SIG_DFL);
  ::raise(sig);
}

// exit() while an object lives: the same removal, with the signals held off so that their
// handler never runs into it.
void removeAtExit() {
  if (pathCount == 0) return;
  sigset_t held;
  sigemptyset(&held);
  for (int sig : kSignals) sigaddset(&held, sig);
  ::sigprocmask(SIG_BLOCK, &held, nullptr);
  removeEntries();
}

}  // namespace

RemoveOnSignal::RemoveOnSignal(const std::vector<std::string>& list) {
  [[maybe_unused]] static const int atExit = std::atexit(removeAtExit);
  pathCount = 0;
  for (const std::string& p : list) {
    if (pathCount == kMaxPaths || p.size() >= kMaxPath) continue;
    Entry& e = entries[pathCount];
    e.guarded = 0;
    std::memcpy(e.path, p.c_str(), p.size() + 1);
    pathCount = pathCount + 1;
  }
  struct sigaction action {};
  action.sa_handler = removeAndEnd;
  sigemptyset(&action.sa_mask);
  for (int sig : kSignals) sigaddset(&action.sa_mask, sig);  // one handler run at a time
  for (std::size_t i = 0; i < std::size(kSignals); ++i) {
    ::sigaction(kSignals[i], nullptr, &previous[i]);
    // A signal the caller of the program ignores (SIGHUP under nohup) stays ignored.
    if (previous[i].sa_handler != SIG_IGN) ::sigaction(kSignals[i], &action, nullptr);
  }
}

RemoveOnSignal::~RemoveOnSignal() {
  for (std::size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &previous[i], nullptr);
  pathCount = 0;
}

void RemoveOnSignal::onlyIf(const std::string& path, const detail::FileIdentity& file) {
  const std::string aside = detail::nextTemporaryName(detail::folderOf(path));
  if (aside.size() >= kMaxPath || path.size() >= kMaxPath) return;
  int i = 0;
  while (i < pathCount && path != entries[i].path) ++i;
  if (i == kMaxPaths) return;
  Entry& e = entries[i];
  e.guarded = 0;  // the handler sees a whole entry or an unguarded one
  if (i == pathCount) std::memcpy(e.path, path.c_str(), path.size() + 1);
  std::memcpy(e.aside, aside.c_str(), aside.size() + 1);
  e.device = static_cast<dev_t>(file.device);
  e.inode = static_cast<ino_t>(file.inode);
  std::atomic_signal_fence(std::memory_order_release);
  e.guarded = 1;
  if (i == pathCount) pathCount = pathCount + 1;  // a further path: the handler sees it whole
}

}  // namespace olvex::platform
