#include "platform/posix_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/files.h"

namespace olvex::platform::detail {

FileIdentity identityOf(const struct stat& st) {
  return {st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

void throwFileError(std::string_view action, const std::string& path, std::string_view reason) {
  std::string message = "Cannot ";
  message.append(action).append(" \"").append(path).append("\": ").append(reason);
  throw FileError(message);
}

void throwErrno(std::string_view action, const std::string& path) {
  throwFileError(action, path, std::strerror(errno));
}

UniqueFd::~UniqueFd() {
  if (fd_ >= 0) ::close(fd_);
}

int UniqueFd::release() {
  int fd = fd_;
  fd_ = -1;
  return fd;
}

void UniqueFd::closeChecked(const std::string& path) {
  // Linux releases the descriptor even when close fails, so it is never closed twice.
  if (fd_ >= 0 && ::close(release()) != 0) throwErrno("close", path);
}

UniqueFd openRegular(const std::string& path, int flags) {
  // O_NONBLOCK keeps a pipe from blocking the open; it has no effect on regular files.
  UniqueFd fd(::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) throwErrno("open", path);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) throwErrno("open", path);
  if (!S_ISREG(st.st_mode)) throwFileError("open", path, "not a regular file");
  return fd;
}

void writeAllAt(int fd, const char* data, std::size_t n, off_t offset, const std::string& path) {
  while (n > 0) {
    ssize_t done = ::pwrite(fd, data, n, offset);
    if (done < 0) {
      if (errno == EINTR) continue;
      throwErrno("write", path);
    }
    data += done;
    n -= static_cast<std::size_t>(done);
    offset += done;
  }
}

void readExactAt(int fd, char* data, std::size_t n, off_t offset, const std::string& path) {
  while (n > 0) {
    ssize_t done = ::pread(fd, data, n, offset);
    if (done < 0) {
      if (errno == EINTR) continue;
      throwErrno("read", path);
    }
    if (done == 0) throwFileError("read", path, "unexpected end of file");
    data += done;
    n -= static_cast<std::size_t>(done);
    offset += done;
  }
}

std::string folderOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

CallFaults& callFaults() {
  static CallFaults faults;
  return faults;
}

bool removeName(const std::string& path) {
  return withFault(callFaults().remove, path.c_str(), [&] { return ::unlink(path.c_str()); }) == 0;
}

void syncFolder(const std::string& folder) {
  UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() < 0) throwErrno("open folder", folder);
  // EINVAL: the file system has no folder sync; the rename is as durable as it gets there.
  if (withFault(callFaults().folderSync, folder.c_str(), [&] { return ::fsync(fd.get()); }) != 0 && errno != EINVAL)
    throwErrno("sync folder", folder);
}

}  // namespace olvex::platform::detail
