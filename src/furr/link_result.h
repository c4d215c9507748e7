#pragma once
// What the two linkers hand back to their callers (the script writers of the patch pass and the
// editors), and the scratch files they share the work folder with.
#include <string>
#include <string_view>

namespace olvex::furr {

enum class LinkStatus {
  Linked,    // the image was written to its scratch file
  Disabled,  // the editor is off: nothing was done
  Failed,    // a message was shown; no image file is left behind
};

struct LinkResult {
  LinkStatus status = LinkStatus::Disabled;
  std::string image;    // the linked bytes, as written to the scratch file
  std::string message;  // the failure's message, as shown
  int failedSlot = -1;  // slot index of the script with errors, if that was the failure
  bool linked() const { return status == LinkStatus::Linked; }
};

// The scratch file `name` in the work folder (which normally ends with a separator).
std::string ScratchPath(const std::string& workDir, std::string_view name);

// Shows the message and returns a failure.
LinkResult LinkFailure(std::string message, int failedSlot = -1);

// Replaces the scratch file with the image. A file error becomes a failure naming `what`.
LinkResult WriteImage(const std::string& path, std::string image, std::string_view what);

// Removes a stale scratch file; a failure to do so is left to the final write to report.
void RemoveScratch(const std::string& path);

}  // namespace olvex::furr
