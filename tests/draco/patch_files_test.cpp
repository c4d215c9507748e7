// Patch sets (*.drc) written and read, and patch layout files merged into a record.
#include <gtest/gtest.h>

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

const std::vector<std::string> kFullSet = {
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
  std::vector<std::string> lines = PatchSetLines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "/bgn 012") + std::count(lines.begin(), lines.end(), "/end 012"), 2);
}

TEST_F(PatchSetFile, SaveFailureIsReportedAndCancelIsSilent) {
  std::string bad = folder.file("missing-folder/set.drc");
  EXPECT_FALSE(SavePatchSet(bad));
  EXPECT_EQ(host.texts(), std::vector<std::string>{"Error saving patch set (" + bad + ")."});

  host.fileAnswers = {std::nullopt, folder.file("chosen.drc")};
  SavePatchSetAs();
  SavePatchSetAs();
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.dialogs.back().title, "Save Patch Set");
  EXPECT_EQ(host.dialogs.back().filter, "DRACO Patch Set (*.drc)|*.drc|All Files (*.*)|*.*");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"chosen.drc"});
}

TEST_F(PatchSetFile, LoadReplacesAndDropsRecordsByTheirNumbers) {
  struct Case {
    const char* what;
    std::vector<std::string> body;
    std::vector<std::string> names;
  };
  const std::vector<Case> cases = {
      {"0, 1, 2 replace ten records",
       {"/bgn 000", "Omnipresence=1", "Name=A", "/end 000", "/bgn 001", "Omnipresence=1", "Name=B", "/end 001",
        "/bgn 002", "Omnipresence=1", "Name=C", "/end 002"},
       {"A", "B", "C"}},
      {"0 and 3: the gap is dropped",
       {"/bgn 000", "Omnipresence=1", "Name=A", "/end 000", "/bgn 3", "Omnipresence=1", "Name=D", "/end 3"},
       {"A", "D"}},
      {"records below the first one named stay", {"/bgn 002", "Omnipresence=1", "Name=C", "/end 002"},
       {"Empty patch entry", "old 1", "C"}},
      {"stray lines and comments between records; values end before a \";\"",
       {"; comment", "stray text", "/BGN 000", "Omnipresence=1", "[section]", "; Name=Hidden", "Name=A; fixed  ",
        "Whatever=1", "/END 000"},
       {"A"}},
  };
  for (const Case& c : cases) {
    std::vector<PatchRecord> ten(9, patch("old"));
    ten[0].Name = "old 1";
    setTable(ten);
    std::vector<std::string> lines = {"draco=0.3"};
    lines.insert(lines.end(), c.body.begin(), c.body.end());
    LoadPatchSet(writeSet("set.drc", lines));
    EXPECT_EQ(items(), c.names) << c.what;
    EXPECT_TRUE(host.messages.empty()) << c.what;
  }
}

TEST_F(PatchSetFile, EachRecordStartsEmptyAndSlotKeysTakeTwoDigits) {
  PatchRecord old = fullPatch();
  old.Name = "Empty patch entry";
  setTable({});
  PatchList[0] = old;
  LoadPatchSet(writeSet("set.drc", {"DRACO=0.3", "/bgn 000", "Omnipresence=1", "Name=New", "Offffset123=10",
                                    "ModNData07=  9090", "/end 000"}));
  PatchRecord expected = patch("New", 0);
  expected.Offffset[12] = "10";
  expected.ModNData[7] = "9090";
  EXPECT_EQ(PatchList.at(0), expected);
}

TEST_F(PatchSetFile, ParameterKeysFollowTheSetVersion) {
  const std::vector<std::string> body = {"/bgn 000",        "Omnipresence=1",   "Name=A",
                                         "parametervalue=20", "gprince=3|0A",     "ronno=3|" + std::string(60, 'F'),
                                         "/end 000"};
  auto load = [&](const std::string& version) {
    std::vector<std::string> lines = {"DRACO=" + version};
    lines.insert(lines.end(), body.begin(), body.end());
    ClearPatchList();
    LoadPatchSet(writeSet("set.drc", lines));
    return PatchList.at(0).Params;
  };
  auto old = load("0.1");
  EXPECT_EQ(old[0].DefaultValue + "|" + old[0].CurrentValue + "|" + old[3].DefaultValue, "20|20|");
  auto current = load("0.3");
  EXPECT_EQ(current[0].DefaultValue + "|" + current[3].DefaultValue + "|" + current[3].CurrentValue, "|0A|");
  EXPECT_EQ(current[3].Offset, std::string(50, 'F'));
}

TEST_F(PatchSetFile, BadFilesLeaveTheTableAloneOrKeepWhatWasReadAndSaySo) {
  setTable({patch("Kept")});
  std::string missing = folder.file("nope.drc");
  LoadPatchSet(missing);
  LoadPatchSet(writeSet("bad.drc", {"DRACX=0.3", "/bgn 000", "Omnipresence=1", "Name=A", "/end 000"}));
  LoadPatchSet("");
  EXPECT_EQ(host.texts(), (std::vector<std::string>{"Can't find patch set file (" + missing + ")",
                                                    "Patch set header not found! Must be ''DRACO=[version]''"}));
  EXPECT_EQ(items(), (std::vector<std::string>{"Empty patch entry", "Kept"}));

  auto second = [](std::string line) {
    return std::vector<std::string>{"/bgn 001", "Omnipresence=1", "Name=Second", std::move(line), "/end 001"};
  };
  const std::vector<std::pair<const char*, std::vector<std::string>>> cases = {
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
    std::vector<std::string> lines = {"DRACO=0.3", "/bgn 000", "Omnipresence=1", "Name=Read", "/end 000"};
    lines.insert(lines.end(), body.begin(), body.end());
    std::string path = writeSet("bad.drc", lines);
    LoadPatchSet(path);
    EXPECT_EQ(host.texts(), std::vector<std::string>{loadError(path)}) << what;
    EXPECT_EQ(PatchList.at(0).Name, "Read") << what;
    EXPECT_EQ(items(), std::vector<std::string>{"Empty patch entry"}) << what << ": not refreshed";
  }
  host.messages.clear();
  putBytes(folder.file("empty.drc"), "");
  LoadPatchSet(folder.file("empty.drc"));
  EXPECT_EQ(host.texts(), std::vector<std::string>{loadError(folder.file("empty.drc"))});
}

TEST(PatchLayoutFile, ExampleRecordWritesTheExampleAndReadsBack) {
  PatchRecord example = examplePatch();
  example.Params[0].CurrentValue = "77";   // never part of a layout
  example.Params[4].Name = "not enabled";  // not written
  EXPECT_EQ(PatchLayoutLines(example, 1), kExampleLayout);

  PatchRecord back;
  back.Omnipresence = 1;
  back.Params[0].CurrentValue = "77";
  back.Params[4].Name = "not enabled";
  MergePatchLayout(kExampleLayout, back);
  EXPECT_EQ(back, example);
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
  const std::vector<std::string> bad = {
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
