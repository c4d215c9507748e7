// Reading whole files and their lines byte-exact, writing lines, asking what is at a name and
// removing files.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/temp_folder.h"

namespace olvex::platform {
namespace {

using namespace std::string_literals;
using test_files::bytesOf;
using test_files::putBytes;
using test_files::TempFolder;
using Lines = std::vector<std::string>;

TEST(FileQueries, ExistenceReadingAndRemoval) {
  TempFolder dir;
  putBytes(dir.file("empty"), "");
  putBytes(dir.file("full"), "a\0\r\n\xff"s);
  std::string large(200'000, 'x');
  large.back() = 'y';
  putBytes(dir.file("large"), large);
  std::filesystem::create_directory(dir.file("folder"));
  const struct {
    std::string path;
    bool exists;
    std::string bytes;  // readFile's, when it exists
  } cases[] = {
      {"", false, ""},
      {dir.file("missing"), false, ""},
      {dir.file("folder"), false, ""},
      {dir.file("full/below"), false, ""},
      {dir.file("empty"), true, ""},
      {dir.file("full"), true, "a\0\r\n\xff"s},
      {dir.file("large"), true, large},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fileExists(c.path), c.exists) << c.path;
    if (c.exists) {
      EXPECT_EQ(readFile(c.path), c.bytes) << c.path;
    } else {
      EXPECT_THROW(readFile(c.path), FileError) << c.path;
    }
  }
  // A file whose size says 0 although it has text, as the kernel's status files do.
  EXPECT_NE(readFile("/proc/self/status").find("Name:"), std::string::npos);

  removeFile(dir.file("full"));
  EXPECT_FALSE(pathExists(dir.file("full")));
  EXPECT_NO_THROW(removeFile(dir.file("full")));
  EXPECT_NO_THROW(removeFile(dir.file("large/below")));
  EXPECT_THROW(removeFile(dir.file("folder")), FileError);
  EXPECT_EQ(dir.entries(), (Lines{"empty", "folder", "large"}));
  EXPECT_EQ(currentDirectory(), std::filesystem::current_path().string());
}

TEST(SplitLines, EndsLinesAtCrLfLfOrCrAndDropsTrailingNuls) {
  const struct {
    std::string text;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"\n\n", {"", ""}},
      {"a\r\n\r\n", {"a", ""}},
      {"[end version]\0\0\0\r\n\0\0\0\0"s, {"[end version]", ""}},
      {"\0a\0b\0\0\n"s, {"\0a\0b"s}},
      {"\xe9t\xe9\xff\r\n", {"\xe9t\xe9\xff"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(splitLines(c.text), c.lines) << ::testing::PrintToString(c.text);
  }
}

TEST(TextFiles, LinesAreWrittenWithCrLfAndReadBack) {
  TempFolder dir;
  for (const Lines& lines : {Lines{"first", "", "\xe9 last"}, Lines{}}) {
    writeLinesAtomic(dir.file("t.txt"), lines);
    EXPECT_EQ(bytesOf(dir.file("t.txt")), lines.empty() ? "" : "first\r\n\r\n\xe9 last\r\n");
    EXPECT_EQ(readLines(dir.file("t.txt")), lines);
  }
}

}  // namespace
}  // namespace olvex::platform
