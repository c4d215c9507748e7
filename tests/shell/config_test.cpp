// The config: its reader and the recoveries that keep the user's file, the version signature of
// the executable, the version key table and the sections that match the signature.
#include "shell/config_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config_fixture.h"
#include "platform/files.h"
#include "shell/version_signature.h"
#include "support/unprivileged.h"

namespace olvex::shell::testing {
using namespace std::string_literals;

namespace {

using Strings = std::vector<std::string>;
constexpr const char* kMissing = "Can't find config file. Creating config file now.";
constexpr const char* kErrors = "Errors during config load. Recreating config file now.";

class ConfigReader : public ConfigTest {};

// A missing config is written from the built-in text, or read from memory where it cannot be.
TEST_F(ConfigReader, MissingConfigIsWrittenFromTheBuiltInText) {
  LoadCommonConfig();
  EXPECT_EQ(messages(), Strings{kMissing});
  EXPECT_EQ(configFile(), builtInText() + "\r\n");
  EXPECT_EQ(dir.entries(), Strings{"olvex.cfg"});
  EXPECT_EQ(ExeName + " " + DefaultPatchSet + " " + std::to_string(NumBytesToRead) + " " + std::to_string(RaceTimerSlots()),
            "tomb4.exe patches.drc 16 100");
  SetUp();
  SetWorkDir(dir.file("no-such-folder"));
  LoadCommonConfig();
  EXPECT_EQ(messages(), (Strings{kMissing, "Can't write config file " + ConfigPath + ". Using the built-in config for now."}));
  EXPECT_TRUE(ConfigFromMemory);
  EXPECT_EQ(Offsets[kVersionCheckSlot], 730225);
}

// A config the reader cannot use is kept as a backup and replaced by the built-in text.
TEST_F(ConfigReader, ReplacesAConfigItCannotUseAndKeepsIt) {
  struct Case {
    std::string config;
    std::string message;  // empty: the config is fine as it is
  };
  std::string badTime = configText();
  badTime.replace(badTime.find("/Time=0:0"), 9, "/Time=a:30");
  const Case cases[] = {
      {configText({}, "Version=0.75"), "Old config file detected. Recreating config file now."},
      {configText({}, "Version=0.8"), "Unknown config file detected. Recreating config file now."},
      {configText({"NumBytesToRead=0"}), kErrors},
      {"[common]\r\nExeName=x.exe\r\n", kErrors},  // no [end common]
      {configText({"RaceTimerSlots=32768"}), kErrors},
      {configText({"SkeletonFlag=300"}), kErrors},  // a value the settings table rejects
      {badTime, kErrors},
      {configText({}, "Version=0.76") + "\r\n", ""},
  };
  for (const Case& c : cases) {
    SetUp();
    writeConfig(c.config);
    LoadCommonConfig();
    EXPECT_EQ(messages(), c.message.empty() ? Strings{} : Strings{c.message}) << c.config;
    EXPECT_EQ(configFile(), c.message.empty() ? c.config : builtInText() + "\r\n");
    if (!c.message.empty()) {
      EXPECT_EQ(platform::test_files::bytesOf(ConfigPath + ".bak"), c.config);
    }
    EXPECT_EQ(CfgVersion, kConfigVersion);
  }
  // A built-in text that does not read cleanly ends the recoveries with an error.
  for (const std::string& builtIn : {std::string("[common]\r\nVersion=0.76\r\n"), configText({}, "Version=0.75")}) {
    SetUp();
    OverrideBuiltInConfigText(builtIn);
    writeConfig("garbage");
    EXPECT_THROW(LoadCommonConfig(), ConfigReadError) << builtIn;
    EXPECT_EQ(messages().size(), 1u);
  }
}

// A link at the config's name is replaced by a file in the folder; what it led to is backed up
// and stays as it was.
TEST_F(ConfigReader, ALinkAtTheConfigIsReplacedNotWrittenThrough) {
  platform::test_files::TempFolder elsewhere;
  const std::string notes = configText({}, "Version=0.75");  // old: the reader replaces it
  platform::test_files::putBytes(elsewhere.file("notes.txt"), notes);
  std::filesystem::create_symlink(elsewhere.file("notes.txt"), ConfigPath);
  LoadCommonConfig();
  EXPECT_EQ(messages(), Strings{"Old config file detected. Recreating config file now."});
  EXPECT_FALSE(std::filesystem::is_symlink(ConfigPath));
  EXPECT_EQ(configFile(), builtInText() + "\r\n");
  EXPECT_EQ(platform::test_files::bytesOf(ConfigPath + ".bak"), notes);
  EXPECT_EQ(platform::test_files::bytesOf(elsewhere.file("notes.txt")), notes);
  EXPECT_EQ(elsewhere.entries(), Strings{"notes.txt"});
}

// The user's config is never lost: a file that exists but cannot be read stays exactly as it is
// (no rewrite, no backup, the same permissions) and the built-in text serves the run.
TEST_F(ConfigReader, AConfigThatCannotBeReadIsKeptAndTheBuiltInTextServes) {
  const std::string mine = configText({"NumBytesToRead=4"}, "Version=0.75");  // old: replaced if read
  writeConfig(mine);
  ::chmod(ConfigPath.c_str(), 0);
  ::chmod(dir.path().c_str(), 0777);  // the reader could replace the file if it tried
  struct stat before {};
  ::stat(ConfigPath.c_str(), &before);
  std::string seen = test::RunUnprivileged([&] {
    LoadCommonConfig();
    return messages().at(0) + (ConfigFromMemory ? "|memory " : "|file ") + std::to_string(NumBytesToRead);
  });
  EXPECT_EQ(seen, "Can't read config file " + ConfigPath + ". It is left as it is; the built-in config is used for now.|memory 16");
  struct stat after {};
  ::stat(ConfigPath.c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(platform::test_files::bytesOf(ConfigPath), mine);
  EXPECT_EQ(dir.entries(), Strings{"olvex.cfg"});
}

TEST_F(ConfigReader, SlotTablesAndSectionBlocks) {
  Strings credits;
  ReaderHooks.creditsText = [&](const std::string& t) { credits.push_back(t); };
  writeConfig(crlf({"[common]", "Version=0.76", "VersionCheckOffset=1", "NumBytesToRead=1", "TriggerSlots=3",
                    "RaceTimerSlots=2", "[end common]", "[credits]", "", "", "%01", "", "Name", "[END CREDITS]",
                    "[flipeffects]", "before", "/Effect07", "", "A", "", "B", "/Annotation=last one", "/DoOnlyOnce=12",
                    "/Effect300", "C", "/Effect", "/Annotation=first", "[END FLIPEFFECTS]", "[racetimer]", "/Event00",
                    "/Time=2:30", "X", "/Event09", "/Time=2", "/Annotation=second", "[end racetimer]"}));
  LoadCommonConfig();
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(FlipCode, (Strings{"", "", "C"}));  // "/Effect" alone is slot 0 again
  EXPECT_EQ(FlipAnnotation, (Strings{"first", "", "last one"}));
  EXPECT_EQ(FlipDoOnlyOnce, (std::vector<std::uint8_t>{0, 0, 1}));
  EXPECT_EQ(RaceCode[0] + "|" + RaceAnnotation[1], "X|second");
  EXPECT_EQ(RaceTime, (std::vector<std::array<float, 2>>{{2, 30}, {0, 0}}));
  EXPECT_EQ(credits, (Strings{"", "%01\r\n\r\nName"}));
}

// A read of one scope touches only its sections, and yields only in a full read, once per line;
// the reader's own keys are read in every scope.
TEST_F(ConfigReader, AScopeReadTouchesOnlyItsSections) {
  std::array<int, 5> calls{};  // credits, flipeffects, race timer, slots sized, developer layout
  ReaderHooks = {};
  ReaderHooks.developerLayout = [&] { ++calls[4]; };
  ReaderHooks.triggerSlotsSized = [&](int) { ++calls[3]; };
  ReaderHooks.creditsText = [&](const std::string&) { ++calls[0]; };
  ReaderHooks.flipSectionStart = [&] { ++calls[1]; };
  ReaderHooks.raceSectionStart = [&] { ++calls[2]; };
  writeConfig(configText({"FogUnit01=1,2,3", "Combo01=9,1", "DeveloperMode=2", "DeveloperMode=1"}));
  for (const char* scope : {"gfx", "gfx2", "rt"}) {
    LoadScope = scope;
    ReadCommonConfig();
  }
  EXPECT_EQ(calls, (std::array<int, 5>{0, 0, 1, 3, 3}));
  EXPECT_EQ((std::array<int, 3>{FogUnitR[1], PuzzleCombos[1], host.yields}), (std::array<int, 3>{1, 1, 0}));
  LoadCommonConfig();
  EXPECT_EQ(calls, (std::array<int, 5>{2, 1, 2, 4, 4}));
  EXPECT_EQ(PuzzleCombos[1], 9);
  EXPECT_EQ(host.yields, 14);  // 13 lines after [common], then [end common]
  EXPECT_TRUE(DeveloperMode);
}

// The program's own config text: read cleanly, its one version section fills every offset slot
// and every data field, it gives the tables their defaults, and every line ends in CR LF as the
// file is written byte for byte.
TEST_F(ConfigReader, TheEmbeddedConfigReadsCleanly) {
  OverrideBuiltInConfigText(std::nullopt);
  LoadCommonConfig();
  LoadConfig();
  EXPECT_EQ(messages(), Strings{kMissing});
  EXPECT_TRUE(VersionFound);
  for (int slot = 0; slot < kOffsetSlotCount; ++slot) EXPECT_NE(Offsets[slot], 0) << kOffsetKeys[slot];
  for (int i = 0; i < kDataFieldCount; ++i) EXPECT_FALSE(VersionDataFields[i].empty()) << kDataKeys[i];
  // The shared tables' own defaults are the values the config gives them.
  const auto tables = [] {
    return std::tuple{FogUnitR, FogUnitG, FogUnitB, PuzzleCombos, EnemyFlags, FogBulbRange, XBowNormFlag,
                      XBowPoisonFlag, XBowExplFlag, GrenNormFlag, GrenSupaFlag, GrenFlshFlag};
  };
  const auto fromConfig = tables();
  ResetSharedTables();
  EXPECT_EQ(tables(), fromConfig);
  std::string_view text = BuiltInConfigText();
  for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
    ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << "bare line feed at byte " << at;
  }
}

// The signature: each byte as hex without a leading zero, a zero byte as two digits; a file that
// ends before it matches no version; impossible reads are errors.
TEST(VersionSignature, ReadsAtOneBasedPositions) {
  platform::test_files::TempFolder dir;
  platform::test_files::putBytes(dir.file("game.exe"), "AB\x05\x00\xFF"s);
  EXPECT_EQ(readVersionSig(dir.file("game.exe"), 2, 4), "42500FF");
  EXPECT_EQ(readVersionSig(dir.file("game.exe"), 5, 2), std::nullopt);
  EXPECT_THROW(readVersionSig(dir.file("game.exe"), 0, 2), platform::FileError);
  EXPECT_THROW(readVersionSig(dir.file("game.exe"), 1, -1), std::out_of_range);
}

class VersionLoader : public ConfigTest {
 protected:
  // A config whose version part is `sections`; loads it.
  void load(const std::vector<std::string>& sections) {
    writeConfig(configText({}, "Version=0.76", sections));
    LoadConfig();
  }
};

TEST_F(VersionLoader, LoadsEveryMatchingSectionInTurn) {
  load({versionSection("OTHER", "Other build", {"DDOffset=1", "VolFXDefData=11"}),
        versionSection(kSig, "First", {"DDOffset=  &H10 ; hex", "LTOffset=12abc", "VEOffset=2.5",
                                       "VEOffset2=3.5", "VersionCheckOffset=5", "LockCameraData=AABB",
                                       "FlareColourData3Mod=C0", "ExtendedSizeNum=524287",
                                       "RaceExtRVAYoRel=-7", "IncTimerData=FF", "UnknownKeyData=1"}),
        "[VERSION " + std::string(kSig) + ";Second]\r\nLTOffset=3\r\nJumbBackData=00\r\n[END VERSION]\0\0\r\n\0"s,
        "[version 65636b005f494e495400000057696e50;Lower]\r\nDDOffset=9\r\n[end version]",
        "[version " + std::string(kSig) + ";]\r\n[end version]"});
  EXPECT_EQ(messages(), Strings{});
  EXPECT_EQ(FoundCaption, "Found: ");  // the last match's label, empty here
  EXPECT_EQ((std::vector<int>{Offsets[2], Offsets[4], Offsets[5], Offsets[6], Offsets[kVersionCheckSlot], ExtendedSizeNum,
                              RaceExtRVAYoRel}),
            (std::vector<int>{16, 3, 2, 4, 0, 524287, -7}));
  EXPECT_EQ(VersionData("LockCameraData") + "|" + VersionData("VolFXDefData") + "|" + FlareColourMod[3] + "|" + IncTimerData,
            "AABB||C0|FF");
  EXPECT_EQ(DataKeyCount, 4);  // keys of the matching sections ending in "data"
}

TEST_F(VersionLoader, ReadErrorsRecreateTheConfigOnce) {
  const std::string recreate =
      "Can't find proper olvex.cfg. Recreating config file now.\r\n(config dir: " + ConfigPath + ")";
  const std::vector<std::string> broken[] = {
      {versionSection(kSig, "Open", {"DDOffset=1"}, false)},
      {"[version " + std::string(kSig) + ";"},
      {versionSection(kSig, "Big", {"DDOffset=-2147483649"})},
  };
  for (const auto& sections : broken) {
    SetUp();
    load(sections);
    EXPECT_EQ(messages(), Strings{recreate});
    EXPECT_EQ(FoundCaption + " " + std::to_string(Offsets[2]), "Found: Built-in build 100");
  }
  const std::string open = configText({}, "Version=0.76", {versionSection(kSig, "Open", {}, false)});
  OverrideBuiltInConfigText(open);
  writeConfig(open);
  EXPECT_THROW(LoadConfig(), ConfigReadError);
}

}  // namespace
}  // namespace olvex::shell::testing
