#pragma once
// Whole silent runs over the reference executable: the built-in config with some settings
// changed, the program started (which patches and ends), and the bytes expected at positions.
#include <string>
#include <utility>
#include <vector>

#include "patcher/pass_fixture.h"
#include "shell/default_config.h"

namespace olvex::customizers::test {

using patcher::test::positionOf;

// Bytes (as hex) at a key's position plus a displacement.
struct Bytes {
  std::string key;
  int plus;
  std::string hex;
};

inline std::string withBytes(std::string file, const std::vector<Bytes>& bytes) {
  for (const Bytes& b : bytes) {
    std::string raw = reflayout::bytesOf(b.hex);
    file.replace(positionOf(b.key) + b.plus - 1, raw.size(), raw);
  }
  return file;
}

inline std::string repeat(std::string_view hex, int times) {
  std::string r;
  for (int i = 0; i < times; ++i) r += hex;
  return r;
}

inline std::string dataHex(const std::string& key) { return std::string(reflayout::findDataKey(key)->hex); }

class SilentPassTest : public patcher::test::PassTest {
 protected:
  // The built-in config with each "Key=value" line given replacing the line of that key, in
  // silent mode.
  void writeConfig(std::vector<std::pair<std::string, std::string>> settings) {
    std::string text(shell::BuiltInConfigText());
    settings.emplace_back("SilentPatch", "1");
    for (const auto& [key, value] : settings) {
      std::size_t at = text.find("\n" + key + "=");
      ASSERT_NE(at, std::string::npos) << key;
      std::size_t end = text.find_first_of("\r\n", at + 1);
      text.replace(at + 1, end - at - 1, key + "=" + value);
    }
    patcher::test::putBytes(dir.file("olvex.cfg"), text);
  }
  // One run of the program: start-up patches and unloads every window.
  void run() {
    ui::Forms::get<shell::Form1>();
    ui::Forms::collect();
    EXPECT_FALSE(ui::Forms::loaded<shell::Form1>());
    EXPECT_FALSE(workingCopyLeft());
  }
  void restoreExecutable() { patcher::test::putBytes(exe(), reflayout::referenceExecutable()); }
  // Two runs: the first gives exactly the expected file, the second changes nothing.
  void expectRuns(const std::vector<Bytes>& bytes) {
    std::string expected = withBytes(reflayout::referenceExecutable(), bytes);
    run();
    EXPECT_EQ(patcher::test::differences(exeBytes(), expected), "");
    run();
    EXPECT_EQ(patcher::test::differences(exeBytes(), expected), "");
  }
};

}  // namespace olvex::customizers::test
