#pragma once
// The common reader: [common] (own keys, slot counts, every setting key through the settings key
// table for LoadScope), [credits], [flipeffects] and [racetimer]. Recovers from a missing,
// outdated or faulty config by writing the built-in text and reading again; a config that exists
// but cannot be read is left as it is and the built-in text is read from memory instead.
#include <functional>
#include <stdexcept>
#include <string>

namespace olvex::shell {

// A read error that remained after the one recovery of a call.
struct ConfigReadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Windows the reader touches; each window's module sets its entries when it exists. Unset entries
// are skipped.
struct ConfigReaderHooks {
  std::function<void()> developerLayout;             // DeveloperMode=1: patch list developer layout
  std::function<void(int count)> triggerSlotsSized;  // flipeffect selector: items "47".."count+46"
  std::function<void(int count)> raceSlotsSized;     // race event selector: items "1".."count"
  std::function<void(const std::string&)> creditsText;  // credits text box (emptied, then filled)
  std::function<void()> flipSectionStart;  // editor shows 47 and empties its code and description
  std::function<void()> flipSectionEnd;    // editor shows 47 again
  std::function<void()> raceSectionStart;  // editor empties its code and description
  std::function<void()> raceSectionEnd;    // editor shows event 1
};
extern ConfigReaderHooks ReaderHooks;

// Reads the config for LoadScope. Throws ConfigReadError when a read error persists after the
// recovery.
void ReadCommonConfig();
// The full read: LoadScope = "all", then ReadCommonConfig.
void LoadCommonConfig();

}  // namespace olvex::shell
