#include "shell/config_reader.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string_view>

#include "platform/files.h"
#include "shell/config_line.h"
#include "shell/config_lines.h"
#include "shell/config_state.h"
#include "shell/default_config.h"
#include "shell/folder_names.h"
#include "shell/number_text.h"
#include "shell/script_slots.h"
#include "shell/settings_keys.h"
#include "shell/version_table.h"
#include "shell/text_case.h"
#include "ui/host.h"

namespace olvex::shell {

ConfigReaderHooks ReaderHooks;

namespace {

constexpr const char* kMissingMessage = "Can't find config file. Creating config file now.";
constexpr const char* kErrorMessage = "Errors during config load. Recreating config file now.";
constexpr const char* kOldMessage = "Old config file detected. Recreating config file now.";
constexpr const char* kNewerMessage = "Unknown config file detected. Recreating config file now.";
constexpr std::size_t kMaxAnnotation = 9999;
constexpr std::size_t kMaxTimePart = 999;
constexpr int kMaxSlots = std::numeric_limits<std::int16_t>::max();

// A fault in the file that the recovery (rewriting the built-in text) answers.
struct ReadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

template <class Hook, class... Args>
void call(const Hook& hook, const Args&... args) {
  if (hook) hook(args...);
}

bool isMarker(std::string_view line, std::string_view marker) { return EqualNoCase(line, marker); }

bool startsWith(std::string_view line, std::string_view prefix) {
  return line.substr(0, prefix.size()) == prefix;
}

// The leading number of a value rounded into [lo, hi].
double wholeNumber(std::string_view value, double lo, double hi) {
  double v = RoundHalfEven(Val(value));
  if (!(v >= lo && v <= hi)) throw ReadError("number out of range: " + std::string(value));
  return v;
}

float timePart(std::string_view text) {
  auto v = StrictNumber(text);
  if (!v || std::fabs(*v) > FLT_MAX) throw ReadError("bad time: " + std::string(text));
  return static_cast<float>(*v);
}

// The slot a "/Effect" or "/Event" line names: the digits after the marker, counted from
// `firstNumber`, kept within the table (no digits: the first slot).
int slotOf(std::string_view digits, int firstNumber, int slotCount) {
  long long n = 0;
  std::size_t i = 0;
  for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i)
    n = std::min<long long>(n * 10 + (digits[i] - '0'), std::numeric_limits<int>::max());
  long long slot = (i == 0 ? firstNumber : n) - firstNumber;
  return static_cast<int>(std::clamp<long long>(slot, 0, std::max(slotCount - 1, 0)));
}

void appendSource(std::string& code, std::string_view line) {
  if (!code.empty()) code += "\r\n";
  code += line;
}

int slotCount(std::string_view value) {
  auto n = static_cast<int>(wholeNumber(value, std::numeric_limits<int>::min(), kMaxSlots));
  if (n < 1) throw ReadError("slot count below 1: " + std::string(value));
  return n;
}

// The [common] keys the reader keeps itself, in every scope.
struct OwnKey {
  std::string_view key;
  void (*take)(const std::string& value);
};
constexpr OwnKey kOwnKeys[] = {
    {"exename",
     [](const std::string& v) {
       if (AcceptFolderFileName("ExeName", v)) ExeName = v;
     }},
    {"version", [](const std::string& v) { CfgVersion = v; }},
    {"versioncheckoffset",
     [](const std::string& v) {
       Offsets[kVersionCheckSlot] = static_cast<std::int32_t>(
           wholeNumber(v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
     }},
    {"numbytestoread",
     [](const std::string& v) {
       NumBytesToRead = static_cast<std::int16_t>(
           wholeNumber(v, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
     }},
    {"silentpatch", [](const std::string& v) { SilentPatch = static_cast<std::uint8_t>(wholeNumber(v, 0, 255)); }},
    {"developermode",
     [](const std::string& v) {
       if (RoundHalfEven(Val(v)) != 1) return;
       DeveloperMode = true;
       call(ReaderHooks.developerLayout);
     }},
    {"defaultpatchset", [](const std::string& v) { DefaultPatchSet = v; }},
    {"racetimerslots",
     [](const std::string& v) {
       int n = slotCount(v);
       SizeRaceTimerSlots(n);
       call(ReaderHooks.raceSlotsSized, n);
     }},
    {"triggerslots",
     [](const std::string& v) {
       int n = slotCount(v);
       SizeTriggerSlots(n);
       call(ReaderHooks.triggerSlotsSized, n);
     }},
};

enum class Outcome { Complete, Old, Newer, Invalid };

// One pass over the config text.
class Pass {
 public:
  Pass(std::string_view text, std::string_view scope) : lines_(text), scope_(scope) {}

  Outcome run() {
    readCommon();
    if (scope_ == "creds" || scope_ == "all") readCredits();
    if (scope_ == "flip" || scope_ == "all") readFlipeffects();
    if (scope_ == "rt" || scope_ == "all") readRaceTimer();
    if (CfgVersion < kConfigVersion) return Outcome::Old;
    if (CfgVersion > kConfigVersion) return Outcome::Newer;
    if (Offsets[kVersionCheckSlot] == 0 || NumBytesToRead == 0) return Outcome::Invalid;
    return Outcome::Complete;
  }

 private:
  // The next line; the end of the text inside a section is a read error.
  std::string_view next() {
    if (!lines_.next(line_)) throw ReadError("unexpected end of the config file");
    return line_;
  }
  void skipTo(std::string_view lowerMarker) {
    while (!isMarker(next(), lowerMarker)) {
    }
  }

  void readCommon() {
    skipTo("[common]");
    do {
      CfgLine.assign(next());
      ParseConfigLine(CfgLine, CfgValue);
      for (const auto& own : kOwnKeys)
        if (CfgKey == own.key) own.take(CfgValue);
      dispatch();
    } while (!isMarker(line_, "[end common]"));
  }

  void dispatch() {
    if (scope_ != "all") {
      ApplyKey(scope_);
      return;
    }
    ApplyKeyInAll([] {
      if (auto* host = ui::hostIfSet()) host->yield();
    });
  }

  void readCredits() {
    skipTo("[credits]");
    call(ReaderHooks.creditsText, std::string());
    std::string text;
    bool started = false;
    while (!isMarker(next(), "[end credits]")) {
      if (!started && line_.empty()) continue;
      if (started) text += "\r\n";
      text += line_;
      started = true;
    }
    call(ReaderHooks.creditsText, text);
  }

  void readFlipeffects() {
    skipTo("[flipeffects]");
    call(ReaderHooks.flipSectionStart);
    int slot = 0;
    while (!isMarker(next(), "[end flipeffects]")) {
      if (FlipCode.empty()) continue;  // no slots to fill before a TriggerSlots key
      if (startsWith(line_, "/Effect")) {
        slot = slotOf(line_.substr(7), 0, TriggerSlots());
        FlipCode[slot].clear();
      } else if (startsWith(line_, "/Annotation=")) {
        FlipAnnotation[slot] = line_.substr(12, kMaxAnnotation);
      } else if (startsWith(line_, "/DoOnlyOnce=")) {
        FlipDoOnlyOnce[slot] = static_cast<std::uint8_t>(RoundHalfEven(Val(line_.substr(12, 1))));
      } else {
        appendSource(FlipCode[slot], line_);
      }
    }
    call(ReaderHooks.flipSectionEnd);
  }

  void readRaceTimer() {
    skipTo("[racetimer]");
    call(ReaderHooks.raceSectionStart);
    int slot = 0;
    while (!isMarker(next(), "[end racetimer]")) {
      if (RaceCode.empty()) continue;  // no slots to fill before a RaceTimerSlots key
      if (startsWith(line_, "/Event")) {
        slot = slotOf(line_.substr(6), 1, RaceTimerSlots());
        RaceCode[slot].clear();
      } else if (startsWith(line_, "/Annotation=")) {
        RaceAnnotation[slot] = line_.substr(12, kMaxAnnotation);
      } else if (startsWith(line_, "/Time=")) {
        std::string_view t = line_.substr(6, kMaxTimePart);
        if (auto colon = t.find(':'); colon != std::string_view::npos) {
          RaceTime[slot][1] = timePart(t.substr(colon + 1, kMaxTimePart));
          RaceTime[slot][0] = timePart(t.substr(0, colon));
        }
      } else {
        appendSource(RaceCode[slot], line_);
      }
    }
    call(ReaderHooks.raceSectionEnd);
  }

  ConfigLines lines_;
  std::string_view line_;
  std::string_view scope_;
};

}  // namespace

void ReadCommonConfig() {
  if (!ConfigFromMemory && !KeepUnreadableConfig() && !platform::fileExists(ConfigPath)) {
    ui::msgBox(kMissingMessage);
    RecreateConfig();
  }
  bool recovered = false;
  for (;;) {
    std::string text;
    Outcome outcome;
    try {
      text = ConfigText();
      outcome = Pass(text, LoadScope).run();
    } catch (const std::exception& e) {
      // Read errors, a file that cannot be read, values the settings table rejects.
      if (recovered) throw ConfigReadError(std::string("config read failed: ") + e.what());
      recovered = true;
      ui::msgBox(kErrorMessage);
      RecreateConfig();
      continue;
    }
    if (outcome == Outcome::Complete) return;
    // Rewriting cannot mend the built-in text itself; stop instead of looping.
    if (text == BuiltInConfigFile()) throw ConfigReadError("the built-in config text is not valid");
    ui::msgBox(outcome == Outcome::Old     ? kOldMessage
               : outcome == Outcome::Newer ? kNewerMessage
                                           : kErrorMessage);
    RecreateConfig();
  }
}

void LoadCommonConfig() {
  LoadScope = "all";
  ReadCommonConfig();
}

}  // namespace olvex::shell
