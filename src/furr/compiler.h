#pragma once
// The FURR line compiler: template filling. Every source line whose command word names rows of
// the command set adds each row's template with the encoded parameters written over its
// placeholder bytes. The result is upper-case hex text, two digits per byte; "//" + eight digits
// markers of the templates pass through for the linkers. Lines are expected to pass the checker.
#include <string>
#include <string_view>

#include "furr/command_set.h"

namespace olvex::furr {

enum class OneShotMode { Pre, Post };  // one-shot prologue before or after the flipeffect's lines

struct FlipCompileOptions {
  int flipNumber = 47;
  bool doOnlyOnce = false;        // the slot's one-shot flag
  bool advancedSavegame = false;  // "Enable advanced savegame management": one-shot flags exist
  bool remapSceneMemory = false;  // the flag area lies at 0xD90000 instead of 0x990000
  OneShotMode mode = OneShotMode::Pre;
};

// The prologue of a one-shot flipeffect (sets its flag byte and stores its number); empty
// unless the slot is one-shot and advanced savegame management is on.
std::string OneShotPrologue(const FlipCompileOptions& options);

// A flipeffect: empty when the code is blank (spaces only), else the prologue where the mode
// puts it, the lines, and a closing return "C3".
std::string CompileFlip(const CommandSet& set, std::string_view code, const FlipCompileOptions& options);

// A race-timer event: the lines alone (no prologue, no return); empty when no line has a known
// command.
std::string CompileRaceEvent(const CommandSet& set, std::string_view code);

}  // namespace olvex::furr
