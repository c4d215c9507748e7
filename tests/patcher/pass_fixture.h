#pragma once
// A folder holding the reference executable, made the current directory, and the main window
// started in it as the program starts (built-in config, version detection), with every module
// installed. Expected files are computed from the reference layout.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <regex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/modules.h"
#include "patcher/pass_hooks.h"
#include "patcher/patch_pass.h"
#include "platform/temp_files.h"
#include "platform/temp_folder.h"
#include "reflayout/layout.h"
#include "shell/config_state.h"
#include "shell/conversions.h"
#include "shell/default_config.h"
#include "shell/form1.h"
#include "shell/form1_hooks.h"
#include "shell/shared_tables.h"
#include "shell/version_table.h"
#include "support/objdump.h"
#include "support/test_host.h"

namespace olvex::patcher::test {

using platform::test_files::bytesOf;
using platform::test_files::putBytes;

inline constexpr std::size_t kExtendedLength = 1314816;

// Every layout location of an offset key gets one of its alternatives. In `key` each "#" stands
// for a number.
struct Expect {
  std::string_view key;
  int alternative;
};

inline std::int32_t positionOf(std::string_view key) { return reflayout::findOffsetKey(key)->position; }

// The reference executable, extended when asked, with the expectations applied in order.
inline std::string expectedFile(bool extended, std::span<const Expect> expects = {}) {
  std::string file = reflayout::referenceExecutable();
  if (extended) file.resize(kExtendedLength, '\x90');
  for (const Expect& e : expects) {
    const std::regex key(std::regex_replace(std::string(e.key), std::regex("#"), "[0-9]+"));
    bool found = false;
    for (const reflayout::LocationData& loc : reflayout::locationData()) {
      if (!std::regex_match(loc.offsetKey.begin(), loc.offsetKey.end(), key)) continue;
      std::string_view alts = loc.alternatives;
      for (int i = 0; i < e.alternative; ++i) alts.remove_prefix(alts.find(' ') + 1);
      std::string bytes = reflayout::fileBytes(loc, alts.substr(0, alts.find(' ')));
      file.replace(positionOf(loc.offsetKey) + loc.displacement - 1, bytes.size(), bytes);
      found = true;
    }
    EXPECT_TRUE(found) << e.key;
  }
  return file;
}

// Bytes (as hex) at a key's position plus a displacement.
struct Bytes {
  std::string_view key;
  int plus;
  std::string hex;
};

inline std::string withBytes(std::string file, const std::vector<Bytes>& bytes) {
  for (const Bytes& b : bytes) {
    std::string raw = shell::wb(b.hex);
    file.replace(positionOf(b.key) + b.plus - 1, raw.size(), raw);
  }
  return file;
}

// The layout alternatives an extended pass writes, standard and remapped.
inline const std::vector<Expect> kExtended = {
    {"ExtSizePEHeaderOffset1", 0}, {"ExtSizePEHeaderOffset2", 0}, {"ExtSizePEHeaderOffset3", 0}};
inline const std::vector<Expect> kExtendedRemapped = {
    {"PEHeaderOffset", 0}, {"Remap#Offset", 0}, {"ResTableBaseOffset", 0}, {"ForceBumpMapOffset", 0},
    {"ExtSizePEHeaderOffset1", 0}, {"ExtSizePEHeaderOffset2", 2}, {"ExtSizePEHeaderOffset3", 1}};

inline std::vector<Expect> join(std::vector<Expect> a, const std::vector<Expect>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The differences of two files: their lengths, and the first differing runs with the layout
// location each lies in. Empty when the files are equal.
inline std::string differences(const std::string& actual, const std::string& expected) {
  std::string r;
  if (actual.size() != expected.size())
    r += "length " + std::to_string(actual.size()) + " instead of " + std::to_string(expected.size()) + "; ";
  int runs = 0;
  for (std::size_t i = 0; i < std::min(actual.size(), expected.size()) && runs < 8; ++i) {
    if (actual[i] == expected[i]) continue;
    std::size_t end = i;
    while (end < std::min(actual.size(), expected.size()) && actual[end] != expected[end]) ++end;
    std::string where = "?";
    for (const reflayout::OffsetKey& k : reflayout::offsetKeys()) {
      std::int64_t first = k.position - k.lead - 1, last = k.position + k.width - 1;
      if (std::int64_t(i) >= first && std::int64_t(i) < last) where = std::string(k.name);
    }
    r += "position " + std::to_string(i + 1) + " (" + where + ") " + std::to_string(end - i) + " bytes; ";
    i = end;
    ++runs;
  }
  return r;
}

// Hex of the bytes at a key's position (plus a displacement).
inline std::string hexAt(const std::string& file, std::string_view key, int plus, std::size_t n) {
  static const char digits[] = "0123456789ABCDEF";
  std::string hex;
  for (std::size_t i = 0; i < n; ++i) {
    auto b = static_cast<unsigned char>(file.at(positionOf(key) + plus - 1 + i));
    hex += digits[b >> 4];
    hex += digits[b & 15];
  }
  return hex;
}

// The built-in config changed line by line: "Key=value" replaces the line of Key, "-Prefix"
// removes every line starting with Prefix.
inline std::string builtInConfig(const std::vector<std::string>& changes) {
  std::string text(shell::BuiltInConfigText());
  for (const std::string& change : changes) {
    const bool drop = change.starts_with('-');
    const std::string start = "\n" + (drop ? change.substr(1) : change.substr(0, change.find('=') + 1));
    std::size_t at = text.find(start);
    EXPECT_NE(at, std::string::npos) << change;
    while (at != std::string::npos) {
      text.replace(at + 1, text.find('\n', at + 1) - at, drop ? "" : change + "\r\n");
      at = drop ? text.find(start, at) : std::string::npos;
    }
  }
  return text;
}

// The files a pass makes and removes again, left anywhere in folder: working copies, locks and
// temporary files.
inline std::vector<std::string> leftoversIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.ends_with(".exe0") || name.ends_with(".olvex-lock") || name.starts_with(".olvex-")) names.push_back(name);
  }
  return names;
}

