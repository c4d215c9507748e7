// Patch sets (*.drc) written and read, and patch layout files merged into a record.
#include <gtest/gtest.h>
#include <malloc.h>

#include "draco/patch_layout_file.h"
#include "draco/patch_set_reader.h"
#include "draco/patch_set_writer.h"
#include "draco_fixture.h"

namespace olvex::draco::test {
namespace {

const std::string kLoadError = "Error loading custom patch set (PATH).\r\nMake sure file is not corrupted or empty.";

std::string loadError(const std::string& path) {
  std::string text = kLoadError;
  return text.replace(text.find("PATH"), 4, path);
}

// A record with every kind of field; slot 5 of the parameters is disabled and so not saved.
PatchRecord fullPatch() {
  PatchRecord r = patch("Example patch");
  r.Description = "First line//Second line";
  r.RequiresYiff = 1;
  r.RequiresSave = 1;
  r.Dependencies = "Empty patch entry,Other";
  slot(r, 0, "4A3C12", "E80CF5FFFF", "9090909090");
  slot(r, 99, "C0FFF0", "00", "01", "02");
  param(r, 0, "4A3C13", "20", "", 3, "Speed");
  param(r, 29, "1A2B", "4294967295", "", 7, "Long value");
  return r;
}

const Names kFullSet = {
    "DRACO=0.3", "",
    "/bgn 000", "Omnipresence=1", "Name=Empty patch entry", "Description=", "",
    "RequiresRemap=0", "RequiresYiff=0", "RequiresPart=0", "RequiresSave=0", "Dependencies=", "",
    "CondBehave=0", "/end 000", "",
    "/bgn 001", "Omnipresence=1", "Name=Example patch", "Description=First line//Second line", "",
    "RequiresRemap=0", "RequiresYiff=1", "RequiresPart=0", "RequiresSave=1",
    "Dependencies=Empty patch entry,Other", "",
    "CondBehave=1",
    "Offffset00=4A3C12", "DeflData00=E80CF5FFFF", "ModNData00=9090909090", "ModRData00=", "",
    "Offffset99=C0FFF0", "DeflData99=00", "ModNData99=01", "ModRData99=02", "",
    "bambi=0|1", "ronno=0|4A3C13", "gprince=0|20", "faline=0|Speed", "mena=0|3",
    "bambi=29|1", "ronno=29|1A2B", "gprince=29|4294967295", "faline=29|Long value", "mena=29|7",
    "/end 001", "",
};

using PatchSetFile = DracoTest;

TEST_F(PatchSetFile, WritesEveryFieldKindAndReadsItBackByteExact) {
  setTable({fullPatch()});
  PatchList[1].Params[0].CurrentValue = "99";     // never saved
  PatchList[1].Params[5].Name = "disabled slot";  // not enabled: not saved
  std::string path = folder.file("set.drc");
  ASSERT_TRUE(SavePatchSet(path));
  std::string expected;
  for (const std::string& l : kFullSet) expected += l + "\r\n";
  EXPECT_EQ(bytesOf(path), expected);

  ClearPatchList();
  LoadPatchSet(path);
  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(PatchList.size(), 2u);
  EXPECT_EQ(PatchList[1], fullPatch());
  EXPECT_EQ(PatchSetVersion, "0.3");

  // Record numbers have at least three digits.
  setTable(std::vector<PatchRecord>(12, patch("p")));
  Names lines = PatchSetLines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "/bgn 012") + std::count(lines.begin(), lines.end(), "/end 012"), 2);
}

TEST_F(PatchSetFile, SaveFailureIsReportedAndCancelIsSilent) {
  std::string bad = folder.file("missing-folder/set.drc");
  EXPECT_FALSE(SavePatchSet(bad));
  EXPECT_EQ(host.texts(), Names{"Error saving patch set (" + bad + ")."});

  host.fileAnswers = {std::nullopt, folder.file("chosen.drc")};
  SavePatchSetAs();
  SavePatchSetAs();
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.dialogs.back().title + "|" + host.dialogs.back().filter,
            "Save Patch Set|DRACO Patch Set (*.drc)|*.drc|All Files (*.*)|*.*");
  EXPECT_EQ(folder.entries(), Names{"chosen.drc"});
}

