#pragma once
// The DRACO module's patch table and its upkeep. After every RefreshPatchList every record is
// present and item k of the patch list (patch_selection.h) shows record k.
#include <string>
#include <string_view>
#include <vector>

#include "draco/name_index.h"
#include "draco/patch_record.h"
#include "draco/patch_selection.h"

namespace olvex::draco {

extern std::vector<PatchRecord> PatchList;
extern std::string PatchSetVersion;  // the text after "DRACO=" in the set last read
extern int CurParamSlot;             // the parameter slot the patch list window shows
extern std::string DependencyText;   // dependencies of the patch last checked, one per line
extern std::string InputMode;        // what the input box is asked for
extern std::string InputResult;      // its answer, "EMPTY" when nothing was entered

inline constexpr std::string_view kEmptyPatchName = "Empty patch entry";

// Makes the table the single present record "Empty patch entry", then refreshes the list.
void ClearPatchList();
// Drops every record that is not present (flag other than 1), so that item k shows record k,
// and rebuilds the items; check marks stay with positions.
void RefreshPatchList();
// Clears every check mark, sets every enabled parameter's current value to its default, then
// refreshes the list.
void ResetPatches();
// Index of the first record with exactly that name; 0 (the first record) when none has it.
int FindPatchByName(std::string_view name);
// Sets the check mark of the first item showing that name to (flag == 1), when a record has the
// name.
void SetPatchSelected(std::string_view name, int flag);
// Fills DependencyText with the dependencies of record n, one per line, and returns 1 when one
// of them names a record whose item is not checked: the first record with exactly that name;
// names of no record are not reported. `records` indexes the records' names exactly, for the
// many checks of a pass; without it the records are searched.
int CheckDependencies(int n, const NameIndex& records);
int CheckDependencies(int n);
// Stores the k-th value of a list of values each ended by ";" as the current value of parameter
// slot k (0..29) of record `index`; empty values and text after the last ";" store nothing; an
// index outside the table stores nothing.
void ParseParamValues(std::string_view values, int index);

bool FileExists(const std::string& path);

}  // namespace olvex::draco
