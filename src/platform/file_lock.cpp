#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/posix_io.h"

namespace olvex::platform {

using detail::throwErrno;
using detail::throwFileError;
using detail::UniqueFd;

namespace {

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

bool sameFile(int fd, const std::string& path) {
  struct stat held {}, there {};
  return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &there) == 0 && held.st_dev == there.st_dev &&
         held.st_ino == there.st_ino;
}

}  // namespace

FileLock::FileLock(const std::string& path) : path_(path) {
  for (;;) {
    UniqueFd fd = openLockFile(path);
    if (fd.get() < 0) continue;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
      if (errno == EWOULDBLOCK) throw FileInUse("Cannot lock \"" + path + "\": a running process holds it");
      throwErrno("lock", path);
    }
    // The holder before us removes the file before it lets go: a lock on a file no longer at
    // path guards nothing, so start again with the one that is there now.
    if (!sameFile(fd.get(), path)) continue;
    fd_ = fd.release();
    return;
  }
}

FileLock::~FileLock() {
  // Removed while still held, so nobody locks the file on its way out; a file someone else put
  // at path meanwhile is not ours to remove.
  if (sameFile(fd_, path_)) ::unlink(path_.c_str());
  ::close(fd_);
}

}  // namespace olvex::platform
