// A pass never makes the file larger than its layout allows: the version section's lengths and
// PE header positions are checked against the executable before anything is copied, an
// executable far larger than any layout is refused, and writes beyond the layout are errors.
#include <sys/stat.h>
#include <unistd.h>

#include "pass_fixture.h"
#include "patcher/layout_check.h"
#include "platform/files.h"

namespace olvex::patcher::test {
namespace {

const std::string kFailureText =
    "Cannot process with tomb4.exe modifying. Make sure you're using correct config file.";

class BoundsTest : public PassTest {
 protected:
  // Writes the built-in config with the line of `key` replaced by key=value.
  void configWith(const std::string& key, const std::string& value) {
    std::string text(shell::BuiltInConfigText());
    std::size_t at = text.find("\n" + key + "=");
    ASSERT_NE(at, std::string::npos) << key;
    std::size_t end = text.find_first_of("\r\n", at + 1);
    text.replace(at + 1, end - at - 1, key + "=" + value);
    putBytes(dir.file("olvex.cfg"), text);
  }
  // The pass was refused with the detail: nothing copied, nothing written, nothing left behind.
  void expectRefused(const std::string& original, const std::string& detail) {
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kFailureText + "\r\n" + detail);
    EXPECT_EQ(exeBytes(), original);
    EXPECT_EQ(dir.entries(), kFolderAfterStartUp);
  }
};

TEST_F(BoundsTest, AVersionSectionOutOfBoundsIsRefusedNamingTheKey) {
  const std::string area = std::to_string(MaxAppendedArea());
  struct Row {
    const char* key;
    const char* value;
    bool extend;
    std::string detail;
  } rows[] = {
      {"EOFOffset", "2147483647", false,
       "EOFOffset=2147483647: the standard file of 2147483646 bytes leaves no room for the appended area in a "
       "32-bit image"},
      {"EOFOffset", "1000000", false,
       "EOFOffset=1000000: the standard file would end beyond the end of tomb4.exe (790528 bytes)"},
      {"EOFOffset", "1", false, "EOFOffset=1: the standard file would be empty"},
      {"ExtendedSizeNum", "2147483647", true,
       "ExtendedSizeNum=2147483647: an appended area of 2147483648 bytes is beyond the limit of " + area + " bytes"},
      {"ExtendedSizeNum", "2147483647", false,  // out of bounds even when this pass does not extend
       "ExtendedSizeNum=2147483647: an appended area of 2147483648 bytes is beyond the limit of " + area + " bytes"},
      {"ExtendedSizeNum", "-2", true, "ExtendedSizeNum=-2: the appended area cannot be smaller than one byte"},
      {"ExtendedSizeNum", "1048575", true,  // the new section would declare only part of the area
       "ExtendedSizeNoRelData: the new section must hold the 1048576 appended bytes at file offset 790528, as "
       "EOFOffset and ExtendedSizeNum say"},
      {"EOFOffset", "790528", false,
       "ExtendedSizeNoRelData: the new section must hold the 524288 appended bytes at file offset 790527, as "
       "EOFOffset and ExtendedSizeNum say"},
      {"ExtSizePEHeaderOffset1", "2147483647", true,
       "ExtSizePEHeaderOffset1=2147483647: the section count of tomb4.exe is at position 263"},
      {"ExtSizePEHeaderOffset2", "263", false,
       "ExtSizePEHeaderOffset2=263: the size of image of tomb4.exe is at positions 337 to 340"},
      {"ExtSizePEHeaderOffset3", "2147483647", true,
       "ExtSizePEHeaderOffset3=2147483647: not the place of a further section header in the table of tomb4.exe "
       "(from position 505, headers end at 4096)"},
      {"ExtSizePEHeaderOffset3", "666", true,
       "ExtSizePEHeaderOffset3=666: not the place of a further section header in the table of tomb4.exe (from "
       "position 505, headers end at 4096)"},
      {"ExtSizePEHeaderOffset3", "505", true,  // the first section's own header
       "ExtSizePEHeaderOffset3=505: not the place of a further section header in the table of tomb4.exe (from "
       "position 505, headers end at 4096)"},
  };
  std::string original = reflayout::referenceExecutable();
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.key) + "=" + r.value);
    configWith(r.key, r.value);
    shell::ResetVersionTables();
    shell::Form1& f = start();
    f.Check9.setValue(r.extend ? 1 : 0);
    pass();
    expectRefused(original, r.detail);
    ui::Forms::reset();
  }
}

TEST_F(BoundsTest, AnExecutableWithoutAPeHeaderIsRefused) {
  std::string original = reflayout::referenceExecutable();
  for (std::size_t at : {std::size_t{0}, std::size_t{0x100}, std::size_t{0x118}}) {  // MZ, PE, PE32 magic
    SCOPED_TRACE(at);
    std::string broken = original;
    broken[at] = 'X';
    putBytes(exe(), broken);
    start();
    pass();
    expectRefused(broken, "ExtSizePEHeaderOffset1: tomb4.exe has no PE32 header within its standard length");
    ui::Forms::reset();
  }
}

TEST_F(BoundsTest, AnExecutableFarLargerThanAnyLayoutIsNotCopied) {
  start();
  // A sparse file of 4 GiB: a copy would take gigabytes of disk; the refusal takes none.
  ASSERT_EQ(::truncate(exe().c_str(), std::int64_t{4} << 30), 0);
  pass();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            kFailureText + "\r\ntomb4.exe has 4294967296 bytes, far more than any layout of its version section "
                           "(at most 1314816 bytes)");
  struct stat st {};
  ::stat(exe().c_str(), &st);
  EXPECT_EQ(st.st_size, std::int64_t{4} << 30);
  EXPECT_EQ(dir.entries(), kFolderAfterStartUp);
}

TEST_F(BoundsTest, AnExecutableSomewhatLongerThanItsLayoutIsCutBack) {
  // Extended by an earlier config with a larger area: still this game's file.
  std::string longer = reflayout::referenceExecutable();
  longer.resize(2 * kExtendedLength, '\x90');
  putBytes(exe(), longer);
  shell::Form1& f = start();
  f.Check9.setValue(1);
  pass();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(exeBytes().size(), kExtendedLength);
}

TEST_F(BoundsTest, WritesBeyondTheLayoutAreErrors) {
  struct Row {
    bool extend;
    std::int64_t position;  // where the last stage's writer puts 4 bytes
    bool commits;
  } rows[] = {
      {true, kExtendedLength - 3, true},  // the last four bytes of the appended area
      {true, kExtendedLength - 2, false},
      {false, reflayout::kStandardLength - 3, true},
      {false, reflayout::kStandardLength + 1, false},  // the appended area does not exist
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.position);
    putBytes(exe(), reflayout::referenceExecutable());
    shell::Form1& f = start();
    f.Check9.setValue(r.extend ? 1 : 0);
    passHooks().StageWriters["DRACO"] = [&](platform::RandomAccessFile& file) { file.write(r.position, "ABCD"); };
    pass();
    EXPECT_EQ(host.messages.empty(), r.commits);
    EXPECT_EQ(exeBytes().size(), r.commits ? (r.extend ? kExtendedLength : reflayout::kStandardLength)
                                           : reflayout::kStandardLength);
    EXPECT_EQ(dir.entries(), kFolderAfterStartUp);
    ui::Forms::reset();
  }
}

}  // namespace
}  // namespace olvex::patcher::test
