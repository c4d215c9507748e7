// The SIZE stage: the working copy gets the standard length, or the extended one with an area of
// 0x90 bytes appended and declared as a fifth section; then the advanced savegame hooks.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "patcher/layout_check.h"
#include "patcher/pass_decisions.h"
#include "patcher/selectors.h"
#include "patcher/stage_writes.h"
#include "patcher/value_paths.h"
#include "platform/files.h"
#include "shell/version_table.h"

namespace olvex::patcher {

namespace {

using shell::Form1;

constexpr std::int64_t kFillChunk = 1 << 20;

// Only 1 extends; a greyed box keeps the standard length.
int extended(const Form1& f) { return f.Check9.value() == 1; }
// The header always matches the section count and the scene memory the pass writes for.
int remapped(const Form1&) { return PassSceneMemory(); }
int standardLayout(const Form1& f) { return extended(f) ? kNothing : remapped(f); }
int extendedLayout(const Form1& f) { return extended(f) ? remapped(f) : kNothing; }

// The hooks with their handler and its settings, or the unpatched bytes.
int savegame(const Form1&) { return PassHook(Hook::Savegame); }

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
  WriteRows(file, form, kHeader);
  WriteRows(file, form, kAdvancedSavegame);
}

}  // namespace olvex::patcher
