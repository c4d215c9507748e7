#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <random>

#include "platform/files.h"
#include "platform/temp_folder.h"

namespace olvex::platform {
namespace {

using test_files::bytesOf;
using test_files::putBytes;
using test_files::TempFolder;
using Names = std::vector<std::string>;

mode_t permissionsOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0);
  return st.st_mode & 07777;
}

// Expects a FileError whose message names path.
template <typename Op>
void expectFileErrorNaming(const std::string& path, Op op) {
  try {
    op();
    ADD_FAILURE() << "no FileError for " << path;
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
}

TEST(WriteFileAtomic, CreatesAndReplacesKeepingPermissions) {
  TempFolder dir;
  writeFileAtomic(dir.file("a.cfg"), "new");
  EXPECT_EQ(bytesOf(dir.file("a.cfg")), "new");
  ::chmod(dir.file("a.cfg").c_str(), 0754);
  writeFileAtomic(dir.file("a.cfg"), std::string("x\0y", 3));
  EXPECT_EQ(bytesOf(dir.file("a.cfg")), std::string("x\0y", 3));
  EXPECT_EQ(permissionsOf(dir.file("a.cfg")), 0754u);
  EXPECT_EQ(dir.entries(), Names{"a.cfg"});
}

// A replaced file its owner cannot read or write passes no permissions on: the new file is
// usable, with the permissions any new file gets.
TEST(WriteFileAtomic, ReplacesAnUnusableFileWithTheOrdinaryPermissionsOfANewOne) {
  TempFolder dir;
  writeFileAtomic(dir.file("fresh"), "x");
  const mode_t ordinary = permissionsOf(dir.file("fresh"));
  EXPECT_EQ(ordinary & 0600u, 0600u);
  for (mode_t mode : {0000, 0200, 0400, 0044}) {
    SCOPED_TRACE(mode);
    putBytes(dir.file("a.cfg"), "old");
    ::chmod(dir.file("a.cfg").c_str(), mode);
    writeFileAtomic(dir.file("a.cfg"), "new");
    EXPECT_EQ(bytesOf(dir.file("a.cfg")), "new");
    EXPECT_EQ(permissionsOf(dir.file("a.cfg")), ordinary);
  }
}

TEST(WriteFileAtomic, FailedRenameLeavesTargetAndNoTemporaryFile) {
  TempFolder dir;
  std::filesystem::create_directory(dir.file("target"));
  putBytes(dir.file("target/inside"), "kept");
  expectFileErrorNaming(dir.file("target"), [&] { writeFileAtomic(dir.file("target"), "x"); });
  EXPECT_EQ(bytesOf(dir.file("target/inside")), "kept");
  EXPECT_EQ(dir.entries(), Names{"target"});
}

TEST(WriteFileAtomic, MissingFolderIsReported) {
  TempFolder dir;
  const std::string path = dir.file("no/such.cfg");
  expectFileErrorNaming(path, [&] { writeFileAtomic(path, "x"); });
  EXPECT_EQ(dir.entries(), Names{});
}

TEST(CopyFile, CopiesEveryByteAndTheSourcePermissions) {
  TempFolder dir;
  std::string bytes(3 * 1024 * 1024 + 17, '\0');  // more than one copy buffer
  std::mt19937 random(7);
  for (auto& b : bytes) b = static_cast<char>(random());
  putBytes(dir.file("src.exe"), bytes);
  ::chmod(dir.file("src.exe").c_str(), 0751);
  copyFile(dir.file("src.exe"), dir.file("copy.exe"));
  EXPECT_EQ(bytesOf(dir.file("copy.exe")), bytes);
  EXPECT_EQ(permissionsOf(dir.file("copy.exe")), 0751u);

  putBytes(dir.file("old"), "a much longer old content");
  ::chmod(dir.file("old").c_str(), 0600);
  copyFile(dir.file("src.exe"), dir.file("old"));  // a replaced file's permissions do not stay
  EXPECT_EQ(bytesOf(dir.file("old")), bytes);
  EXPECT_EQ(permissionsOf(dir.file("old")), 0751u);
  copyFile(dir.file("old"), dir.file("old"));  // onto itself: nothing is lost
  EXPECT_EQ(bytesOf(dir.file("old")), bytes);
  EXPECT_EQ(dir.entries(), (Names{"copy.exe", "old", "src.exe"}));

  // A link planted at the backup's name is replaced, not written through.
  putBytes(dir.file("notes.txt"), "notes");
  std::filesystem::create_symlink("notes.txt", dir.file("link.bak"));
  copyFile(dir.file("src.exe"), dir.file("link.bak"));
  EXPECT_EQ(bytesOf(dir.file("notes.txt")), "notes");
  EXPECT_FALSE(std::filesystem::is_symlink(dir.file("link.bak")));
  EXPECT_EQ(bytesOf(dir.file("link.bak")), bytes);
}

TEST(CopyFile, UnreadableSourceThrowsAndLeavesTarget) {
  TempFolder dir;
  putBytes(dir.file("to"), "kept");
  std::filesystem::create_directory(dir.file("folder"));
  for (const auto& from : {dir.file("missing"), dir.file("folder")}) {
    expectFileErrorNaming(from, [&] { copyFile(from, dir.file("to")); });
    EXPECT_EQ(bytesOf(dir.file("to")), "kept");
  }
  EXPECT_EQ(dir.entries(), (Names{"folder", "to"}));
}

}  // namespace
}  // namespace olvex::platform
