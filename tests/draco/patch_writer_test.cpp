// The "DRACO" stage over a file of filler bytes: which patches are applied or restored, in
// which order, and with which bytes.
#include "draco/patch_writer.h"

#include <gtest/gtest.h>

#include "draco_fixture.h"
#include "platform/files.h"

namespace olvex::draco::test {
namespace {

constexpr char kFill = '\xEE';
constexpr long long kFileLength = 0xC1010;

class PatchWriterTest : public DracoTest {
 protected:
  PatchWriterTest() { putBytes(path, std::string(kFileLength, kFill)); }

  // Runs the writer over the file; true when it reported nothing.
  bool write(const RequirementChecks& checks = {}) {
    platform::RandomAccessFile file(path, platform::RandomAccessFile::Mode::ReadWrite);
    bool ok = WriteDraco(file, checks);
    file.close();
    image = bytesOf(path);
    return ok;
  }
  // The bytes at 0-based offset `at`, and the offsets whose byte changed.
  std::string at(long long offset, std::size_t n) const { return image.substr(offset, n); }
  std::vector<long long> changed() const {
    std::vector<long long> offsets;
    for (long long i = 0; i < static_cast<long long>(image.size()); ++i)
      if (image[i] != kFill) offsets.push_back(i);
    return offsets;
  }

