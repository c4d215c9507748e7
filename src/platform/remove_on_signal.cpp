#include "platform/remove_on_signal.h"

#include <signal.h>
#include <unistd.h>

#include <cstring>

namespace olvex::platform {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kMaxPaths = 4;
constexpr std::size_t kMaxPath = 4096;

// Plain arrays: the handler may only touch memory that needs no allocation.
char paths[kMaxPaths][kMaxPath];
volatile sig_atomic_t pathCount = 0;
struct sigaction previous[std::size(kSignals)];

void removeAndEnd(int sig) {
  for (int i = 0; i < pathCount; ++i) ::unlink(paths[i]);
  // The signal then ends the process as it would have without us.
  ::signal(sig, SIG_DFL);
  ::raise(sig);
}

}  // namespace

RemoveOnSignal::RemoveOnSignal(const std::vector<std::string>& list) {
  pathCount = 0;
  for (const std::string& p : list) {
    if (pathCount == kMaxPaths || p.size() >= kMaxPath) continue;
    std::memcpy(paths[pathCount], p.c_str(), p.size() + 1);
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
}

}  // namespace olvex::platform
