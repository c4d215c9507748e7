#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "platform/files.h"
#include "platform/temp_folder.h"

namespace olvex::platform {
namespace {

using namespace std::string_literals;
using test_files::bytesOf;
using test_files::putBytes;
using test_files::TempFolder;
using Mode = RandomAccessFile::Mode;

TEST(RandomAccessFile, ReadsAndWritesAtOneBasedPositions) {
  TempFolder dir;
  putBytes(dir.file("f"), "abcdef");
  RandomAccessFile file(dir.file("f"), Mode::ReadWrite);
  EXPECT_EQ(file.read(1, 1), "a");
  EXPECT_EQ(file.read(5, 2), "ef");
  EXPECT_EQ(file.read(7, 0), "");
  file.write(2, "XY");
  file.write(9, "Z");  // two bytes past the end: the gap is zero-filled
  EXPECT_EQ(file.length(), 9);
  EXPECT_EQ(file.read(1, 9), "aXYdef\0\0Z"s);
  file.sync();
  file.close();
  file.close();
  EXPECT_EQ(bytesOf(dir.file("f")), "aXYdef\0\0Z"s);
}

// Writes are held until sync or close; a length cut and lengthened again is zeros on the disk.
TEST(RandomAccessFile, WritesAndLengthsReachTheDiskTogetherAtSyncOrClose) {
  TempFolder dir;
  putBytes(dir.file("f"), "abcdef");
  {
    RandomAccessFile file(dir.file("f"), Mode::ReadWrite);
    file.write(2, "X");
    file.write(8, "Y");
    EXPECT_EQ(bytesOf(dir.file("f")), "abcdef");
    file.sync();
    EXPECT_EQ(bytesOf(dir.file("f")), "aXcdef\0Y"s);
    file.setLength(2);
    EXPECT_EQ(file.length(), 2);
    file.setLength(5);
    EXPECT_EQ(file.read(1, 5), "aX\0\0\0"s);
    file.close();
    EXPECT_EQ(bytesOf(dir.file("f")), "aX\0\0\0"s);
  }
  {
    // Destroyed without close, as when a run fails: what was written stays off the disk.
    RandomAccessFile file(dir.file("f"), Mode::ReadWrite);
    file.write(1, "Q");
    file.setLength(1);
  }
  EXPECT_EQ(bytesOf(dir.file("f")), "aX\0\0\0"s);
}

TEST(RandomAccessFile, RefusedOperationsThrowAndLeaveTheFileAlone) {
  using Op = std::function<void(RandomAccessFile&)>;
  const struct {
    const char* name;
    Mode mode;
    Op op;
  } cases[] = {
      {"write at 0", Mode::ReadWrite, [](auto& f) { f.write(0, "x"); }},
      {"write below 0", Mode::ReadWrite, [](auto& f) { f.write(-5, "x"); }},
      {"read at 0", Mode::ReadWrite, [](auto& f) { f.read(0, 1); }},
      {"read past the end", Mode::ReadWrite, [](auto& f) { f.read(3, 2); }},
      {"read beyond the end", Mode::ReadWrite, [](auto& f) { f.read(5, 0); }},
      {"huge read", Mode::ReadWrite, [](auto& f) { f.read(2, static_cast<std::size_t>(-1)); }},
      {"negative length", Mode::ReadWrite, [](auto& f) { f.setLength(-1); }},
      {"write when read-only", Mode::ReadOnly, [](auto& f) { f.write(1, "x"); }},
      {"set length when read-only", Mode::ReadOnly, [](auto& f) { f.setLength(1); }},
      {"read after close", Mode::ReadWrite, [](auto& f) { f.close(); f.read(1, 1); }},
      {"write after close", Mode::ReadWrite, [](auto& f) { f.close(); f.write(1, "x"); }},
      {"write ending beyond the limit", Mode::ReadWrite, [](auto& f) { f.limitLength(4); f.write(4, "xy"); }},
      {"write starting beyond the limit", Mode::ReadWrite, [](auto& f) { f.limitLength(2); f.write(3, "x"); }},
      {"length beyond the limit", Mode::ReadWrite, [](auto& f) { f.limitLength(4); f.setLength(5); }},
      {"write beyond memory", Mode::ReadWrite, [](auto& f) { f.write(INT64_MAX / 2, "x"); }},
      {"length beyond memory", Mode::ReadWrite, [](auto& f) { f.setLength(INT64_MAX / 2); }},
  };
  TempFolder dir;
  for (const auto& c : cases) {
    putBytes(dir.file("f"), "abc");
    RandomAccessFile file(dir.file("f"), c.mode);
    EXPECT_THROW(c.op(file), FileError) << c.name;
    file.close();
    EXPECT_EQ(bytesOf(dir.file("f")), "abc") << c.name;
  }
}

TEST(RandomAccessFile, ALimitedFileTakesEverythingUpToItsLimit) {
  TempFolder dir;
  putBytes(dir.file("f"), "abcdef");
  RandomAccessFile file(dir.file("f"), Mode::ReadWrite);
  file.limitLength(4);  // shorter than the file: only writes that would lengthen it count
  file.write(3, "XY");
  file.setLength(4);
  file.limitLength(8);
  file.write(7, "Z");
  EXPECT_EQ(file.read(1, 7), "abXY\0\0Z"s);
  file.setLength(8);
}

TEST(RandomAccessFile, OpensOnlyExistingRegularFiles) {
  TempFolder dir;
  EXPECT_THROW(RandomAccessFile(dir.file("missing"), Mode::ReadWrite), FileError);
  EXPECT_THROW(RandomAccessFile(dir.path(), Mode::ReadOnly), FileError);
  // A working copy of a missing or unreadable source, or of one whose length its check refuses,
  // is refused before anything is made.
  const std::string missing = dir.file("missing"), source = dir.file("source");
  EXPECT_THROW(RandomAccessFile(dir.file("copy"), RandomAccessFile::CopyOf{missing}), FileError);
  EXPECT_THROW(RandomAccessFile(dir.file("copy"), RandomAccessFile::CopyOf{dir.path()}), FileError);
  putBytes(source, "abcdef");
  std::int64_t checked = 0;
  auto refuse = [&](std::int64_t length) {
    checked = length;
    throw FileError("too long");
  };
  EXPECT_THROW(RandomAccessFile(dir.file("copy"), RandomAccessFile::CopyOf{source, refuse}), FileError);
  EXPECT_EQ(checked, 6);
  EXPECT_FALSE(pathExists(dir.file("copy")));
}

// A working copy replaces what was at its path (a link itself, never what it leads to), takes
// its source's permissions and reaches the disk, with the writes made to it, only at close; the
// source is never touched.
TEST(RandomAccessFile, AWorkingCopyHoldsItsSourceUntilClose) {
  TempFolder dir;
  const std::string source = dir.file("game.exe");
  putBytes(source, "abcdef");
  ::chmod(source.c_str(), 0750);
  putBytes(dir.file("game.exe0"), "left over by a killed run");
  {
    RandomAccessFile copy(dir.file("game.exe0"), RandomAccessFile::CopyOf{source});
    EXPECT_EQ(bytesOf(dir.file("game.exe0")), "");
    EXPECT_EQ(copy.length(), 6);
    EXPECT_EQ(copy.read(1, 6), "abcdef");
    copy.write(3, "XY");
    copy.close();
  }
  EXPECT_EQ(bytesOf(dir.file("game.exe0")), "abXYef");
  EXPECT_EQ(bytesOf(source), "abcdef");
  struct stat st {};
  ASSERT_EQ(::stat(dir.file("game.exe0").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0750u);
  TempFolder elsewhere;
  putBytes(elsewhere.file("notes.txt"), "notes");
  removeFile(dir.file("game.exe0"));
  std::filesystem::create_symlink(elsewhere.file("notes.txt"), dir.file("game.exe0"));
  {
    RandomAccessFile unclosed(dir.file("game.exe0"), RandomAccessFile::CopyOf{source});
    unclosed.write(1, "Q");
  }
  EXPECT_FALSE(std::filesystem::is_symlink(dir.file("game.exe0")));
  EXPECT_EQ(bytesOf(dir.file("game.exe0")), "");  // a failed run removes it
  EXPECT_EQ(bytesOf(elsewhere.file("notes.txt")), "notes");
}

// A commit puts the copy, synced, in its source's place; the object is closed then.
TEST(RandomAccessFile, ACommitPutsTheCopyInItsSourcesPlace) {
  TempFolder dir;
  const std::string source = dir.file("game.exe");
  putBytes(source, "abcdef");
  ::chmod(source.c_str(), 0750);
  RandomAccessFile copy(dir.file("game.exe0"), RandomAccessFile::CopyOf{source});
  copy.write(3, "XY");
  copy.commit();
  EXPECT_EQ(bytesOf(source), "abXYef");
  struct stat st {};
  ASSERT_EQ(::stat(source.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0750u);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"game.exe"});
  EXPECT_THROW(copy.write(1, "Q"), FileError);
}

}  // namespace
}  // namespace olvex::platform
