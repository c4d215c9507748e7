#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/temp_folder.h"

namespace olvex::platform {
namespace {

using test_files::putBytes;
using test_files::TempFolder;

TEST(FileExists, OnlyForReadableRegularFiles) {
  TempFolder dir;
  putBytes(dir.file("empty"), "");
  putBytes(dir.file("full"), "x");
  std::filesystem::create_directory(dir.file("folder"));
  const struct {
    std::string path;
    bool exists;
  } cases[] = {
      {"", false},
      {dir.file("missing"), false},
      {dir.file("folder"), false},
      {dir.file("full/below"), false},
      {dir.file("empty"), true},
      {dir.file("full"), true},
  };
  for (const auto& c : cases) EXPECT_EQ(fileExists(c.path), c.exists) << c.path;
}

TEST(ReadFile, KeepsEveryByteAndReportsMissingFiles) {
  TempFolder dir;
  const std::string bytes("a\0\r\n\xff", 5);
  putBytes(dir.file("f"), bytes);
  EXPECT_EQ(readFile(dir.file("f")), bytes);
  putBytes(dir.file("empty"), "");
  EXPECT_EQ(readFile(dir.file("empty")), "");
  std::string large(200'000, 'x');
  large.back() = 'y';
  putBytes(dir.file("large"), large);
  EXPECT_EQ(readFile(dir.file("large")), large);
  // A file whose size says 0 although it has text, as the kernel's status files do.
  EXPECT_NE(readFile("/proc/self/status").find("Name:"), std::string::npos);
  EXPECT_THROW(readFile(dir.file("missing")), FileError);
  EXPECT_THROW(readFile(dir.path()), FileError);
}

TEST(RemoveFile, RemovesAndAcceptsAbsentFiles) {
  TempFolder dir;
  putBytes(dir.file("f"), "x");
  removeFile(dir.file("f"));
  EXPECT_FALSE(std::filesystem::exists(dir.file("f")));
  EXPECT_NO_THROW(removeFile(dir.file("f")));
  putBytes(dir.file("f"), "x");
  EXPECT_NO_THROW(removeFile(dir.file("f/below")));
  std::filesystem::create_directory(dir.file("folder"));
  EXPECT_THROW(removeFile(dir.file("folder")), FileError);
}

TEST(CurrentDirectory, IsTheWorkingFolderWithoutTrailingSeparator) {
  const std::string dir = currentDirectory();
  EXPECT_EQ(dir, std::filesystem::current_path().string());
  EXPECT_TRUE(dir == "/" || dir.back() != '/') << dir;
}

}  // namespace
}  // namespace olvex::platform
