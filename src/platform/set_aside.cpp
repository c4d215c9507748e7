#include "platform/set_aside.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

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

// After a call that would give `file` (nullopt: a file that could not be looked at) the name
// `to` reported failure (errno says why): a network file system may report an error for a call it
// did ("File exists" from a retried one among them), so true when `to` names the file all the
// same; else false with errno kept.
bool namedAllTheSame(const char* to, const std::optional<struct stat>& file) {
  const int error = errno;
  if (file && names(to, *file)) return true;
  errno = error;
  return false;
}

// How a move that replaces nothing ended. After Failed, errno says why; after LinkUnseen, a link
// gave the new name to a file no look proved to be the one moved, so the old name still holds
// it.
enum class Move { Done, Failed, LinkUnseen, LinksRefused };

// The move in two steps: a link, which refuses a name that is taken, then the old name goes. A
// look decides each step: a file another program put at `to` just after the link means the move
// did not happen (EEXIST), and the link is made again where that name is free again; the file
// the link reached at `from` (another program's since the look before, or one no look could see)
// is moved as a rename would move it once `from` and `to` prove to name it. Should the removal
// report failure, the link goes again only while the old name still names the file: a removal
// that took effect left the link as its last name. `unseen` is why `from` could not be looked at
// when file is nullopt.
Move linkAndRemove(const char* from, const char* to, std::optional<struct stat> file, int unseen) {
  const CallFaults& faults = callFaults();
  for (;;) {
    if (makeLink(from, to) != 0) {
      if (linksRefused(errno)) return Move::LinksRefused;
      if (!namedAllTheSame(to, file)) return Move::Failed;
    }
    struct stat atTo {};
    if (withFault(faults.look, to, [&] { return ::lstat(to, &atTo); }) != 0) {
      if (errno == ENOENT) continue;
      return Move::LinkUnseen;
    }
    if (!file || !sameInode(atTo, *file)) {
      if (!names(from, atTo)) {
        errno = file ? EEXIST : unseen;
        return file ? Move::Failed : Move::LinkUnseen;
      }
      file = atTo;
    }
    if (!names(from, *file) || withFault(faults.remove, from, [&] { return ::unlink(from); }) == 0) return Move::Done;
    const int error = errno;
    if (!names(from, *file)) return Move::Done;
    ::unlink(to);
    errno = error;
    return Move::Failed;
  }
}

// renameNoReplace, telling a link no look proved from a move that did not happen. A look at `from`
// that fails leaves the file unknown: the move goes on, and a step that reports an error then
// did not take effect, as no look can tell which file reached `to`.
Move moveNoReplace(const char* from, const char* to) {
  const CallFaults& faults = callFaults();
  std::optional<struct stat> file{std::in_place};
  const int unseen = withFault(faults.look, from, [&] { return ::lstat(from, &*file); }) == 0 ? 0 : errno;
  if (unseen == ENOENT) return Move::Failed;
  if (unseen) file.reset();
  if (withFault(faults.renameNoReplace, to, [&] {
        return static_cast<int>(::syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE));
      }) == 0)
    return Move::Done;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
    return namedAllTheSame(to, file) ? Move::Done : Move::Failed;
  const Move linked = linkAndRemove(from, to, file, unseen);
  if (linked != Move::LinksRefused) return linked;
  // Where links are refused, a look comes just before the rename; one that fails finds no free
  // name.
  struct stat st {};
  if (withFault(faults.look, to, [&] { return ::lstat(to, &st); }) == 0) {
    errno = EEXIST;
    return Move::Failed;
  }
  if (errno != ENOENT) return Move::Failed;
  const bool renamed = withFault(faults.rename, to, [&] { return ::rename(from, to); }) == 0;
  return renamed || namedAllTheSame(to, file) ? Move::Done : Move::Failed;
}

}  // namespace

bool renameNoReplace(const char* from, const char* to) { return moveNoReplace(from, to) == Move::Done; }

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
    const Move move = moveNoReplace(from.c_str(), kept.c_str());
    if (move == Move::Done) return kept;
    // Most likely the file has both names now: `kept` is named, never said to hold it.
    if (move == Move::LinkUnseen)
      throwFileError("keep", from,
                     "a link to it was made at \"" + kept + "\", but no look proved it there (" +
                         std::strerror(errno) + ")");
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
