#include "shell/version_signature.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/temp_folder.h"

namespace olvex::shell {
namespace {

using platform::test_files::putBytes;
using platform::test_files::TempFolder;

TEST(VersionSignature, EachByteAsHexWithoutLeadingZeroAndZeroAsTwoDigits) {
  struct Row {
    std::string bytes;
    const char* sig;
  } rows[] = {
      {std::string("\x05\x00", 2), "500"},
      {std::string("\x65\x63\x6B\x00\x5F", 5), "65636B005F"},
      {std::string("\x00\x00", 2), "0000"},
      {"\x0F\x10\xFF", "F10FF"},
      {"", ""},
  };
  for (const Row& r : rows) EXPECT_EQ(buildVersionSig(r.bytes), r.sig);
}

TEST(VersionSignature, ReadsAtOneBasedPositionsAndShortFilesMatchNothing) {
  TempFolder dir;
  const std::string exe = dir.file("game.exe");
  putBytes(exe, std::string("AB\x05\x00G", 5));
  struct Row {
    std::int64_t offset;
    int count;
    std::optional<std::string> sig;
  } rows[] = {
      {1, 2, "4142"}, {3, 2, "500"}, {4, 2, "0047"}, {5, 1, "47"},
      {5, 2, std::nullopt},  // one byte past the end
      {9, 1, std::nullopt},  // far past the end
      {6, 0, ""},            // nothing to read, right at the end
  };
  for (const Row& r : rows) EXPECT_EQ(readVersionSig(exe, r.offset, r.count), r.sig) << r.offset;
}

TEST(VersionSignature, ImpossibleReadsAreErrors) {
  TempFolder dir;
  const std::string exe = dir.file("game.exe");
  putBytes(exe, "ABCDEF");
  EXPECT_THROW(readVersionSig(exe, 0, 2), platform::FileError);
  EXPECT_THROW(readVersionSig(exe, -3, 2), platform::FileError);
  EXPECT_THROW(readVersionSig(exe, 1, -1), std::out_of_range);
  EXPECT_THROW(readVersionSig(dir.file("missing.exe"), 1, 2), platform::FileError);
}

}  // namespace
}  // namespace olvex::shell
