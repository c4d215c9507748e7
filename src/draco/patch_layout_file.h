#pragma once
// Patch layout files: one patch as text, in the keys of a patch-set record without the record's
// bracket lines, so that a patch can be passed on and merged into any record in the editor.
#include <string>
#include <vector>

#include "draco/patch_record.h"

namespace olvex::draco {

// The lines of the layout file of record: the header, the record keys (the present flag as
// given), the offset slots in use and the enabled parameters.
std::vector<std::string> PatchLayoutLines(const PatchRecord& record, int omnipresence);

// Merges the lines of a layout file into record: lines in any order, keys in any case, no header
// needed; what the file does not name keeps its value; the present flag is ignored. Throws
// PatchSetError at the first line that cannot be read (a CondBehave other than 0 or 1, a
// requirement outside 0..2, a negative offset slot, a bad parameter entry); the lines before it
// are kept.
void MergePatchLayout(const std::vector<std::string>& lines, PatchRecord& record);

}  // namespace olvex::draco
