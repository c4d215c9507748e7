#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/temp_folder.h"

namespace olvex::platform {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

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
  test_files::TempFolder dir;
  const Lines lines = {"first", "", "\xe9 last"};
  writeLinesAtomic(dir.file("t.txt"), lines);
  EXPECT_EQ(test_files::bytesOf(dir.file("t.txt")), "first\r\n\r\n\xe9 last\r\n");
  EXPECT_EQ(readLines(dir.file("t.txt")), lines);
  writeLinesAtomic(dir.file("t.txt"), {});
  EXPECT_EQ(test_files::bytesOf(dir.file("t.txt")), "");
  EXPECT_EQ(readLines(dir.file("t.txt")), Lines{});
}

}  // namespace
}  // namespace olvex::platform
