#pragma once
// Small POSIX helpers shared by the file layer: errno-to-FileError, an owning descriptor, full
// reads and writes, and folder syncing. Internal to src/platform.
#include <sys/stat.h>
#include <sys/types.h>

#include <cerrno>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace olvex::platform::detail {

struct FileIdentity;
// The identity of the file a stat result describes.
FileIdentity identityOf(const struct stat& st);

// Throws FileError "Cannot <action> "<path>": <reason from errno>".
[[noreturn]] void throwErrno(std::string_view action, const std::string& path);
// Throws FileError "Cannot <action> "<path>": <reason>".
[[noreturn]] void throwFileError(std::string_view action, const std::string& path,
                                 std::string_view reason);

// Owns one file descriptor; the destructor closes it and ignores errors.
class UniqueFd {
 public:
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd();
  UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
  UniqueFd& operator=(UniqueFd&&) = delete;
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int get() const { return fd_; }
  int release();
  void closeChecked(const std::string& path);  // reports the error of the final close

 private:
  int fd_;
};

// Opens an existing regular file (directories, devices and pipes are refused).
UniqueFd openRegular(const std::string& path, int flags);

// Writes all n bytes at offset, retrying short writes.
void writeAllAt(int fd, const char* data, std::size_t n, off_t offset, const std::string& path);
// Reads exactly n bytes at offset; the end of the file before that is an error.
void readExactAt(int fd, char* data, std::size_t n, off_t offset, const std::string& path);

std::string folderOf(const std::string& path);  // "." for a bare name
void syncFolder(const std::string& folder);     // makes a rename in folder durable

// Tests only: calls that fail as a disk, a permission or a file system can make them fail. Given
// the name a call acts on (a rename's, link's or exchange's target), each returns what its call
// then does: fail with that errno before it runs, or, late, take effect and still report the
// errno, as a network or FUSE file system can; 0 lets it run. `then`, when set, is what another
// program does just after the call ran. `look` is a look at a name (identityAt, and the looks of
// the no-replace rename: at the file before it moves and, where the file system cannot refuse in
// the same step, at the new name), `folderSync` syncFolder, `remove` the removal of a name,
// `exchange` the exchange of two names, `rename` a rename that may replace, `renameNoReplace` the
// rename that may not (EINVAL takes the fallback), `link` a hard link.
struct CallFault {
  CallFault(int error = 0, bool late = false, std::function<void()> then = {})
      : error(error), late(late), then(std::move(then)) {}
  int error;
  bool late;
  std::function<void()> then;
};
using FaultAt = std::function<CallFault(const std::string& path)>;
struct CallFaults {
  FaultAt look, folderSync, remove, exchange, rename, renameNoReplace, link;
};
CallFaults& callFaults();

// Runs `call` (0, or -1 with errno set) on path as `fault` lets it. No allocation unless a test
// set the fault, so it is safe in a signal handler.
template <class Call>
int withFault(const FaultAt& fault, const char* path, Call call) {
  const CallFault f = fault ? fault(path) : CallFault();
  if (f.error && !f.late) {
    errno = f.error;
    return -1;
  }
  const int result = call();
  const int error = errno;
  if (f.then) f.then();
  errno = f.error && result == 0 ? f.error : error;
  return f.error ? -1 : result;
}

// Removes the name; false, with errno set, when it cannot.
bool removeName(const std::string& path);

}  // namespace olvex::platform::detail
