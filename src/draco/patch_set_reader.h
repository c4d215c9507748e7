#pragma once
// Reading patch-set files (*.drc) into the patch table, and the patch list's start-up.
#include <stdexcept>
#include <string>
#include <string_view>

#include "draco/patch_record.h"
#include "draco/patch_set_keys.h"

namespace olvex::draco {

// A line of a patch set (or patch layout) that cannot be read.
struct PatchSetError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The whole text as a number rounded to an integer in lo..hi; else throws PatchSetError.
int WholeNumber(std::string_view text, int lo, int hi);

// Reads the patch set at path into PatchList and refreshes the list. Each "/bgn n" resizes the
// table to records 0..n (keeping the lower ones) and empties record n before its lines are read.
// Missing file, missing header and unreadable records are reported in message boxes; after a
// missing file or header the table is unchanged, after a bad record the records read so far stay
// and the list is not refreshed. An empty path does nothing.
void LoadPatchSet(const std::string& path);

// Stores one parameter entry "k|value" into the field of slot k (0..29) of params and returns k.
// The value is cut to 50 characters; an entry beginning with "|" stores nothing. Throws
// PatchSetError for an entry without "|", a k that is not a whole number in 0..29, or a byte
// field whose value is not a number in 0..255.
int ConvertParamEntry(std::string_view entry, ParamField field, ParamSlots& params);

// The patch list at start-up: the single record "Empty patch entry", the default patch set
// loaded from path, every patch deselected with its parameters at their defaults.
void StartPatchList(const std::string& defaultPatchSet);

}  // namespace olvex::draco
