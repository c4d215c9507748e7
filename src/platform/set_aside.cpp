#include "platform/set_aside.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/posix_io.h"
#include "platform/temp_files.h"

namespace olvex::platform::detail {

std::optional<FileIdentity> identityAt(const std::string& path) {
  struct stat st {};
  if (withFault(callFaults().look, path.c_str(), [&] { return ::lstat(path.c_str(), &st); }) == 0) return identityOf(st);
  if (errno == ENOENT) return std::nullopt;
  throwErrno("look at", path);
}

bool sameFile(const std::optional<FileIdentity>& found, const FileIdentity& file) {
  return found && found->device == file.device && found->inode == file.inode;
}

namespace {

// The file system makes no hard link here: it refuses them (EPERM also for a folder), across
// devices, or for a file with as many links as it may have.
bool linksRefused(int error) {
  return error == EPERM || error == EOPNOTSUPP || error == EXDEV || error == EMLINK || error == ENOSYS;
}

int makeLink(const char* from, const char* to) {
  return withFault(callFaults().link, to, [&] { return ::linkat(AT_FDCWD, from, AT_FDCWD, to, 0); });
}

// False once a look finds that `from` names another file than `to`, or nothing.
bool stillLinked(const char* from, const char* to) {
  struct stat atFrom {}, atTo {};
  if (::lstat(from, &atFrom) != 0) return errno != ENOENT;
  return ::lstat(to, &atTo) != 0 || (atFrom.st_dev == atTo.st_dev && atFrom.st_ino == atTo.st_ino);
}

}  // namespace

bool renameNoReplace(const char* from, const char* to) {
  const CallFaults& faults = callFaults();
  if (withFault(faults.renameNoReplace, to, [&] {
        return static_cast<int>(::syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE));
      }) == 0)
    return true;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return false;
  // The same in two steps: a link, which refuses a name that is taken, then the old name goes,
  // unless another file was put there meanwhile. Should that removal fail, so does the move: the
  // link goes again, and the file never keeps both names.
  if (makeLink(from, to) == 0) {
    if (!stillLinked(from, to) || withFault(faults.remove, from, [&] { return ::unlink(from); }) == 0) return true;
    const int error = errno;
    ::unlink(to);
    errno = error;
    return false;
  }
  if (!linksRefused(errno)) return false;
  // Where links are refused, a look comes just before the rename; one that fails finds no free
  // name.
  struct stat st {};
  if (withFault(faults.look, to, [&] { return ::lstat(to, &st); }) == 0) {
    errno = EEXIST;
    return false;
  }
  return errno == ENOENT && withFault(faults.rename, to, [&] { return ::rename(from, to); }) == 0;
}

std::string linkToOwnName(const std::string& path) {
  for (;;) {
    std::string own = nextTemporaryName(folderOf(path));
    if (makeLink(path.c_str(), own.c_str()) == 0) return own;
    if (linksRefused(errno)) return {};
    // A leftover of an earlier process with the same id: the next name.
    if (errno != EEXIST) throwErrno("link", path);
  }
}

std::string freeOwnName(const std::string& folder) {
  for (;;) {
    std::string own = nextTemporaryName(folder);
    if (!identityAt(own)) return own;  // else a leftover of an earlier process with the same id
  }
}

std::optional<std::string> moveToOwnName(const std::string& path) {
  for (;;) {
    std::string own = nextTemporaryName(folderOf(path));
    if (renameNoReplace(path.c_str(), own.c_str())) return own;
    if (errno == ENOENT) return std::nullopt;
    // A leftover of an earlier process with the same id: the next name.
    if (errno != EEXIST) throwErrno("move aside", path);
  }
}

std::string keepBeside(const std::string& from, const std::string& name) {
  for (int n = 1;; ++n) {
    std::string kept = name + ".kept" + (n == 1 ? "" : "-" + std::to_string(n));
    if (renameNoReplace(from.c_str(), kept.c_str())) return kept;
    if (errno != EEXIST) throwErrno("keep", from);
  }
}

std::string keepFound(const std::string& moved, const std::string& path) {
  return "The file found at \"" + path + "\" was kept as \"" + keepBeside(moved, path) + "\".";
}

std::string removeOrKeep(const std::string& moved, const FileIdentity& own, const std::string& path) {
  std::string why;
  try {
    const std::optional<FileIdentity> found = identityAt(moved);
    if (!found) return {};
    if (sameFile(found, own)) {
      ::unlink(moved.c_str());  // should it fail, the next run removes it from this run's name
      return {};
    }
  } catch (const FileError& e) {
    why = std::string(e.what()) + ". ";
  }
  return why + keepFound(moved, path);
}

std::string removeIfOwn(const std::string& path, const FileIdentity& own) {
  const std::optional<std::string> moved = moveToOwnName(path);
  return moved ? removeOrKeep(*moved, own, path) : std::string();
}

}  // namespace olvex::platform::detail
