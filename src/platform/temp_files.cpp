#include "platform/temp_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

#include "platform/files.h"

namespace olvex::platform {

namespace detail {

namespace {

constexpr std::string_view kPrefix = ".olvex-";
constexpr std::string_view kSuffix = ".tmp";

// This machine's name as it may stand in a file name.
const std::string& hostTag() {
  static const std::string tag = [] {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') return std::string("host");
    std::string t(name);
    for (char& c : t) {
      bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.';
      if (!plain) c = '_';
    }
    return t;
  }();
  return tag;
}

bool allDigits(std::string_view s) {
  return !s.empty() && s.size() <= 18 && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id in a temporary file name made on this machine; 0 for any other name.
pid_t ownProcessOf(std::string_view name) {
  if (name.substr(0, kPrefix.size()) != kPrefix || name.size() <= kPrefix.size() + kSuffix.size() ||
      name.substr(name.size() - kSuffix.size()) != kSuffix)
    return 0;
  std::string_view middle = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  std::size_t counterDash = middle.rfind('-');
  if (counterDash == std::string_view::npos || !allDigits(middle.substr(counterDash + 1))) return 0;
  std::string_view rest = middle.substr(0, counterDash);
  std::size_t pidDash = rest.rfind('-');
  if (pidDash == std::string_view::npos || rest.substr(0, pidDash) != hostTag()) return 0;
  std::string_view pid = rest.substr(pidDash + 1);
  if (!allDigits(pid)) return 0;
  return static_cast<pid_t>(std::strtoll(std::string(pid).c_str(), nullptr, 10));
}

// Only "no such process" means gone; a process of another user answers EPERM and is alive.
bool processGone(pid_t pid) { return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

std::string nextTemporaryName(const std::string& folder) {
  static std::atomic<unsigned> counter{0};
  return folder + "/" + std::string(kPrefix) + hostTag() + "-" + std::to_string(::getpid()) + "-" +
         std::to_string(counter++) + std::string(kSuffix);
}

UniqueFd createTemporaryFile(const std::string& folder, const std::string& target, std::string& tempPath) {
  for (;;) {
    tempPath = nextTemporaryName(folder);
    UniqueFd fd(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (fd.get() >= 0) return fd;
    // A leftover of an earlier process with the same id, or anything else put there (a link is
    // never followed): try the next name.
    if (errno != EEXIST) throwErrno("create a temporary file beside", target);
  }
}

}  // namespace detail

int removeLeftoverTemporaries(const std::string& folder) {
  DIR* d = ::opendir(folder.c_str());
  if (!d) return 0;
  int removed = 0;
  while (const dirent* e = ::readdir(d)) {
    pid_t pid = detail::ownProcessOf(e->d_name);
    if (pid <= 0 || !detail::processGone(pid)) continue;
    std::string path = folder + "/" + e->d_name;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(path.c_str()) == 0) ++removed;
  }
  ::closedir(d);
  return removed;
}

}  // namespace olvex::platform