// Leaves in folder the temporary file of a save whose run was killed.
inline void leaveKilledRunsTemporary(const std::string& folder) {
  if (pid_t child = ::fork(); child == 0) {
    std::string path;
    platform::detail::createTemporaryFile(folder, folder + "/a.cfg", path);
    ::_exit(0);
  } else {
    ::waitpid(child, nullptr, 0);
  }
}

// A pass from the main window: the file before it is the reference executable with `before`;
// after it, the reference executable (extended when asked) with `expects` and `bytes`, and the
// pass gave `warnings` messages.
struct PassCase {
  const char* name;
  std::function<void(shell::Form1&)> set;  // after start-up
  std::vector<Expect> expects;
  std::vector<Bytes> bytes = {};
  bool extended = false;
  std::vector<Expect> before = {};
  std::size_t warnings = 0;
};

class PassTest : public ::testing::Test {
 protected:
  void SetUp() override {
    putBytes(exe(), reflayout::referenceExecutable());
    shell::ResetConfigState();
    shell::ResetVersionTables();
    shell::ResetSharedTables();
    shell::form1Hooks() = shell::Form1Hooks{};
    passHooks() = PassHooks{};
    app::InstallModules();
  }
  void TearDown() override {
    passHooks() = PassHooks{};
    shell::form1Hooks() = shell::Form1Hooks{};
  }

  // The main window after the program's start-up in the folder.
  shell::Form1& start() {
    shell::Form1& f = ui::Forms::get<shell::Form1>();
    EXPECT_TRUE(f.canModify()) << "start-up did not find the reference executable";
    host.messages.clear();
    host.yields = 0;
    return f;
  }

  // Writes the built-in config without the lines that start with `prefix`.
  void configWithout(std::string_view prefix) { putBytes(dir.file("olvex.cfg"), builtInConfig({"-" + std::string(prefix)})); }

  void pass() { shell::form1Hooks().ModifyExe(); }

  // Runs each case from a fresh start-up. Whatever stands at the executable's name (a link, a file
  // with permissions of its own) is patched where it is, an outside tool reads an extended file's
  // fifth section, and nothing of the pass stays behind.
  void expectPasses(const std::vector<PassCase>& cases) {
    namespace fs = std::filesystem;
    const PassHooks installed = passHooks();
    for (const PassCase& c : cases) {
      SCOPED_TRACE(c.name);
      putBytes(exe(), expectedFile(false, c.before));
      shell::Form1& f = start();
      c.set(f);
      fs::permissions(exe(), fs::perms(0750));
      const bool linked = fs::is_symlink(exe());
      pass();
      EXPECT_EQ(differences(exeBytes(), withBytes(expectedFile(c.extended, c.expects), c.bytes)), "");
      if (c.extended && olvex::test::HaveObjdump()) {
        EXPECT_EQ(olvex::test::PeSections(exeBytes()), "pei-i386: .text .rdata .data .rsrc .yiff");
      }
      EXPECT_EQ(host.messages.size(), c.warnings);
      EXPECT_EQ(fs::is_symlink(exe()), linked);
      EXPECT_EQ(fs::status(exe()).permissions(), fs::perms(0750));
      EXPECT_EQ(leftoversIn(dir.path()), std::vector<std::string>{});
      passHooks() = installed;
      fs::remove(exe());
      ui::Forms::reset();  // the next case starts a fresh main window with the built-in settings
    }
  }

  // The run's own name beside the executable, where the commit holds the working copy and, after
  // the exchange, the executable from before the pass; empty when there is none.
  std::string ownName() const {
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
      if (entry.path().filename().string().starts_with(".olvex-")) return entry.path().string();
    return {};
  }

  std::string exe() const { return dir.file("tomb4.exe"); }
  std::string exeBytes() const { return bytesOf(exe()); }
  bool workingCopyLeft() const { return std::filesystem::exists(dir.file("tomb4.exe0")); }

  platform::test_files::WorkingFolder dir;
  olvex::test::TestHost host;
};

}  // namespace olvex::patcher::test
