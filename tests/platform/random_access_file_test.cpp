// The random-access channel at 1-based positions. Its working copies are tried with whole passes
// (tests/patcher), where every way a copy can fail is a row.
#include <gtest/gtest.h>

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

// Writes are held until sync or close; past the end and after a cut they are zero-filled on the
// disk; a file destroyed unclosed, as when a run fails, keeps its writes off the disk.
TEST(RandomAccessFile, ReadsAndWritesAtOneBasedPositionsReachingTheDiskAtSyncOrClose) {
  TempFolder dir;
  putBytes(dir.file("f"), "abcdef");
  {
    RandomAccessFile file(dir.file("f"), Mode::ReadWrite);
    EXPECT_EQ(file.read(1, 1), "a");
    EXPECT_EQ(file.read(5, 2), "ef");
    EXPECT_EQ(file.read(7, 0), "");
    file.write(2, "XY");
    file.write(9, "Z");
    EXPECT_EQ(file.length(), 9);
    EXPECT_EQ(file.read(1, 9), "aXYdef\0\0Z"s);
    EXPECT_EQ(bytesOf(dir.file("f")), "abcdef");
    file.sync();
    EXPECT_EQ(bytesOf(dir.file("f")), "aXYdef\0\0Z"s);
    file.setLength(2);
    file.setLength(5);
    EXPECT_EQ(file.read(1, 5), "aX\0\0\0"s);
    file.limitLength(4);  // shorter than the file: only writes that would lengthen it count
    file.write(3, "QR");
    file.limitLength(8);
    file.write(7, "S");
    file.setLength(8);
    EXPECT_EQ(file.read(1, 8), "aXQR\0\0S\0"s);
    file.close();
    file.close();
  }
  EXPECT_EQ(bytesOf(dir.file("f")), "aXQR\0\0S\0"s);
  {
    RandomAccessFile file(dir.file("f"), Mode::ReadWrite);
    file.write(1, "Q");
    file.setLength(0);
  }
  EXPECT_EQ(bytesOf(dir.file("f")), "aXQR\0\0S\0"s);
  RandomAccessFile readOnly(dir.file("f"), Mode::ReadOnly);
  EXPECT_EQ(readOnly.length(), 8);
  EXPECT_EQ(readOnly.read(2, 3), "XQR");
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
      {"read past the end when read-only", Mode::ReadOnly, [](auto& f) { f.read(3, 2); }},
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
  EXPECT_THROW(RandomAccessFile(dir.file("missing"), Mode::ReadWrite), FileError);
  EXPECT_THROW(RandomAccessFile(dir.path(), Mode::ReadOnly), FileError);
}

}  // namespace
}  // namespace olvex::platform
