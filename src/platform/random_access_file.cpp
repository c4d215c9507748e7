#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "platform/files.h"
#include "platform/posix_io.h"

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

}  // namespace

RandomAccessFile::RandomAccessFile(const std::string& path, Mode mode) : mode_(mode), path_(path) {
  fd_ = detail::openRegular(path, mode == Mode::ReadOnly ? O_RDONLY : O_RDWR).release();
}

RandomAccessFile::~RandomAccessFile() {
  if (fd_ >= 0) ::close(fd_);
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
  int fd = writableFd("write to");
  off_t offset = offsetOf(pos, "write to", path_);
  if (bytes.size() > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max() - offset)) {
    throwFileError("write to", path_, "the write would end beyond the largest file size");
  }
  if (offset + static_cast<std::int64_t>(bytes.size()) > limit_) {
    throwFileError("write to", path_,
                   std::to_string(bytes.size()) + " bytes at position " + std::to_string(pos) +
                       " reach beyond the declared length " + std::to_string(limit_));
  }
  detail::writeAllAt(fd, bytes.data(), bytes.size(), offset, path_);
}

std::string RandomAccessFile::read(std::int64_t pos, std::size_t n) {
  openFd("read from");
  off_t offset = offsetOf(pos, "read from", path_);
  std::int64_t size = length();
  if (offset > size || n > static_cast<std::uint64_t>(size - offset)) {
    throwFileError("read from", path_,
                   std::to_string(n) + " bytes at position " + std::to_string(pos) +
                       " reach past the end (length " + std::to_string(size) + ")");
  }
  std::string bytes(n, '\0');
  detail::readExactAt(fd_, bytes.data(), n, offset, path_);
  return bytes;
}

std::int64_t RandomAccessFile::length() {
  struct stat st {};
  if (::fstat(openFd("get the length of"), &st) != 0) throwErrno("get the length of", path_);
  return st.st_size;
}

void RandomAccessFile::setLength(std::int64_t n) {
  int fd = writableFd("set the length of");
  if (n < 0) throwFileError("set the length of", path_, "negative length " + std::to_string(n));
  if (n > limit_) {
    throwFileError("set the length of", path_,
                   std::to_string(n) + " is beyond the declared length " + std::to_string(limit_));
  }
  if (::ftruncate(fd, static_cast<off_t>(n)) != 0) throwErrno("set the length of", path_);
}

void RandomAccessFile::limitLength(std::int64_t n) { limit_ = n; }

void RandomAccessFile::sync() {
  if (::fsync(openFd("sync")) != 0) throwErrno("sync", path_);
}

void RandomAccessFile::close() {
  detail::UniqueFd fd(fd_);
  fd_ = -1;
  fd.closeChecked(path_);
}

}  // namespace olvex::platform
