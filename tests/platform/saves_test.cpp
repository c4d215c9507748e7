// Saving by rename: the target is either the old file or the complete new one, with permissions
// its owner can use; a save follows a link at its name, a scratch file replaces it; a failure
// names the file and leaves nothing behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <random>

#include "platform/files.h"
#include "platform/temp_folder.h"
#include "support/unprivileged.h"

namespace olvex::platform {
namespace {

namespace fs = std::filesystem;
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
void expectFileErrorNaming(const std::string& path, const std::function<void()>& op) {
  try {
    op();
    ADD_FAILURE() << "no FileError for " << path;
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
}

// A replaced file passes its permissions on only when its owner may read and write it; else the
// new file gets those of any new file.
TEST(WriteFileAtomic, ReplacesKeepingUsablePermissions) {
  TempFolder dir;
  const std::string path = dir.file("a.cfg");
  writeFileAtomic(path, "new");
  EXPECT_EQ(bytesOf(path), "new");
  const mode_t mask = ::umask(0);
  ::umask(mask);
  const mode_t ordinary = permissionsOf(path);
  EXPECT_EQ(ordinary, 0666 & ~mask);
  EXPECT_EQ(ordinary & 0600u, 0600u);
  for (mode_t mode : {0754, 0600, 0000, 0200, 0400, 0044}) {
    SCOPED_TRACE(mode);
    ::chmod(path.c_str(), mode);
    writeFileAtomic(path, std::string("x\0y", 3));
    EXPECT_EQ(bytesOf(path), std::string("x\0y", 3));
    EXPECT_EQ(permissionsOf(path), (mode & 0600) == 0600 ? mode : ordinary);
  }
  ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0700), 0);  // not a file: passes nothing on
  writeFileAtomic(dir.file("pipe"), "x");
  EXPECT_EQ(permissionsOf(dir.file("pipe")), ordinary);
  // A user without root's rights can save where they may write: the temporary file goes beside
  // the file, not to a folder of the system.
  ::chmod(dir.path().c_str(), 0777);
  const auto userSaves = [&] {
    try {
      writeFileAtomic(dir.file("user.cfg"), "mine");
    } catch (const FileError& e) {
      return std::string(e.what());
    }
    return bytesOf(dir.file("user.cfg"));
  };
  EXPECT_EQ(olvex::test::RunUnprivileged(userSaves), "mine");
  EXPECT_EQ(dir.entries(), (Names{"a.cfg", "pipe", "user.cfg"}));
}

TEST(WriteFileAtomic, AFailureNamesTheFileAndLeavesEverythingAsItWas) {
  TempFolder dir;
  fs::create_directory(dir.file("target"));
  putBytes(dir.file("target/inside"), "kept");
  expectFileErrorNaming(dir.file("target"), [&] { writeFileAtomic(dir.file("target"), "x"); });
  expectFileErrorNaming(dir.file("no/such.cfg"), [&] { writeFileAtomic(dir.file("no/such.cfg"), "x"); });
  EXPECT_EQ(bytesOf(dir.file("target/inside")), "kept");
  EXPECT_EQ(dir.entries(), Names{"target"});
}

// A save follows a link at its name, which stays a link; a scratch file replaces a link at its
// name and never touches what it leads to.
TEST(WriteFileAtomic, ASaveFollowsALinkAndAScratchFileReplacesIt) {
  TempFolder dir;
  fs::create_directory(dir.file("real"));
  putBytes(dir.file("real/a.cfg"), "old");
  fs::create_symlink("real/a.cfg", dir.file("a.cfg"));
  writeFileAtomic(dir.file("a.cfg"), "new");
  EXPECT_TRUE(fs::is_symlink(dir.file("a.cfg")));
  EXPECT_EQ(bytesOf(dir.file("real/a.cfg")), "new");
  fs::create_symlink("real/a.cfg", dir.file("yiff.tmp"));
  writeScratchFile(dir.file("yiff.tmp"), "image");
  EXPECT_FALSE(fs::is_symlink(dir.file("yiff.tmp")));
  EXPECT_EQ(bytesOf(dir.file("yiff.tmp")), "image");
  EXPECT_EQ(bytesOf(dir.file("real/a.cfg")), "new");
  EXPECT_EQ(resolveLinks(dir.file("a.cfg")), fs::canonical(dir.file("real/a.cfg")).string());
  EXPECT_EQ(resolveLinks(dir.file("none")), dir.file("none"));
  EXPECT_EQ(dir.entries(), (Names{"a.cfg", "real", "yiff.tmp"}));
}

// A copy has every byte and the source's permissions, whatever a file it replaces had; onto
// itself it loses nothing; from a source it cannot read it leaves the target alone.
TEST(CopyFile, CopiesEveryByteAndTheSourcePermissions) {
  TempFolder dir;
  std::string bytes(3 * 1024 * 1024 + 17, '\0');  // more than one copy buffer
  std::mt19937 random(7);
  for (auto& b : bytes) b = static_cast<char>(random());
  putBytes(dir.file("src.exe"), bytes);
  ::chmod(dir.file("src.exe").c_str(), 0751);
  putBytes(dir.file("old"), "a much longer old content");
  ::chmod(dir.file("old").c_str(), 0600);
  for (const char* to : {"copy.exe", "old"}) {
    copyFile(dir.file("src.exe"), dir.file(to));
    EXPECT_EQ(bytesOf(dir.file(to)), bytes) << to;
    EXPECT_EQ(permissionsOf(dir.file(to)), 0751u) << to;
  }
  copyFile(dir.file("old"), dir.file("old"));
  EXPECT_EQ(bytesOf(dir.file("old")), bytes);
  // A link planted at a copy's name (a backup's) is replaced, not written through.
  putBytes(dir.file("notes.txt"), "notes");
  fs::create_symlink("notes.txt", dir.file("link.bak"));
  copyFile(dir.file("src.exe"), dir.file("link.bak"));
  EXPECT_EQ(bytesOf(dir.file("notes.txt")), "notes");
  EXPECT_FALSE(fs::is_symlink(dir.file("link.bak")));
  EXPECT_EQ(bytesOf(dir.file("link.bak")), bytes);
  fs::create_directory(dir.file("folder"));
  for (const auto& from : {dir.file("missing"), dir.file("folder")}) {
    expectFileErrorNaming(from, [&] { copyFile(from, dir.file("old")); });
    EXPECT_EQ(bytesOf(dir.file("old")), bytes);
  }
  EXPECT_EQ(dir.entries(), (Names{"copy.exe", "folder", "link.bak", "notes.txt", "old", "src.exe"}));
}

}  // namespace
}  // namespace olvex::platform
