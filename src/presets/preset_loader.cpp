#include "presets/preset_loader.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "draco/patch_list.h"
#include "draco/patch_list_window.h"
#include "platform/files.h"
#include "presets/apply_line.h"
#include "presets/preset_format.h"
#include "shell/config_reader.h"
#include "shell/config_state.h"
#include "shell/conversions.h"
#include "shell/form1.h"
#include "shell/number_text.h"
#include "shell/script_slots.h"
#include "shell/settings_keys.h"
#include "shell/text_case.h"
#include "ui/host.h"

namespace olvex::presets {

namespace {

// The minimum preset version of each section.
constexpr double kCreditsVersion = 0.672, kFlipVersion = 0.7, kRaceVersion = 0.72, kDracoVersion = 0.74;
constexpr std::size_t kAnnotationLength = 9999;
constexpr std::size_t kNameStart = 13;    // a DRACO line's patch name starts at its 14th character
constexpr std::size_t kFlagAt = 11;       // its selection digit is the 12th
constexpr std::size_t kEffectDigits = 3;  // "/Effect" is followed by at most three digits read

constexpr const char* kLoadError = "Error opening file! Make sure that selected preset isn't corrupted.";

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

class Reader {
 public:
  explicit Reader(const std::vector<std::string>& lines) : lines_(lines) {}
  bool atEnd() const { return next_ >= lines_.size(); }
  const std::string& next() {
    if (atEnd()) throw PresetError("the preset ends inside a section");
    return lines_[next_++];
  }
  void rewind() { next_ = 0; }
  // Reads up to and including the line whose lower case is `mark`.
  void seek(std::string_view mark) {
    while (shell::LowerCase(next()) != mark) {
    }
  }

