#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

#include "platform/files.h"
#include "platform/posix_io.h"
#include "platform/set_aside.h"

namespace olvex::platform {

using detail::throwErrno;
using detail::throwFileError;

namespace {

// The 0-based offset of a 1-based position; positions start at 1.
off_t offsetOf(std::int64_t pos, const char* action, const std::string& path) {
  if (pos < 1) {
    throwFileError(action, path, "position " + std::to_string(pos) + " is below 1");
  }
  return static_cast<off_t>(pos - 1);
}

// Makes path anew for a working copy with the given permissions; `made` gets its identity.
// Whatever stands there but a folder is removed first (what a killed run left at its working
// copy's name); the new file is created exclusively, so nothing put at path meanwhile (a link
// above all) is ever opened.
detail::UniqueFd createFresh(const std::string& path, mode_t mode, detail::FileIdentity& made) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) throwFileError("create", path, "a folder has that name");
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) throwErrno("remove", path);
  }
  detail::UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) throwErrno("create", path);
  made = detail::identityOf(st);
  if (::fchmod(fd.get(), mode) != 0) {
    const int error = errno;
    detail::removeIfOwn(path, made);
    errno = error;
    throwErrno("set the permissions of", path);
  }
  return fd;
}

}  // namespace

RandomAccessFile::RandomAccessFile(const std::string& path, Mode mode) : mode_(mode), path_(path) {
  detail::UniqueFd fd = detail::openRegular(path, mode == Mode::ReadOnly ? O_RDONLY : O_RDWR);
  if (mode == Mode::ReadWrite) {
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) throwErrno("get the length of", path_);
    image_.resize(static_cast<std::size_t>(st.st_size));
    detail::readExactAt(fd.get(), image_.data(), image_.size(), 0, path_);
    diskLength_ = image_.size();
  }
  fd_ = fd.release();
}

RandomAccessFile::RandomAccessFile(const std::string& path, CopyOf copy)
    : mode_(Mode::ReadWrite), path_(path), source_(copy.source), ownName_(detail::freeOwnName(detail::folderOf(path))) {
  detail::UniqueFd source = detail::openRegular(copy.source, O_RDONLY);
  struct stat st {};
  if (::fstat(source.get(), &st) != 0) throwErrno("open", copy.source);
  sourceIdentity_ = detail::identityOf(st);
  if (copy.checkLength) copy.checkLength(st.st_size);
  image_.resize(static_cast<std::size_t>(st.st_size));
  detail::readExactAt(source.get(), image_.data(), image_.size(), 0, copy.source);
  fd_ = createFresh(path, st.st_mode & 07777, copyIdentity_).release();
  changed(0, image_.size());  // the whole copy is still to be written
}

RandomAccessFile::~RandomAccessFile() {
  for (int fd : {fd_, held_})
    if (fd >= 0) ::close(fd);
}

int RandomAccessFile::openFd(const char* action) const {
  if (fd_ < 0) throwFileError(action, path_, "the file is closed");
  return fd_;
}

int RandomAccessFile::writableFd(const char* action) const {
  int fd = openFd(action);
  if (mode_ == Mode::ReadOnly) throwFileError(action, path_, "the file is open for reading only");
  return fd;
}

void RandomAccessFile::write(std::int64_t pos, std::string_view bytes) {
  writableFd("write to");
  off_t offset = offsetOf(pos, "write to", path_);
  if (bytes.size() > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max() - offset)) {
    throwFileError("write to", path_, "the write would end beyond the largest file size");
  }
  if (offset + static_cast<std::int64_t>(bytes.size()) > limit_) {
    throwFileError("write to", path_,
                   std::to_string(bytes.size()) + " bytes at position " + std::to_string(pos) +
                       " reach beyond the declared length " + std::to_string(limit_));
  }
  auto at = static_cast<std::size_t>(offset);
  const std::size_t end = at + bytes.size();
  const std::size_t before = image_.size();
  if (end > before) resize(end, "write to");
  std::copy(bytes.begin(), bytes.end(), image_.begin() + static_cast<std::ptrdiff_t>(at));
  changed(std::min(at, before), end);
}

std::string RandomAccessFile::read(std::int64_t pos, std::size_t n) {
  openFd("read from");
  off_t offset = offsetOf(pos, "read from", path_);
  const std::int64_t size = length();
  if (offset > size || n > static_cast<std::uint64_t>(size - offset)) {
    throwFileError("read from", path_,
                   std::to_string(n) + " bytes at position " + std::to_string(pos) +
                       " reach past the end (length " + std::to_string(size) + ")");
  }
  if (mode_ == Mode::ReadWrite) return std::string(image_.data() + offset, n);
  std::string bytes(n, '\0');
  detail::readExactAt(fd_, bytes.data(), n, offset, path_);
  return bytes;
}

std::int64_t RandomAccessFile::length() {
  if (mode_ == Mode::ReadWrite) {
    openFd("get the length of");
    return static_cast<std::int64_t>(image_.size());
  }
  struct stat st {};
  if (::fstat(openFd("get the length of"), &st) != 0) throwErrno("get the length of", path_);
  return st.st_size;
}

void RandomAccessFile::setLength(std::int64_t n) {
  const char* action = "set the length of";
  writableFd(action);
  if (n < 0) throwFileError(action, path_, "negative length " + std::to_string(n));
  if (n > limit_) {
    throwFileError(action, path_,
                   std::to_string(n) + " is beyond the declared length " + std::to_string(limit_));
  }
  const std::size_t before = image_.size();
  resize(static_cast<std::size_t>(n), action);
  // Lengthening after a cut must put zeros over what the disk still holds there.
  if (image_.size() > before) changed(before, image_.size());
}

void RandomAccessFile::resize(std::size_t n, const char* action) {
  try {
    image_.resize(n, '\0');
  } catch (const std::exception&) {  // bad_alloc, length_error
    throwFileError(action, path_, std::to_string(n) + " bytes are more than memory holds");
  }
}

void RandomAccessFile::changed(std::size_t from, std::size_t to) {
  dirtyFrom_ = std::min(dirtyFrom_, from);
  dirtyTo_ = std::max(dirtyTo_, to);
}

void RandomAccessFile::flush(int fd) {
  if (mode_ != Mode::ReadWrite) return;
  const std::size_t to = std::min(dirtyTo_, image_.size());
  if (dirtyFrom_ < to) {
    detail::writeAllAt(fd, image_.data() + dirtyFrom_, to - dirtyFrom_, static_cast<off_t>(dirtyFrom_), path_);
    diskLength_ = std::max(diskLength_, to);
  }
  if (image_.size() != diskLength_ && ::ftruncate(fd, static_cast<off_t>(image_.size())) != 0) {
    throwErrno("set the length of", path_);
  }
  diskLength_ = image_.size();
  dirtyFrom_ = SIZE_MAX;
  dirtyTo_ = 0;
}

void RandomAccessFile::limitLength(std::int64_t n) { limit_ = n; }

void RandomAccessFile::sync() {
  const int fd = openFd("sync");
  flush(fd);
  if (::fsync(fd) != 0) throwErrno("sync", path_);
}

void RandomAccessFile::close() {
  detail::UniqueFd fd(fd_);  // closed on the way out even when the flush fails
  fd_ = -1;
  flush(fd.get());
  fd.closeChecked(path_);
}

}  // namespace olvex::platform
