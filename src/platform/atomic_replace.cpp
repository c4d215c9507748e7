// Saving by rename: a file is written completely beside its target, synced and renamed over it,
// so the target is always either the old file or the complete new one.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <memory>
#include <optional>

#include "platform/files.h"
#include "platform/posix_io.h"
#include "platform/temp_files.h"

namespace olvex::platform {

using detail::throwErrno;
using detail::UniqueFd;

namespace {

// The permissions of the file a save replaces, when its owner may read and write it; a file its
// owner cannot use (mode 000, read-only) passes nothing on, so the new file gets the ordinary
// permissions of a new one.
std::optional<mode_t> permissionsOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  if ((st.st_mode & (S_IRUSR | S_IWUSR)) != (S_IRUSR | S_IWUSR)) return std::nullopt;
  return st.st_mode & 07777;
}

// A save replaces the file a link at its name leads to, and reaches the disk. A save of the name
// itself (a backup, a file of the program's own at a name it picks) replaces whatever stands there,
// a link itself, and reaches the disk. A scratch file replaces whatever stands at its name and need
// not reach the disk.
enum class Kind { Save, SaveName, Scratch };

// Has fill write a temporary file beside path, syncs it (for a save) and renames it over path.
// The new file gets `mode` when given, else the usable permissions of the file it replaces, else
// those of a new file. Errors name path, the file the user knows, rather than the temporary file.
void saveByRename(const std::string& path, std::optional<mode_t> mode, Kind kind,
                  const std::function<void(int fd)>& fill) {
  const bool durable = kind != Kind::Scratch;
  // A save follows a symbolic link: the file it leads to is replaced, and the link stays a link.
  const std::string target = kind == Kind::Save ? resolveLinks(path) : path;
  std::string folder = detail::folderOf(target);
  std::string tempPath;
  UniqueFd fd = detail::createTemporaryFile(folder, path, tempPath);
  try {
    if (!mode) mode = permissionsOf(target);
    if (mode && ::fchmod(fd.get(), *mode) != 0) throwErrno("set the permissions of", path);
    fill(fd.get());
    if (durable && ::fsync(fd.get()) != 0) throwErrno("sync", path);
    fd.closeChecked(path);
    if (::rename(tempPath.c_str(), target.c_str()) != 0) throwErrno("replace", path);
  } catch (...) {
    ::unlink(tempPath.c_str());  // fd, if still open, is closed on the way out
    throw;
  }
  if (durable) detail::syncFolder(folder);
}

void saveBytes(const std::string& path, std::string_view bytes, Kind kind) {
  saveByRename(path, std::nullopt, kind, [&](int fd) {
    detail::writeAllAt(fd, bytes.data(), bytes.size(), 0, path);
  });
}

void copyBytes(const std::string& from, const std::string& to) {
  UniqueFd source = detail::openRegular(from, O_RDONLY);
  struct stat st {};
  if (::fstat(source.get(), &st) != 0) throwErrno("open", from);
  // A copy has the source's permissions, whatever a file it replaces had.
  saveByRename(to, st.st_mode & 07777, Kind::SaveName, [&](int fd) {
    // Left uninitialised: every byte written is one just read.
    constexpr std::size_t kBufferSize = 1 << 20;
    auto buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
    off_t offset = 0;
    for (;;) {
      ssize_t got = ::read(source.get(), buffer.get(), kBufferSize);
      if (got < 0) {
        if (errno == EINTR) continue;
        throwErrno("read", from);
      }
      if (got == 0) break;
      detail::writeAllAt(fd, buffer.get(), static_cast<std::size_t>(got), offset, to);
      offset += got;
    }
  });
}

}  // namespace

void writeFileAtomic(const std::string& path, std::string_view bytes) { saveBytes(path, bytes, Kind::Save); }

void writeFileAtomicNoFollow(const std::string& path, std::string_view bytes) { saveBytes(path, bytes, Kind::SaveName); }

void writeScratchFile(const std::string& path, std::string_view bytes) { saveBytes(path, bytes, Kind::Scratch); }

void copyFile(const std::string& from, const std::string& to) { copyBytes(from, to); }

}  // namespace olvex::platform
