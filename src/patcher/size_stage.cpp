// The SIZE stage: the working copy gets the standard length, or the extended one with an area of
// 0x90 bytes appended and declared as a fifth section; then the advanced savegame hooks.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "patcher/layout_check.h"
#include "patcher/selectors.h"
#include "patcher/stage_writes.h"
#include "patcher/value_paths.h"
#include "platform/files.h"
#include "shell/conversions.h"
#include "shell/version_table.h"

namespace olvex::patcher {

namespace {

using shell::Form1;

constexpr std::int64_t kFillChunk = 1 << 20;

// Only 1 extends; a greyed box keeps the standard length.
int extended(const Form1& f) { return f.Check9.value() == 1; }

// The size-of-image byte and the fifth section header, by layout (standard, extended) and scene
// memory (standard, remapped).
struct Header {
  std::string_view imageSize, section;
};
constexpr Header kHeaders[2][2] = {
    {{"ImageSizeNoRelNoIncData", "StandardSizeBothRData"}, {"ImageSizeYoRelNoIncData", "StandardSizeBothRData"}},
    {{"ImageSizeNoRelYoIncData", "ExtendedSizeNoRelData"}, {"ImageSizeYoRelYoIncData", "ExtendedSizeYoRelData"}},
};

bool holdsRemappedCode(platform::RandomAccessFile& file) {
  const std::string code = shell::wb(Field("Remap1ModData"));
  const std::int64_t at = PositionOf("Remap1Offset");
  return at - 1 + static_cast<std::int64_t>(code.size()) <= file.length() && file.read(at, code.size()) == code;
}

// A greyed remap box leaves the scene-memory code as the file holds it, and so the image size
// where the standard layout allows; the extended layout needs its section header, which takes
// the variant of that code.
void writeHeader(platform::RandomAccessFile& file, const Form1& form) {
  const bool ext = extended(form);
  Put(file, "ExtSizePEHeaderOffset1", 0, Field(ext ? "SectionCountModData" : "SectionCountDefData"));
  const int remap = ext ? SceneMemoryVariant(file, form) : select::choiceOf(form.Check5.value());
  if (remap != kNothing) Put(file, "ExtSizePEHeaderOffset2", 0, Field(kHeaders[ext][remap].imageSize));
  // Without the extension no fifth section whatever the scene memory.
  Put(file, "ExtSizePEHeaderOffset3", 0, Field(kHeaders[ext][remap == kNothing ? 0 : remap].section));
}

// Hooks into the appended area need the extended executable; otherwise the unpatched bytes.
int savegame(const Form1& f) {
  if (!extended(f)) return 0;
  int v = f.Check21.value();
  if (v == 1) return f.Check5.value() == 0 ? 1 : 2;
  return v == 0 ? 0 : kNothing;
}

const Row kAdvancedSavegame[] = {
    {savegame, {"ExtSGameBaseOffset"}, {Hex{}, F("ExtSGBaseNoRelData"), F("ExtSGBaseYoRelData")}},
    {savegame, {"ExtSGameInsideOffset#", 3}, {F("ExtSGJmp#DataD"), F("ExtSGJmp#DataN"), F("ExtSGJmp#DataR")}},
    {savegame, {"SavePathOffset"}, {F("SavePathDefData"), F("SavePathModData"), F("SavePathModData")}},
    {savegame, {"StackCorrectionOffset#", 5}, {F("StackCorrectionDefData"), F("StackCorrectionModData"), F("StackCorrectionModData")}},
};

}  // namespace

int SceneMemoryVariant(platform::RandomAccessFile& file, const Form1& form) {
  const int remap = select::choiceOf(form.Check5.value());
  return remap == kNothing ? holdsRemappedCode(file) : remap;
}

std::int64_t PassLength(const Form1& form) {
  Layout layout = SectionLayout();
  if (!extended(form)) return layout.standard;
  if (layout.extended == 0) throw LayoutError("ExtendedSizeNum: the version section lacks it");
  return layout.extended;
}

void IncreaseSize(platform::RandomAccessFile& file, const Form1& form) {
  // The standard file ends just before EOFOffset; the appended area follows, filled with 0x90.
  const std::int64_t length = PassLength(form);
  file.setLength(length);
  if (file.length() != length) throw PassError("the working copy's length could not be set");
  const std::int64_t standard = SectionLayout().standard;
  const std::string fill(std::clamp<std::int64_t>(length - standard, 0, kFillChunk), '\x90');
  for (std::int64_t at = standard; at < length; at += kFillChunk)
    file.write(at + 1, std::string_view(fill).substr(0, std::min<std::int64_t>(kFillChunk, length - at)));
  writeHeader(file, form);
  WriteRows(file, form, kAdvancedSavegame);
}

}  // namespace olvex::patcher