 private:
  const std::vector<std::string>& lines_;
  std::size_t next_ = 0;
};

// Runs f for every line up to the section's end line, which it consumes.
template <class F>
void eachUntil(Reader& in, std::string_view end, F f) {
  for (const std::string* line = &in.next(); shell::LowerCase(*line) != end; line = &in.next()) f(*line);
}

double version() { return shell::Val(shell::CfgVersion); }

// A slot number that must be a whole number of 0 or more; above the last slot is the last slot.
std::size_t slotNumber(std::string_view digits, int minus, std::size_t slots) {
  auto n = shell::StrictNumber(digits);
  if (!n || *n != std::trunc(*n) || *n - minus < 0) throw PresetError("bad slot number '" + std::string(digits) + "'");
  if (slots == 0) throw PresetError("no script slots");
  return std::min(static_cast<std::size_t>(*n - minus), slots - 1);
}

void appendLine(std::string& text, const std::string& line) { text += text.empty() ? line : "\r\n" + line; }

void readCredits(Reader& in) {
  std::string text;
  eachUntil(in, kCreditsEnd, [&](const std::string& line) { appendLine(text, line); });
  if (auto& fill = shell::ReaderHooks.creditsText) fill(text);
}

// The names a DRACO section looks up, indexed once for the whole section: the records' names
// ignoring case, and the items' texts.
struct DracoNames {
  draco::NameIndex folded = draco::RecordNameIndex(draco::NameIndex::Match::IgnoreCase);
  draco::NameIndex items = draco::ItemTextIndex();
};

// The first record a DRACO line names, the name as written, and where its values begin. The name
// is the text up to a comma, trying each comma from the left until the text is a record's name
// (ignoring case); no text longer than the longest name can be one. A line that names no record
// has no effect.
struct NamedPatch {
  int first;
  std::string_view name;
  std::size_t values;
};
std::optional<NamedPatch> namedPatch(std::string_view line, const draco::NameIndex& folded) {
  for (std::size_t c = line.find(',', kNameStart); c != std::string_view::npos && c - kNameStart <= folded.longest();
       c = line.find(',', c + 1)) {
    std::string_view name = line.substr(kNameStart, c - kNameStart);
    if (int first = folded.first(name); first >= 0) return NamedPatch{first, name, c + 1};
  }
  return std::nullopt;
}

// The first item showing exactly the name as written is checked or cleared (SetPatchSelected: a
// name that differs from every item but for case selects nothing, so of two patches whose names
// differ only in case each line selects its own); every record of that name ignoring case takes
// the values.
void readDracoLine(const std::string& line, const DracoNames& names) {
  if (!shell::StartsWithNoCase(line, kDracoKey)) return;
  auto patch = namedPatch(line, names.folded);
  if (!patch) return;
  std::string values = line.substr(patch->values);
  if (!values.empty() && !values.ends_with(';')) values += ';';
  const int flag = line.size() > kFlagAt && shell::IsDigit(line[kFlagAt]) ? line[kFlagAt] - '0' : 0;
  draco::SetItemSelected(names.items.first(patch->name), flag == 1);
  for (int i = patch->first; i >= 0; i = names.folded.next(i)) draco::ParseParamValues(values, i);
}

// The patch list window, when it is open, shows its first patch again with the loaded values.
void readDraco(Reader& in) {
  const DracoNames names;
  eachUntil(in, kDracoEnd, [&](const std::string& line) { readDracoLine(line, names); });
  if (!ui::Forms::loaded<draco::Patches>()) return;
  ui::ListBox& list = ui::Forms::get<draco::Patches>().Listbox1;
  list.setListIndex(-1);
  list.setListIndex(0);
}

// The flipeffect slots named in the section. The editor's boxes are not cleared through their
// change handlers (that would store into the slot they show); the editor shows its first slot
// again from the tables afterwards.
void readFlipeffects(Reader& in) {
  in.rewind();
  in.seek(kFlipMark);
  std::size_t slot = 0;
  eachUntil(in, kFlipEnd, [&](const std::string& line) {
    std::string_view l = line;
    if (startsWith(l, kEffectTag)) {
      slot = slotNumber(l.substr(kEffectTag.size(), kEffectDigits), 0, shell::FlipCode.size());
      shell::FlipCode[slot].clear();
    } else if (startsWith(l, kAnnotationTag)) {
      shell::FlipAnnotation.at(slot) = std::string(l.substr(kAnnotationTag.size(), kAnnotationLength));
    } else if (startsWith(l, kOnceTag)) {
      const char c = l.size() > kOnceTag.size() ? l[kOnceTag.size()] : ' ';
      shell::FlipDoOnlyOnce.at(slot) = shell::IsDigit(c) ? c - '0' : 0;
    } else {
      appendLine(shell::FlipCode.at(slot), line);
    }
  });
  if (auto& show = shell::ReaderHooks.flipSectionEnd) show();
}

void readRaceTimer(Reader& in) {
  in.rewind();
  in.seek(kRaceMark);
  std::size_t slot = 0;
  eachUntil(in, kRaceEnd, [&](const std::string& line) {
    std::string_view l = line;
    if (startsWith(l, kEventTag)) {
      slot = slotNumber(l.substr(kEventTag.size()), 1, shell::RaceCode.size());
      shell::RaceCode[slot].clear();
    } else if (startsWith(l, kAnnotationTag)) {
      shell::RaceAnnotation.at(slot) = std::string(l.substr(kAnnotationTag.size(), kAnnotationLength));
    } else if (startsWith(l, kTimeTag)) {
      std::string_view time = l.substr(kTimeTag.size());
      std::size_t colon = time.find(':');
      if (colon == std::string_view::npos) return;
      auto minutes = shell::StrictNumber(time.substr(0, colon));
      auto seconds = shell::StrictNumber(time.substr(colon + 1));
      if (!minutes || !seconds) throw PresetError("bad time '" + std::string(time) + "'");
      shell::RaceTime.at(slot) = {static_cast<float>(*minutes), static_cast<float>(*seconds)};
    } else {
      appendLine(shell::RaceCode.at(slot), line);
    }
  });
}

void showFirstEvent() {
  if (auto& show = shell::ReaderHooks.raceSectionEnd) show();
}

}  // namespace

void ApplyPreset(const std::vector<std::string>& lines) {
  shell::CfgVersion.clear();
  Reader in(lines);
  in.seek(kPresetMark);
  while (!in.atEnd()) {
    const std::string& line = in.next();
    // Presets of other writers name the guide's flag GuideFlag.
    const std::size_t eq = line.find('=');
    const bool guideFlag = eq != std::string::npos && shell::EqualNoCase(std::string_view(line).substr(0, eq), "guideflag");
    ApplySettingsLine(guideFlag ? "GuideHPFlag" + line.substr(eq) : line);
    if (shell::CfgKey == "version") shell::CfgVersion = shell::CfgValue;
    const std::string mark = shell::LowerCase(line);
    if (version() >= kCreditsVersion && mark == kCreditsMark) readCredits(in);
    else if (version() >= kDracoVersion && mark == kDracoMark) readDraco(in);
  }
  if (version() < kFlipVersion) {
    showFirstEvent();
    return;
  }
  readFlipeffects(in);
  if (version() < kRaceVersion) return;
  readRaceTimer(in);
  showFirstEvent();
}

void LoadPreset() {
  auto& f = ui::Forms::get<shell::Form1>();
  for (ui::CommandButton* b : {&f.Command12, &f.Command3, &f.Command1}) b->setEnabled(false);
  f.Command28.setFocus();
  ui::host().yield();
  shell::CfgVersion.clear();
  if (auto path = ui::host().openFile({"Load OLVEX preset", std::string(kPresetFilter), {}, {}})) {
    try {
      shell::HexErrShown = false;
      ApplyPreset(platform::readLines(*path));
    } catch (const std::exception&) {
      ui::msgBox(kLoadError);
    }
  }
  f.Command12.setEnabled(true);
  f.Command3.setEnabled(f.canModify());
  f.Command1.setEnabled(true);
  f.Command12.setFocus();
}

}  // namespace olvex::presets
