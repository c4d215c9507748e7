#include "shell/version_loader.h"

#include <limits>
#include <stdexcept>

#include "shell/config_line.h"
#include "shell/config_lines.h"
#include "shell/config_reader.h"
#include "shell/config_state.h"
#include "shell/default_config.h"
#include "shell/number_text.h"
#include "shell/version_table.h"
#include "shell/text_case.h"
#include "ui/host.h"

namespace olvex::shell {

bool VersionFound = false;
std::string FoundCaption;

namespace {

constexpr std::string_view kHeader = "[version ";
constexpr std::size_t kMaxLabel = 255;

struct ReadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

bool headerMatches(std::string_view line) {
  return !line.empty() && line.front() == kHeader.front() && StartsWithNoCase(line, kHeader) &&
         line.substr(kHeader.size(), VersionSig.size()) == VersionSig;
}

bool isEndLine(std::string_view line) { return EqualNoCase(line, "[end version]"); }

// "Found: " and the label: the header after the separator that follows the signature, without
// its closing "]", from at most 255 characters counted from the separator.
std::string captionOf(std::string_view line) {
  std::string_view rest = line.substr(kHeader.size() + VersionSig.size(), kMaxLabel);
  if (rest.size() < 2) throw ReadError("version header without a label");
  return "Found: " + std::string(rest.substr(1, rest.size() - 2));
}

std::int32_t number(std::string_view value) {
  double v = RoundHalfEven(Val(value));
  if (!(v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max()))
    throw ReadError("number out of range: " + std::string(value));
  return static_cast<std::int32_t>(v);
}

void loadSection(ConfigLines& lines) {
  std::string_view line;
  do {
    if (!lines.next(line)) throw ReadError("version section without [end version]");
    ParseConfigLine(line, CfgValue);
    if (CfgKey.empty()) continue;
    const VersionKeyTarget* t = FindVersionKey(CfgKey);
    if (!t) continue;
    if (t->kind == VersionKeyTarget::Kind::Text) {
      *t->text = CfgValue;
      continue;
    }
    *t->number = number(CfgValue);
    const bool isNumber = StrictNumber(CfgValue).has_value();
    if (t->kind == VersionKeyTarget::Kind::Offset) OffsetNotNumber[t->number - Offsets.data()] = !isNumber;
    else NoteGiven(*t->number, isNumber ? NumberGiven::Number : NumberGiven::NotNumber);
  } while (!isEndLine(line));
}

void loadPass(std::string_view text) {
  DataKeyCount = 0;
  VersionFound = false;
  ConfigLines lines(text);
  std::string_view line;
  while (lines.next(line)) {
    if (!headerMatches(line)) continue;
    FoundCaption = captionOf(line);
    VersionFound = true;
    loadSection(lines);
  }
}

}  // namespace

void LoadConfig() {
  for (bool recovered = false;; recovered = true) {
    try {
      loadPass(ConfigText());
      break;
    } catch (const std::exception& e) {
      if (recovered) throw ConfigReadError(std::string("version load failed: ") + e.what());
      ui::msgBox("Can't find proper olvex.cfg. Recreating config file now.\r\n(config dir: " + ConfigPath + ")");
      RecreateConfig();
    }
  }
  if (!VersionFound) ui::msgBox("Current config file have no support for your " + ExeName + ".");
}

}  // namespace olvex::shell
