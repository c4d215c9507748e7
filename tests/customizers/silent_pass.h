#pragma once
// Whole runs over the reference executable: silent runs (the built-in config with some settings
// changed, the program started, which patches and ends) and passes from the main window, with the
// bytes expected at positions worked out by hand.
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "furr/command_set.h"
#include "patcher/pass_fixture.h"
#include "shell/default_config.h"

namespace olvex::customizers::test {

using patcher::test::Expect;
using patcher::test::expectedFile;
using patcher::test::join;
using patcher::test::kExtended;
using patcher::test::kExtendedRemapped;
using patcher::test::positionOf;
using PassBytes = std::vector<patcher::test::Bytes>;  // the bytes a pass case expects

// Bytes at a key's position plus a displacement: hex, or the name of a version data key.
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

// Writes bytes into the executable in the current folder (as an earlier pass left them).
inline void plant(const PassBytes& bytes) {
  const std::string exe = "tomb4.exe";
  patcher::test::putBytes(exe, patcher::test::withBytes(patcher::test::bytesOf(exe), bytes));
}

class SilentPassTest : public patcher::test::PassTest {
 protected:
  // The built-in config with each "Key=value" line given replacing the line of that key, in
  // silent mode, beside the built-in command set.
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
    patcher::test::putBytes(dir.file("syntax.fln"), std::string(furr::BuiltInCommandSetText()) + "\r\n");
  }
  // One run of the program: start-up patches and unloads every window. The folder holds no patch
  // set, which start-up reports; the pass's own messages stay.
  void run() {
    ui::Forms::get<shell::Form1>();
    ui::Forms::collect();
    EXPECT_FALSE(ui::Forms::loaded<shell::Form1>());
    EXPECT_FALSE(workingCopyLeft());
    std::erase_if(host.messages, [](const ui::Message& m) { return m.text.starts_with("Can't find patch set file"); });
  }
  void restoreExecutable() { patcher::test::putBytes(exe(), reflayout::referenceExecutable()); }
  // Two runs: the first gives exactly the expected file (the reference executable, extended when
  // asked, with the layout alternatives and the bytes), the second changes nothing.
  void expectRuns(const std::vector<Bytes>& bytes, bool extended = false, std::span<const Expect> layout = {}) {
    std::string expected = withBytes(expectedFile(extended, layout), bytes);
    run();
    EXPECT_EQ(patcher::test::differences(exeBytes(), expected), "");
    EXPECT_TRUE(host.messages.empty());
    run();
    EXPECT_EQ(patcher::test::differences(exeBytes(), expected), "");
  }
  // The pass refused: the executable as it was, and one message (with a second line naming the
  // key of a refused version section).
  void expectRolledBack(const std::string& before = reflayout::referenceExecutable(), const std::string& key = "") {
    EXPECT_EQ(patcher::test::differences(exeBytes(), before), "");
    EXPECT_FALSE(workingCopyLeft());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Cannot modify file");
    const std::string text = "Cannot process with tomb4.exe modifying. Make sure you're using correct config file.";
    EXPECT_EQ(host.messages[0].text, key.empty() ? text : text + "\r\n" + key + ": the version section lacks it");
  }
  // Each change of the windows after start-up makes the pass refuse and leave the file alone.
  void expectRollBacks(const std::vector<std::function<void(shell::Form1&)>>& spoilers) {
    for (std::size_t i = 0; i < spoilers.size(); ++i) {
      SCOPED_TRACE(i);
      std::string original = reflayout::referenceExecutable();
      original[7000] ^= 0x5A;
      patcher::test::putBytes(exe(), original);
      spoilers[i](start());
      pass();
      expectRolledBack(original);
      ui::Forms::reset();
    }
  }
};

}  // namespace olvex::customizers::test
