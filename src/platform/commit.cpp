// The end of a working copy: put in its source's place, or removed. Another program may act on
// either name at any moment; the commit looks before and after the one step that exchanges the
// names, never removes a file it has not proven to be its own, and says where it kept the others.
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
  if (::syscall(SYS_renameat2, AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0) return Exchange::Done;
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

}  // namespace

std::string RandomAccessFile::copyChanged() const {
  return "its working copy \"" + path_ + "\" was changed, removed or replaced meanwhile";
}

void RandomAccessFile::checkInPlace(const FileIdentity& copy) const {
  if (identityAt(path_) != copy) throwFileError("replace", source_, copyChanged());
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
  detail::UniqueFd fd(openFd("replace"));
  fd_ = -1;
  const FileIdentity copy = syncChecked(fd.get(), hooks);
  fd.closeChecked(path_);
  checkInPlace(copy);  // the last look before the exchange
  if (hooks.beforeExchange) hooks.beforeExchange();
  const Exchange exchange = exchangeNames(path_, source_);
  if (exchange == Exchange::Failed) {
    // Nothing changed; a name that went away after the look (the source above all, which must
    // not be made anew) is named as the look names it.
    const int error = errno;
    checkInPlace(copy);
    errno = error;
    throwErrno("replace", source_);
  }
  if (exchange == Exchange::Unsupported) {
    // The look above is the last one: a change in the instant of the rename is not caught.
    if (::rename(path_.c_str(), source_.c_str()) != 0) throwErrno("replace", source_);
    settled_ = true;
    detail::syncFolder(detail::folderOf(source_));
    return {};
  }
  settled_ = true;  // from here on the commit itself sees to what stands at path
  if (hooks.afterExchange) hooks.afterExchange();
  return settleAfterExchange(copy, hooks);
}

std::string RandomAccessFile::settleAfterExchange(const FileIdentity& copy, const CommitHooks& hooks) {
  const std::optional<FileIdentity> atSource = identityAt(source_);
  if (!sameFile(atSource, copy)) keepAfterLoss(atSource, path_);
  if (*atSource != copy) return changeBack(copy, copyChanged());
  const std::optional<FileIdentity> atPath = identityAt(path_);
  if (atPath && *atPath != sourceIdentity_) return changeBack(copy, kSourceChanged);
  // The executable as it was copied goes to a name of the run's own, and is removed from there
  // after the last look; a file put at path meanwhile is kept. Should the move fail, the next
  // run removes what is left at path.
  std::optional<std::string> aside;
  std::string note;
  try {
    aside = detail::moveToOwnName(path_);
  } catch (const FileError&) {
  }
  if (aside && identityAt(*aside) != sourceIdentity_) {
    note = detail::keepFound(*aside, path_);
    aside.reset();
  }
  detail::syncFolder(detail::folderOf(source_));
  if (hooks.beforeLastLook) hooks.beforeLastLook();
  // The last look: the commit succeeds only if the source's name holds the copy as written as it
  // ends; otherwise the executable as it was copied is kept.
  const std::optional<FileIdentity> atEnd = identityAt(source_);
  if (atEnd != copy) keepAfterLoss(atEnd, aside ? *aside : path_);
  if (aside) ::unlink(aside->c_str());
  return note;
}

// The source's name holds the run's own copy, but the copy was changed in place or path holds
// another file than the source as copied: the names change back, the copy, once at path, is
// removed, and the commit is refused.
std::string RandomAccessFile::changeBack(const FileIdentity& copy, const std::string& why) {
  if (exchangeNames(path_, source_) != Exchange::Done) {
    // Path went away after the look: the source's name keeps what it holds, which is a success
    // only when that is the copy as written.
    const int error = errno;
    if (identityAt(source_) != copy) {
      errno = error;
      throwErrno("put back", source_);
    }
    detail::syncFolder(detail::folderOf(source_));
    return {};
  }
  const std::string note = detail::removeIfOwn(path_, copy);
  detail::syncFolder(detail::folderOf(source_));
  throwFileError("replace", source_, why + (note.empty() ? "" : ". " + note));
}

// Another program replaced, removed or wrote the copy at the source's name after the exchange:
// what it left there stays, and the file at `from` (the executable as it was copied, as a rule,
// at path or at a name of the run's own) is kept beside the source's name.
void RandomAccessFile::keepAfterLoss(const std::optional<FileIdentity>& atSource, const std::string& from) {
  const std::string what =
      !atSource ? "another program removed it as the patched copy took its place; nothing stands there now"
      : sameFile(atSource, copyIdentity_)
          ? "another program wrote to the patched copy as it took its place; it stays as that program left it"
          : "another program put another file there as the patched copy took its place; that file stays";
  if (!identityAt(from))
    throwFileError("replace", source_,
                   what + ". The executable from before the pass is gone from \"" + path_ +
                       "\" too (another program moved or removed it)");
  const std::string kept = detail::keepBeside(from, source_);
  const bool before = sameFile(identityAt(kept), sourceIdentity_);
  try {
    detail::syncFolder(detail::folderOf(source_));
  } catch (const FileError&) {  // the message below matters more
  }
  throwFileError("replace", source_,
                 what + ". " + (before ? "The executable from before the pass" : "The file found at \"" + path_ + "\"") +
                     " was kept as \"" + kept + "\"");
}

std::string RandomAccessFile::discard() {
  if (source_.empty() || settled_) return {};
  settled_ = true;
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  try {
    return detail::removeIfOwn(path_, copyIdentity_);
  } catch (const FileError& e) {
    return e.what();
  }
}

}  // namespace olvex::platform
