#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/files.h"
#include "platform/posix_io.h"
#include "platform/set_aside.h"

namespace olvex::platform {

using detail::throwErrno;
using detail::throwFileError;
using detail::UniqueFd;

namespace {

// Tries before a lock file that another program removes or replaces each time it is taken is
// refused.
constexpr int kLockTries = 100;

// The lock file at path, opened: made anew, or the one already there (held by a running process,
// or left by a killed one). Empty when it vanished between the two tries.
UniqueFd openLockFile(const std::string& path) {
  // O_NOFOLLOW: a link put at the lock's name is refused rather than followed; anything else but
  // a file is refused too, and O_NONBLOCK keeps a pipe or device there from holding up the open.
  UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
  if (fd.get() >= 0) return fd;
  if (errno != EEXIST) throwErrno("create the lock", path);
  UniqueFd existing(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (existing.get() < 0 && errno != ENOENT) throwErrno("open the lock", path);
  struct stat st {};
  if (existing.get() >= 0 && (::fstat(existing.get(), &st) != 0 || !S_ISREG(st.st_mode)))
    throwFileError("open the lock", path, "not a regular file");
  return existing;
}

// The lock file open at fd still stands at path. A look that fails for another reason than "no
// such file" is a FileError: it cannot tell.
bool heldAt(int fd, const std::string& path) {
  struct stat held {};
  if (::fstat(fd, &held) != 0) throwErrno("look at the lock", path);
  return detail::sameFile(detail::identityAt(path), detail::identityOf(held));
}

}  // namespace

FileLock::FileLock(const std::string& path) : path_(path) {
  for (int tries = 0; tries < kLockTries; ++tries) {
    // A name that cannot be looked at is refused before anything is made there.
    detail::identityAt(path);
    UniqueFd fd = openLockFile(path);
    if (fd.get() < 0) continue;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
      if (errno == EWOULDBLOCK) throw FileInUse("Cannot lock \"" + path + "\": a running process holds it");
      throwErrno("lock", path);
    }
    // The holder before us removes the file before it lets go: a lock on a file no longer at
    // path guards nothing, so start again with the one that is there now.
    if (!heldAt(fd.get(), path)) continue;
    fd_ = fd.release();
    return;
  }
  throwFileError("lock", path,
                 "another program removed or replaced it each time it was taken (" + std::to_string(kLockTries) +
                     " tries)");
}

FileLock::~FileLock() {
  // Removed while still held, so nobody locks the file on its way out; a file someone else put
  // at path meanwhile is not ours to remove, nor one a look cannot tell.
  try {
    if (heldAt(fd_, path_)) ::unlink(path_.c_str());
  } catch (const FileError&) {
  }
  ::close(fd_);
}

}  // namespace olvex::platform