  std::string path = folder.file("work.exe");
  std::string image;
};

// A requirement the executable lacks restores the default bytes; the remapped bytes go by the
// scene memory the pass writes for.
TEST_F(PatchWriterTest, RequirementsAreMetByTheExecutableAndRemappedBytesGoByThePassSceneMemory) {
  for (const Requirement& r : kRequirements) {
    PatchRecord p = patch("P");
    slot(p, 0, "100", "22", "11");
    p.*r.flag = 1;
    setTable({p});
    SetItemSelected(1, true);
    RequirementChecks checks{true, true, true, true};
    checks.*r.met = false;
    ASSERT_TRUE(write(checks));
    EXPECT_EQ(at(0x100, 1), "\x22") << r.option << " unmet: default bytes back";
    checks.*r.met = true;
    ASSERT_TRUE(write(checks));
    EXPECT_EQ(at(0x100, 1), "\x11") << r.option;
  }
  PatchRecord p = patch("P");
  slot(p, 0, "10", "00", "AA", "BB");
  slot(p, 1, "20", "00", "CC", "");
  setTable({p});
  SetItemSelected(1, true);
  const std::vector<std::pair<bool, std::string>> cases = {{false, "\xAA\xCC"}, {true, "\xBB\xCC"}};
  for (const auto& [remapped, expected] : cases) {
    ASSERT_TRUE(write({remapped}));
    EXPECT_EQ(at(0x10, 1) + at(0x20, 1), expected) << remapped;
  }
}

TEST_F(PatchWriterTest, WhatIsWrittenForEachKindOfPatch) {
  std::vector<PatchRecord> records = {patch("A"), patch("Deleted"), patch(""), patch("Ignored", 0),
                                      patch("Needs A"), patch("Needs nobody"), patch("Not selected")};
  records[4].Dependencies = "A";
  records[5].Dependencies = "Nobody";
  for (int k = 1; k < 7; ++k) slot(records[k], 0, std::to_string(k), "01", "02");
  setTable(records);
  for (int k = 2; k <= 6; ++k) SetItemSelected(k, k != 4);  // "Ignored" and A not selected
  PatchList[2].Omnipresence = 0;                             // marked deleted after the refresh
  ASSERT_TRUE(write());
  // Dependency unmet: restored; unknown dependency: applied; not selected: restored.
  EXPECT_EQ(changed(), (std::vector<long long>{4, 5, 6}));
  EXPECT_EQ(at(4, 3), "\x01\x02\x01");
}

// Records of one name go by the check mark of the last item showing that name, whichever they are.
TEST_F(PatchWriterTest, RecordsOfOneNameGoByTheLastItemOfThatName) {
  std::vector<PatchRecord> twins = {patch("Twin"), patch("Twin")};
  slot(twins[0], 0, "10", "01", "02");
  slot(twins[1], 0, "11", "01", "02");
  setTable(twins);
  for (bool lastChecked : {false, true}) {
    SetItemSelected(1, !lastChecked);
    SetItemSelected(2, lastChecked);
    ASSERT_TRUE(write());
    EXPECT_EQ(at(0x10, 2), lastChecked ? "\x02\x02" : "\x01\x01") << "last item checked: " << lastChecked;
  }
}

// A dependency is the first record with exactly its name, and its check mark is the item at that
// record's place: later records of the name and names differing in case do not count.
TEST_F(PatchWriterTest, ADependencyIsTheFirstRecordOfExactlyItsName) {
  struct Case {
    std::string dependencies;
    std::vector<bool> checked;  // "Base", "Base", "base"
    bool applied;
  };
  const Case cases[] = {
      {"Base", {false, true, true}, false}, {"Base", {true, false, false}, true},
      {"base", {true, true, false}, false}, {"BASE", {false, false, false}, true},
      {",Missing,,Base,", {true, false, false}, true}, {"Missing,,Base", {false, true, true}, false},
  };
  for (const Case& c : cases) {
    PatchRecord needs = patch("Needs");
    needs.Dependencies = c.dependencies;
    slot(needs, 0, "10", "01", "02");
    setTable({patch("Base"), patch("Base"), patch("base"), needs});
    for (int k = 0; k < 3; ++k) SetItemSelected(k + 1, c.checked[k]);
    SetItemSelected(4, true);
    ASSERT_TRUE(write());
    EXPECT_EQ(at(0x10, 1), c.applied ? "\x02" : "\x01") << c.dependencies << " " << ::testing::PrintToString(c.checked);
  }
}

TEST_F(PatchWriterTest, ParametersOverrideAppliedBytesAndDefaultBytesOverrideDefaultValues) {
  PatchRecord p = patch("P");
  slot(p, 0, "10", "01020304", "AABBCCDD");
  param(p, 0, "11", "22", "11", 0);
  param(p, 1, "30", "7", "", 3);  // empty current value: not written when applied
  param(p, 2, "1A2B", "0", "300", 4);
  setTable({p});
  SetItemSelected(1, true);
  ASSERT_TRUE(write());
  EXPECT_EQ(at(0x10, 4) + at(0x30, 1) + at(0x1A2B, 2), "\xAA\x11\xCC\xDD\xEE\x2C\x01");
  SetItemSelected(1, false);
  ASSERT_TRUE(write());
  EXPECT_EQ(at(0x10, 4) + at(0x30, 1) + at(0x1A2B, 2), std::string("\x01\x02\x03\x04\x07\x00\x00", 7));
}

TEST_F(PatchWriterTest, LaterRecordsWinAndDefaultsAreRestoredOnlyBelowTheExtendedArea) {
  PatchRecord first = patch("First"), second = patch("Second"), p = patch("P");
  slot(first, 0, "40", "00", "1111");
  slot(second, 0, "41", "00", "22");
  slot(p, 0, "C0FFD", "01", "0A");
  slot(p, 1, "C0FFE", "02", "0B");
  param(p, 0, "C0FFC", "3", "13", 3);
  param(p, 1, "C1000", "4", "14", 3);
  setTable({first, second, p});
  SetItemSelected(1, true);
  SetItemSelected(2, true);
  ASSERT_TRUE(write());
  EXPECT_EQ(changed(), (std::vector<long long>{0x40, 0x41, 0xC0FFC, 0xC0FFD}));
  EXPECT_EQ(at(0x40, 2) + at(0xC0FFC, 2), "\x11\x22\x03\x01");
  SetItemSelected(3, true);
  ASSERT_TRUE(write());
  EXPECT_EQ(at(0xC0FFC, 5), "\x0D\x0A\x0B\xEE\x0E") << "applied patches write anywhere";
}

TEST_F(PatchWriterTest, BadPlacesAreSkippedReportedOnceAndTheRestIsWritten) {
  PatchRecord bad = patch("Bad"), good = patch("Good");
  slot(bad, 0, "XYZ", "00", "01");
  slot(bad, 1, "123456789", "00", "02");
  slot(bad, 2, "50", "00", "03");
  slot(bad, 3, "C100F", "00", "0405");  // one byte past the end of the file
  param(bad, 0, "", "0", "9", 3);       // enabled without an offset
  slot(good, 0, "100", "22", "11");
  setTable({bad, good});
  SetItemSelected(1, true);
  SetItemSelected(2, true);
  EXPECT_FALSE(write());
  EXPECT_EQ(host.texts(), Names{"DRACO: errors when writing custom patch codes."});
  EXPECT_EQ(changed(), (std::vector<long long>{0x50, 0x100}));
  EXPECT_EQ(static_cast<long long>(image.size()), kFileLength);
}

TEST_F(PatchWriterTest, ASingleBadPlaceIsReportedToo) {
  PatchRecord bad = patch("Bad");
  slot(bad, 0, "XYZ", "00", "01");
  setTable({bad});
  SetItemSelected(1, true);
  EXPECT_FALSE(write());
  EXPECT_EQ(host.texts(), Names{"DRACO: errors when writing custom patch codes."});
}

TEST_F(PatchWriterTest, ParameterBytesByType) {
  const std::vector<std::tuple<std::string, int, std::string>> cases = {
      {"0A", 0, "\x0A"},
      {"1234", 1, "\x12\x34"},
      {"0000001F", 2, std::string("\x00\x00\x00\x1F", 4)},
      {"255", 3, "\xFF"},
      {"300", 4, "\x2C\x01"},
      {"-1", 5, "\xFF"},
      {"-32768", 6, std::string("\x00\x80", 2)},
      {"4294967295", 7, "\xFF\xFF\xFF\xFF"},
      {"3000000000", 7, std::string("\x00\x5E\xD0\xB2", 4)},
      {"-2", 7, "\xFE\xFF\xFF\xFF"},
      {"9", 8, std::string(1, '\0')},
  };
  for (const auto& [value, type, bytes] : cases) EXPECT_EQ(ParamBytes(value, type), bytes) << value << " type " << type;
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(ParamBytes("4294967296", 7), std::string(4, '\0'));
  EXPECT_EQ(host.texts(), Names{"Warning: possible error during DEC>HEX conversion. You have entered incorrect value "
                                "(4294967296)."});
}

}  // namespace
}  // namespace olvex::draco::test
