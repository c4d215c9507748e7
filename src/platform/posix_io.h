#pragma once
// Small POSIX helpers shared by the file layer: errno-to-FileError, an owning descriptor, full
// reads and writes, and folder syncing. Internal to src/platform.
#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

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

// Tests only: calls that fail as a disk or a permission can make them fail. Given a path, each
// returns the errno its call then fails with, or 0 to let the call run: `look` for a look at a
// name (identityAt), `folderSync` for syncFolder, `remove` for removeName.
struct CallFaults {
  std::function<int(const std::string& path)> look, folderSync, remove;
};
CallFaults& callFaults();
// The errno `fault` gives path; 0 when it is not set.
int faultOf(const std::function<int(const std::string&)>& fault, const std::string& path);
// Removes the name; false, with errno set, when it cannot.
bool removeName(const std::string& path);

}  // namespace olvex::platform::detail
