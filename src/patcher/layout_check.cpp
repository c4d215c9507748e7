#include "patcher/layout_check.h"

#include <unistd.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>

#include "patcher/write_rows.h"
#include "platform/files.h"
#include "shell/config_state.h"
#include "shell/version_table.h"

namespace olvex::patcher {

namespace {

constexpr std::int64_t kAppendedAreaCap = std::int64_t{256} << 20;
// A 32-bit image ends below 2 GiB.
constexpr std::int64_t kImageLimit = std::numeric_limits<std::int32_t>::max();
// An executable up to this many times the larger layout is patched (and cut back to its layout);
// anything larger is not this game's executable.
constexpr std::int64_t kFarLarger = 2;
constexpr std::int64_t kSectionHeaderSize = 40;

void require(bool ok, const std::string& what) {
  if (!ok) throw LayoutError(what);
}

std::string keyIs(std::string_view key, std::int64_t value) {
  return std::string(key) + "=" + std::to_string(value) + ": ";
}

// The 32-bit little-endian number at byte `at` of a hex text; nothing when it is not there.
std::optional<std::int64_t> hexU32(std::string_view hex, std::size_t at) {
  if (hex.size() < 2 * (at + 4)) return std::nullopt;
  std::int64_t v = 0;
  for (int i = 3; i >= 0; --i) {
    for (char c : hex.substr(2 * (at + i), 2)) {
      int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
      if (d < 0) return std::nullopt;
      v = v * 16 + d;
    }
  }
  return v;
}

// The fifth section header of either variant declares exactly the appended area.
void checkSectionHeaders(const Layout& l) {
  for (std::string_view key : {"ExtendedSizeNoRelData", "ExtendedSizeYoRelData"}) {
    const std::string& hex = shell::VersionData(key);
    if (hex.empty()) continue;  // the size stage reports a missing field when it needs it
    auto rawSize = hexU32(hex, 16), rawOffset = hexU32(hex, 20);
    require(rawSize == l.extended - l.standard && rawOffset == l.standard,
            std::string(key) + ": the new section must hold the " + std::to_string(l.extended - l.standard) +
                " appended bytes at file offset " + std::to_string(l.standard) + ", as EOFOffset and ExtendedSizeNum say");
  }
}

std::uint32_t le(const std::string& bytes, std::size_t at, int width) {
  std::uint32_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

}  // namespace

std::int64_t MaxAppendedArea() {
  long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return kAppendedAreaCap;
  return std::min(kAppendedAreaCap, std::int64_t{pages} * pageSize / 8);
}

Layout SectionLayout() {
  Layout l;
  std::int64_t eof = PositionOf("EOFOffset");
  require(eof >= 2, keyIs("EOFOffset", eof) + "the standard file would be empty");
  l.standard = eof - 1;
  const std::int64_t size = shell::ExtendedSizeNum;
  require(size >= 0, keyIs("ExtendedSizeNum", size) + "the appended area cannot be smaller than one byte");
  if (size == 0) return l;  // the section has no extended layout
  const std::int64_t area = size + 1;
  require(area <= MaxAppendedArea(), keyIs("ExtendedSizeNum", size) + "an appended area of " + std::to_string(area) +
                                         " bytes is beyond the limit of " + std::to_string(MaxAppendedArea()) + " bytes");
  l.extended = l.standard + area;
  require(l.extended <= kImageLimit, keyIs("EOFOffset", eof) + "the standard file of " + std::to_string(l.standard) +
                                         " bytes leaves no room for the appended area in a 32-bit image");
  return l;
}

void CheckExecutableLength(std::int64_t length, const Layout& l) {
  const std::string& name = shell::ExeName;
  require(l.standard <= length,
          keyIs("EOFOffset", l.standard + 1) + "the standard file would end beyond the end of " + name + " (" +
              std::to_string(length) + " bytes)");
  const std::int64_t largest = std::max(l.standard, l.extended);
  require(length <= kFarLarger * largest, name + " has " + std::to_string(length) +
                                              " bytes, far more than any layout of its version section (at most " +
                                              std::to_string(largest) + " bytes)");
}

void CheckExecutableHeader(platform::RandomAccessFile& exe, const Layout& l) {
  const std::string& name = shell::ExeName;
  // The PE header lies within the standard file, so the copy reads it as the pass leaves it.
  const std::string noHeader = "ExtSizePEHeaderOffset1: " + name + " has no PE32 header within its standard length";
  require(l.standard >= 64, noHeader);
  const std::string dos = exe.read(1, 64);
  const std::int64_t pe = le(dos, 0x3C, 4);
  require(dos.compare(0, 2, "MZ") == 0 && pe + 24 + 96 <= l.standard, noHeader);
  const std::string head = exe.read(pe + 1, 24 + 64);
  require(head.compare(0, 4, std::string("PE\0\0", 4)) == 0 && le(head, 24, 2) == 0x10B, noHeader);
  const std::int64_t sectionTable = pe + 24 + le(head, 20, 2);
  const std::int64_t headersEnd = std::min<std::int64_t>(le(head, 24 + 60, 4), l.standard);

  const std::int64_t count = PositionOf("ExtSizePEHeaderOffset1") - 1;
  require(count == pe + 6, keyIs("ExtSizePEHeaderOffset1", count + 1) + "the section count of " + name +
                               " is at position " + std::to_string(pe + 7));
  const std::int64_t imageSize = PositionOf("ExtSizePEHeaderOffset2") - 1, imageField = pe + 24 + 56;
  require(imageSize >= imageField && imageSize < imageField + 4,
          keyIs("ExtSizePEHeaderOffset2", imageSize + 1) + "the size of image of " + name + " is at positions " +
              std::to_string(imageField + 1) + " to " + std::to_string(imageField + 4));
  const std::int64_t header = PositionOf("ExtSizePEHeaderOffset3") - 1;
  require(header >= sectionTable + kSectionHeaderSize && (header - sectionTable) % kSectionHeaderSize == 0 &&
              header + kSectionHeaderSize <= headersEnd,
          keyIs("ExtSizePEHeaderOffset3", header + 1) + "not the place of a further section header in the table of " +
              name + " (from position " + std::to_string(sectionTable + 1) + ", headers end at " +
              std::to_string(headersEnd) + ")");
  if (l.extended != 0) checkSectionHeaders(l);
}

}  // namespace olvex::patcher
