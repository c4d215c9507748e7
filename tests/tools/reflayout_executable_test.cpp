#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "reflayout/layout.h"

namespace rl = olvex::reflayout;

namespace {

const std::string& exe() {
  static const std::string bytes = rl::referenceExecutable();
  return bytes;
}

std::uint32_t u32(std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(exe()[at + i]);
  return v;
}
std::uint16_t u16(std::size_t at) { return static_cast<std::uint16_t>(u32(at) & 0xFFFF); }

// Bytes at a 1-based position.
std::string at(std::int64_t position, std::size_t size) {
  return exe().substr(static_cast<std::size_t>(position - 1), size);
}

}  // namespace

TEST(ReflayoutExecutable, HeaderFields) {
  ASSERT_EQ(exe().size(), rl::kStandardLength);
  EXPECT_EQ(exe().substr(0, 2), "MZ");
  EXPECT_EQ(u32(0x3C), 0x100u);
  EXPECT_EQ(exe().substr(0x100, 4), std::string("PE\0\0", 4));
  EXPECT_EQ(u16(0x104), 0x014C);
  EXPECT_EQ(u16(0x106), 4);     // section count: 1-based position 263
  EXPECT_EQ(u16(0x114), 0xE0);  // optional header size: section table at 0x1F8
  EXPECT_EQ(u16(0x118), 0x010B);
  EXPECT_EQ(u32(0x134), rl::kImageBase);
  EXPECT_EQ(u32(0x150), rl::kSizeOfImage);  // its bits 16 to 23 at position 339
  EXPECT_EQ(at(339, 1), "\x41");
  EXPECT_EQ(at(665, 40), std::string(40, '\0'));  // no fifth section header
}

// The four section headers cover the file from the end of the headers to its end, back to back,
// and the last one ends at the size of image.
TEST(ReflayoutExecutable, SectionsCoverTheFile) {
  std::uint32_t raw = u32(0x154);  // size of headers
  std::uint32_t virtualEnd = 0;
  for (int i = 0; i < 4; ++i) {
    const std::size_t h = 0x1F8 + 40 * i;
    EXPECT_EQ(u32(h + 20), raw) << i;
    raw += u32(h + 16);
    virtualEnd = u32(h + 12) + u32(h + 8);
  }
  EXPECT_EQ(raw, rl::kStandardLength);
  EXPECT_EQ(virtualEnd, rl::kSizeOfImage);
}

TEST(ReflayoutExecutable, SignatureAtItsPosition) {
  EXPECT_EQ(at(rl::kSignaturePosition, 16), rl::bytesOf(rl::kSignatureHex));
  EXPECT_EQ(at(rl::kSignaturePosition, 16), std::string("eck\0_INIT\0\0\0WinP", 16));
}

TEST(ReflayoutExecutable, EveryDefaultInPlace) {
  int checked = 0;
  for (const auto& entry : rl::locationData()) {
    const auto* key = rl::findOffsetKey(entry.offsetKey);
    if (entry.defaults.empty() || key->placement != rl::Placement::Standard) continue;
    const std::string expected = rl::fileBytes(entry, entry.defaults);
    EXPECT_EQ(at(key->position + entry.displacement, expected.size()), expected)
        << entry.offsetKey << " + " << entry.displacement << ": " << entry.defaults;
    ++checked;
  }
  EXPECT_GT(checked, 350);
}

// Reversed entries hold the data key's bytes in the opposite order; track names are 64-byte records.
TEST(ReflayoutExecutable, ReversedDataAndTrackNames) {
  const auto* buffer = rl::findOffsetKey("LevelBuffer1Offset2");
  std::string data = rl::bytesOf("LevelBuffer1DefData");
  EXPECT_EQ(at(buffer->position, 4), std::string(data.rbegin(), data.rend()));
  const auto* names = rl::findOffsetKey("FilenameArrayBaseOffset");
  EXPECT_EQ(at(names->position, 8), std::string("000.wav\0", 8));
  EXPECT_EQ(at(names->position + 111 * 64, 8), std::string("111.wav\0", 8));
}

// The hooks into the appended area reach their documented targets: the extended flipeffect
// procedure (load base + 0x2000) and the race-timer procedure (RaceExtRVANoRel / YoRel).
TEST(ReflayoutExecutable, HookJumpsReachTheirTargets) {
  struct Hook { std::string_view offset, data; std::uint8_t opcode; std::uint32_t target; };
  const Hook hooks[] = {
      {"FEBaseProcOffset", "FEBaseProcModDataNoRel", 0xE8, 0x815000},
      {"FEBaseProcOffset2", "FEBaseProc2ModDataYoRel", 0xE8, 0xC15000},
      {"FEBaseProcOffset3", "FEBaseProc3ModDataNoRel", 0xE8, 0x815000},
      {"RaceBaseOffset", "RaceExtJmpNoRelData", 0xE9, 8728576},
      {"RaceBaseOffset", "RaceExtJmpYoRelData", 0xE9, 12922880},
  };
  for (const auto& h : hooks) {
    const std::string code = rl::bytesOf(h.data);
    ASSERT_GE(code.size(), 5u);
    EXPECT_EQ(static_cast<std::uint8_t>(code[0]), h.opcode) << h.data;
    std::int32_t rel = 0;
    for (int i = 4; i >= 1; --i) rel = static_cast<std::int32_t>(static_cast<std::uint32_t>(rel) << 8 | static_cast<unsigned char>(code[i]));
    const std::uint32_t from = rl::kImageBase + static_cast<std::uint32_t>(rl::findOffsetKey(h.offset)->position - 1) + 5;
    EXPECT_EQ(from + static_cast<std::uint32_t>(rel), h.target) << h.data;
  }
}

TEST(ReflayoutExecutable, ObjdumpReadsFourSections) {
  if (std::system("objdump --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "no objdump";
  const auto dir = std::filesystem::temp_directory_path() / ("olvex-reflayout-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto file = dir / "ref.exe";
  const auto listing = dir / "sections.txt";
  std::ofstream(file, std::ios::binary).write(exe().data(), static_cast<std::streamsize>(exe().size()));
  const std::string command = "objdump -h '" + file.string() + "' > '" + listing.string() + "' 2>&1";
  const int rc = std::system(command.c_str());
  std::ifstream in(listing);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::filesystem::remove_all(dir);
  EXPECT_EQ(rc, 0) << text;
  EXPECT_NE(text.find("pei-i386"), std::string::npos) << text;
  // Section rows read "Idx Name Size ...": collect the names.
  std::string sections;
  std::istringstream rows(text);
  for (std::string line; std::getline(rows, line);) {
    std::istringstream fields(line);
    std::string index, name;
    if (fields >> index >> name && index.find_first_not_of("0123456789") == std::string::npos)
      sections += name + " ";
  }
  EXPECT_EQ(sections, ".text .rdata .data .rsrc ") << text;
}