TEST_F(PatchSetFile, LoadReplacesAndDropsRecordsByTheirNumbers) {
  // What a set holds behind its header, and the names listed after the load.
  const std::vector<std::tuple<std::string, Names, Names>> cases = {
      {"0, 1, 2 replace ten records",
       {"/bgn 000", "Omnipresence=1", "Name=A", "/end 000", "/bgn 001", "Omnipresence=1", "Name=B", "/end 001",
        "/bgn 002", "Omnipresence=1", "Name=C", "/end 002"},
       {"A", "B", "C"}},
      {"0 and 3: the gap is dropped",
       {"/bgn 000", "Omnipresence=1", "Name=A", "/end 000", "/bgn 3", "Omnipresence=1", "Name=D", "/end 3"},
       {"A", "D"}},
      {"a lower number after a high one cuts the table",
       {"/bgn 000", "Omnipresence=1", "Name=A", "/end 000", "/bgn 32767", "Omnipresence=1", "Name=Z", "/end 32767",
        "/bgn 5", "Omnipresence=1", "Name=E", "/end 5"},
       {"A", "E"}},
      {"records below the first one named stay", {"/bgn 002", "Omnipresence=1", "Name=C", "/end 002"},
       {"Empty patch entry", "old 1", "C"}},
      {"stray lines and comments between records; values end before a \";\"",
       {"; comment", "stray text", "/BGN 000", "Omnipresence=1", "[section]", "; Name=Hidden", "Name=A; fixed  ",
        "Whatever=1", "/END 000"},
       {"A"}},
  };
  for (const auto& [what, body, names] : cases) {
    std::vector<PatchRecord> ten(9, patch("old"));
    ten[0].Name = "old 1";
    setTable(ten);
    Names lines = {"draco=0.3"};
    lines.insert(lines.end(), body.begin(), body.end());
    LoadPatchSet(writeSet("set.drc", lines));
    EXPECT_EQ(items(), names) << what;
    EXPECT_TRUE(host.messages.empty()) << what;
  }
}

// Each record starts empty, so no field of what the table held survives; slot keys take two
// digits; parameter entries follow the set's version.
TEST_F(PatchSetFile, RecordsStartEmptyAndParameterKeysFollowTheSetVersion) {
  auto load = [&](const std::string& version) {
    setTable({});
    PatchList[0] = fullPatch();
    LoadPatchSet(writeSet("set.drc", {"DRACO=" + version, "/bgn 000", "Omnipresence=1", "Name=New", "Offffset123=10",
                                      "ModNData07=  9090", "parametervalue=20", "gprince=3|0A",
                                      "ronno=3|" + std::string(60, 'F'), "/end 000"}));
    return PatchList.at(0);
  };
  PatchRecord expected = patch("New", 0);
  expected.Offffset[12] = "10";
  expected.ModNData[7] = "9090";
  expected.Params[3] = {0, std::string(50, 'F'), "0A", "", "", 0};  // the current value is never read
  EXPECT_EQ(load("0.3"), expected);
  expected.Params[3] = {};
  expected.Params[0].DefaultValue = expected.Params[0].CurrentValue = "20";
  EXPECT_EQ(load("0.1"), expected);
}

TEST_F(PatchSetFile, BadFilesLeaveTheTableAloneOrKeepWhatWasReadAndSaySo) {
  setTable({patch("Kept")});
  std::string missing = folder.file("nope.drc");
  LoadPatchSet(missing);
  LoadPatchSet(writeSet("bad.drc", {"DRACX=0.3", "/bgn 000", "Omnipresence=1", "Name=A", "/end 000"}));
  LoadPatchSet("");
  EXPECT_EQ(host.texts(), (Names{"Can't find patch set file (" + missing + ")",
                                 "Patch set header not found! Must be ''DRACO=[version]''"}));
  EXPECT_EQ(items(), (Names{"Empty patch entry", "Kept"}));

  auto second = [](std::string line) {
    return Names{"/bgn 001", "Omnipresence=1", "Name=Second", std::move(line), "/end 001"};
  };
  const std::vector<std::pair<const char*, Names>> cases = {
      {"byte field not a number", second("CondBehave=yes")},
      {"byte field above 255", second("RequiresYiff=256")},
      {"parameter slot 30", second("gprince=30|0A")},
      {"parameter slot not a number", second("bambi=x|1")},
      {"parameter entry without a bar", second("faline=Speed")},
      {"parameter type above 255", second("mena=0|300")},
      {"offset slot not a number", second("ModNData=90")},
      {"offset slot negative", second("DeflData-1=90")},
      {"record index above 32767", {"/bgn 32768", "/end 32768"}},
      {"negative record index", {"/bgn -1", "/end -1"}},
      {"the file ends inside a record", {"/bgn 001", "Name=A"}},
  };
  for (const auto& [what, body] : cases) {
    ClearPatchList();
    host.messages.clear();
    Names lines = {"DRACO=0.3", "/bgn 000", "Omnipresence=1", "Name=Read", "/end 000"};
    lines.insert(lines.end(), body.begin(), body.end());
    std::string path = writeSet("bad.drc", lines);
    LoadPatchSet(path);
    EXPECT_EQ(host.texts(), Names{loadError(path)}) << what;
    EXPECT_EQ(PatchList.at(0).Name, "Read") << what;
    EXPECT_EQ(items(), Names{"Empty patch entry"}) << what << ": not refreshed";
  }
  // A bad record after a high number: the records read so far stand at their numbers.
  ClearPatchList();
  host.messages.clear();
  LoadPatchSet(writeSet("bad.drc", {"DRACO=0.3", "/bgn 40", "Omnipresence=1", "Name=High", "/end 40", "/bgn 41",
                                    "Omnipresence=1", "Name=Bad", "CondBehave=yes", "/end 41"}));
  ASSERT_EQ(PatchList.size(), 42u);
  EXPECT_EQ(PatchList[0].Name + "|" + PatchList[39].Name + "|" + PatchList[40].Name + "|" + PatchList[41].Name,
            "Empty patch entry||High|Bad");
  host.messages.clear();
  putBytes(folder.file("empty.drc"), "");
  LoadPatchSet(folder.file("empty.drc"));
  EXPECT_EQ(host.texts(), Names{loadError(folder.file("empty.drc"))});
}

