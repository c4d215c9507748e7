#pragma once
// File access as the program needs it: a random-access channel at 1-based positions, byte-exact
// text lines, copy / delete / atomic replace, and the current directory. Errors are FileError.
#include <cstdint>
#include <functional>
#include <optional>
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

namespace detail {
// What tells one state of a file from another: where it lives, its length and when it was last
// written.
struct FileIdentity {
  std::uint64_t device = 0, inode = 0;
  std::int64_t length = 0, modifiedSeconds = 0, modifiedNanoseconds = 0;
  bool operator==(const FileIdentity&) const = default;
};
}  // namespace detail

// A file opened for reading and writing (or reading only) at 1-based byte positions.
class RandomAccessFile {
 public:
  // A ReadWrite file is held in memory: reads see earlier writes at once, and the writes reach
  // the disk together at sync or close. Writes not yet flushed when the object is destroyed
  // are dropped (a failed run removes its copy anyway).
  enum class Mode { ReadOnly, ReadWrite };
  RandomAccessFile(const std::string& path, Mode mode);  // the file must exist
  // A working copy of the regular file `source` (its own path, not a link to it), opened
  // ReadWrite. Source is opened once: checkLength, when given, sees its length before a byte is
  // read and throws to refuse it (so a file far too large is never read), and the copy holds the
  // very bytes that descriptor gave. Whatever stands at path but a folder is removed first (a
  // link itself, never what it leads to), and path is made anew, never opened through a link,
  // with source's permissions; the bytes reach it at commit or close. Nothing is synced until
  // then.
  struct CopyOf {
    const std::string& source;
    std::function<void(std::int64_t length)> checkLength = {};
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
  // Puts a working copy in its source's place: writes what is held, syncs it, reads it back
  // through its descriptor (kept open until the object ends, so that no other file gets its
  // inode number), moves it to a name of the run's own (ownName(), never
  // replacing anything there: a file found there is kept beside path) and exchanges it from
  // there with the source in one step, then removes the source as it was copied (now at the
  // run's own name) and syncs the folder. Refused (FileError) before the exchange when the copy
  // does not hold exactly the bytes written, when the run's own name does not hold this file as
  // written once it moved there, or when the source is no longer the file that was copied
  // (written, moved or removed since: its device, inode, length or modification time differ);
  // the source then stays as it is, never made anew, and discard() removes the copy. What
  // another program puts at path after the move never reaches the source's name. After the
  // exchange, the run's own name holds the executable from before the pass: removed when it is
  // the source as copied, else kept beside the source (keepBeside).
  // A last look at the source's name then decides: the commit succeeds exactly when the copy as
  // written is there; anything else there (another program acted on it) stays, the executable
  // from before the pass is kept beside it and the refusal names where. Once the copy is in
  // place, a step that fails without changing anything (the folder's sync, a look) does not
  // refuse the commit: it is a line of the note, and a look that cannot be made keeps the
  // executable from before the pass. A look fails unless it sees a file or "no such file".
  // A file is removed only once, at a name of this run's own, it proves to be the working copy or
  // the source as copied; any other file found at path is kept and named. Returns a note (empty
  // as a rule) naming a file that was kept or a step that could not be done though the commit
  // succeeded. Where the file system cannot exchange, the copy is renamed over the source after
  // one more look at both names; the source keeps a further name of the run's own until the last
  // look where the file system makes hard links (elsewhere, or where a link to this file is
  // refused, the rename replaces it). An exchange or rename that reports failure (that names
  // cannot be exchanged among them) while the source's name holds the copy all the same (or,
  // where that name cannot be looked at, while the run's own name no longer holds it) took
  // effect: the commit goes on as after success.
  struct CommitHooks {  // tests only
    std::function<void()> afterSync, beforeExchange, afterExchange, beforeLastLook;
  };
  std::string commit(const CommitHooks& hooks = {});
  // Removes a working copy that is not to be committed (by the rule above); a note naming a file
  // kept in its place, or empty. Nothing to do after a commit or a discard.
  std::string discard();
  // The working copy's identity as it was made (its device and inode name it).
  const detail::FileIdentity& workingCopy() const { return copyIdentity_; }
  // The name of the run's own the commit moves the working copy to; the executable from before
  // the pass is there after the exchange.
  const std::string& ownName() const { return ownName_; }

