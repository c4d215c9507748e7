// Every way a pass can fail leaves the executable as it was, no working copy behind, and says so.
#include <sys/stat.h>

#include <filesystem>
#include <functional>

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
  expectRolledBack(reflayout::referenceExecutable(), "Cannot create \"" + exe() + "0\": a folder has that name");
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

TEST_F(RollbackTest, CommitWithoutItsWorkingCopyIsReportedAndLosesNothing) {
  start();
  std::string original = exeBytes();
  // The last writer takes the working copy away, so the rename has nothing to move.
  passHooks().StageWriters["DRACO"] = [this](platform::RandomAccessFile&) { platform::removeFile(dir.file("tomb4.exe0")); };
  pass();
  expectRolledBack(original, "Cannot replace \"" + exe() + "\": its working copy \"" + exe() +
                                 "0\" was removed or replaced meanwhile");
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

// What stands at a name: a link or a file (its length, and its bytes when small), or nothing.
struct Found {
  bool link = false, file = false;
  std::uintmax_t length = 0;
  std::string bytes;
  bool operator==(const Found&) const = default;
};

Found foundAt(const std::string& path) {
  namespace fs = std::filesystem;
  Found f;
  f.link = fs::is_symlink(path);
  f.file = fs::exists(path);
  if (f.file) f.length = fs::file_size(path);
  if (f.file && f.length < (std::uintmax_t{1} << 24)) f.bytes = bytesOf(path);
  return f;
}

// Another program changes the executable while the pass runs: between the check of its length
// and the copy of its bytes, or while the stages write. The pass copies no more than it checked,
// never commits over a changed file, says so, and leaves the file as the change left it.
TEST_F(RollbackTest, AnExecutableChangedDuringThePassIsLeftAsTheChangeLeftIt) {
  namespace fs = std::filesystem;
  const std::string changed = "Cannot replace \"" + exe() +
                              "\": it changed after it was copied (another program wrote, moved or removed it); it is "
                              "left as it is now";
  const std::string newer = dir.file("newer.exe");
  const std::uintmax_t huge = std::uintmax_t{4} << 30;  // sparse: nothing is written
  const struct {
    const char* name;
    bool beforeCopy;  // else while the stages write
    std::function<void()> change;
    std::string detail;
  } rows[] = {
      {"cut short in place", true, [&] { fs::resize_file(exe(), 4096); },
       "Cannot read \"" + exe() + "\": unexpected end of file"},
      {"lengthened in place", true, [&] { fs::resize_file(exe(), huge); }, changed},
      {"a huge file moved into place", true,
       [&] {
         putBytes(newer, "MZ");
         fs::resize_file(newer, huge);
         fs::rename(newer, exe());
       },
       changed},
      {"a newer file written in place", false, [&] { putBytes(exe(), reflayout::referenceExecutable() + "newer"); },
       changed},
      {"a newer file moved into place", false,
       [&] {
         putBytes(newer, reflayout::referenceExecutable() + "newer");
         fs::rename(newer, exe());
       },
       changed},
      {"removed", false, [&] { fs::remove(exe()); }, changed},
      {"replaced by a link", false,
       [&] {
         fs::rename(exe(), newer);
         fs::create_symlink(newer, exe());
       },
       changed},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    fs::remove(newer);
    putBytes(exe(), reflayout::referenceExecutable());
    start();
    Found left;
    auto change = [&] {
      r.change();
      left = foundAt(exe());
    };
    passHooks().BeforeCopy = r.beforeCopy ? change : std::function<void()>();
    passHooks().StageWriters["DRACO"] = [&](platform::RandomAccessFile&) {
      if (!r.beforeCopy) change();
    };
    pass();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kFailureText + "\r\n" + r.detail);
    EXPECT_TRUE(foundAt(exe()) == left);
    EXPECT_FALSE(workingCopyLeft());
    ui::Forms::reset();
  }
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
