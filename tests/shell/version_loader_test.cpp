#include "shell/version_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config_fixture.h"
#include "shell/text_case.h"
#include "shell/version_table.h"

namespace olvex::shell::testing {
using namespace std::string_literals;

namespace {

using Strings = std::vector<std::string>;

class VersionLoader : public ConfigTest {
 protected:
  // A config whose version part is `sections`; loads it.
  void load(const std::vector<std::string>& sections) {
    writeConfig(configText({}, "Version=0.76", sections));
    LoadConfig();
  }
};

TEST(VersionTable, KeyCounts) {
  EXPECT_EQ(kOffsetKeys.size(), 745u);
  EXPECT_EQ(kDataKeys.size(), 329u);
  // 744 offsets (slot 1 comes from [common]), 329 data fields, 27 flare colours, 15 texts and
  // 4 numbers.
  EXPECT_EQ(VersionKeyCount(), 744u + 329u + 27u + 15u + 4u);
  EXPECT_EQ(FindVersionKey("versioncheckoffset"), nullptr);
  EXPECT_EQ(OffsetSlot("ddoffset"), 2);
  EXPECT_EQ(OffsetSlot("FEBaseProcOffset3"), 728);
  EXPECT_EQ(OffsetSlot("StackCorrectionOffset5"), 744);
  EXPECT_EQ(OffsetSlot("PartBuffer1Offset42"), 689);
  EXPECT_EQ(DataFieldIndex("seclevelextdefdata"), 328);
  EXPECT_THROW(OffsetSlot("NoSuchOffset"), std::out_of_range);
}

TEST(VersionTable, EveryNameFindsItsOwnPlaceInAnyCase) {
  for (int slot = 0; slot < kOffsetSlotCount; ++slot) {
    std::string name(kOffsetKeys[slot]);
    ASSERT_EQ(OffsetSlot(LowerCase(name)), slot) << name;
    ASSERT_EQ(OffsetSlot(UpperCase(name)), slot) << name;
    const VersionKeyTarget* t = FindVersionKey(LowerCase(name));
    if (slot == kVersionCheckSlot) ASSERT_EQ(t, nullptr);
    else ASSERT_TRUE(t && t->kind == VersionKeyTarget::Kind::Offset && t->number == &Offsets[slot]) << name;
  }
  for (int i = 0; i < kDataFieldCount; ++i) {
    std::string name(kDataKeys[i]);
    ASSERT_EQ(DataFieldIndex(UpperCase(name)), i) << name;
    const VersionKeyTarget* t = FindVersionKey(LowerCase(name));
    ASSERT_TRUE(t && t->kind == VersionKeyTarget::Kind::Text && t->text == &VersionDataFields[i]) << name;
  }
}

TEST(VersionTable, KeysOutsideTheOffsetsAndDataFields) {
  using Kind = VersionKeyTarget::Kind;
  struct Case {
    std::string_view key;
    Kind kind;
    const void* target;
  };
  const Case cases[] = {
      {"flarecolourdata1def", Kind::Text, &FlareColourDef[1]},
      {"FLARECOLOURDATA5MOD", Kind::Text, &FlareColourMod[5]},
      {"FlareColourData9Red", Kind::Text, &FlareColourRed[9]},
      {"febaseproc3moddatayorel", Kind::Text, &FEBaseProc3ModDataYoRel},
      {"DecTimerData", Kind::Text, &DecTimerData},
      {"extendedsizenum", Kind::Number, &ExtendedSizeNum},
      {"RaceExtRVAYoRel", Kind::Number, &RaceExtRVAYoRel},
  };
  for (const auto& c : cases) {
    const VersionKeyTarget* t = FindVersionKey(c.key);
    ASSERT_NE(t, nullptr) << c.key;
    EXPECT_EQ(t->kind, c.kind) << c.key;
    EXPECT_EQ(c.kind == Kind::Text ? static_cast<const void*>(t->text) : t->number, c.target) << c.key;
  }
}

TEST(VersionTable, UnknownKeys) {
  for (std::string_view key : {"", "ddoffse", "ddoffsetx", " ddoffset", "ddoffset ", "dd\x10offset",
                               "dd\xCFoffset", "flarecolourdata0def", "flarecolourdata10def", "versiondata"}) {
    EXPECT_EQ(FindVersionKey(key), nullptr) << key;
    EXPECT_THROW(OffsetSlot(key), std::out_of_range) << key;
    EXPECT_THROW(DataFieldIndex(key), std::out_of_range) << key;
  }
  // Each lookup knows only its own kind of key.
  EXPECT_THROW(OffsetSlot("LockCameraData"), std::out_of_range);
  EXPECT_THROW(DataFieldIndex("DDOffset"), std::out_of_range);
  EXPECT_THROW(OffsetSlot("IncTimerData"), std::out_of_range);
  EXPECT_EQ(OffsetSlot("versioncheckoffset"), kVersionCheckSlot);
}

TEST_F(VersionLoader, LoadsTheMatchingSection) {
  load({versionSection("OTHER", "Other build", {"DDOffset=1", "VolFXDefData=11"}),
        versionSection(kSig, "Test build", {"DDOffset=  &H10 ; hex", "LTOffset=12abc", "VEOffset=2.5",
                                            "VEOffset2=3.5", "VersionCheckOffset=5", "LockCameraData=AABB",
                                            "FlareColourData3Mod=C0", "ExtendedSizeNum=524287",
                                            "RaceExtRVAYoRel=-7", "IncTimerData=FF", "UnknownKeyData=1",
                                            "JumbBackData=00"})});
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(VersionFound);
  EXPECT_EQ(FoundCaption, "Found: Test build");
  EXPECT_EQ((std::vector<int>{Offsets[2], Offsets[4], Offsets[5], Offsets[6], Offsets[kVersionCheckSlot]}),
            (std::vector<int>{16, 12, 2, 4, 0}));
  EXPECT_EQ(VersionData("LockCameraData"), "AABB");
  EXPECT_EQ(VersionData("VolFXDefData"), "");
  EXPECT_EQ(FlareColourMod[3], "C0");
  EXPECT_EQ(ExtendedSizeNum, 524287);
  EXPECT_EQ(RaceExtRVAYoRel, -7);
  EXPECT_EQ(IncTimerData, "FF");
  EXPECT_EQ(DataKeyCount, 4);  // keys of the matching section ending in "data"
}

TEST_F(VersionLoader, LaterMatchesOverwriteAndHeadersMatchInAnyCase) {
  load({versionSection(kSig, "First", {"DDOffset=1", "LTOffset=2"}),
        "[VERSION " + std::string(kSig) + ";Second]\r\nDDOffset=3\r\n[END VERSION]",
        "[version 65636b005f494e495400000057696e50;Lower]\r\nDDOffset=9\r\n[end version]"});
  EXPECT_EQ(FoundCaption, "Found: Second");
  EXPECT_EQ(Offsets[2], 3);
  EXPECT_EQ(Offsets[4], 2);
}

TEST_F(VersionLoader, APatternLongerThanTheSignatureMatches) {
  load({"[version " + std::string(kSig) + "XYZ;Label]\r\nDDOffset=5\r\n[end version]"});
  EXPECT_EQ(FoundCaption, "Found: YZ;Label");
  VersionSig.clear();
  load({versionSection("ANY", "Any", {"DDOffset=6"})});
  EXPECT_EQ(FoundCaption, "Found: NY;Any");
  EXPECT_EQ(Offsets[2], 6);
}

TEST_F(VersionLoader, EndLineWithTrailingNuls) {
  load({versionSection(kSig, "Nul", {"DDOffset=7"}, false) + "\r\n[end version]\0\0\0\r\n\0\0"s});
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(Offsets[2], 7);
}

TEST_F(VersionLoader, NoMatchingSection) {
  Offsets[2] = 42;
  ExeName = "tomb4.exe";
  load({versionSection("OTHER", "Other", {"DDOffset=1"})});
  EXPECT_FALSE(VersionFound);
  EXPECT_EQ(messages(), Strings{"Current config file have no support for your tomb4.exe."});
  EXPECT_EQ(Offsets[2], 42);
}

TEST_F(VersionLoader, ReadErrorsRecreateTheConfigOnce) {
  const std::string recreate =
      "Can't find proper olvex.cfg. Recreating config file now.\r\n(config dir: " + ConfigPath + ")";
  const std::vector<std::string> broken[] = {
      {versionSection(kSig, "Open", {"DDOffset=1"}, false)},
      {"[version " + std::string(kSig) + ";"},
      {"[version " + std::string(kSig)},
      {versionSection(kSig, "Big", {"DDOffset=4294967296"})},
  };
  for (const auto& sections : broken) {
    SetUp();
    load(sections);
    EXPECT_EQ(messages(), Strings{recreate});
    EXPECT_EQ(configFile(), builtInText() + "\r\n");
    EXPECT_EQ(FoundCaption, "Found: Built-in build");
    EXPECT_EQ(Offsets[2], 100);
    host.messages.clear();
  }
  OverrideBuiltInConfigText(configText({}, "Version=0.76", {versionSection(kSig, "Open", {}, false)}));
  writeConfig(configText({}, "Version=0.76", {versionSection(kSig, "Open", {}, false)}));
  EXPECT_THROW(LoadConfig(), ConfigReadError);
}

TEST_F(VersionLoader, StartUpSequenceWithoutAConfig) {
  LoadCommonConfig();
  LoadConfig();
  EXPECT_EQ(messages(), Strings{"Can't find config file. Creating config file now."});
  EXPECT_TRUE(VersionFound);
  EXPECT_EQ(DataKeyCount, 1);
}

}  // namespace
}  // namespace olvex::shell::testing
