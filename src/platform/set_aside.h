#pragma once
// Moving a file out of the way without ever replacing another: to a name of this run's own, where
// it is removed only once it proves to be the run's, or to a name that keeps it. Internal to
// src/platform.
#include <optional>
#include <string>

#include "platform/files.h"

namespace olvex::platform::detail {

// What stands at path (a link itself, never what it leads to); nullopt when nothing stands there.
// A look that fails for another reason (a disk error, a permission) is a FileError: it tells
// nothing about what is there.
std::optional<FileIdentity> identityAt(const std::string& path);
// True when found is the file of `file`: the same device and inode, whatever its length or time.
bool sameFile(const std::optional<FileIdentity>& found, const FileIdentity& file);

// Renames from to `to` unless something stands at `to`; false with errno set (EEXIST then) when
// the rename did not happen. Where the file system cannot refuse in the same step, a hard link
// to `to` and the removal of `from` do; where it makes no links either, a look comes just before
// the rename, and a look that fails is an error. A step that reports an error is looked after:
// where `to` names the file all the same, it took effect; where `from` could not be looked at
// first, the move goes on, and such a step did not take effect. Safe in a signal handler.
bool renameNoReplace(const char* from, const char* to);

// Gives the file at path (a link itself, never what it leads to) a further name of this run's
// own in its folder and returns it; empty where the file system makes no hard links.
std::string linkToOwnName(const std::string& path);

// A fresh name of this run's in folder (one a later run removes once this run has ended) where
// nothing stands now.
std::string freeOwnName(const std::string& folder);

// Moves whatever stands at path to a fresh name of this run's in its folder and returns that
// name; nullopt when nothing stands at path.
std::optional<std::string> moveToOwnName(const std::string& path);

// Moves from to the first free name of `name`.kept, `name`.kept-2, ... and returns it. Nothing
// there is ever replaced, and no run removes a file at such a name. A link made there that no look
// proves to be that file is named in the error.
std::string keepBeside(const std::string& from, const std::string& name);

// Keeps a file found at path, now at `moved`, beside path; a sentence that says where.
std::string keepFound(const std::string& moved, const std::string& path);

// Removes the file at `moved`, a name of this run's, when it proves to be `own` (sameFile); any
// other file, and one that cannot be looked at, is kept beside path. Returns sentences naming
// where a kept file is and why, else nothing.
std::string removeOrKeep(const std::string& moved, const FileIdentity& own, const std::string& path);

// As removeOrKeep, once whatever stands at path is moved to a name of this run's.
std::string removeIfOwn(const std::string& path, const FileIdentity& own);

}  // namespace olvex::platform::detail
