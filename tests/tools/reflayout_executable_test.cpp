// The reference executable: a PE32 file of the standard length whose bytes at every location are
// the version section's default data.
#include <gtest/gtest.h>

#include <string>

#include "reflayout/layout.h"
#include "support/objdump.h"

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

// Bytes at a 1-based position.
std::string at(std::int64_t position, std::size_t size) { return exe().substr(static_cast<std::size_t>(position - 1), size); }

}  // namespace

// The header's fields, and four section headers covering the file from the end of the headers to
// its end, back to back, the last one ending at the size of image.
TEST(ReflayoutExecutable, HeaderAndSectionsCoverTheFile) {
  ASSERT_EQ(exe().size(), rl::kStandardLength);
  EXPECT_EQ(exe().substr(0, 2), "MZ");
  EXPECT_EQ(u32(0x3C), 0x100u);
  EXPECT_EQ(exe().substr(0x100, 6), std::string("PE\0\0\x4C\x01", 6));
  EXPECT_EQ(at(263, 2), std::string("\x04\x00", 2));  // the section count
  EXPECT_EQ(u32(0x114) & 0xFFFF, 0xE0u);            // optional header size: section table at 0x1F8
  EXPECT_EQ(u32(0x118) & 0xFFFF, 0x010Bu);
  EXPECT_EQ(u32(0x134), rl::kImageBase);
  EXPECT_EQ(u32(0x150), rl::kSizeOfImage);  // its bits 16 to 23 at position 339
  EXPECT_EQ(at(339, 1), "\x41");
  EXPECT_EQ(at(665, 40), std::string(40, '\0'));  // no fifth section header
  std::uint32_t raw = u32(0x154);                  // size of headers
  std::uint32_t virtualEnd = 0;
  for (int i = 0; i < 4; ++i) {
    const std::size_t h = 0x1F8 + 40 * i;
    EXPECT_EQ(u32(h + 20), raw) << i;
    raw += u32(h + 16);
    virtualEnd = u32(h + 12) + u32(h + 8);
  }
  EXPECT_EQ(raw, rl::kStandardLength);
  EXPECT_EQ(virtualEnd, rl::kSizeOfImage);
  if (olvex::test::HaveObjdump()) {
    EXPECT_EQ(olvex::test::PeSections(exe()), "pei-i386: .text .rdata .data .rsrc");
  }
}

// Every default in place, the signature at its position, reversed entries holding the data
// key's bytes in the opposite order, and the track names as 64-byte records.
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
  EXPECT_EQ(at(rl::kSignaturePosition, 16), std::string("eck\0_INIT\0\0\0WinP", 16));
  const std::string data = rl::bytesOf("LevelBuffer1DefData");
  EXPECT_EQ(at(rl::findOffsetKey("LevelBuffer1Offset2")->position, 4), std::string(data.rbegin(), data.rend()));
  const auto names = rl::findOffsetKey("FilenameArrayBaseOffset")->position;
  EXPECT_EQ(at(names, 8), std::string("000.wav\0", 8));
  EXPECT_EQ(at(names + 111 * 64, 8), std::string("111.wav\0", 8));
}

// The hooks into the appended area reach their documented targets: the extended flipeffect
// procedure (load base + 0x2000) and the race-timer procedure (RaceExtRVANoRel / YoRel).
TEST(ReflayoutExecutable, HookJumpsReachTheirTargets) {
  struct Hook {
    std::string_view offset, data;
    std::uint8_t opcode;
    std::uint32_t target;
  } hooks[] = {
      {"FEBaseProcOffset", "FEBaseProcModDataNoRel", 0xE8, 0x815000},
      {"FEBaseProcOffset2", "FEBaseProc2ModDataYoRel", 0xE8, 0xC15000},
      {"FEBaseProcOffset3", "FEBaseProc3ModDataNoRel", 0xE8, 0x815000},
      {"RaceBaseOffset", "RaceExtJmpNoRelData", 0xE9, 8728576},
      {"RaceBaseOffset", "RaceExtJmpYoRelData", 0xE9, 12922880},
  };
  for (const Hook& h : hooks) {
    const std::string code = rl::bytesOf(h.data);
    ASSERT_GE(code.size(), 5u);
    EXPECT_EQ(static_cast<std::uint8_t>(code[0]), h.opcode) << h.data;
    std::uint32_t rel = 0;
    for (int i = 4; i >= 1; --i) rel = rel << 8 | static_cast<unsigned char>(code[i]);
    const auto from = rl::kImageBase + static_cast<std::uint32_t>(rl::findOffsetKey(h.offset)->position - 1) + 5;
    EXPECT_EQ(from + rel, h.target) << h.data;
  }
}
