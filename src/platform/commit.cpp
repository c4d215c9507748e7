// The end of a working copy: put in its source's place, or removed. Another program may act on
// any name at any moment. The copy moves to a name of the run's own before the one step that
// exchanges it with the source, so nothing put at its first name can reach the source's name; the
// commit looks before and after that step, never removes a file it has not proven to be its own,
// and says where it kept the others.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <span>
#include <utility>

#include "platform/files.h"
#include "platform/posix_io.h"
#include "platform/set_aside.h"

namespace olvex::platform {

using detail::FileIdentity;
using detail::identityAt;
using detail::sameFile;
using detail::throwErrno;
using detail::throwFileError;

namespace {

constexpr const char* kSourceChanged =
    "it changed after it was copied (another program wrote, moved or removed it); it is left as it is now";

enum class Exchange { Done, Unsupported, Failed };

// Swaps the names of two files in one step (renameat2 with RENAME_EXCHANGE, through the system
// call, as older C libraries have no wrapper). Unsupported where the file system cannot
// exchange; after Failed, errno says why.
Exchange exchangeNames(const std::string& a, const std::string& b) {
  if (detail::withFault(detail::callFaults().exchange, b.c_str(), [&] {
        return static_cast<int>(::syscall(SYS_renameat2, AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE));
      }) == 0)
    return Exchange::Done;
  return errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP ? Exchange::Unsupported : Exchange::Failed;
}

// True when the file behind fd has `length` bytes and they are `bytes`, read in small pieces so
// that the check costs no second image in memory.
bool holdsExactly(int fd, off_t length, std::span<const char> bytes, const std::string& path) {
  if (length < 0 || static_cast<std::uint64_t>(length) != bytes.size()) return false;
  char piece[1 << 16];
  for (std::size_t at = 0; at < bytes.size();) {
    const ssize_t got = ::pread(fd, piece, std::min(sizeof piece, bytes.size() - at), static_cast<off_t>(at));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throwErrno("read back", path);
    if (got == 0 || std::memcmp(piece, bytes.data() + at, static_cast<std::size_t>(got)) != 0) return false;
    at += static_cast<std::size_t>(got);
  }
  return true;
}

constexpr const char* kOldGone =
    "The executable from before the pass is gone too (another program moved or removed it)";
constexpr const char* kOldReplaced =
    "The executable from before the pass is gone: no link could be made to keep it by as the copy took its "
    "place";
constexpr const char* kOldChanged =
    "The executable from before the pass, which another program changed or replaced after it was copied,";

// Adds a line to text; an empty one adds nothing.
void addLine(std::string& text, const std::string& line) {
  if (!line.empty()) text += (text.empty() ? "" : "\r\n") + line;
}

}  // namespace

std::string RandomAccessFile::copyChanged() const {
  return "its working copy \"" + path_ + "\" was changed, removed or replaced meanwhile";
}

void RandomAccessFile::checkInPlace(const FileIdentity& copy) const {
  if (identityAt(ownName_) != copy) throwFileError("replace", source_, copyChanged());
  if (identityAt(source_) != sourceIdentity_) throwFileError("replace", source_, kSourceChanged);
}

FileIdentity RandomAccessFile::syncChecked(int fd, const CommitHooks& hooks) {
  flush(fd);
  if (::fsync(fd) != 0) throwErrno("sync", path_);
  if (hooks.afterSync) hooks.afterSync();
  struct stat written {};
  if (::fstat(fd, &written) != 0) throwErrno("sync", path_);
  // What the disk holds is read back after the identity is taken: a copy another program cut or
  // wrote before this look is caught here, and one changed after it no longer has that identity.
  if (!holdsExactly(fd, written.st_size, image_, path_)) throwFileError("replace", source_, copyChanged());
  return detail::identityOf(written);
}

std::string RandomAccessFile::commit(const CommitHooks& hooks) {
  held_ = openFd("replace");
  fd_ = -1;
  const FileIdentity copy = syncChecked(held_, hooks);
  // Its close is checked on a second descriptor (a network file system reports a write it could
  // not do there); held_ stays open, so the copy's inode number goes to no other file meanwhile.
  detail::UniqueFd(::dup(held_)).closeChecked(path_);
  moveCopyAside();
  copyMoved_ = true;
  checkInPlace(copy);  // the last look before the exchange
  if (hooks.beforeExchange) hooks.beforeExchange();
  // An answer that names cannot be exchanged may come from a file system that exchanged them:
  // the names are looked at after every error.
  const Exchange exchange = exchangeNames(ownName_, source_);
  if (exchange != Exchange::Done && !tookEffect(copy)) {
    if (exchange == Exchange::Unsupported) return renameOver(copy, hooks);
    throwErrno("replace", source_);
  }
  oldName_ = ownName_;
  settled_ = true;  // from here on the commit itself sees to the run's own name
  if (hooks.afterExchange) hooks.afterExchange();
  return settle(copy, hooks);
}

// The copy leaves path for the run's own name, where it must prove to be the copy as written. A
// file another program put at that name meanwhile (it was free when the copy was made) is kept
// beside the working copy's name, never left there for a later run to remove, and the name stays
// the one the termination handler guards.
void RandomAccessFile::moveCopyAside() {
  while (!detail::renameNoReplace(path_.c_str(), ownName_.c_str())) {
    if (errno == ENOENT) throwFileError("replace", source_, copyChanged());
    if (errno != EEXIST) throwErrno("move aside", path_);
    const std::string kept = detail::keepBeside(ownName_, path_);
    addLine(keptNote_, "The file found at \"" + ownName_ + "\" was kept as \"" + kept + "\".");
  }
}

// Where the file system cannot exchange, the copy is renamed over the source. Where it makes hard
// links, the executable from before the pass keeps a name of the run's own until the last look
// has found the copy in place; elsewhere (the file system makes none, or refuses one to this
// file, as to another user's) nothing keeps it. Either way the names are looked at once more just
// before the rename, which replaces whatever the source's name holds: a file another program put
// there since the link is found then and stays.
std::string RandomAccessFile::renameOver(const FileIdentity& copy, const CommitHooks& hooks) {
  try {
    oldName_ = detail::linkToOwnName(source_);
  } catch (const FileError&) {
    checkInPlace(copy);  // a source that went meanwhile is named as the look names it
    throw;
  }
  checkInPlace(copy);
  if (detail::withFault(detail::callFaults().rename, source_.c_str(),
                        [&] { return ::rename(ownName_.c_str(), source_.c_str()); }) != 0 &&
      !tookEffect(copy))
    throwErrno("replace", source_);
  settled_ = true;
  if (hooks.afterExchange) hooks.afterExchange();
  return settle(copy, hooks);
}

// After the exchange or the rename reported failure (errno says why, and stays): a network or
// FUSE file system may report an error for a step it did, so the names decide. True when it took
// effect: the source's name holds the copy or, where it cannot be looked at, the run's own name no
// longer holds it (the step took it from there); the commit goes on as after success, and the
// names are looked at as then. False when nothing changed; a name that went away after the look
// before (the source above all, which must not be made anew) is refused as that look names it.
// Where neither name can be looked at, the refusal says that it cannot tell.
bool RandomAccessFile::tookEffect(const FileIdentity& copy) const {
  const int error = errno;
  try {
    if (sameFile(identityAt(source_), copy)) return true;
  } catch (const FileError& atSource) {
    try {
      if (!sameFile(identityAt(ownName_), copy)) return true;
    } catch (const FileError&) {
      throw FileError(atSource.what() + std::string("; whether the patched copy took its place cannot be told"));
    }
    errno = error;
    return false;
  }
  checkInPlace(copy);
  errno = error;
  return false;
}

std::string RandomAccessFile::syncFolderOrSay() const {
  try {
    detail::syncFolder(detail::folderOf(source_));
    return {};
  } catch (const FileError& e) {
    return e.what();
  }
}

std::string RandomAccessFile::keepOld(const std::string& what) const {
  try {
    const std::string kept = detail::keepBeside(oldName_, source_);
    const std::string unsynced = syncFolderOrSay();
    return what + " was kept as \"" + kept + "\"" + (unsynced.empty() ? "" : ". " + unsynced);
  } catch (const FileError& e) {
    return e.what() + (". " + what) + whereOld();
  }
}

std::string RandomAccessFile::whereOld() const {
  try {
    if (identityAt(oldName_)) return " is at \"" + oldName_ + "\"";
  } catch (const FileError&) {
  }
  return " could not be found at \"" + oldName_ + "\"";
}

// The source's name holds the copy, unless another program acted in the instant, and oldName_
// holds what the source's name held: the executable as it was copied, to be removed once the last
// look finds the copy in place, or a file another program changed or put there, which is kept.
// Where no name kept it (a rename without links), that executable is gone. Once the copy is in
// place, a step that fails without changing anything (a look, the folder's sync) is a line of the
// note, and every file it leaves in doubt is kept.
std::string RandomAccessFile::settle(const FileIdentity& copy, const CommitHooks& hooks) {
  std::string note = keptNote_;
  bool oldAsCopied = false;
  // Where the executable from before the pass went, when it is not removed.
  std::string oldNote = oldName_.empty() ? kOldReplaced : kOldGone;
  try {
    const std::optional<FileIdentity> old = oldName_.empty() ? std::nullopt : identityAt(oldName_);
    oldAsCopied = old == sourceIdentity_;
    if (old && !oldAsCopied) addLine(note, oldNote = keepOld(kOldChanged));
  } catch (const FileError& e) {
    addLine(note, oldNote = e.what() + std::string(". ") + keepOld());
  }
  addLine(note, syncFolderOrSay());
  if (hooks.beforeLastLook) hooks.beforeLastLook();
  // The last look: the commit succeeds only if the source's name holds the copy as written as it
  // ends; otherwise the executable from before the pass is kept. A look that cannot be made
  // tells nothing of a change: the commit stands, and that executable is kept.
  std::optional<FileIdentity> atEnd;
  try {
    atEnd = identityAt(source_);
  } catch (const FileError& e) {
    addLine(note, e.what() + std::string("; whether it still holds the patched copy cannot be told"));
    if (oldAsCopied) addLine(note, keepOld());
    return note;
  }
  if (atEnd != copy) keepAfterLoss(atEnd, oldAsCopied ? keepOld() : oldNote);
  if (oldAsCopied) addLine(note, removeOld());
  return note;
}

// The executable from before the pass goes, if oldName_ still holds it as it was copied when it
// is looked at once more, just before: whatever another program did to that name since the first
// look after the copy took its place (across the folder's sync and the last look) is kept, and so
// is a file that cannot be looked at or removed.
std::string RandomAccessFile::removeOld() const {
  try {
    const std::optional<FileIdentity> old = identityAt(oldName_);
    if (!old) return {};
    if (*old != sourceIdentity_) return keepOld(kOldChanged);
    // A removal that reports an error may have taken effect: a look tells.
    if (!detail::removeName(oldName_) && errno != ENOENT) {
      const int error = errno;
      if (!identityAt(oldName_)) return {};
      errno = error;
      throwErrno("remove", oldName_);
    }
  } catch (const FileError& e) {
    // Left at the run's own name, a later run would remove it without a word.
    return e.what() + std::string(". ") + keepOld();
  }
  return {};
}

// Another program replaced, removed or wrote the copy at the source's name after the exchange:
// what it left there stays, and `old` says where the executable from before the pass went.
void RandomAccessFile::keepAfterLoss(const std::optional<FileIdentity>& atSource, const std::string& old) {
  const std::string what =
      !atSource ? "another program removed it as the patched copy took its place; nothing stands there now"
      : sameFile(atSource, copyIdentity_)
          ? "another program wrote to the patched copy as it took its place; it stays as that program left it"
          : "another program put another file there as the patched copy took its place; that file stays";
  throwFileError("replace", source_, what + ". " + old);
}

std::string RandomAccessFile::discard() {
  if (source_.empty() || settled_) return {};
  settled_ = true;
  // Its descriptor stays open until the object ends, so that no other file gets its inode number
  // before the removal below has looked.
  if (fd_ >= 0) held_ = std::exchange(fd_, -1);
  std::string note = keptNote_;
  try {
    addLine(note, copyMoved_ ? detail::removeOrKeep(ownName_, copyIdentity_, path_)
                             : detail::removeIfOwn(path_, copyIdentity_));
  } catch (const FileError& e) {
    addLine(note, e.what());
  }
  // The link a rename over the source made to it goes only while the source's name still holds
  // that file; else (the rename may have taken effect, or another program acted) it is kept. A
  // link made after another program put a file at the source's name is a second name of that
  // file, which stays there: the link goes while both names hold it.
  if (oldName_.empty()) return note;
  try {
    const std::optional<FileIdentity> atSource = identityAt(source_);
    if (sameFile(atSource, sourceIdentity_))
      addLine(note, detail::removeOrKeep(oldName_, sourceIdentity_, source_));
    else if (atSource && sameFile(identityAt(oldName_), *atSource))
      addLine(note, detail::removeOrKeep(oldName_, *atSource, source_));
    else
      addLine(note, keepOld());
  } catch (const FileError& e) {
    addLine(note, e.what() + std::string(". ") + keepOld());
  }
  return note;
}

}  // namespace olvex::platform
