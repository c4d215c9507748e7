// The SIZE stage: the working copy gets the standard length, or the extended one with an area of
// 0x90 bytes appended and declared as a fifth section; then the advanced savegame hooks.
#include <cstdint>
#include <string>

#include "patcher/selectors.h"
#include "patcher/stage_writes.h"
#include "patcher/value_paths.h"
#include "platform/files.h"
#include "shell/version_table.h"

namespace olvex::patcher {

namespace {

using shell::Form1;

// Only 1 extends; a greyed box keeps the standard length.
int extended(const Form1& f) { return f.Check9.value() == 1; }
// The header always matches the section count, so the scene-memory variant is a test here: a
// greyed remap box gives the standard variant instead of no header at all.
int remapped(const Form1& f) { return f.Check5.value() == 1; }
int standardLayout(const Form1& f) { return extended(f) ? kNothing : remapped(f); }
int extendedLayout(const Form1& f) { return extended(f) ? remapped(f) : kNothing; }

// Hooks into the appended area need the extended executable; otherwise the unpatched bytes.
int savegame(const Form1& f) {
  if (!extended(f)) return 0;
  int v = f.Check21.value();
  if (v == 1) return f.Check5.value() == 0 ? 1 : 2;
  return v == 0 ? 0 : kNothing;
}

const Row kHeader[] = {
    {extended, {"ExtSizePEHeaderOffset1"}, {F("SectionCountDefData"), F("SectionCountModData")}},
    {standardLayout, {"ExtSizePEHeaderOffset2"}, {F("ImageSizeNoRelNoIncData"), F("ImageSizeYoRelNoIncData")}},
    {extendedLayout, {"ExtSizePEHeaderOffset2"}, {F("ImageSizeNoRelYoIncData"), F("ImageSizeYoRelYoIncData")}},
    {standardLayout, {"ExtSizePEHeaderOffset3"}, {F("StandardSizeBothRData"), F("StandardSizeBothRData")}},
    {extendedLayout, {"ExtSizePEHeaderOffset3"}, {F("ExtendedSizeNoRelData"), F("ExtendedSizeYoRelData")}},
};

const Row kAdvancedSavegame[] = {
    {savegame, {"ExtSGameBaseOffset"}, {Hex{}, F("ExtSGBaseNoRelData"), F("ExtSGBaseYoRelData")}},
    {savegame, {"ExtSGameInsideOffset#", 3}, {F("ExtSGJmp#DataD"), F("ExtSGJmp#DataN"), F("ExtSGJmp#DataR")}},
    {savegame, {"SavePathOffset"}, {F("SavePathDefData"), F("SavePathModData"), F("SavePathModData")}},
    {savegame, {"StackCorrectionOffset#", 5}, {F("StackCorrectionDefData"), F("StackCorrectionModData"), F("StackCorrectionModData")}},
};

}  // namespace

void IncreaseSize(platform::RandomAccessFile& file, const Form1& form) {
  // The standard file ends just before EOFOffset; the appended area is ExtendedSizeNum + 1 bytes.
  std::int64_t end = PositionOf("EOFOffset");
  std::int64_t length = end - 1;
  if (extended(form)) {
    if (shell::ExtendedSizeNum < 1) throw PassError("the version section lacks ExtendedSizeNum");
    length += std::int64_t{shell::ExtendedSizeNum} + 1;
  }
  file.setLength(length);
  if (file.length() != length) throw PassError("the working copy's length could not be set");
  if (extended(form)) file.write(end, std::string(length - end + 1, '\x90'));
  WriteRows(file, form, kHeader);
  WriteRows(file, form, kAdvancedSavegame);
}

}  // namespace olvex::patcher