 private:
  int openFd(const char* action) const;  // the descriptor; an error once closed
  int writableFd(const char* action) const;  // as openFd, and refuses a ReadOnly file
  void resize(std::size_t n, const char* action);  // the held bytes; too many is a FileError
  void changed(std::size_t from, std::size_t to);  // widens the range still to be written
  void flush(int fd);  // writes the changed range and sets the file's length
  // Refuses a commit unless the run's own name holds the working copy as written and the
  // source's name the source as it was read.
  void checkInPlace(const detail::FileIdentity& copy) const;
  // The commit's steps: before the copy moves, its move to the run's own name, the rename where
  // names cannot be exchanged, a step that reported failure, and after the copy took its place.
  detail::FileIdentity syncChecked(int fd, const CommitHooks& hooks);
  void moveCopyAside();
  std::string renameOver(const detail::FileIdentity& copy, const CommitHooks& hooks);
  bool tookEffect(const detail::FileIdentity& copy) const;
  std::string settle(const detail::FileIdentity& copy, const CommitHooks& hooks);
  [[noreturn]] void keepAfterLoss(const std::optional<detail::FileIdentity>& atSource, const std::string& old);
  std::string syncFolderOrSay() const;  // syncs the source's folder; else the line saying it could not
  // Keeps the file at oldName_ beside the source; a sentence saying where `what` is.
  std::string keepOld(const std::string& what = "The executable from before the pass") const;
  std::string whereOld() const;  // after a keep that failed: the end of that sentence, as a look finds it
  // Removes the executable from before the pass from oldName_, unless another program changed
  // that name: then it is kept, and the line returned says where.
  std::string removeOld() const;
  std::string copyChanged() const;  // why a commit refuses a working copy another program touched
  int fd_ = -1;
  int held_ = -1;  // a working copy's descriptor from its commit or discard on, closed as the object ends
  std::int64_t limit_ = INT64_MAX;
  Mode mode_;
  std::string path_;
  std::vector<char, detail::ImageAllocator> image_;  // a ReadWrite file's bytes, as they are to be
  std::size_t diskLength_ = 0;     // the length of the file on the disk
  std::size_t dirtyFrom_ = SIZE_MAX, dirtyTo_ = 0;  // the changed range, 0-based, end excluded
  std::string source_;                   // a working copy's source
  detail::FileIdentity sourceIdentity_;  // the source as it was read
  detail::FileIdentity copyIdentity_;    // a working copy as it was made
  std::string ownName_;                  // the run's own name a working copy is committed from
  // The run's own name that keeps the source as the copy takes its place: ownName_ after the
  // exchange, a link where the copy is renamed over the source; empty where no name keeps it.
  std::string oldName_;
  std::string keptNote_;  // a line naming a file found at ownName_ and kept as the copy moved there
  bool copyMoved_ = false;               // the working copy is at ownName_
  bool settled_ = false;                 // a working copy committed or discarded
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
// As writeFileAtomic, but the name itself is replaced: a link there becomes a regular file in
// its folder, and the file it led to stays as it was.
void writeFileAtomicNoFollow(const std::string& path, std::string_view bytes);
// As writeFileAtomic without the syncs, for scratch files a run writes and removes itself, which
// need no durability. The name itself is replaced: a link there is never followed.
void writeScratchFile(const std::string& path, std::string_view bytes);
// Writes lines each followed by CR LF, atomically as writeFileAtomic.
void writeLinesAtomic(const std::string& path, const std::vector<std::string>& lines);

// True when path names an existing regular file that can be opened for reading.
bool fileExists(const std::string& path);
// True when anything is at path (a file of any kind, a folder, a link even if it leads nowhere),
// readable or not.
bool pathExists(const std::string& path);
// Copies from into a synced temporary file beside `to` and renames it over `to` as
// writeFileAtomic does, so `to` is either the old file or a complete copy. `to` is a name the
// program picks (a backup): a link there is replaced, never written through.
void copyFile(const std::string& from, const std::string& to);
void removeFile(const std::string& path);  // no error when absent
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
// over by the next one. Anything but a regular file at path (a link, a pipe) is refused, never
// opened through. Releasing removes the file.
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
