#include "shell/config_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "config_fixture.h"
#include "resources/embedded.h"
#include "support/unprivileged.h"

namespace olvex::shell::testing {
namespace {

using Strings = std::vector<std::string>;
constexpr const char* kMissing = "Can't find config file. Creating config file now.";
constexpr const char* kErrors = "Errors during config load. Recreating config file now.";

class ConfigReader : public ConfigTest {};

TEST_F(ConfigReader, MissingConfigIsWrittenFromTheBuiltInText) {
  LoadCommonConfig();
  EXPECT_EQ(messages(), Strings{kMissing});
  EXPECT_EQ(configFile(), builtInText() + "\r\n");
  EXPECT_EQ(dir.entries(), Strings{"olvex.cfg"});
  EXPECT_EQ(ExeName, "tomb4.exe");
  EXPECT_EQ(Offsets[kVersionCheckSlot], 730225);
  EXPECT_EQ(NumBytesToRead, 16);
  EXPECT_EQ(DefaultPatchSet, "patches.drc");
  EXPECT_EQ(TriggerSlots(), 100);
  EXPECT_EQ(RaceTimerSlots(), 100);
}

struct RecoveryCase {
  std::string config;
  std::string message;
};

TEST_F(ConfigReader, ReplacesAConfigItCannotUseAndKeepsIt) {
  const RecoveryCase cases[] = {
      {configText({}, "Version=0.75"), "Old config file detected. Recreating config file now."},
      {configText({}, "Version=0.8"), "Unknown config file detected. Recreating config file now."},
      {configText({}, "; no version"), "Old config file detected. Recreating config file now."},
      {configText({"VersionCheckOffset=0"}), kErrors},
      {configText({"NumBytesToRead=0"}), kErrors},
      {"[common]\r\nExeName=x.exe\r\n", kErrors},        // no [end common]
      {configText({"TriggerSlots=0"}), kErrors},
      {configText({"SilentPatch=256"}), kErrors},
      {configText({}, "Version=0.76", {}) + "\r\n", ""},  // fine as it is
  };
  for (const auto& c : cases) {
    SetUp();
    writeConfig(c.config);
    LoadCommonConfig();
    if (c.message.empty()) {
      EXPECT_TRUE(messages().empty());
      EXPECT_EQ(configFile(), c.config);
      continue;
    }
    EXPECT_EQ(messages(), Strings{c.message}) << c.config;
    EXPECT_EQ(configFile(), builtInText() + "\r\n");
    EXPECT_EQ(platform::test_files::bytesOf(ConfigPath + ".bak"), c.config);
    EXPECT_EQ(CfgVersion, kConfigVersion);
    host.messages.clear();
  }
}

TEST_F(ConfigReader, ASecondReadErrorReachesTheCaller) {
  OverrideBuiltInConfigText("[common]\r\nVersion=0.76\r\n");
  writeConfig("garbage");
  EXPECT_THROW(LoadCommonConfig(), ConfigReadError);
  EXPECT_EQ(messages(), Strings{kErrors});
}

TEST_F(ConfigReader, AnInvalidBuiltInTextEndsTheRecoveries) {
  OverrideBuiltInConfigText(configText({}, "Version=0.75"));
  EXPECT_THROW(LoadCommonConfig(), ConfigReadError);
  EXPECT_EQ(messages(), Strings{kMissing});
}

// The user's config is never lost: a file that exists but cannot be read stays exactly as it is
// (no rewrite, no backup, the same permissions) and the built-in text serves the run.
TEST_F(ConfigReader, AConfigThatCannotBeReadIsKeptAndTheBuiltInTextServes) {
  const std::string mine = configText({"NumBytesToRead=4"}, "Version=0.75");  // old: replaced if read
  const bool root = ::geteuid() == 0;
  struct Row {
    const char* name;
    std::function<void()> make;
    bool needsRoot;  // the file must belong to someone other than the reading user
  } rows[] = {
      {"mode 000", [&] { writeConfig(mine); ::chmod(ConfigPath.c_str(), 0); }, false},
      {"another owner's, mode 600", [&] { writeConfig(mine); ::chmod(ConfigPath.c_str(), 0600); }, true},
      {"a folder", [&] { std::filesystem::create_directory(ConfigPath); }, false},
      {"a link that leads nowhere", [&] { std::filesystem::create_symlink("nowhere", ConfigPath); }, false},
  };
  ::chmod(dir.path().c_str(), 0777);  // the reader could replace the file if it tried
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    if (r.needsRoot && !root) continue;  // a non-root test run cannot make another user's file
    SetUp();
    r.make();
    struct stat before {};
    ::lstat(ConfigPath.c_str(), &before);
    std::string seen = test::RunUnprivileged([&] {
      LoadCommonConfig();
      std::string r;
      for (const auto& m : messages()) r += m + "|";
      return r + (ConfigFromMemory ? "memory " : "file ") + std::to_string(NumBytesToRead);
    });
    EXPECT_EQ(seen, "Can't read config file " + ConfigPath +
                        ". It is left as it is; the built-in config is used for now.|memory 16");
    struct stat after {};
    ::lstat(ConfigPath.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    if (S_ISREG(after.st_mode)) {
      EXPECT_EQ(platform::test_files::bytesOf(ConfigPath), mine);
    }
    EXPECT_EQ(dir.entries(), Strings{"olvex.cfg"});
    std::filesystem::remove(ConfigPath);
  }
}

TEST_F(ConfigReader, AnUnwritableConfigIsReadFromMemory) {
  SetWorkDir(dir.file("no-such-folder"));
  LoadCommonConfig();
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[0], kMissing);
  EXPECT_NE(messages()[1].find("Can't write config file"), std::string::npos);
  EXPECT_TRUE(ConfigFromMemory);
  EXPECT_EQ(Offsets[kVersionCheckSlot], 730225);
  // An old file that cannot be replaced: the built-in text is in force.
  SetWorkDir(dir.path());
  writeConfig(configText({"NumBytesToRead=4"}, "Version=0.75"));
  ConfigFromMemory = false;
  ::chmod(dir.path().c_str(), 0500);  // no effect for root; the missing folder case covers that
  LoadCommonConfig();
  ::chmod(dir.path().c_str(), 0700);
  EXPECT_EQ(NumBytesToRead, 16);
}

TEST_F(ConfigReader, SlotTablesAndSectionBlocks) {
  std::vector<int> flipSizes, raceSizes;
  ReaderHooks.triggerSlotsSized = [&](int n) { flipSizes.push_back(n); };
  ReaderHooks.raceSlotsSized = [&](int n) { raceSizes.push_back(n); };
  std::string text = configText({"TriggerSlots=3", "RaceTimerSlots=2"});
  std::string flip = "[flipeffects]\r\n/Effect00\r\n/Annotation=\r\n/DoOnlyOnce=0\r\n[end flipeffects]";
  text.replace(text.find(flip), flip.size(),
               "[flipeffects]\r\nbefore\r\n/Effect07\r\n\r\nA\r\n\r\nB\r\n/Annotation=last one\r\n"
               "/DoOnlyOnce=1x\r\n/Effect300\r\nC\r\n/Effect\r\n/Annotation=first\r\n[END FLIPEFFECTS]");
  std::string race = "[racetimer]\r\n/Event01\r\n/Annotation=\r\n/Time=0:0\r\n[end racetimer]";
  text.replace(text.find(race), race.size(),
               "[racetimer]\r\n/Event00\r\n/Time=2:30\r\nX\r\n/Event09\r\n/Time=2\r\n/Annotation=second\r\n"
               "[end racetimer]");
  writeConfig(text);
  LoadCommonConfig();
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(flipSizes, (std::vector<int>{100, 3}));
  EXPECT_EQ(raceSizes, (std::vector<int>{100, 2}));
  EXPECT_EQ(FlipCode, (Strings{"", "", "C"}));  // "/Effect" alone is slot 0 again
  EXPECT_EQ(FlipAnnotation, (Strings{"first", "", "last one"}));
  EXPECT_EQ(FlipDoOnlyOnce, (std::vector<std::uint8_t>{0, 0, 1}));
  EXPECT_EQ(RaceCode, (Strings{"X", ""}));
  EXPECT_EQ(RaceAnnotation, (Strings{"", "second"}));
  EXPECT_EQ(RaceTime[0], (std::array<float, 2>{2, 30}));
  EXPECT_EQ(RaceTime[1], (std::array<float, 2>{0, 0}));
}

TEST_F(ConfigReader, ABadTimeIsAReadError) {
  std::string text = configText();
  text.replace(text.find("/Time=0:0"), 9, "/Time=a:30");
  writeConfig(text);
  LoadCommonConfig();
  EXPECT_EQ(messages(), Strings{kErrors});
}

TEST_F(ConfigReader, CreditsText) {
  std::vector<std::string> texts;
  ReaderHooks.creditsText = [&](const std::string& t) { texts.push_back(t); };
  std::string text = configText();
  const std::string body = "%01\r\nBuilt In\r\n[end credits]";
  text.replace(text.find(body), body.size(), "\r\n\r\n%01\r\n\r\nName\r\n[END CREDITS]");
  writeConfig(text);
  LoadCommonConfig();
  EXPECT_EQ(texts, (Strings{"", "%01\r\n\r\nName"}));
  std::string empty = configText();
  empty.replace(empty.find("%01\r\nBuilt In\r\n"), 15, "");
  writeConfig(empty);
  texts.clear();
  LoadCommonConfig();
  EXPECT_EQ(texts, (Strings{"", ""}));
}

TEST_F(ConfigReader, AScopeReadTouchesOnlyItsSections) {
  int credits = 0, flips = 0, races = 0, sizes = 0;
  ReaderHooks.creditsText = [&](const std::string&) { ++credits; };
  ReaderHooks.flipSectionStart = [&] { ++flips; };
  ReaderHooks.raceSectionStart = [&] { ++races; };
  ReaderHooks.triggerSlotsSized = [&](int) { ++sizes; };
  writeConfig(configText({"FogUnit01=1,2,3", "Combo01=9,1"}));
  LoadScope = "gfx";
  ReadCommonConfig();
  EXPECT_EQ((std::array<int, 4>{credits, flips, races, sizes}), (std::array<int, 4>{0, 0, 0, 1}));
  EXPECT_EQ(FogUnitR[1], 245);
  LoadScope = "gfx2";
  ReadCommonConfig();
  EXPECT_EQ(FogUnitR[1], 1);
  EXPECT_EQ(PuzzleCombos[1], 1);
  LoadScope = "rt";
  ReadCommonConfig();
  EXPECT_EQ(races, 1);
  LoadCommonConfig();
  EXPECT_EQ((std::array<int, 3>{credits, flips, races}), (std::array<int, 3>{2, 1, 2}));
  EXPECT_EQ(PuzzleCombos[1], 9);
  EXPECT_TRUE(messages().empty());
}

TEST_F(ConfigReader, YieldsOncePerCommonLineOfAFullRead) {
  writeConfig(configText({"; comment", ""}));
  LoadCommonConfig();
  EXPECT_EQ(host.yields, 12);  // 11 lines after [common], then [end common]
  LoadScope = "main";
  ReadCommonConfig();
  EXPECT_EQ(host.yields, 12);
}

TEST_F(ConfigReader, SettingErrorsTakeTheRecoveryPath) {
  writeConfig(configText({"SkeletonFlag=300"}));
  LoadCommonConfig();
  EXPECT_EQ(messages(), Strings{kErrors});
  EXPECT_EQ(configFile(), builtInText() + "\r\n");
}

TEST_F(ConfigReader, DeveloperModeOnlyForOne) {
  int layouts = 0;
  ReaderHooks.developerLayout = [&] { ++layouts; };
  writeConfig(configText({"DeveloperMode=2"}));
  LoadCommonConfig();
  EXPECT_FALSE(DeveloperMode);
  writeConfig(configText({"DeveloperMode=1"}));
  LoadCommonConfig();
  EXPECT_TRUE(DeveloperMode);
  EXPECT_EQ(layouts, 1);
}

TEST_F(ConfigReader, TheEmbeddedConfigReadsCleanly) {
  try {
    resources::get(kConfigFileName);
  } catch (const std::exception&) {
    GTEST_SKIP() << "built-in config resource not embedded yet";
  }
  OverrideBuiltInConfigText(std::nullopt);
  LoadCommonConfig();
  EXPECT_EQ(messages(), Strings{kMissing});
  EXPECT_EQ(CfgVersion, kConfigVersion);
  EXPECT_EQ(ExeName, "tomb4.exe");
  EXPECT_EQ(Offsets[kVersionCheckSlot], 730225);
  EXPECT_EQ(NumBytesToRead, 16);

  // Its one version section fills every offset slot and every data field.
  LoadConfig();
  EXPECT_EQ(messages(), Strings{kMissing});
  EXPECT_TRUE(VersionFound);
  EXPECT_EQ(FoundCaption.rfind("Found: ", 0), 0u);
  for (int slot = 0; slot < kOffsetSlotCount; ++slot) EXPECT_NE(Offsets[slot], 0) << kOffsetKeys[slot];
  for (int i = 0; i < kDataFieldCount; ++i) EXPECT_FALSE(VersionDataFields[i].empty()) << kDataKeys[i];
  // DataKeyCount: the section's keys that end in "data", in any case.
  std::istringstream section(std::string(BuiltInConfigText().substr(BuiltInConfigText().find("[version "))));
  int dataKeys = 0;
  for (std::string line; std::getline(section, line);) {
    std::string key = line.substr(0, line.find('='));
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (line.find('=') != std::string::npos && key.ends_with("data")) ++dataKeys;
  }
  EXPECT_GT(dataKeys, 0);
  EXPECT_EQ(DataKeyCount, dataKeys);

  // The text is written out byte for byte, so every line break is CR LF.
  std::string_view text = BuiltInConfigText();
  for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
    ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << "bare line feed at byte " << at;
  }
}

}  // namespace
}  // namespace olvex::shell::testing
