#pragma once
// Writing the patch table as a patch-set file (*.drc), behind the patch list's "save set".
#include <string>
#include <vector>

namespace olvex::draco {

struct PatchRecord;

// The lines of one record between its bracket lines: the record keys, (an empty line when
// blankAfterFields,) the offset slots in use and the enabled parameters. Shared by patch sets
// and patch layout files.
void AppendRecordBody(std::vector<std::string>& lines, const PatchRecord& record, bool blankAfterFields);

// The lines of the patch set for the whole of PatchList, every record in index order.
std::vector<std::string> PatchSetLines();
// Writes the set to a temporary file beside path and renames it over path (CR LF line ends).
// A failure shows "Error saving patch set (path)." and leaves an existing file as it was.
bool SavePatchSet(const std::string& path);
// "save set": asks for the file in the save dialog, then SavePatchSet; cancelling is silent.
void SavePatchSetAs();

}  // namespace olvex::draco