// Bytes the allocator has handed out and not taken back.
long long heapInUse() {
  struct mallinfo2 info = mallinfo2();
  return static_cast<long long>(info.uordblks + info.hblkhd);
}

// A set cut off inside the highest record number a set may use: the records read so far stand at
// their numbers, so the table holds 32,768 records, nearly all of them empty. An empty record
// holds no slots, so the table stays a few megabytes.
TEST_F(PatchSetFile, ASetCutOffAtTheHighestNumberKeepsItsRecordsWithoutTheirSlots) {
  const long long before = heapInUse();
  std::string path = writeSet("cut.drc", {"DRACO=0.3", "/bgn 32767", "Omnipresence=1", "Name=x"});
  LoadPatchSet(path);
  EXPECT_EQ(host.texts(), Names{loadError(path)});
  ASSERT_EQ(PatchList.size(), 32768u);
  EXPECT_EQ(PatchList[0].Name + "|" + PatchList[32766].Name + "|" + PatchList[32767].Name, "Empty patch entry||x");
  EXPECT_LT(heapInUse() - before, 32768 * 512) << "more than 512 bytes a record";
  ResetPatches();  // the start-up's next step refreshes the list
  EXPECT_EQ(items(), (Names{"Empty patch entry", "x"}));
}

TEST(PatchLayoutFile, MergesIntoWhatTheEditorHolds) {
  PatchRecord r = patch("Kept name");
  r.Dependencies = "A,B";
  slot(r, 0, "100", "01", "02");
  slot(r, 3, "300", "03", "04");
  param(r, 2, "500", "7", "", 3, "kept");
  MergePatchLayout({"offffset03=333", "DEFLDATA3=AA", "Offffset07=777", "ModNData123=12 slot", "omnipresence=0",
                    "condbehave=1", "gprince=2|9", "; a comment", "[section]", "stray text", "RequiresPart=2",
                    "Offffsetxy=5", "bambi=|1"},
                   r);
  PatchRecord expected = patch("Kept name");
  expected.Dependencies = "A,B";
  expected.RequiresPart = 2;
  slot(expected, 0, "5", "01", "02");  // no number after the key word: slot 0
  slot(expected, 3, "333", "AA", "04");
  slot(expected, 7, "777", "", "");
  expected.ModNData[12] = "12 slot";
  param(expected, 2, "500", "9", "", 3, "kept");  // an entry that begins with "|" stores nothing
  EXPECT_EQ(r, expected);
}

TEST(PatchLayoutFile, BadLineStopsTheMergeKeepingWhatCameBefore) {
  const Names bad = {
      "CondBehave=2", "CondBehave=x", "RequiresRemap=3", "RequiresSave=-1", "Offffset-1=10",
      "bambi=30|1", "mena=0|256", "faline=no bar", "ronno=x|10",
  };
  for (const std::string& line : bad) {
    PatchRecord r;
    EXPECT_THROW(MergePatchLayout({"Name=read before", line, "Dependencies=never read"}, r), PatchSetError) << line;
    EXPECT_EQ(r.Name + "|" + r.Dependencies, "read before|") << line;
  }
}

}  // namespace
}  // namespace olvex::draco::test
