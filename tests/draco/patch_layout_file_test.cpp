#include "draco/patch_layout_file.h"

#include <gtest/gtest.h>

#include "draco/patch_set_reader.h"
#include "draco_fixture.h"

namespace olvex::draco::test {
namespace {

TEST(PatchLayoutFile, ExampleRecordWritesTheExampleAndReadsBack) {
  PatchRecord example = examplePatch();
  example.Params[0].CurrentValue = "77";  // never part of a layout
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
                    "condbehave=1", "gprince=2|9", "; a comment", "[section]", "stray text"},
                   r);
  EXPECT_EQ(r.Name, "Kept name");
  EXPECT_EQ(r.Dependencies, "A,B");
  EXPECT_EQ(r.Omnipresence, 1);
  EXPECT_EQ(r.CondBehave, 1);
  EXPECT_EQ(r.Offffset[0], "100");
  EXPECT_EQ(r.Offffset[3], "333");
  EXPECT_EQ(r.DeflData[3], "AA");
  EXPECT_EQ(r.ModNData[3], "04");
  EXPECT_EQ(r.Offffset[7], "777");
  EXPECT_EQ(r.ModNData[12], "12 slot");
  EXPECT_EQ(r.Params[2].DefaultValue, "9");
  EXPECT_EQ(r.Params[2].Name, "kept");
}

TEST(PatchLayoutFile, BadLineStopsTheMergeKeepingWhatCameBefore) {
  const std::vector<std::string> bad = {
      "CondBehave=2", "CondBehave=x", "RequiresRemap=3", "RequiresSave=-1", "Offffset-1=10",
      "bambi=30|1", "mena=0|256", "faline=no bar", "ronno=x|10",
  };
  for (const std::string& line : bad) {
    PatchRecord r;
    EXPECT_THROW(MergePatchLayout({"Name=read before", line, "Dependencies=never read"}, r), PatchSetError) << line;
    EXPECT_EQ(r.Name, "read before") << line;
    EXPECT_EQ(r.Dependencies, "") << line;
  }
  PatchRecord r;
  MergePatchLayout({"RequiresPart=2", "CondBehave=0", "Offffsetxy=5", "bambi=|1"}, r);
  EXPECT_EQ(r.RequiresPart, 2);
  EXPECT_EQ(r.Offffset[0], "5");  // no number after the key word: slot 0
  EXPECT_EQ(r.Params[0].Enabled, 0);  // an entry that begins with "|" stores nothing
}

}  // namespace
}  // namespace olvex::draco::test
