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

bool sameInode(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// True when a look finds path naming `file` (its device and inode).
bool names(const char* path, const struct stat& file) {
  struct stat st {};
  return ::lstat(path, &st) == 0 && sameInode(st, file);
}

// After a call that would give file the name `to` reported failure (errno says why): a network
// file system may report an error for a call it did ("File exists" from a retried one among
// them), so true when `to` names the file all the same; else false with errno kept.
bool namedAllTheSame(const char* to, const struct stat& file) {
  const int error = errno;
  if (names(to, file)) return true;
  errno = error;
  return false;
}

// The move in two steps: a link, which refuses a name that is taken, then the old name goes. A
// look decides each step: a file another program put at `to` just after the link means the move
// did not happen (EEXIST), and the link is made again where that name is free again. Should the
// removal report failure, the link goes again only while the old name still names the file: a
// removal that took effect left the link as its last name. After Failed, errno says why.
enum class Linked { Moved, Failed, Refused };
Linked linkAndRemove(const char* from, const char* to, const struct stat& file) {
  const CallFaults& faults = callFaults();
  for (;;) {
    if (makeLink(from, to) != 0) {
      if (linksRefused(errno)) return Linked::Refused;
      if (!namedAllTheSame(to, file)) return Linked::Failed;
    }
    struct stat atTo {};
    if (withFault(faults.look, to, [&] { return ::lstat(to, &atTo); }) != 0) {
      if (errno == ENOENT) continue;
      return Linked::Failed;
    }
    if (!sameInode(atTo, file)) {
      errno = EEXIST;
      return Linked::Failed;
    }
    if (!names(from, file) || withFault(faults.remove, from, [&] { return ::unlink(from); }) == 0)
      return Linked::Moved;
    const int error = errno;
    if (!names(from, file)) return Linked::Moved;
    ::unlink(to);
    errno = error;
    return Linked::Failed;
  }
}

}  // namespace

bool renameNoReplace(const char* from, const char* to) {
  const CallFaults& faults = callFaults();
  struct stat file {};
  if (::lstat(from, &file) != 0) return false;
  if (withFault(faults.renameNoReplace, to, [&] {
        return static_cast<int>(::syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE));
      }) == 0)
    return true;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return namedAllTheSame(to, file);
  const Linked linked = linkAndRemove(from, to, file);
  if (linked != Linked::Refused) return linked == Linked::Moved;
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
