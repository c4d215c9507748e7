#include "shell/config_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/config_lines.h"
#include "shell/config_state.h"

namespace olvex::shell {
namespace {

struct LineCase {
  std::string line;
  std::string key, value;
  int dataKeys;
};

TEST(ParseConfigLine, SplitsKeyAndValue) {
  const std::string long300(300, 'K');
  const std::string long255(255, 'k');
  const LineCase cases[] = {
      {"", "", "", 0},
      {"    ", "", "", 0},
      {"; comment", "", "", 0},
      {"[common]", "", "", 0},
      {"[Key=1", "", "", 0},
      {"  ;x=1", "  ;x", "1", 0},
      {"Key =5", "key ", "5", 0},
      {"ExeName= tomb4.exe", "exename", "tomb4.exe", 0},
      {"RemapParticleBuffer=0 ; .73", "remapparticlebuffer", "0", 0},
      {"Name=a b ", "name", "a b ", 0},
      {"Name=abc;", "name", "abc", 0},
      {"Name=", "name", "", 0},
      {"Name=x=y", "name", "x=y", 0},
      {"NoEquals", "noequals", "", 0},
      {"LockCameraData=AABB", "lockcameradata", "AABB", 1},
      {"FlareColourData1Def=00", "flarecolourdata1def", "00", 0},
      {"DATA=1", "data", "1", 1},
      // Without "=" among the first 255 characters the value begins at character 257.
      {long300, long255, std::string(44, 'K'), 0},
      {long255, long255, "", 0},
      {long255 + "=", long255, "", 0},
      {long255 + "=v", long255, "v", 0},
      {long255 + "x=v", long255, "=v", 0},
      {long255 + "x  v w ; c", long255, "v w", 0},
  };
  for (const auto& c : cases) {
    DataKeyCount = 0;
    CfgKey = "stale";
    EXPECT_EQ(ParseConfigLine(c.line), c.value) << c.line;
    EXPECT_EQ(CfgKey, c.key) << c.line;
    EXPECT_EQ(DataKeyCount, c.dataKeys) << c.line;
    std::string value = "a stale value longer than the short-string buffer";
    ParseConfigLine(c.line, value);
    EXPECT_EQ(value, c.value) << c.line;
  }
}

TEST(ParseConfigLine, KeepsValueCaseAndLowersKey) {
  EXPECT_EQ(ParseConfigLine("FlyCheatMagicWord=QuAb"), "QuAb");
  EXPECT_EQ(CfgKey, "flycheatmagicword");
}

TEST(ConfigLines, EveryLineEndEndsOneLine) {
  using Lines = std::vector<std::string>;
  const std::pair<std::string, Lines> cases[] = {
      {"", {}},
      {"\r\n", {""}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb", {"a", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {std::string("a\0\0\r\nb\0", 8), {"a", "b"}},
      {"a\r\nb\nc\rd\r\n\ne\r", {"a", "b", "c", "d", "", "e"}},
      {"one\ntwo\nthree", {"one", "two", "three"}},
      {"one\rtwo\r\rthree\n", {"one", "two", "", "three"}},
  };
  for (const auto& [text, want] : cases) {
    ConfigLines lines(text);
    Lines got;
    for (std::string_view line; lines.next(line);) got.emplace_back(line);
    EXPECT_EQ(got, want) << testing::PrintToString(text);
  }
}

}  // namespace
}  // namespace olvex::shell
