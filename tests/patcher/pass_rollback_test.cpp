// Every way a pass can fail leaves the executable as it was, no working copy behind, and says so.
#include <sys/stat.h>

#include <filesystem>

#include <unistd.h>

#include "pass_fixture.h"
#include "platform/files.h"
#include "support/unprivileged.h"

namespace olvex::patcher::test {
namespace {

const std::string kFailureText =
    "Cannot process with tomb4.exe modifying. Make sure you're using correct config file.";

class RollbackTest : public PassTest {
 protected:
  // The pass failed: one message (with a second line naming the key of a refused layout, or the
  // file and the system's reason of a file error), the executable untouched, the progress display
  // hidden.
  void expectRolledBack(const std::string& original, const std::string& detail = "") {
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Cannot modify file");
    EXPECT_EQ(host.messages[0].text, detail.empty() ? kFailureText : kFailureText + "\r\n" + detail);
    EXPECT_EQ(exeBytes(), original);
    auto& f = ui::Forms::get<shell::Form1>();
    EXPECT_FALSE(f.Label10.visible() || f.Shape3.visible() || f.Shape4.visible());
  }
};

TEST_F(RollbackTest, VersionSectionLackingAKeyOrAFieldRollsBack) {
  struct Row {
    const char* dropped;  // config lines starting with this are removed
    bool extend;
    const char* detail = "";
  } rows[] = {
      {"LTOffset=", false},             // main stage, offset key
      {"VolFXDefData=", false},         // main stage, data field
      {"IncStaticLimit7Offset3=", false},
      {"PartBuffer1Offset42=", false},  // last row of the main stage
      {"EOFOffset=", false, "EOFOffset: the version section lacks it"},  // checked before the copy
      {"ExtendedSizeNum=", true, "ExtendedSizeNum: the version section lacks it"},
      {"ExtSGJmp2DataD=", false},       // size stage, savegame hooks
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.dropped);
    std::string original = reflayout::referenceExecutable();
    original[5000] ^= 0x55;  // not the generator's bytes, so only a rename could restore them
    putBytes(exe(), original);
    configWithout(r.dropped);
    shell::ResetVersionTables();
    shell::Form1& f = start();
    f.Check9.setValue(r.extend ? 1 : 0);
    pass();
    expectRolledBack(original, r.detail);
    EXPECT_FALSE(workingCopyLeft());
    ui::Forms::reset();
  }
}

TEST_F(RollbackTest, CopyThatCannotBeMadeIsReportedAndLosesNothing) {
  start();
  std::filesystem::create_directory(dir.file("tomb4.exe0"));  // the working copy's name is taken
  pass();
  expectRolledBack(reflayout::referenceExecutable(), "Cannot replace \"" + exe() + "0\": Is a directory");
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("tomb4.exe0")));  // not ours to remove
}

TEST_F(RollbackTest, ReadOnlyFolderIsReportedAndLosesNothing) {
  start();
  ::chmod(dir.path().c_str(), 0555);
  // Root may write into a read-only folder; the pass runs as a user who may not.
  std::string seen = olvex::test::RunUnprivileged([&] {
    pass();
    std::string r;
    for (const auto& m : host.messages) r += m.text + "|";
    return r;
  });
  ::chmod(dir.path().c_str(), 0700);
  EXPECT_EQ(seen, kFailureText + "\r\nCannot create the lock \"" + exe() + ".olvex-lock\": Permission denied|");
  EXPECT_EQ(exeBytes(), reflayout::referenceExecutable());
  EXPECT_EQ(dir.entries(), kFolderAfterStartUp);
}

TEST_F(RollbackTest, CommitThatCannotRenameIsReportedAndLosesNothing) {
  start();
  std::string original = exeBytes();
  // The last writer takes the working copy away, so the rename has nothing to move.
  passHooks().StageWriters["DRACO"] = [this](platform::RandomAccessFile&) { platform::removeFile(dir.file("tomb4.exe0")); };
  pass();
  expectRolledBack(original, "Cannot open \"" + exe() + "0\": No such file or directory");
  EXPECT_FALSE(workingCopyLeft());
}

TEST_F(RollbackTest, WriterThatThrowsRollsBack) {
  start();
  passHooks().StageWriters["RACETIMER"] = [](platform::RandomAccessFile& file) {
    file.write(1, "XX");
    throw platform::FileError("disk full");
  };
  pass();
  expectRolledBack(reflayout::referenceExecutable(), "disk full");
  EXPECT_FALSE(workingCopyLeft());
}

TEST_F(PassTest, LeftoverWorkingCopyIsOverwritten) {
  start();
  putBytes(dir.file("tomb4.exe0"), "left from an interrupted run");
  pass();
  EXPECT_EQ(exeBytes(), reflayout::referenceExecutable());
  EXPECT_FALSE(workingCopyLeft());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(dir.entries(), kFolderAfterStartUp);
}

}  // namespace
}  // namespace olvex::patcher::test
