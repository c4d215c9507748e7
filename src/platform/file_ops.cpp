#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "platform/files.h"
#include "platform/posix_io.h"

namespace olvex::platform {

using detail::throwErrno;

std::string readFile(const std::string& path) {
  detail::UniqueFd fd = detail::openRegular(path, O_RDONLY);
  struct stat st {};
  // Read straight into a string of the file's size, one byte more to meet the end in the same
  // read; a file that grows meanwhile is still read to its end.
  std::string bytes(::fstat(fd.get(), &st) == 0 ? static_cast<std::size_t>(st.st_size) + 1 : 4096, '\0');
  std::size_t have = 0;
  for (;;) {
    if (have == bytes.size()) bytes.resize(bytes.size() * 2);
    ssize_t got = ::read(fd.get(), bytes.data() + have, bytes.size() - have);
    if (got < 0) {
      if (errno == EINTR) continue;
      throwErrno("read", path);
    }
    if (got == 0) {
      bytes.resize(have);
      return bytes;
    }
    have += static_cast<std::size_t>(got);
  }
}

bool fileExists(const std::string& path) {
  if (path.empty()) return false;
  detail::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat st {};
  return fd.get() >= 0 && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode);
}

bool pathExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::lstat(path.c_str(), &st) == 0;
}

void removeFile(const std::string& path) {
  // ENOTDIR: a folder on the way is a file, so path cannot exist either.
  if (::unlink(path.c_str()) != 0 && errno != ENOENT && errno != ENOTDIR) {
    throwErrno("delete", path);
  }
}

std::string currentDirectory() {
  // getcwd gives no trailing "/" except for the root itself, which stays "/".
  std::string dir(256, '\0');
  while (::getcwd(dir.data(), dir.size()) == nullptr) {
    if (errno != ERANGE) throwErrno("get", "current directory");
    dir.resize(dir.size() * 2);
  }
  dir.resize(dir.find('\0'));
  return dir;
}

std::string resolveLinks(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
  return real ? std::string(real.get()) : path;
}

}  // namespace olvex::platform
