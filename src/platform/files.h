#pragma once
// File access as the program needs it: a random-access channel at 1-based positions, byte-exact
// text lines, copy / delete / atomic replace, and the current directory. Errors are FileError.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/image_allocator.h"

namespace olvex::platform {

struct FileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A lock another running process holds.
struct FileInUse : FileError {
  using FileError::FileError;
};

// A file opened for reading and writing (or reading only) at 1-based byte positions.
class RandomAccessFile {
 public:
  // A ReadWrite file is held in memory: reads see earlier writes at once, and the writes reach
  // the disk together at sync or close. Writes not yet flushed when the object is destroyed
  // are dropped (a failed run removes its copy anyway).
  enum class Mode { ReadOnly, ReadWrite };
  RandomAccessFile(const std::string& path, Mode mode);  // the file must exist
  // A working copy of `source`, opened ReadWrite: path is made anew (a file there is replaced)
  // with source's permissions, and holds source's bytes, which reach it at sync or close.
  // Nothing is synced until then.
  struct CopyOf {
    const std::string& source;
  };
  RandomAccessFile(const std::string& path, CopyOf copy);
  ~RandomAccessFile();
  RandomAccessFile(const RandomAccessFile&) = delete;
  RandomAccessFile& operator=(const RandomAccessFile&) = delete;

  // Writes bytes at position pos (1-based). Below 1 is an error; past the end lengthens the file.
  void write(std::int64_t pos, std::string_view bytes);
  // Reads n bytes from pos (1-based). Below 1 or past the end is an error.
  std::string read(std::int64_t pos, std::size_t n);
  std::int64_t length();
  void setLength(std::int64_t n);  // cuts or lengthens (new bytes are 0)
  // From now on a write or length that would reach beyond n bytes is an error.
  void limitLength(std::int64_t n);
  void sync();                     // writes what is held and flushes it to the disk
  void close();                    // writes what is held; idempotent; errors are thrown
 private:
  int openFd(const char* action) const;  // the descriptor; an error once closed
  int writableFd(const char* action) const;  // as openFd, and refuses a ReadOnly file
  void resize(std::size_t n, const char* action);  // the held bytes; too many is a FileError
  void changed(std::size_t from, std::size_t to);  // widens the range still to be written
  void flush(int fd);  // writes the changed range and sets the file's length
  int fd_ = -1;
  std::int64_t limit_ = INT64_MAX;
  Mode mode_;
  std::string path_;
  std::vector<char, detail::ImageAllocator> image_;  // a ReadWrite file's bytes, as they are to be
  std::size_t diskLength_ = 0;     // the length of the file on the disk
  std::size_t dirtyFrom_ = SIZE_MAX, dirtyTo_ = 0;  // the changed range, 0-based, end excluded
};

// Reads a text file as lines: CR LF, LF or a lone CR end a line; NUL characters at the end of a
// line are dropped; bytes are kept as they are. A final line without a line end is a line.
std::vector<std::string> readLines(const std::string& path);
// Splits text the same way.
std::vector<std::string> splitLines(std::string_view text);

// Whole-file reads and writes. writeFileAtomic writes a temporary file beside path, syncs it,
// renames it over path and syncs the folder; on any failure before the rename path is left as
// it was and the temporary file is removed. An existing file keeps its permissions when they let
// its owner read and write it; otherwise, and for a file written anew, the file gets the
// ordinary permissions of a new file.
std::string readFile(const std::string& path);
void writeFileAtomic(const std::string& path, std::string_view bytes);
// As writeFileAtomic without the syncs: for scratch files a run writes and removes itself, which
// need no durability.
void writeScratchFile(const std::string& path, std::string_view bytes);
// Writes lines each followed by CR LF, atomically as writeFileAtomic.
void writeLinesAtomic(const std::string& path, const std::vector<std::string>& lines);

// True when path names an existing regular file that can be opened for reading.
bool fileExists(const std::string& path);
// True when anything is at path (a file of any kind, a folder, a link even if it leads nowhere),
// readable or not.
bool pathExists(const std::string& path);
// Copies from into a synced temporary file beside `to` and renames it over `to` as
// writeFileAtomic does, so `to` is either the old file or a complete copy.
void copyFile(const std::string& from, const std::string& to);
void removeFile(const std::string& path);  // no error when absent
// Syncs source and renames it over target (in the same folder) in one step, then syncs the
// folder. On failure target is unchanged and source is left for the caller to remove.
void replaceFile(const std::string& source, const std::string& target);
std::string currentDirectory();  // without a trailing separator

// The file path leads to, every symbolic link on the way followed; path itself when nothing is
// there.
std::string resolveLinks(const std::string& path);

// Removes the temporary files of saves that runs on this machine left in folder when they were
// killed; files of processes still running, and every other file, stay. Returns how many were
// removed.
int removeLeftoverTemporaries(const std::string& folder);

// An exclusive lock, held while the object lives, through a lock file of its own at path. The
// file is created exclusively and stays empty (a written file costs its removal a flush of
// its data); the lock itself is the kernel's, so the lock file of a killed process is taken
// over by the next one. Releasing removes the file.
class FileLock {
 public:
  explicit FileLock(const std::string& path);  // FileInUse when a running process holds it
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace olvex::platform
