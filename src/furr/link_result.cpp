#include "furr/link_result.h"

#include "platform/files.h"
#include "ui/host.h"

namespace olvex::furr {

std::string ScratchPath(const std::string& workDir, std::string_view name) {
  bool separated = workDir.empty() || workDir.back() == '/' || workDir.back() == '\\';
  return workDir + (separated ? "" : "/") + std::string(name);
}

LinkResult LinkFailure(std::string message, int failedSlot) {
  ui::msgBox(message);
  return {LinkStatus::Failed, {}, std::move(message), failedSlot};
}

LinkResult WriteImage(const std::string& path, std::string image, std::string_view what) {
  try {
    platform::writeScratchFile(path, image);
  } catch (const platform::FileError& e) {
    return LinkFailure("The " + std::string(what) + " could not be written to " + path + ".\r\n" + e.what());
  }
  return {LinkStatus::Linked, std::move(image), {}, -1};
}

void RemoveScratch(const std::string& path) {
  try {
    platform::removeFile(path);
  } catch (const platform::FileError&) {
  }
}

}  // namespace olvex::furr
